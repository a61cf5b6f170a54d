// The report runner on a real background worker: the log of a complete run,
// a run whose template is missing, one report at a time with the busy state
// announced, a run stopped half-way, and a run whose database fails.
#include <gtest/gtest.h>

#include <QElapsedTimer>

#include <future>

#include "ReportWorld.h"
#include "reports/FarmReports.h"
#include "reports/ReportRunner.h"

using namespace reporttest;

namespace {

void runEventsUntilIdle(platform::BackgroundWork& work) {
    QElapsedTimer timer;
    timer.start();
    while (work.busy() && timer.elapsed() < 20000) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

// Serves the worker's log lines while waiting, as the interface thread does.
void waitServing(std::future<void> f) {
    while (f.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// A report that names two items, then waits until the test lets it go on.
class GateReport : public reports::Report {
public:
    std::promise<void> entered, release;
    std::string logTitle() const override { return "************** Gate report *************"; }
    std::string output() const override { return "\\Reports\\gate.html"; }
    std::string pageTitle() const override { return "<title>Gate</title>\n"; }
    void writeBody(site::PageOut& out, const reports::ItemLog& item) override {
        item("first");
        entered.set_value();
        release.get_future().wait();
        item("second");
        out.write("<p>gate</p>\n");
    }
};

struct RunnerWorld : ReportWorld {
    platform::RecordingLog log;
    platform::BackgroundWork work{prompter, log};
    reports::ReportRunner runner{work, log};
    std::vector<bool> busy;
    RunnerWorld() {
        application();
        QObject::connect(&work, &platform::BackgroundWork::busyChanged, [this](bool b) { busy.push_back(b); });
        log.line("balance row");
    }
};

}  // namespace

TEST(ReportRunner, CompleteRunLogsNewestFirstAndShowsThePage) {
    RunnerWorld w;
    int tank = w.tankOf(100, "Main");
    w.lotOf({.taxon = w.species, .tank = tank, .males = 1});
    ASSERT_TRUE(reports::startFishesReport(w.runner, w.context));
    // The title replaces the balance at once; the page is written off this thread.
    EXPECT_EQ(w.log.lines.back(), "************** Fishes report *************");
    runEventsUntilIdle(w.work);
    EXPECT_EQ(w.log.lines, (std::vector<std::string>{reports::kCompleteLine, "Apistogramma agassizii ()",
                                                     "Tank 100 liters (Main) litres",
                                                     "************** Fishes report *************"}));
    EXPECT_EQ(w.work.lastEnd(), platform::JobEnd::Success);
    EXPECT_TRUE(fs::exists(w.report("fishes.html")));
    EXPECT_EQ(w.launched, (std::vector<std::string>{"xdg-open " + w.report("fishes.html").string()}));
    EXPECT_TRUE(w.prompter.shown().empty());
}

TEST(ReportRunner, MissingTemplateLeavesOnlyTheTitleLineAndNoFile) {
    RunnerWorld w;
    fs::remove(w.workDir() / "blank.html");
    ASSERT_TRUE(reports::startSpawningsReport(w.runner, w.context));
    runEventsUntilIdle(w.work);
    EXPECT_EQ(w.log.lines, (std::vector<std::string>{"************** Spawnings report *************"}));
    ASSERT_EQ(w.prompter.shown().size(), 1u);
    EXPECT_EQ(w.prompter.lastText(), (w.workDir() / "blank.html").string() + " is absent!");
    EXPECT_FALSE(fs::exists(w.report("matings.html")));
    EXPECT_TRUE(w.launched.empty());
}

TEST(ReportRunner, OneReportAtATimeWithTheBusyStateAnnounced) {
    RunnerWorld w;
    auto gate = std::make_shared<GateReport>();
    ASSERT_TRUE(w.runner.start(gate, w.context.env));
    waitServing(gate->entered.get_future());
    EXPECT_TRUE(w.runner.busy());
    EXPECT_EQ(w.busy, (std::vector<bool>{true}));

    // A second report is refused and leaves the log alone.
    EXPECT_FALSE(reports::startFishesReport(w.runner, w.context));
    EXPECT_EQ(w.log.lines, (std::vector<std::string>{"first", "************** Gate report *************"}));

    gate->release.set_value();
    runEventsUntilIdle(w.work);
    EXPECT_EQ(w.busy, (std::vector<bool>{true, false}));
    EXPECT_EQ(w.log.lines.front(), reports::kCompleteLine);
    EXPECT_FALSE(fs::exists(w.report("fishes.html")));

    // Free again: the next report runs.
    ASSERT_TRUE(reports::startFishesReport(w.runner, w.context));
    runEventsUntilIdle(w.work);
    EXPECT_TRUE(fs::exists(w.report("fishes.html")));
}

TEST(ReportRunner, StoppedRunKeepsTheEarlierPageAndHasNoCompleteLine) {
    RunnerWorld w;
    sitetest::writeBytes(w.report("gate.html"), "earlier page");
    auto gate = std::make_shared<GateReport>();
    ASSERT_TRUE(w.runner.start(gate, w.context.env));
    waitServing(gate->entered.get_future());
    w.work.requestStop();
    gate->release.set_value();
    runEventsUntilIdle(w.work);
    EXPECT_EQ(w.work.lastEnd(), platform::JobEnd::Stopped);
    EXPECT_EQ(w.log.lines, (std::vector<std::string>{"first", "************** Gate report *************"}));
    EXPECT_EQ(bytesOf(w.report("gate.html")), "earlier page");
    EXPECT_TRUE(w.launched.empty());
}

TEST(ReportRunner, DatabaseErrorEndsTheRunWithItsTextAndTheProgramGoesOn) {
    RunnerWorld w;
    int tank = w.tankOf(100, "Main");
    w.lotOf({.taxon = w.species, .tank = tank, .males = 1});
    sitetest::writeBytes(w.report("fishes.html"), "earlier page");
    w.exec("ALTER TABLE \"My fishes\" RENAME TO \"Lost fishes\"");

    ASSERT_TRUE(reports::startFishesReport(w.runner, w.context));
    runEventsUntilIdle(w.work);
    EXPECT_EQ(w.work.lastEnd(), platform::JobEnd::Failed);
    ASSERT_EQ(w.log.lines.size(), 2u);
    EXPECT_NE(w.log.lines[0].find("My fishes"), std::string::npos) << w.log.lines[0];
    EXPECT_EQ(w.log.lines[1], "************** Fishes report *************");
    ASSERT_EQ(w.prompter.shown().size(), 1u);
    EXPECT_EQ(w.prompter.lastText(), w.log.lines[0]);
    EXPECT_EQ(bytesOf(w.report("fishes.html")), "earlier page");
    EXPECT_TRUE(w.launched.empty());

    w.exec("ALTER TABLE \"Lost fishes\" RENAME TO \"My fishes\"");
    ASSERT_TRUE(reports::startFishesReport(w.runner, w.context));
    runEventsUntilIdle(w.work);
    EXPECT_EQ(w.log.lines.front(), reports::kCompleteLine);
    EXPECT_NE(bytesOf(w.report("fishes.html")), "earlier page");
}
