// The path combo of a catalogue row: its taxa along the current path, a
// context menu of the catalogue commands and the keys that send them.
#pragma once

#include <set>

#include "ui/catalogue/CompletingCombo.h"

class CComboTaxon : public CompletingCombo {
    Q_OBJECT
public:
    CComboTaxon(int language, QWidget* parent = nullptr);
    // The commands that act; every other one is shown unavailable.
    void setActiveCommands(const std::set<int>& ids) { active_ = ids; }
    // The commands' menu, with their keys, at a point of the screen; the
    // catalogue window's "Commands" button shows it as the right button does.
    void showMenu(const QPoint& where);

signals:
    void command(int id);
    void focused();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    int language_;
    std::set<int> active_;
};
