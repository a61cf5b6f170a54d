// "Business report": the farm month by month over the archive period
// ("month", "quarter", "year" or "all"), each month with its balance,
// turnover, breeding results, lots bought, accepted, sold, lost and given
// away, and its expenses and incomes by category; a year row after every
// December and the "In all" row of the whole span. Every sum is signed
// 64-bit cents.
#pragma once

#include <array>
#include <cstdint>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "reports/Report.h"
#include "reports/ReportRunner.h"

namespace reports {

// The months listed: count months from (firstMonth, firstYear) on.
struct MonthSpan {
    unsigned firstMonth = 1, firstYear = 1980;
    int count = 0;
};

// The span of a period text on the day of now. "all" starts at the month of
// the earliest purchase among the tanks in use (no months when there is
// none); a text other than the four words gives no months.
MonthSpan periodSpan(db::CFishesDoc& doc, const std::string& period, std::time_t now);

// "%B %Y" with the English month name, whatever the locale.
std::string monthAndYear(unsigned month, unsigned year);

// The figures of a month, a year or the span; money in cents.
struct PeriodFigures {
    std::int64_t eggs = 0, larvas = 0, born = 0, accepted = 0;
    std::int64_t buyed = 0, buyedCents = 0;
    std::int64_t sold = 0, soldCents = 0;
    std::int64_t died = 0, diedCents = 0;
    std::int64_t gifted = 0, giftedCents = 0;
    std::int64_t incomes = 0, expenses = 0;
    // Food, Equipment, Tanks, Transport, Other, Foodsell, Service.
    std::array<std::int64_t, 7> categories{};

    std::int64_t balance() const { return incomes + soldCents - expenses - buyedCents; }
    std::int64_t turnover() const { return soldCents + incomes; }
    PeriodFigures& operator+=(const PeriodFigures& other);
};

enum Category { Food, Equipment, Tanks, Transport, Other, Foodsell, Service };

class PeriodReport : public Report {
public:
    PeriodReport(ReportContext context, std::string period);
    std::string logTitle() const override;
    std::string output() const override;
    std::string pageTitle() const override;
    void writeBody(site::PageOut& out, const ItemLog& item) override;

    // Of the last page written: the span, each month's figures and the totals.
    const MonthSpan& span() const { return span_; }
    const std::vector<PeriodFigures>& months() const { return months_; }
    const PeriodFigures& totals() const { return totals_; }

private:
    void readFigures();
    void readLots(const std::string& from, const std::string& to);
    void readExpenses(const std::string& from, const std::string& to);
    void readTanks(const std::string& from, const std::string& to);
    void readSpawnings(const std::string& from, const std::string& to);
    // The month of t in the span, or nothing.
    PeriodFigures* monthOf(std::time_t t);

    ReportContext c_;
    std::string period_;
    MonthSpan span_;
    std::vector<PeriodFigures> months_;
    PeriodFigures totals_;
};

std::shared_ptr<Report> periodReport(const ReportContext& context, const std::string& period);
bool startPeriodReport(ReportRunner& runner, const ReportContext& context, const std::string& period);

}  // namespace reports
