// The upload job against a real FTP server: the site arrives with its
// layout and bytes, a second run sends nothing, a changed file is sent
// again, bad server texts and logins are retried, a server that dies in
// the middle leaves no broken file under a real name, the command stops a
// walk, and nothing connects in the hour after midnight.
#include <gtest/gtest.h>

#include "common/TestEnv.h"
#include "core/Dates.h"
#include "publish/FtpUpload.h"
#include "publish/FtpWorld.h"

using namespace publish;
using ftptest::FtpServer;
namespace fs = std::filesystem;

namespace {

std::time_t at(int hour, int minute) { return core::localDate(15, 6, 2024) + hour * 3600 + minute * 60; }

class UploadWorld : public ::testing::Test {
protected:
    explicit UploadWorld(bool writable = true)
        : server(world.root() / "server", true, writable), work(prompter, log), upload(world.doc, work, prompter, log) {
        ftptest::app();
        upload.setClock([this] { return now; });
        upload.setRetryPauseMs(10);
        ClientOptions options;
        options.timeoutSeconds = 5;
        upload.setClientOptions(options);
        settings.server = server.host();
        settings.login = FtpServer::kUser;
        settings.password = FtpServer::kPassword;
        settings.workDir = site().string();
        makeSite();
    }

    fs::path site() const { return world.workDir(); }

    void makeSite() {
        ftptest::writeFile(site() / "blank.html", "<html>\r\n<body>\r\n");
        ftptest::writeFile(site() / "Reedmere.html", std::string(5000, 'r'));
        ftptest::writeFile(site() / "Other" / "logo.gif", std::string("GIF89a\0\x01\x02", 9));
        ftptest::writeFile(site() / "Help" / "program.html", "help");
        ftptest::writeFile(site() / "Reports" / "period.html", "period\r\n");
        ftptest::writeFile(site() / "Bulletin" / "fish.bul", "\x88 5.00\r\n");
        ftptest::writeFile(site() / "Classes" / "s4.html", "high taxa");
        ftptest::writeFile(site() / "Classes" / "Pisces" / "m14.html", "fishes");
        ftptest::writeFile(site() / "Classes" / "Pisces" / "Images" / "m5_a.jpg", std::string(70000, '\xff'));
        ftptest::writeFile(site() / "Classes" / "Crustacea" / "m10420.html", "crabs");
        fs::create_directories(site() / "Classes" / "Crustacea" / "Images");
    }

    void addManyFiles(int n) {
        for (int i = 0; i < n; ++i) ftptest::writeFile(site() / "Other" / "many" / ("f" + std::to_string(i)), "x");
    }

    // The command, answered as the user would.
    void command(platform::Answer answer) {
        prompter.answerNext(answer);
        upload.toggle(settings);
    }

    // One timer tick, then the walk it started until it ends.
    void tickAndWait() {
        upload.tick();
        ftptest::runUntilIdle(work);
    }

    // The server's files, without upload leftovers under temporary names.
    std::map<std::string, std::string> serverFiles() const {
        auto files = ftptest::filesBelow(server.root());
        for (auto it = files.begin(); it != files.end();)
            it = fs::path(it->first).filename().string().rfind(".upload-", 0) == 0 ? files.erase(it) : std::next(it);
        return files;
    }

    // Every file on the server under a real name has the bytes of the local one.
    void expectNoBrokenFile() const {
        auto local = ftptest::filesBelow(site());
        for (auto& [name, bytes] : serverFiles()) EXPECT_EQ(bytes, local[name]) << name;
    }

    testenv::DocWorld world;
    FtpServer server;
    platform::ScriptedPrompter prompter;
    ftptest::HistoryLog log;
    platform::BackgroundWork work;
    FtpUpload upload;
    UploadSettings settings;
    std::time_t now = at(12, 0);
};

}  // namespace

