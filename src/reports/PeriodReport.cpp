#include "reports/PeriodReport.h"

#include <unordered_map>

#include "core/Dates.h"
#include "farm/Balance.h"
#include "farm/TankBook.h"
#include "reports/PageParts.h"

namespace reports {

namespace {

struct MonthYear {
    unsigned month = 1, year = 1980;
};

MonthYear monthYearOf(std::time_t t) {
    std::tm tm{};
    localtime_r(&t, &tm);
    return {static_cast<unsigned>(tm.tm_mon + 1), static_cast<unsigned>(tm.tm_year + 1900)};
}

MonthYear monthAfter(MonthYear m, int months) {
    const long index = static_cast<long>(m.year) * 12 + (m.month - 1) + months;
    return {static_cast<unsigned>(index % 12 + 1), static_cast<unsigned>(index / 12)};
}

long monthsBetween(MonthYear from, MonthYear to) {
    return (static_cast<long>(to.year) - from.year) * 12 + (static_cast<long>(to.month) - from.month);
}

// The first purchase among the tanks in use; a tank whose date was never set
// has none.
bool earliestTankInUse(db::CFishesDoc& doc, MonthYear& out) {
    db::Aquarium tanks(*doc.db);
    tanks.setFilter(std::string(farm::kTanksInService) + " AND Date>#01/01/1980#");
    tanks.setSort("Date");
    tanks.requery();
    if (tanks.isEOF()) return false;
    out = monthYearOf(tanks.m_Date);
    return true;
}

// "Column>=#m/01/y# AND Column<#m/01/y#".
std::string within(const char* column, const std::string& from, const std::string& to) {
    return std::string(column) + ">=" + from + " AND " + column + "<" + to;
}

// ---- cells -------------------------------------------------------------------

constexpr const char* kNothing = "&nbsp";
constexpr const char* kYearBackground = "#604040";
constexpr const char* kTotalsBackground = "#006000";

std::string whiteCount(std::int64_t n) {
    return "<p align=\"center\"><font color=\"#FFFFFF\"><b>" + std::to_string(n) + "</b></font>";
}
std::string countCell(std::int64_t n) { return n == 0 ? kNothing : whiteCount(n); }
std::string countAndMoney(std::int64_t n, std::int64_t cents) {
    return n == 0 ? kNothing : whiteCount(n) + " (" + farm::dollars(cents) + ")";
}
std::string boldMoney(std::int64_t cents, const char* colour) {
    return std::string("<p align=\"center\"><font color=\"") + colour + "\"><b>" + farm::dollars(cents) +
           "</b></font>";
}
std::string whiteMoney(std::int64_t cents) {
    return cents == 0 ? kNothing : boldMoney(cents, "#FFFFFF");
}
std::string categoryMoney(std::int64_t cents) {
    return cents == 0 ? kNothing : "<p align=\"center\"><font color=\"#FFFFFF\">" + farm::dollars(cents) + "</font>";
}

struct RowStyle {
    std::string open;  // the tag that opens every cell after the first
    const char* balanceColour;
    const char* turnoverColour;
};

const RowStyle kMonthStyle{"<td>", "#FFFF00", "#00AAAA"};
const RowStyle kYearStyle{std::string("<td bgcolor=\"") + kYearBackground + "\">", "#00FFFF", "#00FF00"};
// The span's totals look like a year's, on their own green.
const RowStyle kTotalsStyle{std::string("<td bgcolor=\"") + kTotalsBackground + "\">", "#00FFFF", "#00FF00"};

// The nineteen cells after the first, in the order of the heads.
std::string figureCells(const PeriodFigures& f, const RowStyle& style) {
    std::string cells;
    auto add = [&](const std::string& content) { cells += style.open + content + "</td>\n"; };
    add(boldMoney(f.balance(), style.balanceColour));
    add(boldMoney(f.turnover(), style.turnoverColour));
    add(countCell(f.eggs));
    add(countCell(f.larvas));
    add(countCell(f.born));
    add(countCell(f.accepted));
    add(countAndMoney(f.buyed, f.buyedCents));
    add(countAndMoney(f.sold, f.soldCents));
    add(countAndMoney(f.died, f.diedCents));
    add(countAndMoney(f.gifted, f.giftedCents));
    add(whiteMoney(f.incomes));
    add(whiteMoney(f.expenses));
    for (std::int64_t cents : f.categories) add(categoryMoney(cents));
    return cells;
}

std::string monthRow(const std::string& name, const PeriodFigures& f) {
    return row("<td>" + name + "</td>\n" + figureCells(f, kMonthStyle));
}

std::string yearRow(unsigned year, const PeriodFigures& f) {
    return row(std::string("<p align=\"center\"><td bgcolor=\"") + kYearBackground + "\">" + std::to_string(year) +
               " </td>\n" + figureCells(f, kYearStyle));
}

std::string totalsRow(const PeriodFigures& f) {
    return row(std::string("<p align=\"center\"><td bgcolor=\"") + kTotalsBackground + "\">In all</td>\n" +
               figureCells(f, kTotalsStyle));
}

std::string headCells() {
    static const std::pair<const char*, const char*> heads[] = {
        {"Balance", "8%"},  {"Turn-over", "8%"}, {"Eggs", "7%"},      {"Larvas", "6%"},  {"Born", "6%"},
        {"Accepted", "6%"}, {"Buyed", "11%"},    {"Sold", "11%"},     {"Died", "11%"},   {"Gifted", "11%"},
        {"Incomes", "6%"},  {"Expenses", "8%"},  {"Food", "8%"},      {"Equipment", "8%"}, {"Tanks", "8%"},
        {"Transport", "8%"}, {"Other", "8%"},    {"Foodsell", "8%"},  {"Service", "8%"}};
    const std::string open = "<td valign=\"top\" width=\"";
    const std::string rest = "\" bgcolor=\"#404060\"><p align=\"center\"><b>";
    // The Period head has no closing paragraph tag.
    std::string cells = open + "10%" + rest + "Period</b></td>\n";
    for (const auto& [name, width] : heads) cells += open + width + rest + name + "</b></p></td>\n";
    return row(cells);
}

// The column of an expense category by its code.
Category categoryOfKind(int cod) {
    switch (cod) {
    case 1: return Food;
    case 2: return Equipment;
    case 3: return Transport;
    case 4: return Foodsell;
    case 5: return Service;
    default: return Other;
    }
}

}  // namespace

MonthSpan periodSpan(db::CFishesDoc& doc, const std::string& period, std::time_t now) {
    const MonthYear today = monthYearOf(now);
    MonthYear first;
    if (period == "month") first = monthAfter(today, -1);
    else if (period == "quarter") first = monthAfter(today, -3);
    else if (period == "year") first = monthAfter(today, -12);
    else if (period != "all" || !earliestTankInUse(doc, first)) return {};
    const long count = monthsBetween(first, today) + 1;
    return {first.month, first.year, count > 0 ? static_cast<int>(count) : 0};
}

std::string monthAndYear(unsigned month, unsigned year) {
    static const char* const names[] = {"January", "February", "March",     "April",   "May",      "June",
                                        "July",    "August",   "September", "October", "November", "December"};
    return std::string(month >= 1 && month <= 12 ? names[month - 1] : "") + " " + std::to_string(year);
}

PeriodFigures& PeriodFigures::operator+=(const PeriodFigures& o) {
    eggs += o.eggs;
    larvas += o.larvas;
    born += o.born;
    accepted += o.accepted;
    buyed += o.buyed;
    buyedCents += o.buyedCents;
    sold += o.sold;
    soldCents += o.soldCents;
    died += o.died;
    diedCents += o.diedCents;
    gifted += o.gifted;
    giftedCents += o.giftedCents;
    incomes += o.incomes;
    expenses += o.expenses;
    for (std::size_t i = 0; i < categories.size(); ++i) categories[i] += o.categories[i];
    return *this;
}

PeriodReport::PeriodReport(ReportContext context, std::string period)
    : c_(std::move(context)), period_(std::move(period)) {}

std::string PeriodReport::logTitle() const { return "************** Commercial report for period *************"; }

std::string PeriodReport::output() const { return "\\Reports\\period.html"; }

std::string PeriodReport::pageTitle() const { return "<title>Report for last " + period_ + "</title>\n"; }

PeriodFigures* PeriodReport::monthOf(std::time_t t) {
    if (core::isNotSet(t)) return nullptr;
    const long i = monthsBetween({span_.firstMonth, span_.firstYear}, monthYearOf(t));
    return i >= 0 && i < span_.count ? &months_[static_cast<std::size_t>(i)] : nullptr;
}

// The whole span is read once, each table in one query, and every event is
// put into the month of its own date.
void PeriodReport::readFigures() {
    months_.assign(static_cast<std::size_t>(span_.count), PeriodFigures{});
    if (span_.count == 0) return;
    const MonthYear end = monthAfter({span_.firstMonth, span_.firstYear}, span_.count);
    const std::string from = core::monthStartLiteral(span_.firstMonth, span_.firstYear);
    const std::string to = core::monthStartLiteral(end.month, end.year);
    readLots(from, to);
    readExpenses(from, to);
    readTanks(from, to);
    readSpawnings(from, to);
}

void PeriodReport::readLots(const std::string& from, const std::string& to) {
    db::My_Fish l(*c_.doc->db);
    l.setFilter("Of_fish<>14 AND ((" + within("Date_sale", from, to) + ") OR (" + within("Date_mf", from, to) +
                ") OR (" + within("Date_first_eat", from, to) + ") OR (" + within("Date_gift", from, to) + ") OR (" +
                within("Date_dye", from, to) + "))");
    l.requery();
    for (; !l.isEOF(); l.moveNext()) {
        const std::int64_t total = static_cast<std::int64_t>(l.m_Number_male) + l.m_Number_female +
                                   l.m_Number_fries + l.m_Died + l.m_Gifted + l.m_Saled;
        if (PeriodFigures* m = monthOf(l.m_Date_sale)) {
            m->sold += l.m_Saled;
            m->soldCents += static_cast<std::int64_t>(l.m_Saled) * l.m_Outgo;
        }
        if (PeriodFigures* m = monthOf(l.m_Date_dye)) {
            m->died += l.m_Died;
            m->diedCents += static_cast<std::int64_t>(l.m_Died) * l.m_Income;
        }
        if (PeriodFigures* m = monthOf(l.m_Date_gift)) {
            m->gifted += l.m_Gifted;
            m->giftedCents += static_cast<std::int64_t>(l.m_Gifted) * l.m_Income;
        }
        if (l.m_Place_birth == c_.farmName) {
            if (PeriodFigures* m = monthOf(l.m_Date_first_eat)) m->born += total;
        } else if (PeriodFigures* m = monthOf(l.m_Date_mf)) {
            if (l.m_Income <= 0) {
                m->accepted += total;
            } else {
                m->buyed += total;
                m->buyedCents += total * l.m_Income;
            }
        }
    }
}

void PeriodReport::readExpenses(const std::string& from, const std::string& to) {
    db::Senttype kindRows(*c_.doc->db);
    const farm::ExpenseKinds kinds(kindRows);
    std::unordered_map<int, bool> incomeKinds;
    for (const farm::ExpenseKind& k : kinds.list()) incomeKinds[k.cod] = k.income;
    db::CSent e(*c_.doc->db);
    e.setFilter(within("Date", from, to));
    e.requery();
    for (; !e.isEOF(); e.moveNext()) {
        PeriodFigures* m = monthOf(e.m_Date);
        if (!m) continue;
        const auto kind = incomeKinds.find(e.m_Type);
        const bool income = kind != incomeKinds.end() && kind->second;
        const std::int64_t amount = static_cast<std::int64_t>(e.m_Count) * e.m_Price;
        (income ? m->incomes : m->expenses) += amount;
        m->categories[categoryOfKind(e.m_Type)] += amount;
    }
}

void PeriodReport::readTanks(const std::string& from, const std::string& to) {
    db::Aquarium t(*c_.doc->db);
    t.setFilter("Cod<>2 AND ((" + within("Date", from, to) + ") OR (" + within("Date_out", from, to) + "))");
    t.requery();
    for (; !t.isEOF(); t.moveNext()) {
        if (PeriodFigures* m = monthOf(t.m_Date)) {
            m->expenses += t.m_Price;
            m->categories[Tanks] += t.m_Price;
        }
        if (PeriodFigures* m = monthOf(t.m_Date_out)) {
            m->incomes += t.m_Price_out;
            m->categories[Service] += t.m_Price_out;
        }
    }
}

void PeriodReport::readSpawnings(const std::string& from, const std::string& to) {
    db::Incubator s(*c_.doc->db);
    // The origin of bought lots is no spawning.
    s.setFilter("Fries_out>=0 AND ((" + within("Date_eggs", from, to) + ") OR (" + within("Date_fries", from, to) +
                "))");
    s.requery();
    for (; !s.isEOF(); s.moveNext()) {
        if (PeriodFigures* m = monthOf(s.m_Date_eggs)) m->eggs += s.m_Number_eggs;
        if (PeriodFigures* m = monthOf(s.m_Date_fries)) m->larvas += s.m_Number_fries;
    }
}

void PeriodReport::writeBody(site::PageOut& out, const ItemLog& item) {
    span_ = periodSpan(*c_.doc, period_, c_.env.now());
    if (span_.count == 0 && period_ == "all") item("No tank in use: no months to report");
    readFigures();
    totals_ = {};

    out.write(greenHeading(c_.farmName + "'s fishfarm report for last " + period_));
    out.write("<table border=\"1\" cellpadding=\"1\" cellspacing=\"1\" width=\"150%\"\nbordercolor=\"#A0A0A0\">\n");
    out.write(headCells());
    MonthYear month{span_.firstMonth, span_.firstYear};
    PeriodFigures year;
    for (const PeriodFigures& figures : months_) {
        const std::string name = monthAndYear(month.month, month.year);
        item(name);
        out.write(monthRow(name, figures));
        year += figures;
        totals_ += figures;
        if (month.month == 12) {
            out.write(yearRow(month.year, year));
            year = {};
        }
        month = monthAfter(month, 1);
    }
    out.write(totalsRow(totals_));
    out.write("</table>\n");
}

std::shared_ptr<Report> periodReport(const ReportContext& context, const std::string& period) {
    return std::make_shared<PeriodReport>(context, period);
}

bool startPeriodReport(ReportRunner& runner, const ReportContext& context, const std::string& period) {
    return runner.start(periodReport(context, period), context.env);
}

}  // namespace reports
