// The commands the windows call: the settings read at each call, the
// movement period from Balance_from to the panel's field, and no dialog
// report while a runner report is writing.
#include <gtest/gtest.h>

#include <QEventLoop>

#include <future>

#include "ReportWorld.h"
#include "reports/ReportCommands.h"

using namespace reporttest;

namespace {

void waitIdle(platform::BackgroundWork& work) {
    while (work.busy()) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

struct CommandWorld : ReportWorld {
    core::Settings settings;
    platform::RecordingLog log;
    platform::BackgroundWork work{prompter, log};
    reports::ReportCommands commands{doc, settings, prompter, work, log};
    CommandWorld() {
        application();
        settings.Application_path = workDir().string();
        settings.Fishbreeder = "Mere";
        settings.viewerCommand = "true ";
    }
};

// Holds the background work until released.
class HoldReport : public reports::Report {
public:
    std::promise<void> release;
    std::string logTitle() const override { return "hold"; }
    std::string output() const override { return "\\Reports\\hold.html"; }
    std::string pageTitle() const override { return "<title>hold</title>\n"; }
    void writeBody(site::PageOut&, const reports::ItemLog&) override { release.get_future().wait(); }
};

}  // namespace

TEST(ReportCommands, SoldButtonReportsFromBalanceFromToThePanelsField) {
    CommandWorld w;
    int tank = w.tankOf(40, "");
    w.lotOf({.taxon = w.species, .tank = tank, .firstEat = "2025-01-01", .sale = "2026-02-01", .saled = 3,
             .outgo = 100});
    w.settings.Balance_from = "01.02.2026";
    ASSERT_TRUE(w.commands.movementReport(reports::Movement::Sold, "02.02.2026"));
    EXPECT_TRUE(w.commands.running());
    waitIdle(w.work);
    EXPECT_EQ(w.log.lines, (std::vector<std::string>{reports::kCompleteLine, "Apistogramma agassizii",
                                                     "************** Sold report *************"}));
    std::string page = bytesOf(w.report("sold.html"));
    EXPECT_NE(page.find("Mere's fishfarm sold report for 01.02.2026-02.02.2026"), std::string::npos);
}

TEST(ReportCommands, DialogReportsUseTheSettingsArchivePeriods) {
    CommandWorld w;
    w.settings.Archiv_fish_from = "year";
    w.settings.Archiv_incubator_from = "month";
    EXPECT_TRUE(w.commands.tankReport({farm::LotView::Archive, "", 0}, {}));
    EXPECT_TRUE(fs::exists(w.report("archiveyear.html")));
    EXPECT_TRUE(w.commands.incubatorReport(true, {}));
    EXPECT_TRUE(fs::exists(w.report("incarcmonth.html")));
    EXPECT_TRUE(w.commands.incubatorReport(false, {}));
    EXPECT_TRUE(fs::exists(w.report("incubator.html")));
}

TEST(ReportCommands, NothingElseReadsTheRowsWhileAReportRuns) {
    CommandWorld w;
    reports::ReportRunner other(w.work, w.log);
    auto hold = std::make_shared<HoldReport>();
    ASSERT_TRUE(other.start(hold, w.context.env));
    EXPECT_TRUE(w.commands.running());
    EXPECT_FALSE(w.commands.reportOnTanks());
    EXPECT_FALSE(w.commands.speciesReport(w.species));
    EXPECT_FALSE(w.commands.tankReport({farm::LotView::All, "", 0}, {}));
    hold->release.set_value();
    waitIdle(w.work);
    EXPECT_FALSE(fs::exists(w.report("species.html")));
    EXPECT_FALSE(fs::exists(w.report("all.html")));
    EXPECT_TRUE(w.commands.speciesReport(w.species));
    EXPECT_TRUE(fs::exists(w.report("species.html")));
}
