// The water journal as a chart: the safe band the species' cards give, the
// series of a journal with no entry, one entry and texts that are no
// number, the business report's table as a spreadsheet file, and the
// "Journal of tank" page byte for byte.
#include <gtest/gtest.h>

#include "ReportWorld.h"
#include "core/Dates.h"
#include "farm/CsvReadBack.h"
#include "reports/JournalChart.h"
#include "reports/PeriodCsv.h"
#include "reports/TankJournalPage.h"
#include "reports/WaterRanges.h"

using namespace reporttest;

namespace {

struct JournalWorld : ReportWorld {
    void card(int taxon, const std::string& keep) {
        exec("INSERT INTO \"Fishes\" (\"Of_fish\",\"Keep_cond\",\"Spawn_cond\") VALUES (" + std::to_string(taxon) +
             ",'" + keep + "','||||||||')");
    }
    void entry(int tank, const std::string& day, bool change, int dGh, int dKh, const std::string& pH,
               const std::string& nitrates = "") {
        exec("INSERT INTO \"Journal\" (\"Of_aqua\",\"Date\",\"Waterchange\",\"Volume_wc\",\"dGh\",\"dKh\",\"pH\","
             "\"salt\",\"NO3\") VALUES (" + std::to_string(tank) + "," + stamp(day) + "," + (change ? "1,30" : "0,0") +
             "," + std::to_string(dGh) + "," + std::to_string(dKh) + ",'" + pH + "',0,'" + nitrates + "')");
    }
    reports::JournalChartData chart(int tank) {
        return reports::journalChartData(farm::readJournal(conn(), tank), reports::tankWaterRanges(doc, tank));
    }
};

}  // namespace

TEST(WaterRanges, RangesAsCardsStateThem) {
    using reports::readRange;
    using reports::ValueRange;
    EXPECT_EQ(readRange("24-28"), (ValueRange{24, 28}));
    EXPECT_EQ(readRange(" 6,5 - 7.5 "), (ValueRange{6.5, 7.5}));
    EXPECT_EQ(readRange("7.5-6"), (ValueRange{6, 7.5}));
    EXPECT_EQ(readRange("6.5…7.2"), (ValueRange{6.5, 7.2}));
    EXPECT_EQ(readRange("8"), (ValueRange{8, 8}));
    EXPECT_FALSE(readRange("").has_value());
    EXPECT_FALSE(readRange("soft").has_value());
    EXPECT_FALSE(readRange("5-").has_value());
}

// Two species in the tank: the band is where both cards' ranges meet; a
// species without a card, a lot without animals and another tank's
// species narrow nothing.
TEST(WaterRanges, BandOfTwoSpeciesCards) {
    JournalWorld w;
    int tank = w.tankOf(100, "show");
    int other = w.tankOf(50, "other");
    w.card(w.species, "24-28|6.0-7.5|2-12|1-8|||");
    w.card(w.shrimp, "20-26|6.8-8|6-15||||");
    int loner = w.taxon("loner", 64, w.genus, 14);
    w.card(loner, "30-32|4-5|||||");
    w.lotOf({w.species, tank, 3});
    w.lotOf({w.shrimp, tank, 0, 2, 2});
    w.lotOf({w.subspecies, tank, 4});  // no card
    w.lotOf({loner, tank, 0});          // no animals left
    w.lotOf({loner, other, 5});
    reports::WaterRanges r = reports::tankWaterRanges(w.doc, tank);
    EXPECT_EQ(r.temperature.range, (reports::ValueRange{24, 26}));
    EXPECT_EQ(r.pH.range, (reports::ValueRange{6.8, 7.5}));
    EXPECT_EQ(r.dGh.range, (reports::ValueRange{6, 12}));
    EXPECT_EQ(r.dKh.range, (reports::ValueRange{1, 8}));
    EXPECT_EQ(r.dKh.stated, 1);
    EXPECT_EQ(r.species, (std::vector<std::string>{"Apistogramma agassizii", "Neocaridina davidi"}));

    w.lotOf({w.species, other, 1});
    reports::WaterRanges apart = reports::tankWaterRanges(w.doc, other);
    EXPECT_TRUE(apart.temperature.conflict);
    EXPECT_FALSE(apart.temperature.range.has_value());
    EXPECT_TRUE(apart.pH.conflict);
    EXPECT_FALSE(apart.dGh.conflict);
    EXPECT_EQ(apart.dGh.range, (reports::ValueRange{2, 12}));
}

