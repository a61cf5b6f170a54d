#include "reports/PeriodCsv.h"

#include "farm/CsvExport.h"

namespace reports {

namespace {

std::vector<std::string> figureFields(const std::string& period, const PeriodFigures& f) {
    using farm::csvAmount;
    auto n = [](std::int64_t v) { return std::to_string(v); };
    std::vector<std::string> fields{period,        csvAmount(f.balance()), csvAmount(f.turnover()),
                                    n(f.eggs),     n(f.larvas),            n(f.born),
                                    n(f.accepted), n(f.buyed),             csvAmount(f.buyedCents),
                                    n(f.sold),     csvAmount(f.soldCents), n(f.died),
                                    csvAmount(f.diedCents), n(f.gifted),   csvAmount(f.giftedCents),
                                    csvAmount(f.incomes),   csvAmount(f.expenses)};
    for (std::int64_t cents : f.categories) fields.push_back(csvAmount(cents));
    return fields;
}

}  // namespace

std::size_t exportPeriodTable(const ReportContext& context, const std::string& period,
                              const std::filesystem::path& file) {
    PeriodReport report(context, period);
    // The figures are read by the page writer; a writer with no file open
    // takes the page and keeps nothing.
    site::PageOut nowhere;
    report.writeBody(nowhere, [](const std::string&) {});

    farm::CsvFile csv({"Period", "Balance", "Turn-over", "Eggs", "Larvas", "Born", "Accepted", "Bought",
                       "Bought amount", "Sold", "Sold amount", "Died", "Died amount", "Gifted", "Gifted amount",
                       "Incomes", "Expenses", "Food", "Equipment", "Tanks", "Transport", "Other", "Foodsell",
                       "Service"});
    const MonthSpan& span = report.span();
    unsigned month = span.firstMonth, year = span.firstYear;
    PeriodFigures yearFigures;
    for (const PeriodFigures& f : report.months()) {
        csv.add(figureFields(monthAndYear(month, year), f));
        yearFigures += f;
        if (month == 12) {
            csv.add(figureFields(std::to_string(year), yearFigures));
            yearFigures = {};
        }
        if (++month > 12) {
            month = 1;
            ++year;
        }
    }
    csv.add(figureFields("In all", report.totals()));
    csv.save(file);
    return report.months().size();
}

}  // namespace reports
