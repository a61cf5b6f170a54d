// The help pages list every catalogue command that has a key, by its key and
// by its menu name in the page's language, and the program's own keys.
#include <gtest/gtest.h>

#include <QString>
#include <QStringDecoder>
#include <fstream>
#include <sstream>

#include "catalogue/CatalogueCommands.h"
#include "core/InterfaceText.h"
#include "db/DataSource.h"

namespace {

QString page(const char* name) {
    std::ifstream in(db::shippedDataDir() / "site" / "Help" / name, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    QStringDecoder cp1251("windows-1251");
    return cp1251(QByteArray::fromStdString(s.str()));
}

QString keyName(int key) {
    if (key == Qt::Key_Insert) return QStringLiteral("Insert");
    if (key == Qt::Key_Delete) return QStringLiteral("Delete");
    return QStringLiteral("F%1").arg(key - Qt::Key_F1 + 1);
}

// The menu entry without its trailing " -" and the preposition before it.
QString commandName(int entry, int language) {
    QString text = QString::fromStdString(core::interfaceText(entry, language));
    if (text.endsWith(QStringLiteral(" -"))) text.chop(2);
    for (const char* word : {" of", " for", " about", " о", " для"}) {
        const QString w = QString::fromUtf8(word);
        if (text.endsWith(w)) text.chop(w.size());
    }
    return text;
}

void expectCommandsAndKeys(const char* name, int language) {
    const QString text = page(name);
    ASSERT_GT(text.size(), 3000) << name;
    int listed = 0;
    for (const catalogue::CatalogueCommand& c : catalogue::catalogueCommands()) {
        if (c.key == 0) continue;
        const QString entry = "<dt>" + keyName(c.key) + "</dt><dd>" + commandName(c.textEntry, language);
        EXPECT_TRUE(text.contains(entry)) << name << ": " << entry.toStdString();
        ++listed;
    }
    EXPECT_EQ(listed, 8);
    for (const char* key : {"<dt>Ctrl+Q</dt>", "<dt>F1</dt>", "<dt>Ctrl+F</dt>", "<dt>Escape</dt>"})
        EXPECT_TRUE(text.contains(QString::fromLatin1(key))) << name << ": " << key;
}

}  // namespace

TEST(HelpKeys, TheEnglishPageListsTheCatalogueCommandsWithTheirKeys) {
    expectCommandsAndKeys("program.html", core::English);
    EXPECT_TRUE(page("program.html").contains(QStringLiteral("<b>Commands</b> button beside the Find\r\nswitches (Alt+C)")));
}

TEST(HelpKeys, TheRussianPageListsThemInRussian) {
    expectCommandsAndKeys("programr.html", core::Russian);
    EXPECT_TRUE(page("programr.html").contains(QStringLiteral("<b>Команды</b>")));
    EXPECT_TRUE(page("programr.html").contains(QStringLiteral("(Alt+К)")));
}
