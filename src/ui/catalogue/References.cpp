#include "ui/catalogue/References.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

using namespace catalogue;

References::References(const std::vector<Link>& links, QWidget* parent) : QDialog(parent), links_(links) {
    setWindowTitle(tr("Links"));
    auto* layout = new QVBoxLayout(this);
    list_ = new QListWidget(this);
    for (const Link& l : links_) list_->addItem(QString::fromStdString(l.name));
    layout->addWidget(list_);
    auto* form = new QFormLayout;
    email_ = new QLineEdit(this);
    http_ = new QLineEdit(this);
    ftp_ = new QLineEdit(this);
    name_ = new QLineEdit(this);
    for (QLineEdit* e : {email_, http_, ftp_, name_}) e->setReadOnly(true);
    form->addRow(tr("E-Mail"), email_);
    form->addRow(QStringLiteral("http://"), http_);
    form->addRow(QStringLiteral("ftp://"), ftp_);
    form->addRow(tr("Name"), name_);
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    connect(list_, &QListWidget::currentRowChanged, this, &References::show);
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    if (!links_.empty()) list_->setCurrentRow(0);
}

int References::chosen() const { return list_->currentRow(); }

void References::show(int row) {
    if (row < 0 || row >= static_cast<int>(links_.size())) return;
    const Link& l = links_[static_cast<std::size_t>(row)];
    email_->setText(QString::fromStdString(l.email));
    http_->setText(QString::fromStdString(shownAddress(l.http, kHttpPrefix)));
    ftp_->setText(QString::fromStdString(shownAddress(l.ftp, kFtpPrefix)));
    name_->setText(QString::fromStdString(l.name));
}
