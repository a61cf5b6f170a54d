// "Check FTP-server" through the main window against a real FTP server: the
// question, the check mark, the progress lines in the main view newest
// first, the site on the server, "Default_uploaded" kept; a second use
// stops the job while it waits and while it walks. And the upload fields
// of "Work directories".
#include <QAction>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

#include <memory>

#include "common/TestEnv.h"
#include "core/Dates.h"
#include "publish/FtpUpload.h"
#include "publish/FtpWorld.h"
#include "ui/app/CFishesView.h"
#include "ui/app/CMainFrame.h"
#include "ui/app/Commands.h"
#include "ui/app/Workdir.h"

using namespace app;
using ftptest::FtpServer;
namespace fs = std::filesystem;

namespace {

// The first tick comes from the real five-second timer.
constexpr int kTickAndWalkMs = 30000;

QStringList logTexts(CFishesView* view) {
    QStringList out;
    QTableWidget* table = view->table();
    for (int r = 0; r < table->rowCount(); ++r) out << table->item(r, 1)->text();
    return out;
}

int rowOf(const QStringList& rows, const QString& text) { return static_cast<int>(rows.indexOf(text)); }

}  // namespace

class UploadWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testenv::DocWorld> world_;
    std::unique_ptr<FtpServer> server_;
    std::unique_ptr<core::Settings> settings_;
    std::unique_ptr<platform::ScriptedPrompter> prompter_;
    std::unique_ptr<CMainFrame> frame_;

    fs::path site() const { return world_->workDir(); }

    void open() {
        frame_ = std::make_unique<CMainFrame>(
            ShellContext{*settings_, world_->doc, *prompter_, [](const std::string&) {}, [] {}});
        publish::FtpUpload& upload = frame_->commands().upload();
        // Noon, whatever the machine's clock says: the hour after midnight never connects.
        upload.setClock([] { return core::localDate(15, 6, 2024) + 12 * 3600; });
        upload.setRetryPauseMs(10);
    }
    QAction* entry() { return frame_->command(ID_CHECK_FTP_SERVER); }
    CFishesView* view() { return frame_->view(); }

    void addManyFiles(int n) {
        for (int i = 0; i < n; ++i) ftptest::writeFile(site() / "Other" / "many" / ("f" + std::to_string(i)), "x");
    }

