// "Work directories": the work directory, the CD drive and the web server.
#pragma once

#include <QDialog>

#include "app/Settings.h"

class QLineEdit;

class Workdir : public QDialog {
    Q_OBJECT
public:
    Workdir(app::Settings& settings, QWidget* parent = nullptr);

    // Stores the three texts as typed.
    void accept() override;

private:
    app::Settings& settings_;
    QLineEdit* path_;
    QLineEdit* cdDrive_;
    QLineEdit* server_;
};
