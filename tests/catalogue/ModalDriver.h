// Drives the next modal dialog of a type once it shows, as a user would.
#pragma once

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTimer>
#include <functional>

namespace modaltest {

constexpr int kTries = 300;  // 20 ms apart: six seconds for the dialog to show

template <class D>
void whenShown(std::function<void(D*)> act, const QWidget* notThis = nullptr, int tries = kTries) {
    QTimer::singleShot(20, [act, notThis, tries] {
        auto* d = qobject_cast<D*>(QApplication::activeModalWidget());
        if ((!d || d == notThis) && tries > 0) return whenShown<D>(act, notThis, tries - 1);
        if (d && d != notThis) act(d);
    });
}

inline void clickButton(QWidget* dialog, QDialogButtonBox::StandardButton which) {
    dialog->findChild<QDialogButtonBox*>()->button(which)->click();
}

}  // namespace modaltest
