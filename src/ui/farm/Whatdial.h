// The number dialog: one whole number (a price in cents, a count) with a
// "$" button that converts an amount typed in the current currency.
#pragma once

#include <QDialog>

#include <optional>
#include <string>

#include "core/Settings.h"
#include "platform/Prompter.h"

class QLineEdit;

class Whatdial : public QDialog {
    Q_OBJECT
public:
    Whatdial(QWidget* parent, const std::string& title, int proposal, int max, const core::Settings& settings,
             platform::Prompter& prompter);
    int value() const { return value_; }

    // Opens the dialog; nothing on Cancel.
    static std::optional<int> ask(QWidget* parent, const std::string& title, int proposal, int max,
                                  const core::Settings& settings, platform::Prompter& prompter);

public slots:
    void accept() override;

private:
    void convert();

    const core::Settings& settings_;
    platform::Prompter& prompter_;
    int max_;
    int value_ = 0;
    QLineEdit* number_;
};
