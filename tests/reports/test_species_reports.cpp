// One species' pages: the lot table with the size headers of the price
// card, each count in its size column, "Buyed" for bought lots; and the
// complete report's summary of every lot and of the spawnings its lots fathered.
#include <gtest/gtest.h>

#include "ReportWorld.h"
#include "reports/SpeciesReports.h"

using namespace reporttest;

namespace {

struct SpeciesFarm : ReportWorld {
    int main, empty, bornLot, boughtLot, juvenile, gone, other;
    SpeciesFarm() {
        main = tankOf(120, "Main");
        empty = tankOf(0, "Box");
        // Breeding stock bought, a spawning of it, its fries in size JA.
        boughtLot = lotOf({.taxon = species, .tank = main, .males = 2, .females = 2, .firstEat = "2025-11-20",
                           .saled = 1, .income = 500, .outgo = 900, .size = 4});
        int spawning = spawningOf(boughtLot, boughtLot, 150, 90, 60, "2026-01-05", "2026-01-09");
        juvenile = lotOf({.taxon = species, .tank = empty, .fries = 25, .firstEat = "2026-01-20", .ofFry = spawning,
                          .saled = 10, .outgo = 150, .size = 3, .place = "Reed"});
        // A lot with nobody left: no row, but counted in the summary.
        gone = lotOf({.taxon = species, .tank = main, .firstEat = "2025-06-01", .died = 3, .gifted = 2,
                      .income = 200});
        // Another species with its own spawning: never counted here.
        other = lotOf({.taxon = shrimp, .tank = main, .males = 5, .firstEat = "2025-06-01", .income = 50});
        spawningOf(other, other, 999, 999, 999, "2026-01-06");
    }
};

}  // namespace

TEST(SpeciesReports, MissingPriceCardBoughtLotAndJuvenileColumn) {
    SpeciesFarm w;
    ASSERT_TRUE(reports::writeSpeciesReport(w.context, w.species));
    // Sizes empty in the headers; the bought lot "Buyed" twice under A; the
    // JA lot in the fourth column with one empty cell after it.
    EXPECT_TRUE(samePage(w.report("species.html"), "species.html"));
    ASSERT_EQ(w.launched.size(), 1u);
    EXPECT_EQ(w.launched[0], "xdg-open " + w.report("species.html").string());
}

TEST(SpeciesReports, CompleteReportSummarisesEveryLotAndTheSpawningsItsLotsFathered) {
    SpeciesFarm w;
    w.sizes(w.species, "5", "10", "15", "20", "30");
    reports::SpeciesReport report(w.context, w.species, true);
    ASSERT_TRUE(reports::writeAndShow(report, w.context.env));
    EXPECT_TRUE(samePage(w.report("stat.html"), "stat.html"));
    const reports::SpeciesSummary& s = report.summary();
    EXPECT_EQ(s.bought, 5 + 5);  // 4 living + 1 sold; 3 died + 2 gifted
    EXPECT_EQ(s.boughtCents, 5 * 500 + 5 * 200);
    EXPECT_EQ(s.sold, 11);
    EXPECT_EQ(s.soldCents, 900 + 10 * 150);
    EXPECT_EQ(s.dead, 3);
    EXPECT_EQ(s.gifted, 2);
    EXPECT_EQ(s.eggs, 150);
    EXPECT_EQ(s.larvae, 90);
    EXPECT_EQ(s.born, 60);
    // The conventional units are the two Windows-1251 bytes.
    EXPECT_NE(bytesOf(w.report("stat.html")).find("35.00 \xF3\xE5"), std::string::npos);
}
