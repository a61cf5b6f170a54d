// The catalogue window's commands without the right mouse button: the
// "Commands" button (and its Alt letter) shows the row's commands with their
// keys, choosing one acts as its key does; Ctrl+F starts a search.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "catalogue/CatalogueCommands.h"
#include "catalogue/EditingWorld.h"
#include "core/InterfaceText.h"
#include "ui/catalogue/CComboFind.h"
#include "ui/catalogue/CComboTaxon.h"
#include "ui/catalogue/Fishcatal.h"
#include "ui/common/Translation.h"

using namespace catalogue;

namespace {

struct World : editingtest::EditingWorld {
    core::Settings settings;
    World() { settings.Application_path = workDir().string(); }
};

struct MenuSeen {
    QStringList texts;           // as shown, with their keys
    QStringList enabled;
    QStringList keys;
};

// When the next popup menu shows, records it and chooses the entry whose text
// starts with choose (closes it when choose is empty).
void onNextMenu(MenuSeen* seen, const QString& choose, int tries = 200) {
    QTimer::singleShot(10, [=] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) {
            if (tries > 0) onNextMenu(seen, choose, tries - 1);
            return;
        }
        QAction* chosen = nullptr;
        for (QAction* a : menu->actions()) {
            if (a->isSeparator()) continue;
            seen->texts << a->text();
            seen->keys << a->shortcut().toString();
            if (a->isEnabled()) seen->enabled << a->text();
            if (!choose.isEmpty() && a->text().startsWith(choose)) chosen = a;
        }
        if (chosen) {
            menu->setActiveAction(chosen);
            QTest::keyClick(menu, Qt::Key_Return);
        } else {
            menu->close();
        }
    });
}

QString entry(int id) {
    for (const CatalogueCommand& c : catalogueCommands())
        if (c.id == id) return QString::fromStdString(core::interfaceText(c.textEntry, core::English));
    return {};
}

}  // namespace

class CatalogueCommandsWindow : public QObject {
    Q_OBJECT
private slots:
    void theButtonListsTheRowsCommandsWithTheirKeys() {
        World w;
        Fishcatal d(w.doc, w.settings, w.prompter, ChooserRequest{"Fishes catalog", "Class Pisces", 14, w.tetras.innesi});
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QVERIFY(d.commandsButton()->isVisible());
        MenuSeen seen;
        onNextMenu(&seen, {});
        QTest::mouseClick(d.commandsButton(), Qt::LeftButton);
        QCOMPARE(seen.texts.size(), 12);
        QCOMPARE(seen.texts.first(), entry(kCmdAddNew));
        QVERIFY(seen.keys.contains(QStringLiteral("Ins")));
        QVERIFY(seen.keys.contains(QStringLiteral("Del")));
        QVERIFY(seen.keys.contains(QStringLiteral("F7")));
        // The species row: it may be deleted and viewed; the family's survey is not its own.
        QVERIFY(seen.enabled.contains(entry(kCmdDelete)));
        QVERIFY(seen.enabled.contains(entry(kCmdViewInfo)));
        QVERIFY(!seen.enabled.contains(entry(kCmdFamilySurvey)));
    }

    void choosingDeleteAsksAsTheDeleteKeyDoes() {
        World w;
        Fishcatal d(w.doc, w.settings, w.prompter, ChooserRequest{"Fishes catalog", "Class Pisces", 14, w.tetras.amandae});
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        const std::string cod = std::to_string(w.tetras.amandae);
        // The commands act on the row that had the focus last: the species.
        d.pathCombo(d.model().rowOfLevel(64))->lineEdit()->setFocus();
        w.prompter.answerNext(platform::Answer::No);
        MenuSeen seen;
        onNextMenu(&seen, entry(kCmdDelete));
        QTest::mouseClick(d.commandsButton(), Qt::LeftButton);
        QVERIFY2(seen.enabled.contains(entry(kCmdDelete)), qPrintable(seen.enabled.join(u'|')));
        QCOMPARE(w.prompter.lastText(), std::string("      Are you sure?"));
        QCOMPARE(w.count("Reedmere", "Cod=" + cod), std::string("1"));
        w.prompter.answerNext(platform::Answer::Yes);
        onNextMenu(&seen, entry(kCmdDelete));
        QTest::mouseClick(d.commandsButton(), Qt::LeftButton);
        QCOMPARE(w.count("Reedmere", "Cod=" + cod), std::string("0"));
    }

    void altLetterOpensTheCommandsInBothLanguages() {
        World w;
        Fishcatal d(w.doc, w.settings, w.prompter, ChooserRequest{"Fishes catalog", "Class Pisces", 14, w.tetras.innesi});
        d.show();
        QApplication::setActiveWindow(&d);
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QCOMPARE(d.commandsButton()->text(), QStringLiteral("&Commands"));
        MenuSeen seen;
        onNextMenu(&seen, {});
        QTest::keyClick(&d, Qt::Key_C, Qt::AltModifier);
        QTRY_COMPARE(seen.texts.size(), 12);

        QVERIFY(ui::followInterfaceLanguage(core::Russian));
        w.settings.Default_language = core::Russian;
        Fishcatal russian(w.doc, w.settings, w.prompter, ChooserRequest{"Каталог рыб", "Class Pisces", 14, w.tetras.innesi});
        russian.show();
        QApplication::setActiveWindow(&russian);
        QVERIFY(QTest::qWaitForWindowActive(&russian));
        QCOMPARE(russian.commandsButton()->text(), QStringLiteral("&Команды"));
        MenuSeen inRussian;
        onNextMenu(&inRussian, {});
        // The Cyrillic letter K, as a Russian keyboard sends it.
        QTest::sendKeyEvent(QTest::Press, &russian, static_cast<Qt::Key>(0x041A), QStringLiteral("к"), Qt::AltModifier);
        QTest::sendKeyEvent(QTest::Release, &russian, static_cast<Qt::Key>(0x041A), QStringLiteral("к"), Qt::AltModifier);
        QTRY_COMPARE(inRussian.texts.size(), 12);
        QCOMPARE(inRussian.texts.first(), QString::fromStdString(core::interfaceText(289, core::Russian)));
        ui::followInterfaceLanguage(core::English);
    }

    void ctrlFSwitchesFindOnInTheFocusedRow() {
        World w;
        w.settings.Find = 0;
        Fishcatal d(w.doc, w.settings, w.prompter, ChooserRequest{"Fishes catalog", "Class Pisces", 14, w.tetras.innesi});
        d.show();
        QApplication::setActiveWindow(&d);
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QVERIFY(!d.enableFind()->isChecked());
        const int row = d.model().rowOfLevel(512);
        d.pathCombo(row)->lineEdit()->setFocus();
        QTest::keyClick(d.pathCombo(row)->lineEdit(), Qt::Key_F, Qt::ControlModifier);
        QVERIFY(d.enableFind()->isChecked());
        QTRY_VERIFY(d.findCombo(row)->hasFocus() || d.findCombo(row)->isAncestorOf(QApplication::focusWidget()));
    }
};

QTEST_MAIN(CatalogueCommandsWindow)
#include "window_catalogue_commands.moc"