TEST_F(UploadWorld, FirstRunMirrorsTheSiteSecondSendsNothingAChangedFileIsOverwritten) {
    std::vector<bool> switched;
    QObject::connect(&upload, &FtpUpload::switched, [&](bool on) { switched.push_back(on); });
    std::vector<std::int32_t> kept;
    QObject::connect(&upload, &FtpUpload::defaultUploadedChanged, [&](std::int32_t cod) { kept.push_back(cod); });
    settings.defaultUploaded = 12329;
    command(platform::Answer::Yes);
    EXPECT_EQ(prompter.lastText(), "You wanna continue from last upload session?");
    EXPECT_EQ(log.lines, std::vector<std::string>{"Connecting to server..."});
    EXPECT_TRUE(upload.timerActive());
    EXPECT_EQ(FtpUpload::kTickMs, 5000);

    tickAndWait();
    EXPECT_TRUE(log.shown("Yeesh connect!"));
    EXPECT_EQ(serverFiles(), ftptest::filesBelow(site()));
    EXPECT_EQ(ftptest::foldersBelow(server.root()), ftptest::foldersBelow(site()));  // the empty Images too
    ASSERT_GE(log.lines.size(), 3u);
    EXPECT_EQ(log.lines[0], "FTP-server manipulations successfully have ended");
    EXPECT_EQ(log.lines[1], "Files sent: 10, skipped: 0, failed: 0");
    EXPECT_EQ(log.lines.back(), "Now uploading new information to server...");
    EXPECT_TRUE(log.shown("12:00:00 Creating directory Pisces on server... OK!"));
    EXPECT_TRUE(log.shown("12:00:00 Uploading m5_a.jpg to server... OK!"));
    EXPECT_EQ(log.countEnding(" OK!"), 10 + 9);  // ten files, nine folders
    EXPECT_FALSE(upload.on());
    EXPECT_FALSE(upload.timerActive());
    EXPECT_EQ(switched, (std::vector<bool>{true, false}));
    EXPECT_EQ(upload.defaultUploaded(), 14);  // Pisces, the last class folder sent
    EXPECT_EQ(kept, std::vector<std::int32_t>{14});

    command(platform::Answer::Yes);
    tickAndWait();
    EXPECT_EQ(log.countEnding(" already exists"), 10 + 9);  // "but Pisces already exists" and the files
    EXPECT_EQ(log.countEnding(" OK!"), 0);
    EXPECT_TRUE(log.shown("We searching /Classes/Pisces"));
    EXPECT_TRUE(log.shown("but Images already exists"));
    EXPECT_EQ(log.lines[1], "Files sent: 0, skipped: 10, failed: 0");
    EXPECT_EQ(upload.lastWalk().requests, 1u + 9u);  // the site folder's listing, then one per folder

    ftptest::writeFile(site() / "Classes" / "Pisces" / "m14.html", "fishes, more of them");
    ftptest::writeFile(site() / "Help" / "programr.html", "new");
    command(platform::Answer::Yes);
    tickAndWait();
    EXPECT_EQ(log.countEnding("Uploading m14.html to server... Overwriting OK!"), 1);
    EXPECT_EQ(log.countEnding("Uploading programr.html to server... OK!"), 1);
    EXPECT_EQ(log.lines[1], "Files sent: 2, skipped: 9, failed: 0");
    EXPECT_EQ(serverFiles(), ftptest::filesBelow(site()));
}

TEST_F(UploadWorld, NoSendsTheClassDirectoryOfTheCurrentTaxonOrTheSiteAboveTheClasses) {
    settings.server = "ftp://" + server.host() + "/";
    settings.currentTaxon = 10420;
    std::vector<std::int32_t> kept;
    QObject::connect(&upload, &FtpUpload::defaultUploadedChanged, [&](std::int32_t cod) { kept.push_back(cod); });
    command(platform::Answer::No);
    EXPECT_EQ(upload.defaultUploaded(), 10420);
    EXPECT_EQ(kept, std::vector<std::int32_t>{10420});  // kept at once, before any connection
    tickAndWait();
    EXPECT_EQ(serverFiles(), (std::map<std::string, std::string>{{"Classes/Crustacea/m10420.html", "crabs"}}));
    EXPECT_TRUE(fs::is_directory(server.root() / "Classes" / "Crustacea" / "Images"));
    EXPECT_EQ(log.lines[0], "FTP-server manipulations successfully have ended");

    settings.currentTaxon = 4;  // a high taxon above the classes
    command(platform::Answer::No);
    tickAndWait();
    auto files = serverFiles();
    EXPECT_EQ(files.count("Classes/s4.html"), 1u);
    EXPECT_EQ(files.count("Reports/period.html"), 1u);
    EXPECT_EQ(files.count("Classes/Pisces/m14.html"), 0u);
    EXPECT_EQ(files.size(), 8u);
}

