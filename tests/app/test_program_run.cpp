// The program as a user starts it: an empty home, the first run, SIGTERM.
#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "common/TestEnv.h"

namespace fs = std::filesystem;

namespace {

// Starts the program with the world's environment; returns its pid.
pid_t startProgram() {
    pid_t pid = fork();
    if (pid == 0) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        execl(REEDMERE_BINARY, REEDMERE_BINARY, static_cast<char*>(nullptr));
        _exit(127);
    }
    return pid;
}

bool waitFor(const std::function<bool()>& ready, int seconds) {
    for (int i = 0; i < seconds * 20; ++i) {
        if (ready()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

// True once the process holds the file open (the start has reached the database).
bool holdsOpen(pid_t pid, const fs::path& file) {
    std::error_code ec;
    for (const auto& fd : fs::directory_iterator("/proc/" + std::to_string(pid) + "/fd", ec)) {
        std::error_code linkError;
        if (fs::read_symlink(fd.path(), linkError) == file) return true;
    }
    return false;
}

int stopProgram(pid_t pid) {
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string fileText(const fs::path& p) {
    std::ifstream in(p);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

}  // namespace

TEST(ProgramRun, FirstStartCreatesEverythingAndSigtermWritesSettings) {
    testenv::TempWorld world;
    pid_t pid = startProgram();
    ASSERT_GT(pid, 0);
    fs::path work = world.workDir();
    ASSERT_TRUE(waitFor([&] { return fs::exists(work / "blank.html"); }, 30)) << "the program did not start";
    // The page comes before the document and the window; a signal before the
    // event loop ends the program at once, so the start is given its time.
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    EXPECT_EQ(stopProgram(pid), 0);

    std::string conf = fileText(world.settingsFile());
    EXPECT_NE(conf.find("Install=1"), std::string::npos) << conf;
    EXPECT_NE(conf.find("Application_path=" + work.string()), std::string::npos);
    for (const char* d : {"Reports", "Other", "Bulletin", "Classes/Pisces/Images", "Classes/Musci/Images"})
        EXPECT_TRUE(fs::is_directory(work / d)) << d;
    ASSERT_TRUE(fs::exists(world.databaseFile()));

    // The database holds the seed rows and the second start makes no directory.
    fs::remove_all(work / "Reports");
    pid = startProgram();
    // The page is there from the first start: the new copy shows itself by its database.
    ASSERT_TRUE(waitFor([&] { return holdsOpen(pid, world.databaseFile()); }, 30));
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    EXPECT_EQ(stopProgram(pid), 0);
    EXPECT_FALSE(fs::exists(work / "Reports"));
    db::CFishesDoc doc;
    doc.create(db::chooseDataSource(), nullptr);
    doc.taxa->setFilter("Classific=262144");
    doc.taxa->requery();
    EXPECT_EQ(doc.taxa->rowCount(), 6u);
}

TEST(ProgramRun, AFailingDataSourceEndsStartUpNamingIt) {
    testenv::TempWorld world;
    std::ofstream(world.root() / "odbc.ini") << "[Reedmere]\nDriver=/nonexistent/libnodriver.so\n";
    db::DataSourceChoice source = db::chooseDataSource();
    EXPECT_FALSE(source.embedded);
    db::Connection c;
    try {
        db::connect(c, source);
        FAIL() << "connected to a data source without a driver";
    } catch (const db::DbError& e) {
        std::string text = e.what();
        EXPECT_NE(text.find("Reedmere"), std::string::npos) << text;
        EXPECT_GT(text.size(), std::string("Cannot connect to the data source Reedmere:\n").size()) << text;
    }
    // The program itself leaves with a failure instead of a window.
    pid_t pid = fork();
    if (pid == 0) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        // The error box is modal: SIGTERM from timeout must still end the program.
        execl("/usr/bin/timeout", "timeout", "2", REEDMERE_BINARY, static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_NE(WEXITSTATUS(status), 0);
    EXPECT_FALSE(fs::exists(world.workDir() / "blank.html"));
}
