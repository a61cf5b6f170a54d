// The farm balance and the expense categories on a real database file.
#include <gtest/gtest.h>

#include "common/TestEnv.h"
#include "core/Dates.h"
#include "farm/Balance.h"

namespace {

using farm::Balance;
using farm::BalanceViews;
using farm::RefreshMode;

std::time_t day(int d, int m, int y) { return core::localDate(d, m, y); }

struct BalanceWorld : testenv::DocWorld {
    core::Settings settings;
    Balance balance{doc, settings};
    int species = 0;

    BalanceWorld() {
        settings.Balance_from = "01.03.2007";
        db::Fish& t = *doc.taxa;
        t.addNew();
        t.m_Lat_name = "Apistogramma";
        t.m_Classific = 512;
        t.m_Of_cod = 14;
        t.m_Class = 14;
        t.update();
        int genus = static_cast<int>(t.lastInsertedKey());
        t.addNew();
        t.m_Lat_name = "borellii";
        t.m_Classific = 64;
        t.m_Of_cod = genus;
        t.m_Class = 14;
        t.update();
        species = static_cast<int>(t.lastInsertedKey());
    }

    void expense(int type, int count, int price, std::time_t date, const std::string& comment = "") {
        db::CSent& e = *doc.expenses;
        e.addNew();
        e.m_Type = type;
        e.m_Count = count;
        e.m_Price = price;
        e.m_Date = date;
        e.m_Comment = comment;
        e.update();
    }

    // A bought lot; every event date unset unless told.
    db::My_Fish& lot(std::time_t arrival, int income) {
        db::My_Fish& l = *doc.lots;
        l.addNew();
        l.m_Of_fish = species;
        l.m_Of_aquarium = 2;
        l.m_Of_fry = 2;
        l.m_Date_first_eat = l.m_Date_mf = arrival;
        l.m_Date_dye = l.m_Date_gift = l.m_Date_sale = core::notSetDate();
        l.m_Income = income;
        return l;
    }

    void tank(int litres, int price, std::time_t bought, int priceOut, std::time_t sold) {
        db::Aquarium& a = *doc.tanks;
        a.addNew();
        a.m_In_liters = litres;
        a.m_Price = price;
        a.m_Date = bought;
        a.m_Price_out = priceOut;
        a.m_Date_out = sold;
        a.update();
    }

