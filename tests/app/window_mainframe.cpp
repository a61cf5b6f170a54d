// The main window offscreen: menus and captions in both languages, the
// class entries of the Catalogs menu, the panel's places, the period fields,
// the settings commands and the status-bar prompts.
#include <QAction>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>
#include <atomic>
#include <fstream>
#include <thread>
#include <memory>

#include "ui/app/CFishesView.h"
#include "ui/app/CMainFrame.h"
#include "ui/app/Fishbreeder.h"
#include "ui/app/Commands.h"
#include "core/InterfaceText.h"
#include "ui/app/PanelLayout.h"
#include "site/SiteSkeleton.h"
#include "ui/app/Workdir.h"
#include "common/TestEnv.h"

using namespace app;
using namespace core;

namespace {

// A menu text as shown, without its Alt-letter mark.
QString shown(const QString& text) {
    QString out;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size()) ++i;
        out += text[i];
    }
    return out;
}

// Every text of the menus, depth first, with the sub-menus' titles.
void collectMenu(QMenu* menu, QStringList& out) {
    out << QStringLiteral("[") + shown(menu->title());
    for (QAction* a : menu->actions()) {
        if (a->menu()) collectMenu(a->menu(), out);
        else if (!a->isSeparator()) out << shown(a->text()) + QStringLiteral(" | ") + a->statusTip();
    }
}

bool isCyrillic(const QString& s) {
    for (QChar c : s)
        if (c.unicode() >= 0x0400 && c.unicode() <= 0x04FF) return true;
    return false;
}

void markForMenu(testenv::DocWorld& w, int cod) {
    w.exec("UPDATE \"Reedmere\" SET \"Author\"=substr(\"Author\",1,length(\"Author\")-1)||'1' WHERE \"Cod\"=" +
           std::to_string(cod));
}

std::string savedSettings(const Settings& s) {
    platform::SettingsBackend store;
    s.save(store);
    std::ifstream in(store.fileName());
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

}  // namespace

class MainFrameTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testenv::DocWorld> world_;
    std::unique_ptr<Settings> settings_;
    std::unique_ptr<platform::ScriptedPrompter> prompter_;
    std::unique_ptr<CMainFrame> frame_;
    int splashClosed_ = 0;
    QStringList splashTexts_;

    void open() {
        frame_ = std::make_unique<CMainFrame>(ShellContext{
            *settings_, world_->doc, *prompter_,
            [this](const std::string& t) { splashTexts_ << QString::fromStdString(t); },
            [this] { ++splashClosed_; }});
    }
    CFishesView* view() { return frame_->view(); }
    QWidget* control(int n) { return view()->control(n); }
    QLineEdit* field(int n) { return qobject_cast<QLineEdit*>(control(n)); }
    void trigger(int id) {
        QAction* a = frame_->command(id);
        QVERIFY(a);
        a->trigger();
    }

    // Menus, window caption and every caption of the panel.
    QStringList allTexts() {
        QStringList out;
        out << frame_->windowTitle() << frame_->statusBar()->findChild<QLabel*>(QStringLiteral("ready"))->text();
        for (QAction* a : frame_->menuBar()->actions()) {
            if (a->menu()) collectMenu(a->menu(), out);
            else out << shown(a->text()) + QStringLiteral(" | ") + a->statusTip();
        }
        for (int n : panelControls()) {
            QWidget* w = control(n);
            if (auto* g = qobject_cast<QGroupBox*>(w)) out << g->title();
            else if (auto* b = qobject_cast<QPushButton*>(w)) out << b->text();
            else if (auto* l = qobject_cast<QLabel*>(w)) out << l->text();
        }
        for (int c = 0; c < 4; ++c) out << view()->table()->horizontalHeaderItem(c)->text();
        return out;
    }

    QStringList classLabels() {
        QStringList out;
        for (QAction* a : frame_->classEntries()) out << shown(a->text());
        return out;
    }

