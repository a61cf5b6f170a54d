// Background jobs: lines and questions reach the interface thread while the
// job waits, a failure ends the job with its text, a stop request ends it at
// its next check, and one job at a time runs.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include <atomic>
#include <stdexcept>
#include <thread>

#include "platform/BackgroundWork.h"

namespace {

QCoreApplication& app() {
    static int argc = 1;
    static char name[] = "test_platform";
    static char* argv[] = {name, nullptr};
    static QCoreApplication instance(argc, argv);
    return instance;
}

// Records which thread each line arrived on.
class ThreadLog : public platform::Log {
public:
    void line(const std::string& text) override {
        lines.insert(lines.begin(), text);
        threads.push_back(std::this_thread::get_id());
    }
    void clear() override { lines.clear(); }
    std::vector<std::string> lines;
    std::vector<std::thread::id> threads;
};

struct Ends {
    std::vector<platform::JobEnd> ends;
    std::vector<bool> busy;
};

void watch(platform::BackgroundWork& work, Ends& seen) {
    QObject::connect(&work, &platform::BackgroundWork::ended,
                     [&](platform::JobEnd end, const QString&, const QString&) { seen.ends.push_back(end); });
    QObject::connect(&work, &platform::BackgroundWork::busyChanged, [&](bool b) { seen.busy.push_back(b); });
}

// Spins the event loop as the program's would, until the job has ended.
void runEventsUntilIdle(platform::BackgroundWork& work) {
    QElapsedTimer timer;
    timer.start();
    while (work.busy() && timer.elapsed() < 10000) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

}  // namespace

TEST(BackgroundWork, LinesAndQuestionsArriveOnTheInterfaceThreadInOrder) {
    app();
    platform::ScriptedPrompter prompter;
    prompter.answerNext(platform::Answer::Yes);
    ThreadLog log;
    platform::BackgroundWork work(prompter, log);
    Ends seen;
    watch(work, seen);

    std::thread::id jobThread;
    platform::Answer answered = platform::Answer::No;
    ASSERT_TRUE(work.start("report", [&](platform::JobContext& job) {
        jobThread = std::this_thread::get_id();
        job.log().line("first");
        answered = job.prompter().ask("      Are you sure?");
        job.log().line("second");
    }));
    EXPECT_TRUE(work.busy());
    runEventsUntilIdle(work);

    EXPECT_FALSE(work.busy());
    EXPECT_EQ(answered, platform::Answer::Yes);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"second", "first"}));
    for (auto id : log.threads) EXPECT_EQ(id, std::this_thread::get_id());
    EXPECT_NE(jobThread, std::this_thread::get_id());
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_TRUE(prompter.shown()[0].question);
    EXPECT_EQ(seen.ends, std::vector<platform::JobEnd>{platform::JobEnd::Success});
    EXPECT_EQ(seen.busy, (std::vector<bool>{true, false}));
}

TEST(BackgroundWork, AFailureEndsTheJobWithItsTextInTheLogAndAMessage) {
    app();
    platform::ScriptedPrompter prompter;
    platform::RecordingLog log;
    platform::BackgroundWork work(prompter, log);
    Ends seen;
    watch(work, seen);
    bool after = false;
    work.start("report", [&](platform::JobContext& job) {
        job.log().line("Tank 1");
        throw std::runtime_error("disk I/O error");
        after = true;
    });
    work.wait();
    EXPECT_FALSE(after);
    EXPECT_EQ(work.lastEnd(), platform::JobEnd::Failed);
    EXPECT_EQ(work.lastMessage(), "disk I/O error");
    EXPECT_EQ(log.lines, (std::vector<std::string>{"disk I/O error", "Tank 1"}));
    EXPECT_EQ(prompter.lastText(), "disk I/O error");
    EXPECT_EQ(seen.ends, std::vector<platform::JobEnd>{platform::JobEnd::Failed});
    // The facility is usable again after a failure.
    EXPECT_TRUE(work.start("again", [](platform::JobContext&) {}));
    work.wait();
    EXPECT_EQ(work.lastEnd(), platform::JobEnd::Success);
}

TEST(BackgroundWork, StopIsCheckedBetweenItemsAndOnlyOneJobRuns) {
    app();
    platform::ScriptedPrompter prompter;
    platform::RecordingLog log;
    platform::BackgroundWork work(prompter, log);
    std::atomic<int> items{0};
    std::atomic<bool> begun{false};
    ASSERT_TRUE(work.start("long", [&](platform::JobContext& job) {
        begun = true;
        for (int i = 0; i < 100000 && !job.stopRequested(); ++i) {
            ++items;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }));
    EXPECT_FALSE(work.start("second", [](platform::JobContext&) {}));
    while (!begun) std::this_thread::yield();
    work.requestStop();
    work.wait();
    EXPECT_EQ(work.lastEnd(), platform::JobEnd::Stopped);
    EXPECT_LT(items.load(), 100000);
    EXPECT_TRUE(prompter.shown().empty());
}

TEST(BackgroundWork, DestroyingTheOwnerStopsAndWaitsWhileServingTheJobsLines) {
    app();
    platform::ScriptedPrompter prompter;
    platform::RecordingLog log;
    std::atomic<bool> finished{false};
    {
        platform::BackgroundWork work(prompter, log);
        work.start("upload", [&](platform::JobContext& job) {
            while (!job.stopRequested()) std::this_thread::sleep_for(std::chrono::milliseconds(2));
            // A line written after the stop must still reach the log, not hang.
            job.log().line("stopped");
            finished = true;
        });
    }
    EXPECT_TRUE(finished);
    EXPECT_EQ(log.lines, std::vector<std::string>{"stopped"});
}
