#include "ui/app/Fishbreeder.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/AppText.h"

namespace {

constexpr const char* kFarmLabel = QT_TRANSLATE_NOOP("Fishbreeder", "Edit your name");
constexpr const char* kNumberLabel = QT_TRANSLATE_NOOP("Fishbreeder", "Breeder's number:");
constexpr int kLargestBreederNumber = 99999;

}  // namespace

Fishbreeder::Fishbreeder(const std::string& label, const std::string& value, QWidget* parent) : QDialog(parent) {
    build(label, value);
}

Fishbreeder::Fishbreeder(const std::string& name, int breederNumber, QWidget* parent) : QDialog(parent) {
    number_ = new QSpinBox(this);
    number_->setObjectName(QStringLiteral("breederNumber"));
    number_->setRange(1, kLargestBreederNumber);
    number_->setValue(breederNumber < 1 ? 1 : breederNumber);
    build(tr(kFarmLabel).toStdString(), name);
}

void Fishbreeder::build(const std::string& label, const std::string& value) {
    setWindowTitle(QString::fromStdString(core::kCaption));
    auto* layout = new QVBoxLayout(this);
    label_ = new QLabel(QString::fromStdString(label), this);
    field_ = new QLineEdit(QString::fromStdString(value), this);
    field_->setObjectName(QStringLiteral("field"));
    field_->setMinimumWidth(300);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(label_);
    if (number_) {
        auto* row = new QHBoxLayout;
        row->addWidget(field_, 1);
        auto* numberLabel = new QLabel(tr(kNumberLabel), this);
        numberLabel->setBuddy(number_);
        row->addWidget(numberLabel);
        row->addWidget(number_);
        layout->addLayout(row);
    } else {
        layout->addWidget(field_);
    }
    layout->addWidget(buttons);
    field_->selectAll();
}

std::string Fishbreeder::value() const { return field_->text().toStdString(); }

int Fishbreeder::breederNumber() const { return number_ ? number_->value() : 1; }

bool Fishbreeder::ask(QWidget* parent, const std::string& label, std::string& value) {
    Fishbreeder dialog(label, value, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    value = dialog.value();
    return true;
}

bool Fishbreeder::askFarm(QWidget* parent, std::string& name, int& breederNumber) {
    Fishbreeder dialog(name, breederNumber, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    name = dialog.value();
    breederNumber = dialog.breederNumber();
    return true;
}
