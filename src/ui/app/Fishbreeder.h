// The one-line prompt: a read-only label, one text field, OK and Cancel. The
// farm's prompt adds the breeder's number in the association beside the name.
#pragma once

#include <QDialog>
#include <string>

class QLabel;
class QLineEdit;
class QSpinBox;

class Fishbreeder : public QDialog {
    Q_OBJECT
public:
    Fishbreeder(const std::string& label, const std::string& value, QWidget* parent = nullptr);
    std::string value() const;
    // Shows the prompt; on OK puts the text typed into value and returns true.
    static bool ask(QWidget* parent, const std::string& label, std::string& value);

    // "Fishbreeder farm": the farm's name and, beside it, the number that
    // names its bulletin file ("\Bulletin\" + number + ".bul").
    Fishbreeder(const std::string& name, int breederNumber, QWidget* parent = nullptr);
    int breederNumber() const;
    static bool askFarm(QWidget* parent, std::string& name, int& breederNumber);

private:
    void build(const std::string& label, const std::string& value);

    QLabel* label_ = nullptr;
    QLineEdit* field_ = nullptr;
    QSpinBox* number_ = nullptr;
};
