// The stock and spawning pages: the fishes report over the tanks in
// service, the lot dialog's tank reports and their file names, the
// spawnings report and the incubator report.
#include <gtest/gtest.h>

#include "ReportWorld.h"
#include "reports/FarmReports.h"

using namespace reporttest;

namespace {

// Two tanks in service (the second without living lots), a sold tank, and
// lots: adults, 12 fries alone, an emptied lot and a lot in the sold tank.
struct StockFarm : ReportWorld {
    int big, small, sold;
    int adults, fries, emptied, shrimps;
    StockFarm() {
        big = tankOf(120, "Main");
        small = tankOf(0, "Quarantine");
        sold = tankOf(60, "Old", stamp("2026-02-01"));
        adults = lotOf({.taxon = species, .tank = big, .males = 2, .females = 3, .other = "Rio Tea",
                        .firstEat = "2025-11-20"});
        fries = lotOf({.taxon = species, .tank = big, .fries = 12, .firstEat = "2026-01-15"});
        emptied = lotOf({.taxon = species, .tank = small, .firstEat = "2026-01-02", .died = 4});
        shrimps = lotOf({.taxon = shrimp, .tank = sold, .fries = 30, .firstEat = "2026-01-03"});
    }
};

}  // namespace

TEST(FishesReport, EveryTankInServiceWithItsLivingLots) {
    StockFarm w;
    auto report = reports::fishesReport(w.context);
    EXPECT_EQ(report->logTitle(), "************** Fishes report *************");
    std::vector<std::string> items;
    ASSERT_TRUE(reports::writeAndShow(*report, w.context.env, [&](const std::string& i) { items.push_back(i); }));

    // The empty tank comes first (by volume) and keeps its green row; the
    // sold tank and the emptied lot are not there.
    EXPECT_TRUE(samePage(w.report("fishes.html"), "fishes.html"));
    EXPECT_EQ(items, (std::vector<std::string>{"Tank Temporary (Quarantine) litres", "Tank 120 liters (Main) litres",
                                               "Apistogramma agassizii (Rio Tea)", "Apistogramma agassizii ()"}));
    ASSERT_EQ(w.launched.size(), 1u);
    EXPECT_EQ(w.launched[0], "xdg-open " + w.report("fishes.html").string());
}

TEST(TankReports, FileNamesFollowTheComboChoice) {
    StockFarm w;
    using farm::LotView;
    const std::vector<int> lots = {w.adults};
    struct Case {
        reports::LotListChoice choice;
        const char* file;
    } cases[] = {{{LotView::All, "", 0}, "all.html"},
                 {{LotView::Archive, "quarter", 0}, "archivequarter.html"},
                 {{LotView::Archive, "month", 0}, "archivemonth.html"},
                 {{LotView::AllWithArchive, "", 0}, "allarc.html"},
                 {{LotView::Tank, "", 1}, "tank1.html"}};
    for (const Case& c : cases) {
        ASSERT_TRUE(reports::writeTankReport(w.context, c.choice, lots)) << c.file;
        EXPECT_TRUE(fs::exists(w.report(c.file))) << c.file;
        EXPECT_EQ(w.launched.back(), "xdg-open " + w.report(c.file).string());
    }
    EXPECT_TRUE(samePage(w.report("archivequarter.html"), "archivequarter.html"));
}

TEST(TankReports, SecondTankOfTheComboIsTank2WithItsVolumeWhateverItsCod) {
    StockFarm w;
    // A tank added later but smaller than "Main" stands second in the combo.
    int later = w.tankOf(80, "Breeding");
    ASSERT_GT(later, w.big);
    int pair = w.lotOf({.taxon = w.species, .tank = later, .males = 1, .females = 1, .other = "pair",
                        .firstEat = "2026-02-10"});
    int moss = w.lotOf({.taxon = w.moss, .tank = later, .fries = 5, .firstEat = "2026-02-11"});

    // The rows are the dialog's, in its order (plants without their prefix).
    ASSERT_TRUE(reports::writeTankReport(w.context, {farm::LotView::Tank, "", 2}, {moss, pair}));
    EXPECT_TRUE(samePage(w.report("tank2.html"), "tank2.html"));
}

TEST(SpawningsReport, EverySpawningByEggsDateButTheOriginOfBoughtLots) {
    StockFarm w;
    int female = w.lotOf({.taxon = w.subspecies, .tank = w.big, .females = 1, .other = "red"});
    w.spawningOf(w.adults, female, 120, 80, 45, "2026-02-20", "2026-02-24", 3);
    w.spawningOf(w.adults, w.fries, 40, 0, 0, "2026-01-10");
    auto report = reports::spawningsReport(w.context);
    EXPECT_EQ(report->logTitle(), "************** Spawnings report *************");
    std::vector<std::string> items;
    ASSERT_TRUE(reports::writeAndShow(*report, w.context.env, [&](const std::string& i) { items.push_back(i); }));
    EXPECT_TRUE(samePage(w.report("matings.html"), "matings.html"));
    EXPECT_EQ(items, (std::vector<std::string>{"10.01.2026: Apistogramma agassizii x Apistogramma agassizii",
                                               "20.02.2026: Apistogramma agassizii x Apistogramma agassizii fire"}));
}

TEST(IncubatorReport, TheListedSpawningsInListOrderAndTheArchiveFileName) {
    StockFarm w;
    int female = w.lotOf({.taxon = w.species, .tank = w.big, .females = 1, .other = "red"});
    int first = w.spawningOf(w.adults, female, 120, 80, 0, "2026-02-20", "2026-02-24", 3);
    int second = w.spawningOf(female, w.adults, 40, 0, 0, "2026-01-10");
    ASSERT_TRUE(reports::writeIncubatorReport(w.context, false, "quarter", {second, first}));
    EXPECT_TRUE(samePage(w.report("incubator.html"), "incubator.html"));

    ASSERT_TRUE(reports::writeIncubatorReport(w.context, true, "quarter", {first}));
    EXPECT_TRUE(fs::exists(w.report("incarcquarter.html")));
    EXPECT_EQ(w.launched.back(), "xdg-open " + w.report("incarcquarter.html").string());
}

TEST(FarmReports, MissingTemplateWritesNothing) {
    StockFarm w;
    fs::remove(w.workDir() / "blank.html");
    EXPECT_FALSE(reports::writeTankReport(w.context, {farm::LotView::All, "", 0}, {w.adults}));
    EXPECT_EQ(w.prompter.lastText(), (w.workDir() / "blank.html").string() + " is absent!");
    EXPECT_FALSE(fs::exists(w.report("all.html")));
    EXPECT_TRUE(w.launched.empty());
}
