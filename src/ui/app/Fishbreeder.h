// The one-line prompt: a read-only label, one text field, OK and Cancel.
#pragma once

#include <QDialog>
#include <string>

class QLabel;
class QLineEdit;

class Fishbreeder : public QDialog {
    Q_OBJECT
public:
    Fishbreeder(const std::string& label, const std::string& value, QWidget* parent = nullptr);
    std::string value() const;
    // Shows the prompt; on OK puts the text typed into value and returns true.
    static bool ask(QWidget* parent, const std::string& label, std::string& value);

private:
    QLabel* label_;
    QLineEdit* field_;
};
