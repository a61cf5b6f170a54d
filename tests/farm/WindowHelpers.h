// Helpers of the farm window tests: acting on the next modal dialog, typing
// into a field, and a catalogue chooser that answers from a script.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <optional>
#include <vector>

#include "ui/catalogue/TaxonChooser.h"

namespace farmtest {

// Runs act on the next modal dialog other than `except` once it is shown.
inline void onNextDialog(std::function<void(QDialog*)> act, QWidget* except = nullptr) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act, except] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!d || d == except || !d->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        act(d);
    });
    timer->start();
}

// Replaces a field's text as a user would, then leaves it with Return.
inline void type(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    if (text.isEmpty()) QTest::keyClick(edit, Qt::Key_Backspace);
    else QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

template <class W>
W* child(QWidget* parent, const char* name) {
    W* w = parent->findChild<W*>(name);
    if (!w) qFatal("no widget %s", name);
    return w;
}

inline void click(QWidget* parent, const char* name) { QTest::mouseClick(child<QPushButton>(parent, name), Qt::LeftButton); }

class ScriptedChooser : public catalogue::TaxonChooser {
public:
    std::optional<int> answer;
    std::vector<catalogue::ChooserRequest> requests;
    std::optional<int> choose(QWidget*, const catalogue::ChooserRequest& request) override {
        requests.push_back(request);
        return answer;
    }
};

}  // namespace farmtest
