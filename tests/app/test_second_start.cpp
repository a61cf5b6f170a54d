// Two copies of the program on one database, and SIGTERM before the window.
#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "common/TestEnv.h"

namespace fs = std::filesystem;

namespace {

pid_t start() {
    pid_t pid = fork();
    if (pid == 0) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        execl(REEDMERE_BINARY, REEDMERE_BINARY, static_cast<char*>(nullptr));
        _exit(127);
    }
    return pid;
}

bool waitUntil(const std::function<bool()>& ready, int seconds) {
    for (int i = 0; i < seconds * 20; ++i) {
        if (ready()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

// The exit code, or -1 when it is still running after `seconds`.
int exitWithin(pid_t pid, int seconds) {
    int status = 0;
    if (!waitUntil([&] { return waitpid(pid, &status, WNOHANG) == pid; }, seconds)) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

std::string fileText(const fs::path& p) {
    std::ifstream in(p);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

}  // namespace

TEST(SecondStart, ASecondCopyOnTheSameDatabaseIsRefusedAndTheFirstGoesOn) {
    testenv::TempWorld world;
    pid_t first = start();
    ASSERT_TRUE(waitUntil([&] { return fs::exists(world.workDir() / "blank.html"); }, 60));
    fs::path lock = world.databaseFile();
    lock += ".lock";
    EXPECT_NE(fileText(lock).find("process " + std::to_string(first) + " on "), std::string::npos);

    // The second copy stops at its message; SIGTERM ends it there at once.
    pid_t second = start();
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    EXPECT_EQ(exitWithin(second, 0), -1) << "waits on its message";
    kill(second, SIGTERM);
    EXPECT_EQ(exitWithin(second, 5), 128 + SIGTERM);
    EXPECT_NE(fileText(lock).find("process " + std::to_string(first) + " on "), std::string::npos);

    kill(first, SIGTERM);
    EXPECT_EQ(exitWithin(first, 20), 0) << "the first copy closes normally";
    pid_t third = start();
    EXPECT_TRUE(waitUntil([&] { return fileText(lock).find("process " + std::to_string(third)) != std::string::npos; },
                          30));
    kill(third, SIGTERM);
    exitWithin(third, 20);
}

TEST(SecondStart, SigtermDuringStartUpOnALockedDatabaseEndsTheProgram) {
    testenv::TempWorld world;
    db::createEmbeddedDatabase(world.databaseFile(), false);
    db::Connection holder;
    holder.open("DRIVER=SQLite3;Database=" + world.databaseFile().string() + ";NoWCHAR=1");
    holder.execute("BEGIN EXCLUSIVE");
    pid_t pid = start();
    std::this_thread::sleep_for(std::chrono::milliseconds(800));
    kill(pid, SIGTERM);
    EXPECT_EQ(exitWithin(pid, 3), 128 + SIGTERM);
    holder.execute("ROLLBACK");
}
