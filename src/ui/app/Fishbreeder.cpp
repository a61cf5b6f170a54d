#include "ui/app/Fishbreeder.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/AppText.h"

Fishbreeder::Fishbreeder(const std::string& label, const std::string& value, QWidget* parent) : QDialog(parent) {
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
    layout->addWidget(field_);
    layout->addWidget(buttons);
    field_->selectAll();
}

std::string Fishbreeder::value() const { return field_->text().toStdString(); }

bool Fishbreeder::ask(QWidget* parent, const std::string& label, std::string& value) {
    Fishbreeder dialog(label, value, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    value = dialog.value();
    return true;
}
