#include "ui/app/Workdir.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

Workdir::Workdir(core::Settings& settings, QWidget* parent) : QDialog(parent), settings_(settings) {
    setWindowTitle(tr("Work directories"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    auto field = [this](const std::string& value, const char* name) {
        auto* e = new QLineEdit(QString::fromStdString(value), this);
        e->setObjectName(QString::fromLatin1(name));
        e->setMinimumWidth(320);
        return e;
    };
    path_ = field(settings.Application_path, "Application_path");
    cdDrive_ = field(settings.CD_drive, "CD-drive");
    server_ = field(settings.WWW_server, "WWW-server");
    ftpServer_ = field(settings.FTP_server, "FTP_server");
    ftpLogin_ = field(settings.FTP_login, "FTP_login");
    ftpPassword_ = field(settings.FTP_password, "FTP_password");
    ftpPassword_->setEchoMode(QLineEdit::Password);
    form->addRow(tr("Path to Project on HDD"), path_);
    form->addRow(tr("CDdrive"), cdDrive_);
    form->addRow(tr("Address of WWW-server"), server_);
    form->addRow(tr("Address of FTP-server"), ftpServer_);
    form->addRow(tr("FTP login"), ftpLogin_);
    form->addRow(tr("FTP password"), ftpPassword_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void Workdir::accept() {
    settings_.Application_path = path_->text().toStdString();
    settings_.CD_drive = cdDrive_->text().toStdString();
    settings_.WWW_server = server_->text().toStdString();
    settings_.FTP_server = ftpServer_->text().toStdString();
    settings_.FTP_login = ftpLogin_->text().toStdString();
    settings_.FTP_password = ftpPassword_->text().toStdString();
    QDialog::accept();
}