    farm::BalanceSheet march(BalanceViews views = {}) {
        return balance.refresh(RefreshMode::Full, "01.03.2007", "31.03.2007", views);
    }
};

TEST(Balance, ExpenseKindDecidesTheSignOfTheSummary) {
    BalanceWorld w;
    EXPECT_EQ(w.march().totals.summaryText(), "$0.00");
    w.expense(1, 3, 250, day(10, 3, 2007), "flakes");  // Food: an expense
    auto s = w.march();
    EXPECT_EQ(s.totals.summaryText(), "$7.50");
    EXPECT_EQ(s.totals.balanceText(), "$-7.50");
    ASSERT_EQ(s.rows.size(), 1u);
    EXPECT_EQ(s.rows[0].date, "10.03.2007");
    EXPECT_EQ(s.rows[0].num, "3");
    EXPECT_EQ(s.rows[0].price, "$2.50");
    EXPECT_EQ(s.rows[0].text, "Food (flakes)");

    w.expense(4, 3, 250, day(11, 3, 2007));  // Foodsell: an income
    s = w.march();
    EXPECT_EQ(s.totals.spending, 0);
    w.expense(4, 3, 250, day(12, 3, 2007));
    s = w.march();
    EXPECT_EQ(s.totals.summaryText(), "$-7.50");
    EXPECT_EQ(s.rows[1].text, "Foodsell");
    // A single unit leaves the count column empty.
    w.expense(2, 1, 1999, day(13, 3, 2007));
    s = w.march();
    EXPECT_EQ(s.rows[3].num, "");
    EXPECT_EQ(s.rows[3].price, "$19.99");
}

TEST(Balance, PeriodIsWholeDaysAtBothEnds) {
    BalanceWorld w;
    w.expense(1, 1, 100, day(1, 3, 2007));
    w.expense(1, 1, 200, day(31, 3, 2007) + 23 * 3600 + 59 * 60 + 59);
    w.expense(1, 1, 400, day(1, 4, 2007));
    w.expense(1, 1, 800, day(1, 3, 2007) - 1);
    EXPECT_EQ(w.march().totals.spending, 300);
    // A period that ends before it starts holds nothing.
    EXPECT_EQ(w.balance.refresh(RefreshMode::Full, "31.03.2007", "01.03.2007", {}).totals.spending, 0);
}

TEST(Balance, BoughtLotCountsEveryAnimalItEverHeld) {
    BalanceWorld w;
    db::My_Fish& l = w.lot(day(5, 3, 2007), 100);
    l.m_Number_fries = 2;
    l.m_Number_male = 1;
    l.m_Number_female = 1;
    l.m_Saled = 2;
    l.m_Outgo = 300;
    l.m_Date_sale = day(20, 3, 2007);
    l.m_Died = 1;
    l.m_Date_dye = day(21, 3, 2007);
    l.update();
    auto s = w.march();
    EXPECT_EQ(s.totals.spending, 700);
    EXPECT_EQ(s.totals.fishesText(), "4");
    EXPECT_EQ(s.totals.soldText(), "2($6.00)");
    EXPECT_EQ(s.totals.diedText(), "1($1.00)");
    EXPECT_EQ(s.totals.giftedText(), "0($0.00)");
    EXPECT_EQ(s.totals.balanceText(), "$-1.00");
    ASSERT_EQ(s.rows.size(), 1u);
    EXPECT_EQ(s.fishStart, 0u);
    EXPECT_EQ(s.tankStart, 1u);
    EXPECT_EQ(s.rows[0].date, "05.03.2007");
    EXPECT_EQ(s.rows[0].num, "7");
    EXPECT_EQ(s.rows[0].price, "$1.00");
    EXPECT_EQ(s.rows[0].text, "Apistogramma borellii");

    // Outside the period the purchase, the sale and the death leave the money
    // alone; the living animals still count.
    auto april = w.balance.refresh(RefreshMode::Full, "01.04.2007", "30.04.2007", {});
    EXPECT_EQ(april.totals.spending, 0);
    EXPECT_EQ(april.totals.sold, 0);
    EXPECT_EQ(april.totals.fishes, 4);
    EXPECT_TRUE(april.rows.empty());
}

TEST(Balance, BornLotsAndTheReservedLotCostNothing) {
    BalanceWorld w;
    db::My_Fish& l = w.lot(day(5, 3, 2007), 0);
    l.m_Number_fries = 30;
    l.update();
    auto s = w.march();
    EXPECT_EQ(s.totals.spending, 0);
    EXPECT_EQ(s.totals.fishes, 30);
    EXPECT_TRUE(s.rows.empty());
}

TEST(Balance, MoneySumsDoNotWrapAt32Bits) {
    BalanceWorld w;
    for (int i = 0; i < 3; ++i) {
        db::My_Fish& l = w.lot(day(5, 3, 2007), 32767);
        l.m_Saled = 32767;
        l.m_Outgo = 32767;
        l.m_Date_sale = day(6, 3, 2007);
        l.update();
    }
    auto s = w.march();
    const std::int64_t each = 32767LL * 32767LL;
    EXPECT_EQ(s.totals.soldCents, 3 * each);
    EXPECT_EQ(s.totals.spending, 3 * each);
    EXPECT_EQ(s.totals.soldText(), "98301(" + farm::dollars(3 * each) + ")");
    EXPECT_EQ(farm::dollars(3 * each), "$32210288.67");
    EXPECT_EQ(s.totals.balanceText(), "$0.00");
}

TEST(Balance, TankBoughtAndSoldInThePeriodIsListedTwice) {
    BalanceWorld w;
    w.tank(63, 5000, day(2, 3, 2007), 3000, day(25, 3, 2007));
    w.tank(100, 9000, day(2, 2, 2007), 0, core::notSetDate());  // bought before the period
    auto s = w.march();
    ASSERT_EQ(s.rows.size(), 2u);
    EXPECT_EQ(s.tankStart, 0u);
    EXPECT_EQ(s.rows[0].text, "63 liters");
    EXPECT_EQ(s.rows[0].num, "1");
    EXPECT_EQ(s.rows[0].price, "$50.00");
    EXPECT_EQ(s.rows[1].text, "63 liters sold");
    EXPECT_EQ(s.rows[1].date, "25.03.2007");
    EXPECT_EQ(s.rows[1].price, "$30.00");
    EXPECT_EQ(s.totals.spending, 2000);
    // The tank list of the other dialogs is back on the tanks in service.
    EXPECT_EQ(w.doc.tanks->filter(), "Cod<>2 AND Date_out=#01/01/1980#");
    EXPECT_EQ(w.doc.tanks->rowCount(), 1u);
}

TEST(Balance, ViewSwitchesHideRowsButNotTotals) {
    BalanceWorld w;
    w.expense(1, 3, 250, day(10, 3, 2007));
    w.expense(2, 1, 700, day(11, 3, 2007));
    db::My_Fish& l = w.lot(day(5, 3, 2007), 100);
    l.m_Number_male = 2;
    l.update();
    w.tank(63, 5000, day(2, 3, 2007), 0, core::notSetDate());
    auto all = w.march();
    ASSERT_EQ(all.rows.size(), 4u);
    EXPECT_EQ(all.fishStart, 2u);
    EXPECT_EQ(all.tankStart, 3u);
    EXPECT_EQ(all.rows[2].text, "Apistogramma borellii");
    EXPECT_EQ(all.rows[3].text, "63 liters");

    auto none = w.march({false, false, false});
    EXPECT_TRUE(none.rows.empty());
    EXPECT_EQ(none.fishStart, 0u);
    EXPECT_EQ(none.tankStart, 0u);
    EXPECT_EQ(none.totals.summaryText(), all.totals.summaryText());
    EXPECT_EQ(none.totals.balanceText(), all.totals.balanceText());
    EXPECT_EQ(none.totals.fishesText(), all.totals.fishesText());
    EXPECT_EQ(none.totals.spending, 750 + 700 + 200 + 5000);

    auto tanksOnly = w.march({false, true, false});
    ASSERT_EQ(tanksOnly.rows.size(), 1u);
    EXPECT_EQ(tanksOnly.fishStart, 0u);
    EXPECT_EQ(tanksOnly.tankStart, 0u);
    EXPECT_EQ(tanksOnly.rows[0].text, "63 liters");
}

TEST(Balance, EmptyOrUnreadablePeriodFieldsTakeTheStoredStartAndToday) {
    BalanceWorld w;
    std::string today = core::formatDate(std::time(nullptr));
    auto s = w.balance.refresh(RefreshMode::ListsAndTotals, "", "", {});
    EXPECT_EQ(s.fromText, "01.03.2007");
    EXPECT_EQ(s.toText, today);
    // A text being typed is kept; the period falls back as for an empty field.
    w.expense(1, 1, 100, std::time(nullptr));
    w.expense(1, 1, 200, day(15, 2, 2007));
    s = w.balance.refresh(RefreshMode::ListsAndTotals, "1.3.20", "45.03.2007", {});
    EXPECT_EQ(s.fromText, "1.3.20");
    EXPECT_EQ(s.toText, "45.03.2007");
    EXPECT_EQ(s.totals.spending, 100);
    EXPECT_FALSE(s.incubatorDone);
    s = w.balance.refresh(RefreshMode::ListsAndTotals, "1.2.2007", "", {});
    EXPECT_EQ(s.totals.spending, 300);
}

TEST(Balance, ExpensesAreWrittenAndFoundByTheirRow) {
    BalanceWorld w;
    w.expense(1, 1, 100, day(2, 3, 2007), "first");
    w.expense(1, 1, 100, day(9, 3, 2007), "third");
    w.expense(1, 1, 100, day(1, 2, 2007), "february");
    farm::ExpenseInput in;
    in.type = 2;
    in.count = "0";
    in.date = day(5, 3, 2007);
    in.comment = "pump";
    in.price = "";
    ASSERT_TRUE(w.balance.addExpense(in));
    auto s = w.march();
    ASSERT_EQ(s.rows.size(), 3u);
    EXPECT_EQ(s.rows[1].text, "Equipment (pump)");

    auto found = w.balance.expenseAt(1);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->count, "1");  // "0" is stored as 1
    EXPECT_EQ(found->price, "0");
    EXPECT_EQ(found->type, 2);
    EXPECT_EQ(found->comment, "pump");
    EXPECT_EQ(found->date, day(5, 3, 2007));
    EXPECT_FALSE(w.balance.expenseAt(3));

