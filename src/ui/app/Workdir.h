// "Work directories": the work directory, the CD drive, the web server and
// where the site is uploaded (FTP server, login, password).
#pragma once

#include <QDialog>

#include "core/Settings.h"

class QLineEdit;

class Workdir : public QDialog {
    Q_OBJECT
public:
    Workdir(core::Settings& settings, QWidget* parent = nullptr);

    // Stores the texts as typed.
    void accept() override;

private:
    core::Settings& settings_;
    QLineEdit* path_;
    QLineEdit* cdDrive_;
    QLineEdit* server_;
    QLineEdit* ftpServer_;
    QLineEdit* ftpLogin_;
    QLineEdit* ftpPassword_;
};
