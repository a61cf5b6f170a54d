// Qt's own dialog buttons ask the platform theme for their texts; no Qt
// translation of those is installed on every machine, so the program carries
// the ones its dialogs show.
#include <QtGlobal>

namespace {

[[maybe_unused]] const char* const kThemeButtonTexts[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),     QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"),   QT_TRANSLATE_NOOP("QPlatformTheme", "&No"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Close"),  QT_TRANSLATE_NOOP("QPlatformTheme", "Apply"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Help"),   QT_TRANSLATE_NOOP("QGnomeTheme", "&OK"),
    QT_TRANSLATE_NOOP("QGnomeTheme", "&Cancel"),   QT_TRANSLATE_NOOP("QGnomeTheme", "&Close"),
};

}  // namespace
