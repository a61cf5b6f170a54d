// "Work directories": the work directory, the CD drive and the web server.
#pragma once

#include <QDialog>

#include "core/Settings.h"

class QLineEdit;

class Workdir : public QDialog {
    Q_OBJECT
public:
    Workdir(core::Settings& settings, QWidget* parent = nullptr);

    // Stores the three texts as typed.
    void accept() override;

private:
    core::Settings& settings_;
    QLineEdit* path_;
    QLineEdit* cdDrive_;
    QLineEdit* server_;
};
