#include "app/CFishesView.h"

#include <QListWidget>
#include <QTimerEvent>
#include <QVBoxLayout>

#include "app/CFishesApp.h"

CFishesView::CFishesView(CFishesApp& app, QWidget* parent) : QWidget(parent), app_(app) {
    auto* layout = new QVBoxLayout(this);
    log_ = new QListWidget(this);
    layout->addWidget(log_);
    splashTimer_ = startTimer(1000);
}

void CFishesView::line(const std::string& text) { log_->insertItem(0, QString::fromStdString(text)); }

void CFishesView::timerEvent(QTimerEvent* e) {
    if (e->timerId() == splashTimer_) {
        killTimer(splashTimer_);
        splashTimer_ = 0;
        app_.closeSplash();
        repaint();
    }
}
