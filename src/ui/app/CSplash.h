// The start-up window: a picture and one line naming the running step.
#pragma once

#include <QWidget>

class QLabel;

class CSplash : public QWidget {
    Q_OBJECT
public:
    explicit CSplash(QWidget* parent = nullptr);
    // Sets the line and repaints at once: the step that follows blocks.
    void setText(const std::string& text);
    std::string text() const;

private:
    QLabel* line_;
};
