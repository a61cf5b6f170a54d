#include "ui/catalogue/New_fish.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

constexpr int kYearDigits = 4;

}  // namespace

New_fish::New_fish(const std::string& heading, const catalogue::NameFields& fields, QWidget* parent)
    : QDialog(parent),
      heading_(new QLabel(q(heading), this)),
      latin_(new QLineEdit(q(fields.latin), this)),
      common_(new QLineEdit(q(fields.common), this)),
      describer_(new QLineEdit(q(fields.describer), this)),
      year_(new QLineEdit(this)) {
    setWindowTitle(q(heading));
    QFont bold = heading_->font();
    bold.setBold(true);
    heading_->setFont(bold);
    year_->setMaxLength(kYearDigits);
    year_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), year_));
    year_->setText(q(fields.year).left(kYearDigits));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    auto* form = new QFormLayout;
    form->addRow(tr("Latin name"), latin_);
    form->addRow(tr("Common name"), common_);
    form->addRow(tr("Descripted by"), describer_);
    form->addRow(tr("at (year)"), year_);
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(420, sizeHint().height());
    latin_->setFocus();
}

catalogue::NameFields New_fish::fields() const {
    return {latin_->text().toStdString(), common_->text().toStdString(), describer_->text().toStdString(),
            year_->text().toStdString()};
}

catalogue::NameDialog New_fish::asker(QWidget* parent) {
    return [parent](const std::string& heading, catalogue::NameFields& fields) {
        New_fish dialog(heading, fields, parent);
        if (dialog.exec() != QDialog::Accepted) return false;
        fields = dialog.fields();
        return true;
    };
}
