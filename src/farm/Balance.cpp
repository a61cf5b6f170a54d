#include "farm/Balance.h"

#include <unordered_map>

#include "core/Dates.h"
#include "farm/FieldText.h"
#include "farm/Incubator.h"
#include "farm/LotNames.h"
#include "farm/TankBook.h"

namespace farm {

namespace {


std::string countAndSum(std::int64_t count, std::int64_t cents) {
    return std::to_string(count) + "(" + dollars(cents) + ")";
}

std::string today() { return core::formatDate(std::time(nullptr)); }

}  // namespace

std::string dollars(std::int64_t cents) {
    bool negative = cents < 0;
    // Work in unsigned so that the most negative value has a magnitude too.
    std::uint64_t m = negative ? 0 - static_cast<std::uint64_t>(cents) : static_cast<std::uint64_t>(cents);
    std::string rest = std::to_string(m % 100);
    if (rest.size() < 2) rest = "0" + rest;
    return std::string("$") + (negative ? "-" : "") + std::to_string(m / 100) + "." + rest;
}

std::string BalanceTotals::fishesText() const { return std::to_string(fishes); }
std::string BalanceTotals::soldText() const { return countAndSum(sold, soldCents); }
std::string BalanceTotals::diedText() const { return countAndSum(died, diedCents); }
std::string BalanceTotals::giftedText() const { return countAndSum(gifted, giftedCents); }
std::string BalanceTotals::summaryText() const { return dollars(spending); }
std::string BalanceTotals::balanceText() const { return dollars(soldCents - spending); }

std::string IncubatorTotals::eggsText() const { return anyOpen ? std::to_string(eggs) : std::string(); }
std::string IncubatorTotals::larvasText() const { return anyOpen ? std::to_string(larvas) : std::string(); }

std::optional<int> expenseCount(const std::string& text) {
    auto n = readCount(text, kSmallMax);
    if (!n) return std::nullopt;
    return *n == 0 ? 1 : *n;
}

std::optional<int> expensePrice(const std::string& text) { return readCount(text, kLongMax); }

ExpenseKinds::ExpenseKinds(db::Senttype& kinds) : r_(kinds) {
    r_.setFilter("");
    r_.setSort("");
    r_.requery();
    for (; !r_.isEOF(); r_.moveNext()) list_.push_back({r_.m_Cod, r_.m_Type, r_.m_Name});
}

std::optional<std::size_t> ExpenseKinds::indexOf(int cod) const {
    for (std::size_t i = 0; i < list_.size(); ++i)
        if (list_[i].cod == cod) return i;
    return std::nullopt;
}

bool ExpenseKinds::positionOn(std::size_t i) {
    if (i >= list_.size()) return false;
    r_.setFilter("Cod=" + std::to_string(list_[i].cod));
    r_.requery();
    return !r_.isEOF();
}

void ExpenseKinds::setIncome(std::size_t i, bool income) {
    if (!positionOn(i) || r_.m_Type == income) return;
    r_.edit();
    r_.m_Type = income;
    r_.update();
    list_[i].income = income;
}

void ExpenseKinds::rename(std::size_t i, const std::string& name) {
    if (!positionOn(i) || r_.m_Name == name) return;
    r_.edit();
    r_.m_Name = name;
    r_.update();
    list_[i].name = name;
}

std::size_t ExpenseKinds::addNew() {
    r_.addNew();
    r_.m_Type = false;
    r_.m_Name = "***";
    r_.update();
    list_.push_back({static_cast<int>(r_.lastInsertedKey()), false, "***"});
    return list_.size() - 1;
}

Balance::Balance(db::CFishesDoc& doc, core::Settings& settings) : doc_(doc), settings_(settings) {}

BalanceViews Balance::views() const {
    return {settings_.Fishview != 0, settings_.Tankview != 0, settings_.Otherview != 0};
}

std::optional<std::time_t> Balance::periodDay(const std::string& text) {
    core::DayMonthYear d;
    if (!core::readDate(text, d)) return std::nullopt;
    return core::localDate(static_cast<int>(d.day), static_cast<int>(d.month), static_cast<int>(d.year));
}

BalancePeriod balancePeriod(const std::string& balanceFrom, const std::string& fromText,
                            const std::string& toText) {
    BalancePeriod p;
    std::string fallbackFrom = core::isPeriodDate(balanceFrom) ? balanceFrom : today();
    p.fromText = fromText.empty() ? fallbackFrom : fromText;
    p.toText = toText.empty() ? today() : toText;
    auto from = Balance::periodDay(p.fromText);
    if (!from) from = Balance::periodDay(fallbackFrom);
    std::string lastDay = Balance::periodDay(p.toText) ? p.toText : today();
    core::DayMonthYear last;
    core::readDate(lastDay, last);
    p.from = *from;
    p.toEnd = core::localDate(static_cast<int>(last.day) + 1, static_cast<int>(last.month), static_cast<int>(last.year));
    return p;
}

BalanceSheet Balance::refresh(RefreshMode mode, const std::string& fromText, const std::string& toText,
                              const BalanceViews& views) {
    BalanceSheet s;
    s.fromText = fromText;
    s.toText = toText;
    if (mode != RefreshMode::IncubatorOnly) {
        BalancePeriod period = balancePeriod(settings_.Balance_from, fromText, toText);
        s.fromText = period.fromText;
        s.toText = period.toText;
        from_ = period.from;
        toEnd_ = period.toEnd;
        havePeriod_ = true;

        fillExpenses(s, views.other);
        s.fishStart = s.rows.size();
        fillLots(s, views.fishes);
        s.tankStart = s.rows.size();
        fillTanks(s, views.tanks);
        s.listsDone = true;
    }
    if (mode != RefreshMode::ListsAndTotals) {
        s.incubator = incubatorTotals();
        s.incubatorDone = true;
    }
    return s;
}

void Balance::fillExpenses(BalanceSheet& s, bool list) {
    // The kinds are few; one read instead of a lookup per expense.
    struct Kind {
        bool income;
        std::string name;
    };
    std::unordered_map<int, Kind> kinds;
    db::Senttype& k = *doc_.expenseKinds;
    k.setFilter("");
    k.requery();
    for (; !k.isEOF(); k.moveNext()) kinds[k.m_Cod] = {k.m_Type, k.m_Name};

    db::CSent& e = *doc_.expenses;
    e.setFilter("Date>=" + core::dateLiteral(from_) + " AND Date<" + core::dateLiteral(toEnd_));
    e.setSort("Date");
    e.requery();
    for (; !e.isEOF(); e.moveNext()) {
        if (!inPeriod(e.m_Date)) continue;
        auto kind = kinds.find(e.m_Type);
        std::int64_t amount = static_cast<std::int64_t>(e.m_Count) * e.m_Price;
        bool income = kind != kinds.end() && kind->second.income;
        s.totals.spending += income ? -amount : amount;
        if (!list) continue;
        BalanceRow row;
        row.date = core::formatDate(e.m_Date);
        if (e.m_Count >= 2) row.num = std::to_string(e.m_Count);
        row.price = dollars(e.m_Price);
        row.text = kind != kinds.end() ? kind->second.name : std::string();
        if (!e.m_Comment.empty()) row.text += " (" + e.m_Comment + ")";
        s.rows.push_back(std::move(row));
    }
}

void Balance::fillLots(BalanceSheet& s, bool list) {
    const std::size_t firstRow = s.rows.size();
    std::vector<int> taxa;  // of the rows from firstRow on, named at the end in a few queries
    db::My_Fish& l = *doc_.lots;
    l.setFilter("Of_fish<>14");
    l.requery();
    for (; !l.isEOF(); l.moveNext()) {
        std::int64_t living = static_cast<std::int64_t>(l.m_Number_fries) + l.m_Number_male + l.m_Number_female;
        s.totals.fishes += living;
        if (inPeriod(l.m_Date_sale)) {
            s.totals.sold += l.m_Saled;
            s.totals.soldCents += static_cast<std::int64_t>(l.m_Saled) * l.m_Outgo;
        }
        if (inPeriod(l.m_Date_dye)) {
            s.totals.died += l.m_Died;
            s.totals.diedCents += static_cast<std::int64_t>(l.m_Died) * l.m_Income;
        }
        if (inPeriod(l.m_Date_gift)) {
            s.totals.gifted += l.m_Gifted;
            s.totals.giftedCents += static_cast<std::int64_t>(l.m_Gifted) * l.m_Income;
        }
        if (l.m_Income > 0 && inPeriod(l.m_Date_mf)) {
            std::int64_t bought = static_cast<std::int64_t>(l.m_Saled) + l.m_Gifted + l.m_Died + living;
            s.totals.spending += bought * l.m_Income;
            if (list) {
                s.rows.push_back({core::formatDate(l.m_Date_mf), std::to_string(bought), dollars(l.m_Income), ""});
                taxa.push_back(l.m_Of_fish);
            }
        }
    }
    if (taxa.empty()) return;
    TaxonNames names(*doc_.taxa);
    names.prefetch(taxa);
    for (std::size_t i = 0; i < taxa.size(); ++i) s.rows[firstRow + i].text = names.species(taxa[i]);
}

void Balance::fillTanks(BalanceSheet& s, bool list) {
    db::Aquarium& t = *doc_.tanks;
    t.setFilter("Cod<>2");
    t.requery();
    for (; !t.isEOF(); t.moveNext()) {
        std::string litres = std::to_string(t.m_In_liters);
        if (t.m_Price > 0 && inPeriod(t.m_Date)) {
            s.totals.spending += t.m_Price;
            if (list) s.rows.push_back({core::formatDate(t.m_Date), "1", dollars(t.m_Price), litres + " liters"});
        }
        if (t.m_Price_out >= 1 && inPeriod(t.m_Date_out)) {
            s.totals.spending -= t.m_Price_out;
            if (list)
                s.rows.push_back(
                    {core::formatDate(t.m_Date_out), "1", dollars(t.m_Price_out), litres + " liters sold"});
        }
    }
    t.setFilter(kTanksInService);
    t.requery();
}

IncubatorTotals Balance::incubatorTotals() {
    IncubatorTotals out;
    db::Incubator& i = *doc_.spawnings;
    i.setFilter(kOpenSpawnings);
    i.requery();
    for (; !i.isEOF(); i.moveNext()) {
        out.anyOpen = true;
        if (i.m_Number_fries < 1) out.eggs += i.m_Number_eggs;
        else out.larvas += i.m_Number_fries;
    }
    return out;
}

bool Balance::positionOnExpense(std::size_t n) {
    if (!havePeriod_) return false;
    db::CSent& e = *doc_.expenses;
    e.setFilter("Date>=" + core::dateLiteral(from_) + " AND Date<" + core::dateLiteral(toEnd_));
    e.setSort("Date");
    e.requery();
    e.moveFromFirst(n);
    return !e.isEOF();
}

std::optional<ExpenseInput> Balance::expenseAt(std::size_t n) {
    if (!positionOnExpense(n)) return std::nullopt;
    const db::CSent& e = *doc_.expenses;
    ExpenseInput in;
    in.type = e.m_Type;
    in.count = std::to_string(e.m_Count);
    in.date = e.m_Date;
    in.comment = e.m_Comment;
    in.price = std::to_string(e.m_Price);
    return in;
}

bool Balance::write(db::CSent& r, const ExpenseInput& in) {
    auto count = expenseCount(in.count);
    auto price = expensePrice(in.price);
    if (!count || !price) return false;
    r.m_Type = in.type;
    r.m_Count = *count;
    r.m_Date = in.date;
    r.m_Comment = in.comment;
    r.m_Price = *price;
    return true;
}

bool Balance::addExpense(const ExpenseInput& in) {
    db::CSent& e = *doc_.expenses;
    e.addNew();
    if (!write(e, in)) {
        e.cancelUpdate();
        return false;
    }
    e.update();
    return true;
}

bool Balance::writeExpense(std::size_t n, const ExpenseInput& in) {
    if (!expenseCount(in.count) || !expensePrice(in.price) || !positionOnExpense(n)) return false;
    db::CSent& e = *doc_.expenses;
    e.edit();
    write(e, in);
    e.update();
    return true;
}

bool Balance::deleteExpense(std::size_t n) {
    if (!positionOnExpense(n)) return false;
    doc_.expenses->deleteRow();
    return true;
}

}  // namespace farm
