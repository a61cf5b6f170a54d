// The number dialog: one whole number (a price in cents, a count); beside a
// price a "$" button converts an amount typed in the current currency.
// Enter accepts the number.
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
    enum class Kind { Money, Count };
    Whatdial(QWidget* parent, const std::string& title, int proposal, int max, const core::Settings& settings,
             platform::Prompter& prompter, Kind kind = Kind::Money);
    int value() const { return value_; }

    // Opens the dialog; nothing on Cancel.
    static std::optional<int> ask(QWidget* parent, const std::string& title, int proposal, int max,
                                  const core::Settings& settings, platform::Prompter& prompter,
                                  Kind kind = Kind::Money);

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
