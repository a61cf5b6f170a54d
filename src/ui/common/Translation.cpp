#include "ui/common/Translation.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTranslator>

#include "core/InterfaceText.h"
#include "db/DataSource.h"

namespace ui {

namespace {

// The copy built into the program serves a program run from its build folder.
const char* const kBuiltInFile = ":/translations/reedmere_ru.qm";

QTranslator& translator() {
    static QTranslator* t = new QTranslator(QCoreApplication::instance());
    return *t;
}

bool loadRussian(QTranslator& t) {
    const QString installed = installedTranslationFile();
    if (QFileInfo::exists(installed) && t.load(installed)) return true;
    return t.load(QString::fromLatin1(kBuiltInFile));
}

}  // namespace

QString installedTranslationFile() {
    return QString::fromStdString((db::shippedDataDir() / "translations" / "reedmere_ru.qm").string());
}

bool followInterfaceLanguage(int language) {
    static bool active = false;
    QTranslator& t = translator();
    if (language != core::Russian) {
        if (active) QCoreApplication::removeTranslator(&t);
        active = false;
        return true;
    }
    if (active) return true;
    if (t.isEmpty() && !loadRussian(t)) return false;
    active = QCoreApplication::installTranslator(&t);
    return active;
}

}  // namespace ui