TEST_F(UploadWorld, AnUnparsableServerTextIsReportedAndTriedAgainAtEveryTick) {
    settings.server = "ftp://[::1";
    command(platform::Answer::Yes);
    upload.tick();
    upload.tick();
    EXPECT_EQ(log.lines, (std::vector<std::string>{"Invalid URL", "Invalid URL", "Connecting to server..."}));
    EXPECT_FALSE(work.busy());
    EXPECT_EQ(upload.state(), FtpUpload::State::Waiting);
    EXPECT_TRUE(upload.timerActive());
}

TEST_F(UploadWorld, AWrongPasswordShowsTheServersTextAndIsTriedAgain) {
    settings.password = "wrong";
    command(platform::Answer::Yes);
    tickAndWait();
    ASSERT_EQ(log.lines.size(), 2u);
    EXPECT_EQ(log.lines[0].rfind("530 ", 0), 0u) << log.lines[0];
    EXPECT_EQ(upload.state(), FtpUpload::State::Waiting);
    EXPECT_TRUE(upload.timerActive());
    tickAndWait();
    EXPECT_EQ(log.lines.size(), 3u);
    EXPECT_TRUE(serverFiles().empty());
}

TEST_F(UploadWorld, AServerStoppedMidWalkLeavesNoBrokenFileAndALaterRunCompletes) {
    bool killed = false;
    log.onLine = [&](const std::string& text) {
        if (!killed && text.find("Uploading Reedmere.html to server... OK!") != std::string::npos) {
            killed = true;
            server.stop();
        }
    };
    command(platform::Answer::Yes);
    tickAndWait();
    ASSERT_TRUE(killed);
    for (int i = 1; i <= 5; ++i)
        EXPECT_TRUE(log.shown("12:00:00 Uploading blank.html to server... Attempt " + std::to_string(i) + "..."));
    EXPECT_EQ(log.lines[0], "Connection to server lost");
    EXPECT_EQ(log.lines[1], "Files sent: 1, skipped: 0, failed: 1");
    EXPECT_EQ(log.lines[2], "FTP-uploading error!");
    EXPECT_EQ(upload.state(), FtpUpload::State::Waiting);
    EXPECT_TRUE(upload.timerActive());
    expectNoBrokenFile();

    upload.tick();  // still down: the connection fails and the job waits again
    ftptest::runUntilIdle(work);
    EXPECT_EQ(upload.state(), FtpUpload::State::Waiting);

    server.start();
    tickAndWait();
    EXPECT_EQ(log.lines[0], "FTP-server manipulations successfully have ended");
    EXPECT_EQ(log.lines[1], "Files sent: 9, skipped: 1, failed: 0");
    EXPECT_EQ(serverFiles(), ftptest::filesBelow(site()));
    EXPECT_FALSE(upload.on());
}

TEST_F(UploadWorld, TheSecondCommandStopsAWalkAndWaitsForIt) {
    std::vector<bool> switched;
    QObject::connect(&upload, &FtpUpload::switched, [&](bool on) { switched.push_back(on); });
    addManyFiles(300);
    bool firstSent = false;
    log.onLine = [&](const std::string& text) {
        if (text.size() > 4 && text.compare(text.size() - 4, 4, " OK!") == 0) firstSent = true;
    };
    command(platform::Answer::Yes);
    upload.tick();
    QElapsedTimer timer;
    timer.start();
    while (!firstSent && timer.elapsed() < 20000) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    ASSERT_TRUE(firstSent);
    upload.toggle(settings);  // the command's second use: no question this time
    EXPECT_FALSE(work.busy());
    EXPECT_EQ(work.lastEnd(), platform::JobEnd::Stopped);
    EXPECT_EQ(upload.lastWalk().end, WalkEnd::Stopped);
    EXPECT_FALSE(upload.on());
    EXPECT_FALSE(upload.timerActive());
    EXPECT_EQ(prompter.unusedAnswers(), 0u);
    EXPECT_EQ(switched, (std::vector<bool>{true, false}));
    EXPECT_FALSE(log.shown("FTP-server manipulations successfully have ended"));
    EXPECT_LT(serverFiles().size(), ftptest::filesBelow(site()).size());
    expectNoBrokenFile();
}

