// The business report: the month spans of the four periods, the month of
// each event by its own date, the money columns in signed cents, the year
// rows after each December and the "In all" row, and the pages byte for byte.
#include <gtest/gtest.h>

#include <ctime>

#include "ReportWorld.h"
#include "reports/PeriodReport.h"

using namespace reporttest;

namespace {

std::time_t at(int day, int month, int year) {
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = 9;
    tm.tm_min = 5;
    tm.tm_sec = 7;
    tm.tm_isdst = -1;
    return std::mktime(&tm);
}

struct PeriodWorld : ReportWorld {
    std::vector<std::string> logged;

    void today(int day, int month, int year) {
        context.env.clock = [=] { return at(day, month, year); };
    }

    int tankBought(const std::string& date, int price, const std::string& out = "", int priceOut = 0) {
        exec("INSERT INTO \"Aquariums\" (\"In_liters\",\"Other\",\"Size_height\",\"Size_length\",\"Size_width\","
             "\"Date\",\"Date_out\",\"Price\",\"Price_out\") VALUES (100,'',0,0,0," +
             stamp(date) + "," + (out.empty() ? farmtest::kNotSet : stamp(out)) + "," + std::to_string(price) + "," +
             std::to_string(priceOut) + ")");
        return lastId();
    }

    void expense(int kind, int count, int price, const std::string& date) {
        exec("INSERT INTO \"Sent\" (\"Type\",\"Count\",\"Date\",\"Comment\",\"Price\") VALUES (" +
             std::to_string(kind) + "," + std::to_string(count) + "," + stamp(date) + ",''," +
             std::to_string(price) + ")");
    }

