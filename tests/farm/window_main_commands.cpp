// The main window's commands: a database error inside a command becomes a
// message and the window goes on; while a background job runs the commands
// that read the record objects are unavailable and come back after it; and
// closing the window waits for the job to stop.
#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <atomic>
#include <memory>
#include <thread>

#include "FarmWorld.h"
#include "WindowHelpers.h"
#include "ui/app/CFishesView.h"
#include "ui/app/CMainFrame.h"
#include "ui/app/Commands.h"
#include "ui/app/PanelLayout.h"

using namespace farmtest;

class MainCommandsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FarmWorld> world_;
    std::unique_ptr<core::Settings> settings_;
    std::unique_ptr<platform::ScriptedPrompter> prompter_;
    std::unique_ptr<CMainFrame> frame_;

    void open() {
        frame_ = std::make_unique<CMainFrame>(app::ShellContext{*settings_, world_->doc, *prompter_, {}, {}});
    }
    bool enabled(int id) { return frame_->command(id)->isEnabled(); }
    bool buttonEnabled(int control) { return frame_->view()->control(control)->isEnabled(); }

private slots:
    void init() {
        world_ = std::make_unique<FarmWorld>();
        settings_ = std::make_unique<core::Settings>();
        prompter_ = std::make_unique<platform::ScriptedPrompter>();
    }
    void cleanup() { frame_.reset(); }

    void aDatabaseErrorInACommandIsShownAndTheWindowGoesOn() {
        open();
        world_->exec("DROP TABLE \"Incubator\"");
        frame_->command(app::ID_PLAN_OF_SPAWNINGS)->trigger();
        QCOMPARE(prompter_->shown().size(), std::size_t(1));
        QVERIFY(QString::fromStdString(prompter_->lastText()).contains("Incubator", Qt::CaseInsensitive));
        // The window still answers: the view switch refills the list.
        frame_->command(app::ID_VIEW_TANKS)->trigger();
        QCOMPARE(settings_->Tankview, 0);
    }

    // The dialogs write as the user types: closing with Cancel keeps what was
    // written, and the balance list shows it.
    void thePanelFollowsADialogClosedWithCancel() {
        settings_->Balance_from = "01.01.2000";
        open();
        const int before = frame_->view()->table()->rowCount();
        onNextDialog([](QDialog* d) {
            click(d, "newTank");
            type(child<QLineEdit>(d, "name"), "quarantine");
            type(child<QLineEdit>(d, "price"), "5000");  // the balance lists bought tanks
            click(d, "cancel");
        });
        frame_->commands().run(app::ID_TANKS);
        QCOMPARE(world_->count("Aquariums", "\"Other\"='quarantine'"), 1);
        QCOMPARE(frame_->view()->table()->rowCount(), before + 1);
    }

    void commandsThatReadTheRecordsWaitForTheJob() {
        open();
        std::atomic<bool> release{false};
        app::MainCommands& commands = frame_->commands();
        QVERIFY(commands.work().start("report", [&](platform::JobContext& job) {
            while (!release && !job.stopRequested()) std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }));
        QVERIFY(!enabled(app::ID_MY_FISHES));
        QVERIFY(!enabled(app::ID_CLEAR_DATABASE));
        QVERIFY(!enabled(app::ID_REPORT_ON_TANKS));
        QVERIFY(!buttonEnabled(app::IDC_NEW));
        QVERIFY(!frame_->view()->control(app::IDC_FROM_DATE)->isEnabled());
        QVERIFY(enabled(app::ID_APP_ABOUT));
        QVERIFY(enabled(app::ID_HELP_CONTENT));
        for (QAction* entry : frame_->classEntries()) QVERIFY(!entry->isEnabled());

        // A command reached some other way does nothing while the job runs.
        bool dialogShown = false;
        onNextDialog([&](QDialog* d) {
            dialogShown = true;
            d->reject();
        });
        commands.run(app::ID_TANKS);
        QTest::qWait(50);
        QVERIFY(!dialogShown);

        release = true;
        QTRY_VERIFY(!commands.work().busy());
        QVERIFY(enabled(app::ID_MY_FISHES));
        QVERIFY(buttonEnabled(app::IDC_NEW));
        QVERIFY(!enabled(app::ID_FISH_DETERMINER));  // unavailable entries stay so
        QVERIFY(frame_->view()->control(app::IDC_FROM_DATE)->isEnabled());
    }

    void closingTheWindowStopsTheJobAndWaitsForIt() {
        open();
        std::atomic<bool> finished{false};
        frame_->commands().work().start("upload", [&](platform::JobContext& job) {
            while (!job.stopRequested()) std::this_thread::sleep_for(std::chrono::milliseconds(2));
            job.log().line("stopped");
            finished = true;
        });
        frame_->close();
        QVERIFY(finished);
        QCOMPARE(frame_->commands().work().lastEnd(), platform::JobEnd::Stopped);
    }
};

QTEST_MAIN(MainCommandsTest)
#include "window_main_commands.moc"
