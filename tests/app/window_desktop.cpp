// The main window as a desktop program: the About box, the keyboard
// (Ctrl+Q, F1, Ctrl+F, Escape in dialogs, Alt letters on every menu entry
// in both languages) and the window icon.
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QtTest>
#include <memory>

#include "common/TestEnv.h"
#include "core/InterfaceText.h"
#include "ui/app/About.h"
#include "ui/app/CMainFrame.h"
#include "ui/app/Commands.h"
#include "ui/catalogue/Fishcatal.h"

using namespace app;

namespace {

// The text as the menu shows it, and its marked letter (null when none).
QString plain(const QString& text, QChar* mnemonic = nullptr) {
    QString out;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size()) {
            ++i;
            if (text[i] != u'&' && mnemonic) *mnemonic = text[i];
        }
        out += text[i];
    }
    return out;
}

// Every entry of a menu carries one Alt letter, taken by no other entry of it.
void checkMnemonics(const QList<QAction*>& actions, const QString& where) {
    QSet<QChar> used;
    for (QAction* a : actions) {
        if (a->isSeparator()) continue;
        QChar letter;
        const QString shown = plain(a->text(), &letter);
        QVERIFY2(!letter.isNull(), qPrintable(where + ": " + a->text()));
        QVERIFY2(a->text().count(u'&') == 1, qPrintable(where + ": " + a->text()));
        QVERIFY2(!used.contains(letter.toLower()), qPrintable(where + ": " + a->text()));
        QVERIFY2(shown.contains(letter), qPrintable(a->text()));
        used.insert(letter.toLower());
        if (a->menu()) checkMnemonics(a->menu()->actions(), where + " > " + shown);
    }
}

}  // namespace

class DesktopTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testenv::DocWorld> world_;
    std::unique_ptr<core::Settings> settings_;
    std::unique_ptr<platform::ScriptedPrompter> prompter_;
    std::unique_ptr<CMainFrame> frame_;

    void open() {
        frame_ = std::make_unique<CMainFrame>(
            ShellContext{*settings_, world_->doc, *prompter_, [](const std::string&) {}, [] {}});
        frame_->show();
        QApplication::setActiveWindow(frame_.get());
        QVERIFY(QTest::qWaitForWindowActive(frame_.get()));
    }
    void key(int k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(frame_.get(), static_cast<Qt::Key>(k), m);
    }

    struct EscapeRun {
        bool shown = false;
        bool closed = false;
        QString kind;
    };
    // Opens a dialog by a command, presses Escape in it; true when Escape closed it.
    bool escapeCloses(const std::function<void()>& openDialog, QString* kind = nullptr) {
        auto run = std::make_shared<EscapeRun>();
        QTimer::singleShot(0, [run] { waitAndEscape(run, 300); });
        openDialog();
        if (kind) *kind = run->kind;
        return run->shown && run->closed;
    }
    static void waitAndEscape(std::shared_ptr<EscapeRun> run, int tries) {
        QWidget* d = QApplication::activeModalWidget();
        if (!d) {
            if (tries > 0) QTimer::singleShot(20, [run, tries] { waitAndEscape(run, tries - 1); });
            return;
        }
        run->shown = true;
        run->kind = QString::fromLatin1(d->metaObject()->className());
        QTest::keyClick(d, Qt::Key_Escape);
        run->closed = !d->isVisible();
        if (!run->closed) qobject_cast<QDialog*>(d)->reject();  // never leave the test hanging
    }