    std::unique_ptr<reports::PeriodReport> write(const std::string& period) {
        auto report = std::make_unique<reports::PeriodReport>(context, period);
        logged.clear();
        EXPECT_TRUE(reports::writeAndShow(*report, context.env,
                                          [this](const std::string& line) { logged.push_back(line); }));
        return report;
    }
    std::string page() const { return bytesOf(report("period.html")); }
};

std::size_t occurrences(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

}  // namespace

TEST(PeriodReport, SpansOfTheFourPeriods) {
    PeriodWorld w;
    auto span = [&](const std::string& period, std::time_t now) {
        reports::MonthSpan s = reports::periodSpan(w.doc, period, now);
        return reports::monthAndYear(s.firstMonth, s.firstYear) + " x" + std::to_string(s.count);
    };
    EXPECT_EQ(span("month", at(31, 1, 2007)), "December 2006 x2");
    EXPECT_EQ(span("month", at(1, 3, 2007)), "February 2007 x2");
    EXPECT_EQ(span("quarter", at(28, 2, 2007)), "November 2006 x4");
    EXPECT_EQ(span("quarter", at(1, 3, 2007)), "December 2006 x4");
    EXPECT_EQ(span("quarter", at(1, 4, 2007)), "January 2007 x4");
    EXPECT_EQ(span("year", at(3, 3, 2007)), "March 2006 x13");
    EXPECT_EQ(span("year", at(15, 12, 2007)), "December 2006 x13");
    EXPECT_EQ(reports::periodSpan(w.doc, "Month", at(3, 3, 2007)).count, 0) << "the words are exact";
    EXPECT_EQ(reports::periodSpan(w.doc, "all", at(3, 3, 2007)).count, 0) << "no tank in use";

    // "all" starts at the earliest purchase among the tanks in use: a sold
    // tank and a tank without a purchase date do not count.
    w.tankBought("2006-08-20", 0);
    w.tankBought("2005-01-10", 0, "2006-01-01");
    w.exec("INSERT INTO \"Aquariums\" (\"In_liters\",\"Other\",\"Size_height\",\"Size_length\",\"Size_width\","
           "\"Date\",\"Date_out\",\"Price\",\"Price_out\") VALUES (10,'',0,0,0," +
           farmtest::kNotSet + "," + farmtest::kNotSet + ",0,0)");
    EXPECT_EQ(span("all", at(3, 3, 2007)), "August 2006 x8");
    EXPECT_EQ(span("all", at(31, 8, 2006)), "August 2006 x1");
}

TEST(PeriodReport, MonthInJanuaryListsDecemberAndJanuary) {
    PeriodWorld w;
    w.today(15, 1, 2007);
    // Born on the farm in December: 5 fries and 2 sold, all 7 count.
    w.lotOf({.taxon = w.species, .tank = 3, .fries = 5, .firstEat = "2006-12-31", .mf = "2006-12-31", .saled = 2,
           .place = "Reed"});
    // Foodsell is a kind of Type 1: an income, in its own column.
    w.expense(4, 3, 250, "2007-01-01");
    // Outside the span on both sides.
    w.expense(1, 1, 999, "2006-11-30");
    w.expense(1, 1, 999, "2007-02-01");
    auto r = w.write("month");
    EXPECT_EQ(w.logged, (std::vector<std::string>{"December 2006", "January 2007"}));
    ASSERT_EQ(r->months().size(), 2u);
    EXPECT_EQ(r->months()[0].born, 7);
    EXPECT_EQ(r->months()[1].incomes, 750);
    EXPECT_EQ(r->months()[1].expenses, 0);
    EXPECT_EQ(r->months()[1].categories[reports::Foodsell], 750);
    EXPECT_EQ(r->totals().balance(), 750);
    // The year row of 2006 follows December.
    EXPECT_TRUE(samePage(w.report("period.html"), "period_month.html"));
}

TEST(PeriodReport, QuarterInFebruaryListsNovemberToFebruary) {
    PeriodWorld w;
    w.today(10, 2, 2007);
    int father = w.lotOf({.taxon = w.species, .tank = 3, .males = 1, .firstEat = "2006-01-01", .mf = "2006-01-01",
                        .place = "Reed"});
    // Eggs in November, their larvae in December; eggs before the span only
    // give their larvae.
    w.spawningOf(father, father, 120, 80, 0, "2006-11-28", "2006-12-02");
    w.spawningOf(father, father, 50, 30, 0, "2006-10-30", "2006-11-03");
    // Gifted in February, died in November, of one lot bought long ago.
    w.lotOf({.taxon = w.species, .tank = 3, .males = 1, .firstEat = "2005-05-01", .mf = "2005-05-01",
           .dye = "2006-11-15", .gift = "2007-02-09", .died = 2, .gifted = 3, .income = 400, .place = "Shop"});
    auto r = w.write("quarter");
    EXPECT_EQ(w.logged,
              (std::vector<std::string>{"November 2006", "December 2006", "January 2007", "February 2007"}));
    ASSERT_EQ(r->months().size(), 4u);
    EXPECT_EQ(r->months()[0].eggs, 120);
    EXPECT_EQ(r->months()[0].larvas, 30);
    EXPECT_EQ(r->months()[1].larvas, 80);
    EXPECT_EQ(r->months()[0].died, 2);
    EXPECT_EQ(r->months()[0].diedCents, 800);
    EXPECT_EQ(r->months()[3].gifted, 3);
    EXPECT_EQ(r->totals().buyed, 0) << "bought before the span";
    EXPECT_TRUE(samePage(w.report("period.html"), "period_quarter.html"));
}

TEST(PeriodReport, YearListsThirteenMonthsWithPurchasesSalesAndTanks) {
    PeriodWorld w;  // today is 3 March 2007
    // Bought in March 2007: 10 animals at 150 cents.
    w.lotOf({.taxon = w.species, .tank = 3, .males = 4, .females = 6, .firstEat = "2006-10-01", .mf = "2007-03-02",
           .income = 150, .place = "Shop"});
    // Received for nothing in March 2006: Accepted only.
    w.lotOf({.taxon = w.shrimp, .tank = 3, .fries = 30, .firstEat = "2006-01-01", .mf = "2006-03-01", .place = "Club"});
    // A tank bought in April and sold in May.
    w.tankBought("2006-04-10", 5000, "2006-05-20", 2000);
    // A sale in June of a lot born on the farm before the span.
    w.lotOf({.taxon = w.species, .tank = 3, .males = 1, .firstEat = "2005-01-01", .mf = "2005-01-01",
           .sale = "2006-06-30", .saled = 4, .outgo = 1250, .place = "Reed"});
    // Expenses by category: Food, Equipment, Transport, Service and an unknown kind.
    w.expense(1, 2, 300, "2006-07-01");
    w.expense(2, 1, 4500, "2006-07-31");
    w.expense(3, 1, 800, "2006-08-15");
    w.expense(5, 1, 100, "2006-08-15");
    w.expense(17, 1, 70, "2006-08-16");
    auto r = w.write("year");
    ASSERT_EQ(w.logged.size(), 13u);
    EXPECT_EQ(w.logged.front(), "March 2006");
    EXPECT_EQ(w.logged.back(), "March 2007");

    const reports::PeriodFigures& march = r->months()[12];
    EXPECT_EQ(march.buyed, 10);
    EXPECT_EQ(march.buyedCents, 1500);
    EXPECT_EQ(march.balance(), -1500);
    const reports::PeriodFigures& accepted = r->months()[0];
    EXPECT_EQ(accepted.accepted, 30);
    EXPECT_EQ(accepted.buyed, 0);
    EXPECT_EQ(accepted.balance(), 0);
    const reports::PeriodFigures& may = r->months()[2];
    EXPECT_EQ(may.incomes, 2000);
    EXPECT_EQ(may.categories[reports::Service], 2000);
    EXPECT_EQ(r->months()[1].categories[reports::Tanks], 5000);
    EXPECT_EQ(r->months()[1].expenses, 5000);
    EXPECT_EQ(r->months()[4].expenses, 600 + 4500);
    EXPECT_EQ(r->months()[4].categories[reports::Food], 600);
    EXPECT_EQ(r->months()[5].expenses, 800 + 100 + 70);
    EXPECT_EQ(r->months()[5].categories[reports::Other], 70);
    EXPECT_EQ(r->totals().soldCents, 5000);
    EXPECT_EQ(r->totals().turnover(), 5000 + 2000);
    EXPECT_EQ(r->totals().balance(), 2000 + 5000 - 5000 - 600 - 4500 - 800 - 100 - 70 - 1500);

    const std::string page = w.page();
    EXPECT_NE(page.find("<b>10</b></font> ($15.00)"), std::string::npos);
    EXPECT_NE(page.find("<b>$-15.00</b>"), std::string::npos);
    EXPECT_TRUE(samePage(w.report("period.html"), "period_year.html"));
}

TEST(PeriodReport, AllHasYearRowsAfterEachDecember) {
    PeriodWorld w;
    w.today(20, 2, 2007);
    w.tankBought("2005-11-03", 1200);
    w.expense(1, 1, 100, "2005-12-24");
    w.expense(1, 1, 200, "2006-12-24");
    w.expense(1, 1, 400, "2007-01-24");
    auto r = w.write("all");
    ASSERT_EQ(r->months().size(), 16u);
    const std::string page = w.page();
    EXPECT_EQ(occurrences(page, "<td bgcolor=\"#604040\">2005 </td>"), 1u);
    EXPECT_EQ(occurrences(page, "<td bgcolor=\"#604040\">2006 </td>"), 1u);
    EXPECT_EQ(occurrences(page, "<td bgcolor=\"#604040\">2007 </td>"), 0u) << "no December of 2007 yet";
    // The year 2005 holds the tank and December's food; 2006 only its own.
    EXPECT_NE(page.find("<td bgcolor=\"#604040\"><p align=\"center\"><font color=\"#00FFFF\"><b>$-13.00</b>"),
              std::string::npos);
    EXPECT_NE(page.find("<td bgcolor=\"#604040\"><p align=\"center\"><font color=\"#00FFFF\"><b>$-2.00</b>"),
              std::string::npos);
    EXPECT_NE(page.find("<td bgcolor=\"#006000\"><p align=\"center\"><font color=\"#00FFFF\"><b>$-19.00</b>"),
              std::string::npos);
    // Every row is opened and closed, the year and totals rows included.
    EXPECT_EQ(occurrences(page, "<tr>\n"), occurrences(page, "</tr>\n"));
    EXPECT_EQ(occurrences(page, "<tr>\r\n"), 1u + 16u + 2u + 1u);
    EXPECT_TRUE(samePage(w.report("period.html"), "period_all.html"));
}

TEST(PeriodReport, AllWithNoTankInUseHasHeadsAndTotalsAndSaysSo) {
    PeriodWorld w;
    w.tankBought("2006-01-01", 100, "2006-02-01", 50);  // sold: not in use
    auto r = w.write("all");
    EXPECT_TRUE(r->months().empty());
    EXPECT_EQ(w.logged, std::vector<std::string>{"No tank in use: no months to report"});
    const std::string page = w.page();
    EXPECT_EQ(occurrences(page, "<tr>\r\n"), 2u);
    EXPECT_NE(page.find(">In all</td>"), std::string::npos);
    EXPECT_NE(page.find("<title>Report for last all</title>"), std::string::npos);
}

TEST(PeriodReport, OtherPeriodTextGivesHeadsAndTotalsOnly) {
    PeriodWorld w;
    w.tankBought("2006-01-01", 100);
    w.expense(1, 1, 999, "2007-03-01");
    auto r = w.write("decade");
    EXPECT_TRUE(r->months().empty());
    EXPECT_TRUE(w.logged.empty());
    EXPECT_EQ(r->totals().expenses, 0);
    EXPECT_TRUE(samePage(w.report("period.html"), "period_other.html"));
}

TEST(PeriodReport, SumsAreSigned64BitCents) {
    PeriodWorld w;  // today is 3 March 2007
    // The largest lot the 16-bit columns hold: 196,602 animals at 327.67
    // dollars, bought in February, worth more than 32 bits of cents.
    constexpr int kMax = 32767;
    w.lotOf({.taxon = w.species, .tank = 3, .fries = kMax, .males = kMax, .females = kMax, .firstEat = "2006-01-01",
             .mf = "2007-02-01", .died = kMax, .gifted = kMax, .saled = kMax, .income = kMax, .place = "Shop"});
    // Twenty such sales in March.
    for (int i = 0; i < 20; ++i)
        w.lotOf({.taxon = w.species, .tank = 3, .firstEat = "2006-01-01", .mf = "2006-01-01",
                 .sale = "2007-03-01", .saled = kMax, .outgo = kMax, .place = "Reed"});
    w.expense(1, kMax, 2000000000, "2007-03-02");
    auto r = w.write("month");
    const std::int64_t lotValue = 6LL * kMax * kMax;
    EXPECT_EQ(r->months()[0].buyed, 6 * kMax);
    EXPECT_EQ(r->months()[0].buyedCents, lotValue);
    EXPECT_EQ(r->months()[0].balance(), -lotValue);
    EXPECT_EQ(r->months()[1].sold, 20 * kMax);
    EXPECT_EQ(r->months()[1].soldCents, 20LL * kMax * kMax);
    EXPECT_EQ(r->months()[1].expenses, 2000000000LL * kMax);
    EXPECT_EQ(r->totals().balance(), 20LL * kMax * kMax - 2000000000LL * kMax - lotValue);
    const std::string page = w.page();
    EXPECT_NE(page.find("<b>196602</b></font> ($64420577.34)"), std::string::npos);
    EXPECT_NE(page.find("<b>$-64420577.34</b>"), std::string::npos);
    EXPECT_NE(page.find("<b>655340</b></font> ($214735257.80)"), std::string::npos);
    EXPECT_NE(page.find("<b>$655340000000.00</b>"), std::string::npos) << "the expense";
    EXPECT_NE(page.find("<b>$-655189685319.54</b>"), std::string::npos) << "the balance of the span";
}

TEST(PeriodReport, EachEventCountsInTheMonthOfItsOwnDate) {
    PeriodWorld w;
    w.today(15, 3, 2007);
    // Bought in January, one died in February, two sold in March, one given
    // away in April (after the span); the total always counts every animal.
    w.lotOf({.taxon = w.species, .tank = 3, .males = 3, .firstEat = "2006-06-01", .mf = "2007-01-10",
           .dye = "2007-02-10", .gift = "2007-04-01", .sale = "2007-03-10", .died = 1, .gifted = 1, .saled = 2,
           .income = 100, .outgo = 300, .place = "Shop"});
    // Born on the farm: its purchase date is no purchase.
    w.lotOf({.taxon = w.species, .tank = 3, .fries = 9, .firstEat = "2007-02-20", .mf = "2007-03-05", .income = 100,
           .place = "Reed"});
    auto r = w.write("quarter");  // December 2006 to March 2007
    ASSERT_EQ(r->months().size(), 4u);
    EXPECT_EQ(r->months()[1].buyed, 7);
    EXPECT_EQ(r->months()[1].buyedCents, 700);
    EXPECT_EQ(r->months()[1].died, 0);
    EXPECT_EQ(r->months()[2].died, 1);
    EXPECT_EQ(r->months()[2].diedCents, 100);
    EXPECT_EQ(r->months()[2].born, 9);
    EXPECT_EQ(r->months()[3].sold, 2);
    EXPECT_EQ(r->months()[3].soldCents, 600);
    EXPECT_EQ(r->months()[3].buyed, 0);
    EXPECT_EQ(r->totals().gifted, 0);
    EXPECT_EQ(r->totals().born, 9);
}

TEST(PeriodReport, RunsOnTheRunnerWithItsTitleAndCompleteLine) {
    application();
    PeriodWorld w;
    w.tankBought("2006-12-01", 100);
    platform::RecordingLog log;
    platform::BackgroundWork work(w.prompter, log);
    reports::ReportRunner runner(work, log);
    ASSERT_TRUE(reports::startPeriodReport(runner, w.context, "all"));
    work.wait();
    // Newest first.
    EXPECT_EQ(log.lines, (std::vector<std::string>{reports::kCompleteLine, "March 2007", "February 2007",
                                                    "January 2007", "December 2006",
                                                    "************** Commercial report for period *************"}));
    EXPECT_EQ(w.launched.size(), 1u);
}
