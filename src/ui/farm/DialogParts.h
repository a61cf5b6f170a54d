// Named controls of the farm dialogs: tests find them by object name, and
// buttons never take Enter as the dialog's default. Dialog widths that show
// the whole title.
#pragma once

#include <QString>

class QLineEdit;
class QPushButton;
class QWidget;

namespace farm::parts {

QPushButton* button(QWidget* parent, const char* name, const QString& text);
QLineEdit* field(QWidget* parent, const char* name, bool readOnly = false);
// Widens a dialog so that its whole title shows beside the title bar's buttons.
void fitTitle(QWidget* dialog);
// The width a title needs at the dialog's font, title-bar buttons included.
int titleWidth(const QWidget* dialog);

}  // namespace farm::parts