private slots:
    void init() {
        world_ = std::make_unique<testenv::DocWorld>(true);
        settings_ = std::make_unique<core::Settings>();
        settings_->Application_path = world_->workDir().string();
        prompter_ = std::make_unique<platform::ScriptedPrompter>();
    }
    void cleanup() {
        frame_.reset();
        prompter_.reset();
        settings_.reset();
        world_.reset();
    }

    void aboutNamesVersionDataDatabaseWorkDirectoryAndLicence() {
        open();
        frame_->command(ID_APP_ABOUT)->trigger();
        const QString text = QString::fromStdString(prompter_->lastText());
        const QString data = QString::fromStdString(db::shippedDataDir().string());
        QVERIFY(text.startsWith(QStringLiteral("Reed Mere v.3.044 made '2007 Jul 22\n")));
        QVERIFY2(text.contains(QStringLiteral("\nVersion 3.044\n")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("\nData folder: ") + data + "\n"), qPrintable(text));
        QVERIFY(QFileInfo(data + "/schema/schema.sql").isFile());
        QVERIFY2(text.contains(QStringLiteral("\nDatabase: file ") +
                               QString::fromStdString(world_->databaseFile().string()) + "\n"), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("\nWork directory: ") +
                               QString::fromStdString(world_->workDir().string()) + "\n"), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("\nLicence: GNU General Public License, version 3 or later\n")),
                 qPrintable(text));

        frame_->command(ID_RUSSIAN)->trigger();
        frame_->command(ID_APP_ABOUT)->trigger();
        const QString russian = QString::fromStdString(prompter_->lastText());
        for (const char* label : {"\nВерсия 3.044\n", "\nПапка данных: ", "\nБаза данных: файл ", "\nРабочий каталог: ",
                                  "\nЛицензия: "})
            QVERIFY2(russian.contains(QString::fromUtf8(label)), qPrintable(russian));
    }

    void aboutNamesAnOdbcDataSource() {
        db::DataSourceChoice source;
        source.connectionString = "DSN=Reedmere";
        source.name = "Reedmere";
        const std::string text = aboutText(*settings_, source);
        QVERIFY2(text.find("\nDatabase: ODBC data source Reedmere\n") != std::string::npos, text.c_str());
    }

    void ctrlQQuits() {
        open();
        QVERIFY(frame_->isVisible());
        key(Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!frame_->isVisible());
    }

    void f1OpensTheHelpOfTheLanguage() {
        open();
        key(Qt::Key_F1);
        QCOMPARE(QString::fromStdString(prompter_->lastText()),
                 QString::fromStdString((world_->workDir() / "Help" / "program.html").string()) + " is absent!");
        frame_->command(ID_RUSSIAN)->trigger();
        key(Qt::Key_F1);
        QVERIFY(QString::fromStdString(prompter_->lastText()).endsWith(QStringLiteral("programr.html is absent!")));
    }

    void ctrlFOpensTheFishesCatalogue() {
        open();
        QString kind;
        QVERIFY(escapeCloses([this] { key(Qt::Key_F, Qt::ControlModifier); }, &kind));
        QCOMPARE(kind, QStringLiteral("Fishcatal"));
        QVERIFY(!QApplication::activeModalWidget());
    }

    void escapeClosesTheFarmAndCatalogueDialogs() {
        open();
        for (int id : {ID_MY_FISHES, ID_INCUBATOR, ID_TANKS, ID_PLAN_OF_SPAWNINGS, ID_HIGH_TAXONOMY}) {
            QString kind;
            QVERIFY2(escapeCloses([this, id] { frame_->command(id)->trigger(); }, &kind),
                     qPrintable(QString::number(id) + " " + kind));
        }
    }

    void everyMenuEntryHasItsOwnAltLetterInBothLanguages() {
        world_->exec("UPDATE \"Reedmere\" SET \"Author\"=substr(\"Author\",1,length(\"Author\")-1)||'1' "
                     "WHERE \"Cod\" IN (14, 10420, 12129)");
        open();
        QCOMPARE(frame_->classEntries().size(), std::size_t(3));
        checkMnemonics(frame_->menuBar()->actions(), QStringLiteral("English"));
        QCOMPARE(plain(frame_->command(ID_APP_EXIT)->text()), QStringLiteral("Exit"));
        QCOMPARE(plain(frame_->command(ID_SELECT_SPECIES)->text()), QStringLiteral("Select species..."));
        frame_->command(ID_RUSSIAN)->trigger();
        checkMnemonics(frame_->menuBar()->actions(), QStringLiteral("Russian"));
        QCOMPARE(plain(frame_->catalogsMenu()->title()), QStringLiteral("Каталоги"));
        QCOMPARE(plain(frame_->command(ID_APP_EXIT)->text()), QStringLiteral("Выход"));
    }

    void altLetterOpensItsMenu() {
        open();
        QChar letter;
        plain(frame_->catalogsMenu()->title(), &letter);
        QVERIFY(!letter.isNull());
        QTest::keyClick(frame_.get(), letter.toLower().toLatin1(), Qt::AltModifier);
        QTRY_VERIFY(frame_->catalogsMenu()->isVisible());
        frame_->catalogsMenu()->close();
    }

    void theWindowCarriesTheProgramIcon() {
        open();
        const QIcon icon = frame_->windowIcon();
        QVERIFY(!icon.isNull());
        QCOMPARE(icon.availableSizes(), (QList<QSize>{QSize(48, 48), QSize(256, 256)}));
        QCOMPARE(icon.pixmap(QSize(256, 256)).size(), QSize(256, 256));
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("org.reedmere.reedmere"));
    }
};

QTEST_MAIN(DesktopTest)
#include "window_desktop.moc"