    in.count = "";
    in.price = "1250";
    in.comment = "filter";
    ASSERT_TRUE(w.balance.writeExpense(1, in));
    EXPECT_EQ(w.scalar("SELECT Count || '/' || Price FROM Sent WHERE Comment='filter'"), "1/1250");
    // A count that does not fit its column or is no number writes nothing.
    in.count = "40000";
    EXPECT_FALSE(w.balance.writeExpense(1, in));
    in.count = "2x";
    EXPECT_FALSE(w.balance.addExpense(in));
    in.count = "2";
    in.price = "-5";
    EXPECT_FALSE(w.balance.addExpense(in));
    EXPECT_EQ(w.scalar("SELECT COUNT(*) FROM Sent"), "4");

    w.march();
    ASSERT_TRUE(w.balance.deleteExpense(0));
    EXPECT_EQ(w.scalar("SELECT COUNT(*) FROM Sent WHERE Comment='first'"), "0");
    EXPECT_EQ(w.scalar("SELECT COUNT(*) FROM Sent"), "3");
}

TEST(Balance, IncubatorTotalsAreEmptyWithoutOpenSpawnings) {
    BalanceWorld w;
    auto s = w.march();
    EXPECT_TRUE(s.incubatorDone);
    EXPECT_EQ(s.incubator.eggsText(), "");
    EXPECT_EQ(s.incubator.larvasText(), "");

    db::Incubator& i = *w.doc.spawnings;
    auto add = [&](int eggs, int fries, int out, std::time_t hatched) {
        i.addNew();
        i.m_Number_eggs = eggs;
        i.m_Number_fries = fries;
        i.m_Fries_out = out;
        i.m_Date_eggs = day(1, 3, 2007);
        i.m_Date_fries = hatched;
        i.update();
    };
    add(100, 0, 0, day(1, 3, 2007));   // eggs only
    add(50, 40, 0, day(3, 3, 2007));   // hatched: its eggs no longer count
    add(70, 60, 55, day(3, 3, 2007));  // transferred
    add(80, 0, 0, core::notSetDate());   // written off
    s = w.balance.refresh(RefreshMode::IncubatorOnly, "", "", {});
    EXPECT_FALSE(s.listsDone);
    EXPECT_EQ(s.incubator.eggsText(), "100");
    EXPECT_EQ(s.incubator.larvasText(), "40");
}

