// The commercial report: the living stock species by species, lots of one
// tank merged within a size class, the tank labels, the size heads of the
// price card, the "At all" totals and each species' link into its own class
// directory.
#include <gtest/gtest.h>

#include "ReportWorld.h"
#include "reports/CommercialReport.h"

using namespace reporttest;

namespace {

struct StockFarm : ReportWorld {
    int big, box, small;
    std::vector<std::string> logged;
    StockFarm() {
        big = tankOf(120, "Big");
        box = tankOf(0, "Box");
        small = tankOf(60, "Small");
        sizes(species, "10", "15", "20", "25", "30");
        // Two lots of fries in the big tank: one entry of 25.
        lotOf({.taxon = species, .tank = big, .fries = 20, .size = 0});
        lotOf({.taxon = species, .tank = box, .fries = 7, .size = 0});
        lotOf({.taxon = species, .tank = big, .fries = 5, .size = 0});
        // Adults in the small tank.
        lotOf({.taxon = species, .tank = small, .males = 2, .females = 3, .size = 4});
        // Sold out: not living stock.
        lotOf({.taxon = species, .tank = small, .firstEat = "2025-01-01", .saled = 9, .size = 1});
        // A crustacean without a price card, juveniles in two tanks.
        lotOf({.taxon = shrimp, .tank = small, .males = 10, .size = 2});
        lotOf({.taxon = shrimp, .tank = box, .females = 4, .size = 2});
    }
    bool write() {
        auto report = reports::commercialReport(context);
        return reports::writeAndShow(*report, context.env, [this](const std::string& l) { logged.push_back(l); });
    }
};

}  // namespace

TEST(CommercialReport, SpeciesTablesByTankAndSizeClass) {
    StockFarm w;
    ASSERT_TRUE(w.write());
    EXPECT_EQ(w.logged, (std::vector<std::string>{"Apistogramma agassizii", "Neocaridina davidi"}));
    EXPECT_TRUE(samePage(w.report("commercial.html"), "commercial.html"));
    const std::string page = bytesOf(w.report("commercial.html"));
    EXPECT_NE(page.find("<td width=\"10%\" align=\"center\">120 ltrs</td>\r\n<td width=\"10%\" align=\"center\">25<"),
              std::string::npos);
    EXPECT_NE(page.find("<td width=\"10%\" align=\"center\">Temporary</td>\r\n<td width=\"10%\" align=\"center\">7<"),
              std::string::npos);
    EXPECT_NE(page.find("<b>F ( mm)</b>"), std::string::npos) << "no price card, no sizes";
    EXPECT_NE(page.find("<b>F (10 mm)</b>"), std::string::npos);
    EXPECT_NE(page.find("<b>32</b>"), std::string::npos) << "25 + 7 fries at all";
}

TEST(CommercialReport, EachSpeciesLinksIntoItsOwnClassDirectory) {
    StockFarm w;
    ASSERT_TRUE(w.write());
    const std::string page = bytesOf(w.report("commercial.html"));
    EXPECT_NE(page.find("<a href=\"http://www.reedmere.org/Classes/Pisces/m" + std::to_string(w.species) + ".html\">"),
              std::string::npos);
    EXPECT_NE(page.find("<a href=\"http://www.reedmere.org/Classes/Crustacea/m" + std::to_string(w.shrimp) +
                        ".html\">"),
              std::string::npos);
    // A moss links to its class, whose name becomes a directory name.
    w.exec("UPDATE \"Reedmere\" SET \"Lat_name\"='Bryopsida (mosses)' WHERE \"Cod\"=12329");
    w.lotOf({.taxon = w.moss, .tank = w.big, .fries = 1});
    ASSERT_TRUE(w.write());
    EXPECT_NE(bytesOf(w.report("commercial.html"))
                  .find("/Classes/Bryopsida _mosses_/m" + std::to_string(w.moss) + ".html\">"),
              std::string::npos);
}

TEST(CommercialReport, RowsGoOnWhileAnySizeClassHasAnEntry) {
    ReportWorld w;
    std::vector<int> tanks;
    for (int litres : {10, 20, 30, 40}) tanks.push_back(w.tankOf(litres, ""));
    // Four tanks of A, one of F: four rows, F empty from the second on.
    for (int t : tanks) w.lotOf({.taxon = w.species, .tank = t, .males = 1, .size = 4});
    w.lotOf({.taxon = w.species, .tank = tanks[2], .fries = 3, .size = 0});
    ASSERT_TRUE(reports::writeAndShow(*reports::commercialReport(w.context), w.context.env));
    const std::string page = bytesOf(w.report("commercial.html"));
    const std::string gap = "<td width=\"10%\">&nbsp;</td><td width=\"10%\">&nbsp;</td>";
    std::size_t rows = 0, gaps = 0;
    for (std::size_t at = page.find("<tr>\r\n"); at != std::string::npos; at = page.find("<tr>\r\n", at + 1)) ++rows;
    for (std::size_t at = page.find(gap); at != std::string::npos; at = page.find(gap, at + gap.size())) ++gaps;
    EXPECT_EQ(rows, 4u + 1u) << "four tank rows and the totals";
    EXPECT_EQ(gaps, 3u * 4u + 3u) << "FJ, J and JA empty in every row, F in three";
    EXPECT_NE(page.find("<b>4</b></td>"), std::string::npos);
    EXPECT_NE(page.find("<td width=\"10%\" align=\"center\">30 ltrs</td>\r\n<td width=\"10%\" align=\"center\">3<"),
              std::string::npos);
}

TEST(CommercialReport, NoLivingStockGivesTheHeadingOnly) {
    ReportWorld w;
    std::vector<std::string> logged;
    auto report = reports::commercialReport(w.context);
    EXPECT_EQ(report->logTitle(), "************** Commercial report *************");
    ASSERT_TRUE(reports::writeAndShow(*report, w.context.env, [&](const std::string& l) { logged.push_back(l); }));
    EXPECT_TRUE(logged.empty());
    const std::string page = bytesOf(w.report("commercial.html"));
    EXPECT_NE(page.find("<b>Commercial report of Reed's fishfarm</b>"), std::string::npos);
    EXPECT_EQ(page.find("<table"), std::string::npos);
}
