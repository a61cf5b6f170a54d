// Named controls of the farm dialogs: tests find them by object name, and
// buttons never take Enter as the dialog's default.
#pragma once

class QLineEdit;
class QPushButton;
class QWidget;

namespace farm::parts {

QPushButton* button(QWidget* parent, const char* name, const char* text);
QLineEdit* field(QWidget* parent, const char* name, bool readOnly = false);

}  // namespace farm::parts