TEST(ExpenseKinds, RenameRetypeAndAddNew) {
    testenv::DocWorld w;
    farm::ExpenseKinds kinds(*w.doc.expenseKinds);
    ASSERT_EQ(kinds.list().size(), 5u);
    EXPECT_EQ(kinds.list()[3].name, "Foodsell");
    EXPECT_TRUE(kinds.list()[3].income);
    ASSERT_TRUE(kinds.indexOf(5));
    EXPECT_EQ(*kinds.indexOf(5), 4u);
    EXPECT_FALSE(kinds.indexOf(99));

    kinds.rename(0, "Live food");
    kinds.setIncome(1, true);
    std::size_t added = kinds.addNew();
    EXPECT_EQ(added, 5u);
    EXPECT_EQ(kinds.list()[added].name, "***");
    EXPECT_FALSE(kinds.list()[added].income);
    EXPECT_GT(kinds.list()[added].cod, 5);

    farm::ExpenseKinds again(*w.doc.expenseKinds);
    ASSERT_EQ(again.list().size(), 6u);
    EXPECT_EQ(again.list()[0].name, "Live food");
    EXPECT_TRUE(again.list()[1].income);
    EXPECT_EQ(again.list()[5].name, "***");
    EXPECT_EQ(again.list()[5].cod, kinds.list()[added].cod);
}

}  // namespace