TEST(JournalChart, NoEntryOneEntryAndTextsThatAreNoNumber) {
    JournalWorld w;
    int tank = w.tankOf(100, "show");
    reports::JournalChartData none = w.chart(tank);
    EXPECT_TRUE(none.empty());
    EXPECT_NE(reports::journalSvg(none).find("No measurements"), std::string::npos);

    w.entry(tank, "2026-02-01", true, 0, 0, "about seven", "lots");
    reports::JournalChartData words = w.chart(tank);
    EXPECT_FALSE(words.empty());
    for (const reports::ParameterSeries& s : words.series) EXPECT_TRUE(s.points.empty());
    EXPECT_EQ(words.waterChanges.size(), 1u);
    EXPECT_NE(reports::journalSvg(words).find("No measurements"), std::string::npos);

    w.entry(tank, "2026-02-03", false, 8, 0, "6,9", "25");
    reports::JournalChartData one = w.chart(tank);
    const auto& pH = one.series[static_cast<int>(reports::Parameter::PH)];
    ASSERT_EQ(pH.points.size(), 1u);
    EXPECT_DOUBLE_EQ(pH.points[0].value, 6.9);
    EXPECT_TRUE(one.series[static_cast<int>(reports::Parameter::DKh)].points.empty());
    const std::string svg = reports::journalSvg(one);
    // One point is a dot, not a line; its panel still has a scale.
    EXPECT_EQ(svg.find("<polyline"), std::string::npos);
    EXPECT_NE(svg.find("<circle"), std::string::npos);
    EXPECT_EQ(svg.find("nan"), std::string::npos);
    EXPECT_EQ(svg.find("inf"), std::string::npos);
}

TEST(JournalChart, NumbersWhateverTheLocale) {
    EXPECT_EQ(reports::chartNumber(6.5), "6.5");
    EXPECT_EQ(reports::chartNumber(-120), "-120");
    EXPECT_EQ(reports::chartNumber(0.05), "0.05");
    EXPECT_EQ(reports::chartNumber(-0.001), "0");
    EXPECT_EQ(reports::chartNumber(7.10), "7.1");
}

TEST(TankJournalPage, ByteForByteForAFixedClock) {
    JournalWorld w;
    int tank = w.tankOf(63, "show & tell");
    w.card(w.species, "24-28|6.0-7.5|2-12|1-8|||");
    w.card(w.shrimp, "20-26|6.8-8|6-15||||");
    w.lotOf({w.species, tank, 3});
    w.lotOf({w.shrimp, tank, 0, 2, 2});
    w.entry(tank, "2026-02-01", false, 8, 4, "7.0", "10");
    w.entry(tank, "2026-02-08", true, 9, 5, "7,4", "<x>");
    w.entry(tank, "2026-02-15", false, 10, 5, "7.8", "40");
    reports::TankJournalPage page(w.context, tank);
    ASSERT_TRUE(reports::writeAndShow(page, w.context.env));
    const std::string name = "journal" + std::to_string(tank) + ".html";
    const std::string first = bytesOf(w.report(name));
    EXPECT_TRUE(samePage(w.report(name), "journal.html"));
    ASSERT_TRUE(reports::writeAndShow(page, w.context.env));
    EXPECT_EQ(bytesOf(w.report(name)), first);
    // Text from the rows never reaches the page unescaped.
    EXPECT_EQ(first.find("<x>"), std::string::npos);
    EXPECT_NE(first.find("&lt;x&gt;"), std::string::npos);
    EXPECT_NE(first.find("show &amp; tell"), std::string::npos);
}

TEST(PeriodCsv, TheBusinessTableReadBackByPython) {
    JournalWorld w;
    w.context.env.clock = [] { return core::localDate(15, 1, 2026) + 9 * 3600; };
    w.exec("INSERT INTO \"Sent\" (\"Type\",\"Count\",\"Date\",\"Comment\",\"Price\") VALUES (1,2," +
           stamp("2025-12-10") + ",'',150)");
    w.exec("INSERT INTO \"Sent\" (\"Type\",\"Count\",\"Date\",\"Comment\",\"Price\") VALUES (4,1," +
           stamp("2026-01-03") + ",'',1000)");
    const fs::path file = w.root() / "period.csv";
    EXPECT_EQ(reports::exportPeriodTable(w.context, "month", file), 2u);
    farmtest::CsvRows rows = farmtest::readCsvWithPython(file);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0][0], "Period");
    EXPECT_EQ(rows[0].size(), 24u);
    EXPECT_EQ(rows[1][0], "December 2025");
    EXPECT_EQ(rows[1][1], "-3.00");
    EXPECT_EQ(rows[1][17], "3.00");  // Food
    EXPECT_EQ(rows[2][0], "2025");
    EXPECT_EQ(rows[3][0], "January 2026");
    EXPECT_EQ(rows[3][15], "10.00");  // Incomes
    EXPECT_EQ(rows[4][0], "In all");
    EXPECT_EQ(rows[4][1], "7.00");
}