private slots:
    void init() {
        world_ = std::make_unique<testenv::DocWorld>();
        server_ = std::make_unique<FtpServer>(world_->root() / "server");
        settings_ = std::make_unique<core::Settings>();
        settings_->Application_path = site().string();
        settings_->FTP_server = server_->host();
        settings_->FTP_login = FtpServer::kUser;
        settings_->FTP_password = FtpServer::kPassword;
        prompter_ = std::make_unique<platform::ScriptedPrompter>();
        ftptest::writeFile(site() / "blank.html", "<html>\r\n");
        ftptest::writeFile(site() / "Other" / "logo.gif", std::string("GIF89a\0\x01", 8));
        ftptest::writeFile(site() / "Classes" / "Pisces" / "m14.html", "fishes");
        ftptest::writeFile(site() / "Classes" / "Pisces" / "Images" / "m5_a.jpg", std::string(30000, '\xff'));
    }
    void cleanup() {
        frame_.reset();
        prompter_.reset();
        settings_.reset();
        server_.reset();
        world_.reset();
    }

    void yesMirrorsTheSiteWithTheLogNewestFirst() {
        settings_->Default_uploaded = 12329;
        open();
        QVERIFY(!entry()->isChecked());
        prompter_->answerNext(platform::Answer::Yes);
        entry()->trigger();
        QCOMPARE(prompter_->lastText(), std::string("You wanna continue from last upload session?"));
        QVERIFY(entry()->isChecked());
        QCOMPARE(logTexts(view()), QStringList{"Connecting to server..."});

        QTRY_VERIFY_WITH_TIMEOUT(!entry()->isChecked(), kTickAndWalkMs);
        const QStringList rows = logTexts(view());
        QCOMPARE(rows.front(), QString("FTP-server manipulations successfully have ended"));
        QCOMPARE(rows[1], QString("Files sent: 4, skipped: 0, failed: 0"));
        QCOMPARE(rows.back(), QString("Now uploading new information to server..."));
        // Each step's line is replaced by its outcome, the folder before its files.
        const int folder = rowOf(rows, "12:00:00 Creating directory Pisces on server... OK!");
        const int file = rowOf(rows, "12:00:00 Uploading m14.html to server... OK!");
        QVERIFY2(folder > 0 && file > 0, qPrintable(rows.join('\n')));
        QVERIFY(file < folder);
        const QStringList steps = rows.filter(QRegularExpression("^12:00:00 "));
        QCOMPARE(steps.size(), 4 + 4);  // four files, four folders
        QCOMPARE(steps.filter(QRegularExpression(" OK!$")).size(), steps.size());
        QCOMPARE(ftptest::filesBelow(server_->root()), ftptest::filesBelow(site()));
        QCOMPARE(ftptest::foldersBelow(server_->root()), ftptest::foldersBelow(site()));
        QCOMPARE(settings_->Default_uploaded, 14);  // Pisces, the class completed last
        QVERIFY(!frame_->commands().work().busy());
        QVERIFY(frame_->command(ID_MY_FISHES)->isEnabled());
    }

    void aSecondUseWhileWaitingStopsTheJob() {
        settings_->currentTaxon = 10420;
        open();
        prompter_->answerNext(platform::Answer::No);
        entry()->trigger();
        QVERIFY(entry()->isChecked());
        QCOMPARE(settings_->Default_uploaded, 10420);  // "No" keeps the current taxon at once
        QVERIFY(frame_->commands().upload().timerActive());

        entry()->trigger();
        QVERIFY(!entry()->isChecked());
        QVERIFY(!frame_->commands().upload().on());
        QVERIFY(!frame_->commands().upload().timerActive());
        QCOMPARE(prompter_->shown().size(), std::size_t(1));  // the stop asks nothing
        QTest::qWait(publish::FtpUpload::kTickMs + 500);
        QCOMPARE(logTexts(view()), QStringList{"Connecting to server..."});
        QVERIFY(ftptest::filesBelow(server_->root()).empty());
    }

    void aSecondUseDuringTheWalkStopsItAndWaits() {
        addManyFiles(600);
        open();
        prompter_->answerNext(platform::Answer::Yes);
        entry()->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(logTexts(view()).filter("Uploading f").filter(" OK!").size() > 0, kTickAndWalkMs);
        QVERIFY(frame_->commands().work().busy());
        QVERIFY(entry()->isEnabled());                         // the stop stays available
        QVERIFY(!frame_->command(ID_MY_FISHES)->isEnabled());  // the record objects are the walk's

        entry()->trigger();
        QVERIFY(!entry()->isChecked());
        QVERIFY(!frame_->commands().work().busy());
        QCOMPARE(frame_->commands().work().lastEnd(), platform::JobEnd::Stopped);
        QVERIFY(!logTexts(view()).contains("FTP-server manipulations successfully have ended"));
        QVERIFY(ftptest::filesBelow(server_->root()).size() < ftptest::filesBelow(site()).size());
        QVERIFY(frame_->command(ID_MY_FISHES)->isEnabled());
    }

    void closingTheWindowDuringTheWalkStopsIt() {
        addManyFiles(600);
        open();
        prompter_->answerNext(platform::Answer::Yes);
        entry()->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(logTexts(view()).filter("Uploading f").size() > 0, kTickAndWalkMs);
        frame_.reset();
        const auto local = ftptest::filesBelow(site());
        QVERIFY(ftptest::filesBelow(server_->root()).size() < local.size());
        for (auto& [name, bytes] : ftptest::filesBelow(server_->root())) {
            if (fs::path(name).filename().string().rfind(".upload-", 0) == 0) continue;
            QCOMPARE(bytes, local.at(name));
        }
    }

    void workDirectoriesEditTheUploadLogin() {
        settings_->FTP_server = "files.example";
        open();
        QTimer::singleShot(0, [] {
            auto* d = qobject_cast<Workdir*>(QApplication::activeModalWidget());
            QVERIFY(d);
            auto* server = d->findChild<QLineEdit*>("FTP_server");
            auto* login = d->findChild<QLineEdit*>("FTP_login");
            auto* password = d->findChild<QLineEdit*>("FTP_password");
            QVERIFY(server && login && password);
            QCOMPARE(login->text(), QString("breeder"));
            QCOMPARE(password->echoMode(), QLineEdit::Password);
            server->setFocus();
            server->setCursorPosition(5);  // "files|.example"
            QTest::keyClicks(server, "-2");
            login->setFocus();
            login->setCursorPosition(0);
            QTest::keyClicks(login, "fish");
            password->setFocus();
            password->selectAll();
            QTest::keyClicks(password, "new secret");
            d->accept();
        });
        frame_->command(ID_WORK_DIRECTORIES)->trigger();
        QCOMPARE(settings_->FTP_server, std::string("files-2.example"));
        QCOMPARE(settings_->FTP_login, std::string("fishbreeder"));
        QCOMPARE(settings_->FTP_password, std::string("new secret"));

        QTimer::singleShot(0, [] {
            auto* d = qobject_cast<Workdir*>(QApplication::activeModalWidget());
            QVERIFY(d);
            d->findChild<QLineEdit*>("FTP_password")->setText("dropped");
            d->reject();
        });
        frame_->command(ID_WORK_DIRECTORIES)->trigger();
        QCOMPARE(settings_->FTP_password, std::string("new secret"));
    }
};

QTEST_MAIN(UploadWindowTest)
#include "window_upload.moc"
