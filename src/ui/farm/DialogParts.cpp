#include "ui/farm/DialogParts.h"

#include <QLineEdit>
#include <QPushButton>

namespace farm::parts {

QPushButton* button(QWidget* parent, const char* name, const char* text) {
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

}  // namespace farm::parts
