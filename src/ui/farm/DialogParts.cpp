#include "ui/farm/DialogParts.h"

#include <algorithm>

#include <QFontMetrics>
#include <QLineEdit>
#include <QPushButton>

namespace farm::parts {

QPushButton* button(QWidget* parent, const char* name, const QString& text) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QLineEdit* field(QWidget* parent, const char* name, bool readOnly) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setReadOnly(readOnly);
    return e;
}

namespace {
// Room of the title bar's icon and its three buttons beside the text.
constexpr int kTitleBarButtons = 140;
}  // namespace

int titleWidth(const QWidget* dialog) {
    return QFontMetrics(dialog->font()).horizontalAdvance(dialog->windowTitle()) + kTitleBarButtons;
}

void fitTitle(QWidget* dialog) { dialog->setMinimumWidth(std::max(dialog->minimumWidth(), titleWidth(dialog))); }

}  // namespace farm::parts
