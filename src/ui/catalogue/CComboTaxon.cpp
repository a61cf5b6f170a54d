#include "ui/catalogue/CComboTaxon.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

#include "core/InterfaceText.h"
#include "catalogue/CatalogueCommands.h"

using namespace catalogue;

CComboTaxon::CComboTaxon(int language, QWidget* parent) : CompletingCombo(parent), language_(language) {
    setContextMenuPolicy(Qt::CustomContextMenu);
    lineEdit()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) { showMenu(mapToGlobal(p)); });
    connect(lineEdit(), &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { showMenu(lineEdit()->mapToGlobal(p)); });
    lineEdit()->installEventFilter(this);
    installEventFilter(this);
}

// Focus coming back from a closed menu is no choice of row.
void CComboTaxon::focusInEvent(QFocusEvent* event) {
    CompletingCombo::focusInEvent(event);
    if (event->reason() != Qt::PopupFocusReason) emit focused();
}

bool CComboTaxon::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && watched == lineEdit() &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
        emit focused();
    if (event->type() != QEvent::KeyPress) return CompletingCombo::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    // Text keys typed into the name act on the name, not on the taxon.
    const bool textKey = key->key() == Qt::Key_Delete || key->key() == Qt::Key_Insert;
    if (textKey && watched == lineEdit() && typing()) return CompletingCombo::eventFilter(watched, event);
    for (const CatalogueCommand& c : catalogueCommands()) {
        if (c.key == 0 || key->key() != c.key || key->modifiers() != Qt::NoModifier) continue;
        if (active_.count(c.id)) emit command(c.id);
        return true;
    }
    return CompletingCombo::eventFilter(watched, event);
}

void CComboTaxon::showMenu(const QPoint& where) {
    emit focused();
    QMenu menu(this);
    for (const CatalogueCommand& c : catalogueCommands()) {
        if (c.id == 0) {
            menu.addSeparator();
            continue;
        }
        QAction* a = menu.addAction(QString::fromStdString(core::interfaceText(c.textEntry, language_)));
        if (c.key) a->setShortcut(QKeySequence(c.key));
        a->setData(c.id);
        a->setEnabled(active_.count(c.id) > 0);
    }
    QAction* chosen = menu.exec(where);
    emit focused();  // the menu's row, wherever the focus went back to
    if (chosen) emit command(chosen->data().toInt());
}