private slots:
    void init() {
        world_ = std::make_unique<testenv::DocWorld>();
        settings_ = std::make_unique<Settings>();
        settings_->Application_path = world_->workDir().string();
        settings_->Balance_from = "01.03.2007";
        prompter_ = std::make_unique<platform::ScriptedPrompter>();
        splashClosed_ = 0;
        splashTexts_.clear();
    }
    void cleanup() {
        frame_.reset();
        prompter_.reset();
        settings_.reset();
        world_.reset();
    }

    void createdAsDescribed() {
        open();
        QCOMPARE(frame_->size(), QSize(640, 400));
        QCOMPARE(frame_->windowTitle(), QStringLiteral("Reed Mere v.3.044 made '2007 Jul 22"));
        QCOMPARE(splashTexts_, QStringList{QStringLiteral("Create main views...")});
        QStringList bar;
        for (QAction* a : frame_->menuBar()->actions()) bar << shown(a->text());
        QCOMPARE(bar, (QStringList{"Catalogs", "My aquafarm", "Service", "Help", "Exit"}));
        for (int id : {ID_FISH_DETERMINER, ID_FISH_SEARCH_ON_REGIONS, ID_DEUTCH})
            QVERIFY(!frame_->command(id)->isEnabled());
        for (const CommandInfo& c : commandTable()) QVERIFY2(frame_->command(c.id), qPrintable(QString::number(c.id)));
        QCOMPARE(frame_->command(ID_HELP_CONTENT)->shortcut(), QKeySequence(Qt::Key_F1));
        QCOMPARE(field(IDC_FROM_DATE)->text(), QStringLiteral("01.03.2007"));
        QCOMPARE(frame_->statusBar()->findChild<QLabel*>(QStringLiteral("ready"))->text(), QStringLiteral("Ready"));
    }

    void splashClosesAfterOneSecondOnce() {
        open();
        QCOMPARE(splashClosed_, 0);
        QTRY_COMPARE_WITH_TIMEOUT(splashClosed_, 1, 3000);
        QTest::qWait(1200);
        QCOMPARE(splashClosed_, 1);
    }

    void russianAndBackRestoresEveryText() {
        open();
        const QStringList english = allTexts();
        trigger(ID_RUSSIAN);
        QCOMPARE(settings_->Default_language, 1);
        const QStringList russian = allTexts();
        QCOMPARE(russian.size(), english.size());
        QVERIFY(frame_->command(ID_RUSSIAN)->isChecked());
        QVERIFY(!frame_->command(ID_ENGLISH)->isChecked());
        // Everything but the caption and a few names that read the same is Russian.
        int translated = 0;
        for (const QString& t : russian) translated += isCyrillic(t);
        QVERIFY2(translated >= russian.size() - 2, qPrintable(russian.join('\n')));
        QCOMPARE(shown(frame_->catalogsMenu()->title()), QStringLiteral("Каталоги"));
        QCOMPARE(qobject_cast<QPushButton*>(control(IDC_FISH_CATALOGUE))->text(), QStringLiteral("Каталог рыб"));
        QCOMPARE(shown(frame_->command(ID_APP_EXIT)->text()), QStringLiteral("Выход"));
        trigger(ID_ENGLISH);
        QCOMPARE(allTexts(), english);
        QVERIFY(frame_->command(ID_ENGLISH)->isChecked());
    }

    void classEntriesFollowTheLanguage() {
        markForMenu(*world_, 14);
        markForMenu(*world_, 10420);
        world_->exec("DELETE FROM \"Common\" WHERE \"Of_fish\"=10420 AND \"Language\"=1");
        open();
        QCOMPARE(classLabels(), (QStringList{"Crustaceans", "Fishes"}));
        // The entries stand after "Taxonomy report" and before CD-ROM.
        QList<QAction*> actions = frame_->catalogsMenu()->actions();
        int report = actions.indexOf(frame_->command(ID_TAXONOMY_REPORT));
        int cd = actions.indexOf(frame_->command(ID_CD_ROM));
        int first = actions.indexOf(frame_->classEntries()[0]);
        QVERIFY(report < first && first < cd);
        QCOMPARE(frame_->command(classCommand(2)), frame_->classEntries()[1]);
        trigger(ID_RUSSIAN);
        QCOMPARE(classLabels(), (QStringList{"Crustacea", "Рыбы"}));
        trigger(ID_ENGLISH);
        QCOMPARE(classLabels(), (QStringList{"Crustaceans", "Fishes"}));

        // A class set to the menu while the program runs gets its entry.
        markForMenu(*world_, 12129);
        emit view()->classMenuChanged();
        QCOMPARE(classLabels(), (QStringList{"Crustaceans", "Monocots", "Fishes"}));
        QCOMPARE(shown(frame_->command(classCommand(3))->text()), QStringLiteral("Fishes"));
    }

    void noClassMarkedLeavesTheFixedEntries() {
        open();
        QStringList texts;
        int separators = 0;
        for (QAction* a : frame_->catalogsMenu()->actions()) {
            if (a->isSeparator()) ++separators;
            else texts << shown(a->text());
        }
        QCOMPARE(texts, (QStringList{"High taxonomy", "Taxonomy report", "CD-ROM", "WWW-server"}));
        QCOMPARE(separators, 2);
        QVERIFY(frame_->classEntries().empty());
    }

    void controlsSitWhereTheFormulasPutThem() {
        open();
        frame_->show();
        for (QSize size : {QSize(640, 400), QSize(917, 633)}) {
            frame_->resize(size);
            QCoreApplication::processEvents();
            const int w = view()->width(), h = view()->height();
            QVERIFY(w > 500 && h > 300);
            for (int n : panelControls()) {
                PanelRect want = panelPlace(n, w, h), got = view()->placeOf(n);
                QVERIFY2(got == want, qPrintable(QStringLiteral("control %1 at %2x%3: %4,%5,%6,%7")
                                                     .arg(n).arg(w).arg(h).arg(got.left).arg(got.top)
                                                     .arg(got.width).arg(got.height)));
            }
        }
    }

    void projectButtonsAt400() {
        open();
        frame_->show();
        frame_->resize(400, 400);
        QCoreApplication::processEvents();
        QCOMPARE(view()->width(), 400);
        const int lefts[4] = {10, 106, 202, 298};
        const int buttons[4] = {IDC_FISH_CATALOGUE, IDC_MY_FISHES, IDC_INCUBATOR, IDC_MY_TANKS};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(control(buttons[i])->width(), 91);
            QCOMPARE(control(buttons[i])->x(), lefts[i]);
            QCOMPARE(control(buttons[i])->y(), view()->height() - 30);
        }
    }

    void fourListsAreOneSelection() {
        open();
        view()->addRow("01.03.2007", "Food", "", "$1.00");
        view()->beginFishPart();
        view()->addRow("02.03.2007", "Corydoras paleatus", "6", "$2.50");
        view()->beginTankPart();
        view()->addRow("03.03.2007", "100 liters", "1", "$40.00");
        QTableWidget* t = view()->table();
        t->setCurrentCell(1, 3);
        QCOMPARE(view()->selectedRow(), 1);
        QCOMPARE(t->selectedItems().size(), 4);
        QCOMPARE(view()->rows().partOf(1), RowPart::Fish);
        QCOMPARE(view()->rows().partOf(2), RowPart::Tank);
        view()->line("Connecting to server...");
        QCOMPARE(t->item(0, 1)->text(), QStringLiteral("Connecting to server..."));
        QCOMPARE(t->rowCount(), 4);
        QCOMPARE(view()->rows().partOf(1), RowPart::None);
    }

    void workerLinesArriveNewestFirst() {
        open();
        std::atomic<bool> done{false};
        std::thread worker([&] {
            view()->line("************** Fishes report *************");
            view()->line("************** Complete *************");
            done = true;
        });
        QTRY_VERIFY(done.load());
        worker.join();
        QCOMPARE(view()->table()->rowCount(), 2);
        QCOMPARE(view()->table()->item(0, 1)->text(), QStringLiteral("************** Complete *************"));
        QCOMPARE(view()->table()->item(1, 1)->text(), QStringLiteral("************** Fishes report *************"));
        QVERIFY(view()->table()->item(0, 3)->text().contains(':'));  // minutes and seconds
        view()->clearLog();
        QCOMPARE(view()->table()->rowCount(), 0);
    }

    void eggsDoesNothing() {
        open();
        view()->addRow("01.03.2007", "Food", "", "$1.00");
        const std::string before = savedSettings(*settings_);
        const QStringList texts = allTexts();
        const int windows = QApplication::topLevelWidgets().size();
        QTest::mouseClick(control(IDC_EGGS), Qt::LeftButton);
        QTest::mouseClick(control(IDC_LARVAS), Qt::LeftButton);
        QTest::mouseClick(control(IDC_FISHES), Qt::LeftButton);
        QCoreApplication::processEvents();
        QVERIFY(prompter_->shown().empty());
        QCOMPARE(savedSettings(*settings_), before);
        QCOMPARE(allTexts(), texts);
        QCOMPARE(view()->table()->rowCount(), 1);
        QCOMPARE(QApplication::topLevelWidgets().size(), windows);
        // Nor do these settings entries.
        trigger(ID_DATE_FORMAT);
        trigger(ID_UNITS_OF_MEASUREMENT);
        trigger(ID_MAKE_UPGRADING_TABLE);
        QVERIFY(prompter_->shown().empty());
        QCOMPARE(savedSettings(*settings_), before);
    }

    void periodFieldsAcceptAndRefuse() {
        open();
        QLineEdit* from = field(IDC_FROM_DATE);
        from->setText("9.7.2007");  // 8 characters
        QCOMPARE(settings_->Balance_from, std::string("01.03.2007"));
        from->setText("09.07.2031");
        QCOMPARE(settings_->Balance_from, std::string("01.03.2007"));
        from->setText("32.07.2007");
        QCOMPARE(settings_->Balance_from, std::string("01.03.2007"));
        from->setText("09.07.2007");
        QCOMPARE(settings_->Balance_from, std::string("09.07.2007"));

        // The to-date is not stored; a valid one refills the list.
        QLineEdit* to = field(IDC_TO_DATE);
        view()->addRow("01.03.2007", "Food", "", "$1.00");
        to->setText("31.12.20");
        QCOMPARE(view()->table()->rowCount(), 1);
        to->setText("31.12.2007");
        QCOMPARE(view()->table()->rowCount(), 0);
        QCOMPARE(settings_->Balance_from, std::string("09.07.2007"));
    }

    void leavingAnUnreadableDateIsRefused() {
        open();
        frame_->show();
        QVERIFY(QTest::qWaitForWindowActive(frame_.get()));
        QLineEdit* from = field(IDC_FROM_DATE);
        from->setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY(from->hasFocus());
        from->setText("31.02");
        control(IDC_TO_DATE)->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(from->hasFocus());
        QCOMPARE(prompter_->shown().size(), std::size_t(1));
        QCOMPARE(prompter_->lastText(), std::string("Inadmissible value!\nPlease set date in DD.MM.YYYY format!"));
        // A readable date leaves without a word.
        from->setText("15.03.2007");
        control(IDC_TO_DATE)->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(control(IDC_TO_DATE)->hasFocus());
        QCOMPARE(prompter_->shown().size(), std::size_t(1));
    }

    void currencyRateByCurrency() {
        open();
        prompter_->typeNext("9999");
        trigger(ID_CURRENCY_RATE);  // USD: nothing at all
        QVERIFY(prompter_->shown().empty());
        QCOMPARE(prompter_->unusedAnswers(), std::size_t(1));
        QCOMPARE(settings_->RUR_rate, 3000);

        trigger(ID_RUR);
        QVERIFY(frame_->command(ID_RUR)->isChecked());
        QVERIFY(!frame_->command(ID_USD)->isChecked());
        trigger(ID_CURRENCY_RATE);
        QCOMPARE(prompter_->lastText(), std::string("Enter rate of USD"));
        QCOMPARE(settings_->RUR_rate, 9999);
        prompter_->typeNext("about thirty");
        trigger(ID_CURRENCY_RATE);
        QCOMPARE(settings_->RUR_rate, 9999);
        prompter_->typeNext("3100", false);  // Cancel
        trigger(ID_CURRENCY_RATE);
        QCOMPARE(settings_->RUR_rate, 9999);

        trigger(ID_UAH);
        prompter_->typeNext("812");
        trigger(ID_CURRENCY_RATE);
        QCOMPARE(settings_->UAH_rate, 812);
        QCOMPARE(settings_->RUR_rate, 9999);
        QCOMPARE(prompter_->unusedAnswers(), std::size_t(0));
    }

    void namePromptsStoreWhatIsTyped() {
        open();
        // The farm's dialog holds the name and, beside it, the breeder's number.
        QString label;
        QTimer::singleShot(0, [&label] {
            auto* d = qobject_cast<Fishbreeder*>(QApplication::activeModalWidget());
            QVERIFY(d);
            label = d->findChild<QLabel*>()->text();
            auto* name = d->findChild<QLineEdit*>("field");
            name->setCursorPosition(name->text().size());
            QTest::keyClicks(name, " farm");
            auto* number = d->findChild<QSpinBox*>("breederNumber");
            QCOMPARE(number->value(), 1);
            number->selectAll();
            QTest::keyClicks(number, "23");
            d->accept();
        });
        settings_->Fishbreeder = "Reed";
        trigger(ID_FISHBREEDER_FARM);
        QCOMPARE(label, QStringLiteral("Edit your name"));
        QCOMPARE(settings_->Fishbreeder, std::string("Reed farm"));
        QCOMPARE(settings_->Breeder_number, 23);
        QTimer::singleShot(0, [] {
            auto* d = qobject_cast<Fishbreeder*>(QApplication::activeModalWidget());
            QVERIFY(d);
            d->findChild<QSpinBox*>("breederNumber")->setValue(40);
            d->reject();
        });
        trigger(ID_FISHBREEDER_FARM);
        QCOMPARE(settings_->Breeder_number, 23);
        prompter_->typeNext("Quarantine");
        trigger(ID_NAME_FOR_EMPTY_TANK);
        QCOMPARE(prompter_->lastText(), std::string("Name for tank with null-volume"));
        QCOMPARE(settings_->Empty_tank, std::string("Quarantine"));
        prompter_->typeNext("Other", false);
        trigger(ID_NAME_FOR_EMPTY_TANK);
        QCOMPARE(settings_->Empty_tank, std::string("Quarantine"));
    }

    void switchesToggleWithTheirCheckMarks() {
        open();
        view()->addRow("01.03.2007", "Food", "", "$1.00");
        QVERIFY(frame_->command(ID_VIEW_TANKS)->isChecked());
        trigger(ID_VIEW_TANKS);
        QCOMPARE(settings_->Tankview, 0);
        QVERIFY(!frame_->command(ID_VIEW_TANKS)->isChecked());
        QCOMPARE(view()->table()->rowCount(), 0);  // refilled
        trigger(ID_VIEW_TANKS);
        QCOMPARE(settings_->Tankview, 1);
        QVERIFY(!frame_->command(ID_CD_ROM)->isChecked());
        trigger(ID_CD_ROM);
        QCOMPARE(settings_->CD, 1);
        QVERIFY(frame_->command(ID_CD_ROM)->isChecked());
        trigger(ID_WWW_SERVER);
        QCOMPARE(settings_->WWW, 1);
        QVERIFY(frame_->command(ID_WWW_SERVER)->isChecked());
    }

    void workDirectoriesStoreAsTypedOrNothing() {
        open();
        QTimer::singleShot(0, [] {
            auto* d = qobject_cast<Workdir*>(QApplication::activeModalWidget());
            QVERIFY(d);
            d->findChild<QLineEdit*>("Application_path")->setText("/srv/site");
            d->findChild<QLineEdit*>("CD-drive")->setText("/media/cdrom");
            d->findChild<QLineEdit*>("WWW-server")->setText("http://fish.example/");
            d->accept();
        });
        trigger(ID_WORK_DIRECTORIES);
        QCOMPARE(settings_->Application_path, std::string("/srv/site"));
        QCOMPARE(settings_->CD_drive, std::string("/media/cdrom"));
        QCOMPARE(settings_->WWW_server, std::string("http://fish.example/"));
        QTimer::singleShot(0, [] {
            auto* d = qobject_cast<Workdir*>(QApplication::activeModalWidget());
            QVERIFY(d);
            d->findChild<QLineEdit*>("Application_path")->setText("/elsewhere");
            d->reject();
        });
        trigger(ID_WORK_DIRECTORIES);
        QCOMPARE(settings_->Application_path, std::string("/srv/site"));
    }

    void aboutAndHelpContent() {
        open();
        trigger(ID_APP_ABOUT);
        // The caption heads the box; the details below are checked with the desktop tests.
        QCOMPARE(prompter_->lastText().substr(0, prompter_->lastText().find('\n')),
                 std::string("Reed Mere v.3.044 made '2007 Jul 22"));

        site::copySiteSkeleton(db::shippedDataDir() / "site", world_->workDir());
        const std::filesystem::path record = world_->root() / "opened.txt";
        settings_->viewerCommand = "sh -c 'printf %s \"$0\" > " + record.string() + "' ";
        auto opened = [&] {
            std::ifstream in(record);
            return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        };
        trigger(ID_HELP_CONTENT);
        QTRY_COMPARE(opened(), (world_->workDir() / "Help" / "program.html").string());
        std::filesystem::remove(record);
        trigger(ID_RUSSIAN);
        trigger(ID_HELP_CONTENT);
        QTRY_COMPARE(opened(), (world_->workDir() / "Help" / "programr.html").string());

        std::filesystem::remove(world_->workDir() / "Help" / "programr.html");
        trigger(ID_HELP_CONTENT);
        QVERIFY(prompter_->lastText().find("programr.html is absent!") != std::string::npos);
    }

    void statusBarShowsThePromptUnderTheMouse() {
        open();
        frame_->show();
        QVERIFY(QTest::qWaitForWindowActive(frame_.get()));
        QMenu* open = nullptr;
        auto hover = [&](int id) {
            if (open) open->hide();
            QAction* action = frame_->command(id);
            open = qobject_cast<QMenu*>(action->associatedObjects().value(0));
            QVERIFY(open);
            open->popup(frame_->mapToGlobal(QPoint(100, 30)));
            QVERIFY(QTest::qWaitForWindowExposed(open));
            QTest::mouseMove(open, open->actionGeometry(action).center());
        };
        hover(ID_CHECK_FTP_SERVER);
        QTRY_COMPARE(frame_->statusBar()->currentMessage(), QStringLiteral("Start FTP-uploading on timer"));
        hover(ID_PLAN_OF_SPAWNINGS);
        QTRY_COMPARE(frame_->statusBar()->currentMessage(),
                     QStringLiteral("Plan spawnings by the genealogy of your lots"));
        trigger(ID_RUSSIAN);
        hover(ID_CHECK_FTP_SERVER);
        QTRY_COMPARE(frame_->statusBar()->currentMessage(),
                     QStringLiteral("Запустить выгрузку на FTP-сервер по таймеру"));
        open->hide();
    }

    void screenshots() {
        const QByteArray dir = qgetenv("REEDMERE_SHOTS");
        if (dir.isEmpty()) QSKIP("REEDMERE_SHOTS names no folder");
        markForMenu(*world_, 14);
        markForMenu(*world_, 12129);
        open();
        frame_->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame_.get()));
        view()->line("Connecting to server...");
        frame_->grab().save(QString::fromUtf8(dir) + "/main_en.png");
        trigger(ID_RUSSIAN);
        QCoreApplication::processEvents();
        frame_->grab().save(QString::fromUtf8(dir) + "/main_ru.png");
        int i = 0;
        for (int id : {ID_HIGH_TAXONOMY, ID_MY_FISHES, ID_CHECK_FTP_SERVER, ID_FISHBREEDER_FARM, ID_APP_ABOUT}) {
            auto* menu = qobject_cast<QMenu*>(frame_->command(id)->associatedObjects().value(0));
            menu->popup(frame_->mapToGlobal(QPoint(0, 0)));
            QVERIFY(QTest::qWaitForWindowExposed(menu));
            menu->grab().save(QString::fromUtf8(dir) + QStringLiteral("/menu_ru_%1.png").arg(i++));
            menu->hide();
        }
    }
};

QTEST_MAIN(MainFrameTest)
#include "window_mainframe.moc"