TEST_F(UploadWorld, ClosingDuringAWalkStopsItAndWaits) {
    addManyFiles(300);
    auto closing = std::make_unique<FtpUpload>(world.doc, work, prompter, log);
    closing->setClock([this] { return now; });
    bool firstSent = false;
    log.onLine = [&](const std::string&) { firstSent = true; };
    prompter.answerNext(platform::Answer::Yes);
    closing->toggle(settings);
    closing->tick();
    QElapsedTimer timer;
    timer.start();
    while (!firstSent && timer.elapsed() < 20000) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    closing.reset();
    EXPECT_FALSE(work.busy());
    EXPECT_EQ(work.lastEnd(), platform::JobEnd::Stopped);
    expectNoBrokenFile();
}

TEST_F(UploadWorld, NothingConnectsInTheHourAfterMidnight) {
    now = at(0, 30);
    command(platform::Answer::Yes);
    upload.tick();
    EXPECT_FALSE(work.busy());
    EXPECT_EQ(upload.state(), FtpUpload::State::Waiting);
    EXPECT_EQ(log.lines, std::vector<std::string>{"Connecting to server..."});
    now = at(0, 59);
    upload.tick();
    EXPECT_FALSE(work.busy());
    now = at(1, 0);
    tickAndWait();
    EXPECT_TRUE(log.shown("Yeesh connect!"));
    EXPECT_EQ(log.lines[0], "FTP-server manipulations successfully have ended");
    EXPECT_TRUE(log.shown("01:00:00 Uploading blank.html to server... OK!"));
}

TEST_F(UploadWorld, NamesThatWouldLeaveTheirFolderAreNeverSent) {
    ftptest::writeFile(site() / "Other" / "bad\r\nDELE x.html", "x");
    ftptest::writeFile(site() / "Other" / "a..b.html", "y");
    fs::create_symlink(world.root(), site() / "Other" / "outside");
    command(platform::Answer::Yes);
    tickAndWait();
    EXPECT_TRUE(log.shown("Not sent, the name would leave its folder: bad??DELE x.html"));
    EXPECT_TRUE(log.shown("Not sent, the name would leave its folder: a..b.html"));
    EXPECT_EQ(log.lines[0], "FTP-server manipulations have ended with errors");
    EXPECT_EQ(log.lines[1], "Files sent: 10, skipped: 0, failed: 2");
    EXPECT_FALSE(fs::exists(server.root() / "Other" / "outside"));
    EXPECT_EQ(serverFiles().size(), 10u);
}

namespace {
class ReadOnlyServer : public UploadWorld {
protected:
    ReadOnlyServer() : UploadWorld(false) {}
};
}  // namespace

TEST_F(ReadOnlyServer, RefusedUploadsEndTheJobAsAFailureNotASuccess) {
    command(platform::Answer::Yes);
    tickAndWait();
    for (int i = 1; i <= 5; ++i)
        EXPECT_TRUE(log.shown("12:00:00 Uploading Reedmere.html to server... Attempt " + std::to_string(i) + "..."));
    ASSERT_GE(log.lines.size(), 4u);
    EXPECT_EQ(log.lines[0], "FTP-server manipulations have ended with errors");
    EXPECT_EQ(log.lines[1], "Files sent: 0, skipped: 0, failed: 1");
    EXPECT_EQ(log.lines[2], "FTP-uploading error!");
    EXPECT_EQ(log.lines[3].rfind("550 ", 0), 0u) << log.lines[3];  // the server's refusal
    EXPECT_FALSE(log.shown("FTP-server manipulations successfully have ended"));
    EXPECT_EQ(upload.lastWalk().end, WalkEnd::Complete);
    EXPECT_FALSE(upload.on());
    EXPECT_EQ(upload.defaultUploaded(), 14);  // nothing completed: the stored value stays
    EXPECT_TRUE(serverFiles().empty());
}
