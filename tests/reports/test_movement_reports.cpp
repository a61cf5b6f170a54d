// The movement reports over the balance period: what each row shows, the
// inclusive first day and the day after the last as the upper bound, and
// totals that agree with the balance panel's.
#include <gtest/gtest.h>

#include "ReportWorld.h"
#include "core/Dates.h"
#include "farm/Balance.h"
#include "reports/MovementReports.h"

using namespace reporttest;
using reports::Movement;

namespace {

farm::BalancePeriod period(const std::string& from, const std::string& to) {
    return farm::balancePeriod(from, from, to);
}

// Movements around a period from 01.02.2026 to 28.02.2026.
struct MovingFarm : ReportWorld {
    int tank;
    MovingFarm() {
        tank = tankOf(100, "Main");
        // Bought on the first day of the period, some sold on its last day.
        lotOf({.taxon = species, .tank = tank, .males = 3, .females = 4, .firstEat = "2025-12-01",
               .mf = "2026-02-01", .sale = "2026-02-28", .saled = 5, .income = 250, .outgo = 700});
        // Born on the farm in the period, nobody bought it.
        lotOf({.taxon = shrimp, .tank = tank, .fries = 40, .firstEat = "2026-02-10", .saled = 2,
               .place = "Reed"});
        // Died and gifted in the period.
        lotOf({.taxon = subspecies, .tank = tank, .males = 1, .firstEat = "2025-10-01", .dye = "2026-02-01",
               .gift = "2026-02-15", .died = 2, .gifted = 3, .income = 100});
        // Before and after the period: no row anywhere.
        lotOf({.taxon = species, .tank = tank, .males = 1, .firstEat = "2025-10-01", .dye = "2026-01-31",
               .gift = "2026-03-01", .sale = "2026-03-01", .died = 1, .gifted = 1, .saled = 1, .income = 100,
               .outgo = 300});
    }
    bool write(Movement m, const farm::BalancePeriod& p, reports::MovementTotals* totals = nullptr) {
        reports::MovementReport report(context, m, p);
        bool ok = reports::writeAndShow(report, context.env);
        if (totals) *totals = report.totals();
        return ok;
    }
};

}  // namespace

TEST(MovementReports, SoldReportShowsBornBoughtAndSoldOfThePeriod) {
    MovingFarm w;
    reports::MovementTotals totals;
    ASSERT_TRUE(w.write(Movement::Sold, period("01.02.2026", "28.02.2026"), &totals));
    // The bought lot shows all it ever held (7 + 5 sold) and its 5 sales; the
    // farm-born lot "&nbsp" under Buyed.
    EXPECT_TRUE(samePage(w.report("sold.html"), "sold.html"));
    EXPECT_EQ(totals.bought, 12);
    EXPECT_EQ(totals.boughtCents, 12 * 250);
    EXPECT_EQ(totals.born, 42);
    EXPECT_EQ(totals.sold, 5);
    EXPECT_EQ(totals.soldCents, 5 * 700);
}

TEST(MovementReports, DiedAndGiftedReports) {
    MovingFarm w;
    reports::MovementReport died(w.context, Movement::Died, period("01.02.2026", "28.02.2026"));
    EXPECT_EQ(died.logTitle(), "************** Died report *************");
    ASSERT_TRUE(reports::writeAndShow(died, w.context.env));
    EXPECT_TRUE(samePage(w.report("died.html"), "died.html"));
    EXPECT_EQ(died.totals().died, 2);

    reports::MovementReport gifted(w.context, Movement::Gifted, period("01.02.2026", "28.02.2026"));
    EXPECT_EQ(gifted.logTitle(), "************** Gifted report *************");
    ASSERT_TRUE(reports::writeAndShow(gifted, w.context.env));
    EXPECT_TRUE(samePage(w.report("gifted.html"), "gifted.html"));
    EXPECT_EQ(gifted.totals().gifted, 3);
}

TEST(MovementReports, LastDayOfAYearOrAMonthReachesToTheNextDay) {
    ReportWorld w;
    int tank = w.tankOf(50, "");
    w.lotOf({.taxon = w.species, .tank = tank, .firstEat = "2025-01-01", .sale = "2025-12-31", .saled = 1,
             .outgo = 100});
    w.lotOf({.taxon = w.species, .tank = tank, .firstEat = "2025-01-01", .sale = "2026-01-01", .saled = 2,
             .outgo = 100});
    w.lotOf({.taxon = w.species, .tank = tank, .firstEat = "2025-01-01", .sale = "2025-04-30", .saled = 4,
             .outgo = 100});
    w.lotOf({.taxon = w.species, .tank = tank, .firstEat = "2025-01-01", .sale = "2025-05-01", .saled = 8,
             .outgo = 100});
    auto sold = [&](const std::string& from, const std::string& to) {
        reports::MovementReport r(w.context, Movement::Sold, period(from, to));
        EXPECT_TRUE(reports::writeAndShow(r, w.context.env));
        return r.totals().sold;
    };
    EXPECT_EQ(sold("01.12.2025", "31.12.2025"), 1);
    EXPECT_EQ(sold("01.04.2025", "30.04.2025"), 4);
    EXPECT_EQ(sold("30.04.2025", "01.05.2025"), 12);
    EXPECT_EQ(sold("01.01.2026", "01.01.2026"), 2) << "a one-day period holds its day";
    std::string page = bytesOf(w.report("sold.html"));
    EXPECT_NE(page.find("Reed's fishfarm sold report for 01.01.2026-01.01.2026"), std::string::npos);
}

TEST(MovementReports, InAllTotalsEqualTheBalancePanelsForTheSamePeriod) {
    MovingFarm w;
    core::Settings settings;
    for (auto [from, to] : {std::pair{"01.02.2026", "28.02.2026"}, std::pair{"31.01.2026", "01.03.2026"},
                            std::pair{"28.02.2026", "28.02.2026"}, std::pair{"01.02.2026", "01.02.2026"}}) {
        settings.Balance_from = from;
        farm::Balance balance(w.doc, settings);
        farm::BalanceTotals panel = balance.refresh(farm::RefreshMode::Full, "", to, balance.views()).totals;
        reports::MovementTotals sold, died, gifted;
        farm::BalancePeriod p = reports::movementPeriod(settings, to);
        EXPECT_EQ(p.fromText, from);
        ASSERT_TRUE(w.write(Movement::Sold, p, &sold));
        ASSERT_TRUE(w.write(Movement::Died, p, &died));
        ASSERT_TRUE(w.write(Movement::Gifted, p, &gifted));
        EXPECT_EQ(sold.sold, panel.sold) << from << "-" << to;
        EXPECT_EQ(sold.soldCents, panel.soldCents) << from << "-" << to;
        EXPECT_EQ(died.died, panel.died) << from << "-" << to;
        EXPECT_EQ(gifted.gifted, panel.gifted) << from << "-" << to;
    }
}

TEST(MovementReports, AnEmptyToFieldMeansToday) {
    ReportWorld w;
    core::Settings settings;
    settings.Balance_from = "01.01.2026";
    farm::BalancePeriod p = reports::movementPeriod(settings, "");
    EXPECT_EQ(p.toText, core::formatDate(std::time(nullptr)));
    EXPECT_TRUE(p.contains(std::time(nullptr)));
}
