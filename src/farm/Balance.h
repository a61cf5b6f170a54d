// The farm balance of a period: the money movements (other expenses, bought
// lots, bought and sold tanks) as list rows in three parts, the totals of
// stock, sales, losses, gifts and spending, and the incubator's egg and
// larva totals; the expenses themselves, added, edited and deleted by their
// position in the period.
#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "core/Settings.h"
#include "db/CFishesDoc.h"

namespace farm {

// "$%.2f" of cents / 100, exact for any 64-bit sum.
std::string dollars(std::int64_t cents);

// The balance period: the texts its fields show, its first day and the
// midnight after its last day. An empty "from" shows Balance_from (today
// when that is not a date), an empty "to" today; a text being typed is kept
// but counts as empty.
struct BalancePeriod {
    std::string fromText, toText;
    std::time_t from = 0, toEnd = 0;
    bool contains(std::time_t t) const { return t >= from && t < toEnd; }
};
BalancePeriod balancePeriod(const std::string& balanceFrom, const std::string& fromText, const std::string& toText);

enum class RefreshMode { Full, ListsAndTotals, IncubatorOnly };

// Which rows the list shows; the totals never depend on them.
struct BalanceViews {
    bool fishes = true;
    bool tanks = true;
    bool other = true;
};

struct BalanceRow {
    std::string date, num, price, text;
};

struct BalanceTotals {
    std::int64_t fishes = 0;
    std::int64_t sold = 0, soldCents = 0;
    std::int64_t died = 0, diedCents = 0;
    std::int64_t gifted = 0, giftedCents = 0;
    std::int64_t spending = 0;  // cents; incomes of the expense list count negative

    std::string fishesText() const;   // "%lu"
    std::string soldText() const;     // "%lu($%.2f)"
    std::string diedText() const;
    std::string giftedText() const;
    std::string summaryText() const;  // the spending
    std::string balanceText() const;  // sales minus spending
};

// Eggs of open spawnings without larvae, and the larvae of the others;
// both texts empty when no spawning is open.
struct IncubatorTotals {
    bool anyOpen = false;
    std::int64_t eggs = 0, larvas = 0;
    std::string eggsText() const;
    std::string larvasText() const;
};

struct BalanceSheet {
    std::string fromText, toText;  // the period fields as they should show
    std::vector<BalanceRow> rows;   // expenses, then lots from fishStart, then tanks from tankStart
    std::size_t fishStart = 0, tankStart = 0;
    BalanceTotals totals;
    IncubatorTotals incubator;
    bool listsDone = false, incubatorDone = false;
};

// The values the expense dialog edits, as typed.
struct ExpenseInput {
    int type = 1;
    std::string count;
    std::time_t date = 0;
    std::string comment;
    std::string price;
};

// Count: empty or "0" is 1; price: empty is 0. Nothing for a text that is
// not a whole number fitting its column.
std::optional<int> expenseCount(const std::string& text);
std::optional<int> expensePrice(const std::string& text);

// The expense categories as the expense dialog keeps them: every row of
// [Senttype] in the table's order, changed at once.
struct ExpenseKind {
    int cod = 0;
    bool income = false;
    std::string name;
};

class ExpenseKinds {
public:
    explicit ExpenseKinds(db::Senttype& kinds);
    const std::vector<ExpenseKind>& list() const { return list_; }
    std::optional<std::size_t> indexOf(int cod) const;
    void setIncome(std::size_t i, bool income);
    void rename(std::size_t i, const std::string& name);
    // A category "***" of expenses, appended; returns its index.
    std::size_t addNew();

private:
    bool positionOn(std::size_t i);
    db::Senttype& r_;
    std::vector<ExpenseKind> list_;
};

class Balance {
public:
    Balance(db::CFishesDoc& doc, core::Settings& settings);

    // Recomputes from the tables. Empty period fields show Balance_from and
    // today; an unreadable one is kept but counts as empty.
    BalanceSheet refresh(RefreshMode mode, const std::string& fromText, const std::string& toText,
                         const BalanceViews& views);
    // The view switches as the settings keep them.
    BalanceViews views() const;

    // The expense behind the n-th expense row of the last refresh, as the
    // dialog is opened on it; nothing when there is none.
    std::optional<ExpenseInput> expenseAt(std::size_t n);
    // Writes the dialog's values; false when a number does not read.
    bool addExpense(const ExpenseInput& in);
    bool writeExpense(std::size_t n, const ExpenseInput& in);
    // Deletes the n-th expense of the period.
    bool deleteExpense(std::size_t n);

    // A period date field: local midnight of the day, nothing when unreadable.
    static std::optional<std::time_t> periodDay(const std::string& text);

private:
    void fillExpenses(BalanceSheet& s, bool list);
    void fillLots(BalanceSheet& s, bool list);
    void fillTanks(BalanceSheet& s, bool list);
    IncubatorTotals incubatorTotals();
    bool inPeriod(std::time_t t) const { return t >= from_ && t < toEnd_; }
    bool positionOnExpense(std::size_t n);
    static bool write(db::CSent& r, const ExpenseInput& in);

    db::CFishesDoc& doc_;
    core::Settings& settings_;
    std::time_t from_ = 0, toEnd_ = 0;  // toEnd_: midnight after the "to" day
    bool havePeriod_ = false;
};

}  // namespace farm
