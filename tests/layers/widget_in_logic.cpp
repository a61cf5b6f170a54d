// Built only by the layer test, which expects this file to fail: logic sees
// Qt Core alone, so a widget header cannot be found from it.
#include <QWidget>

int widgetInLogic() { return sizeof(QWidget); }
