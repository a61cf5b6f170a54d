// The main view: the farm's money and stock panel and the progress log.
#pragma once

#include <QWidget>

#include "platform/Prompter.h"

class CFishesApp;
class QListWidget;

class CFishesView : public QWidget, public platform::Log {
    Q_OBJECT
public:
    CFishesView(CFishesApp& app, QWidget* parent);
    void line(const std::string& text) override;

protected:
    void timerEvent(QTimerEvent* e) override;

private:
    CFishesApp& app_;
    QListWidget* log_;
    int splashTimer_ = 0;
};
