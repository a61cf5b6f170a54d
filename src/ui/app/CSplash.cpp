#include "ui/app/CSplash.h"

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

CSplash::CSplash(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::WindowStaysOnTopHint) {
    auto* layout = new QVBoxLayout(this);
    auto* picture = new QLabel(QStringLiteral("Reed Mere"), this);
    QFont big(QStringLiteral("Times New Roman"), 28, QFont::Bold, true);
    picture->setFont(big);
    picture->setAlignment(Qt::AlignCenter);
    picture->setMinimumSize(360, 120);
    picture->setStyleSheet(QStringLiteral("color:#0b4f6c; background:#d8eef5;"));
    line_ = new QLabel(this);
    QFont font(QStringLiteral("Times New Roman Cyr"));
    font.setFamilies({QStringLiteral("Times New Roman Cyr"), QStringLiteral("Times New Roman"),
                      QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    font.setPixelSize(15);
    line_->setFont(font);
    line_->setAlignment(Qt::AlignCenter);
    line_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    layout->addWidget(picture);
    layout->addWidget(line_);
    resize(400, 170);
    if (QScreen* s = QApplication::primaryScreen()) move(s->geometry().center() - rect().center());
}

void CSplash::setText(const std::string& text) {
    line_->setText(QString::fromStdString(text));
    line_->repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

std::string CSplash::text() const { return line_->text().toStdString(); }
