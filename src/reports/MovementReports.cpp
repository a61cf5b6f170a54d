#include "reports/MovementReports.h"

#include "core/Dates.h"
#include "farm/LotNames.h"
#include "reports/PageParts.h"

namespace reports {

namespace {

const char* word(Movement m) {
    switch (m) {
    case Movement::Sold: return "sold";
    case Movement::Died: return "died";
    case Movement::Gifted: return "gifted";
    }
    return "";
}

const char* capitalised(Movement m) {
    switch (m) {
    case Movement::Sold: return "Sold";
    case Movement::Died: return "Died";
    case Movement::Gifted: return "Gifted";
    }
    return "";
}

constexpr const char* kWhiteCount = "<p align=\"center\"><font color=\"#FFFFFF\"><b>";

std::string count(std::int64_t n) { return kWhiteCount + std::to_string(n) + "</b></font>"; }
std::string countOn(std::int64_t n, std::time_t date) { return count(n) + " (" + day(date) + ")"; }
std::string countAt(std::int64_t n, std::int64_t unitCents, std::time_t date) {
    return count(n) + " (" + farm::dollars(unitCents) + " / " + day(date) + ")";
}
std::string countFor(std::int64_t n, std::int64_t cents) { return count(n) + " (" + farm::dollars(cents) + ")"; }

constexpr const char* kNothing = "&nbsp";

std::string totalCell(const std::string& content) {
    return std::string("<td bgcolor=\"") + kDarkBackground + "\">" + content + "</td>\n";
}

// A period bound on a date column: from its first day on, before the day after its last.
std::string within(const char* column, const farm::BalancePeriod& p) {
    return std::string(column) + ">=" + core::dateLiteral(p.from) + " AND " + column + "<" + core::dateLiteral(p.toEnd);
}

}  // namespace

MovementReport::MovementReport(ReportContext context, Movement movement, farm::BalancePeriod period)
    : c_(std::move(context)), movement_(movement), period_(std::move(period)) {}

std::string MovementReport::logTitle() const {
    return std::string("************** ") + capitalised(movement_) + " report *************";
}

std::string MovementReport::output() const { return std::string("\\Reports\\") + word(movement_) + ".html"; }

std::string MovementReport::pageTitle() const {
    return std::string("<title>") + capitalised(movement_) + " report</title>\n";
}

std::string MovementReport::lotFilter() const {
    // The reserved lot is never reported.
    switch (movement_) {
    case Movement::Sold:
        return "Of_fish<>14 AND ((" + within("Date_sale", period_) + ") OR (" + within("Date_mf", period_) +
               ") OR (" + within("Date_first_eat", period_) + "))";
    case Movement::Died: return "Of_fish<>14 AND " + within("Date_dye", period_);
    case Movement::Gifted: return "Of_fish<>14 AND " + within("Date_gift", period_);
    }
    return "";
}

void MovementReport::writeBody(site::PageOut& out, const ItemLog& item) {
    totals_ = {};
    out.write(greenHeading(c_.farmName + "'s fishfarm " + word(movement_) + " report for " + period_.fromText + "-" +
                           period_.toText));
    if (movement_ == Movement::Sold) writeSold(out, item);
    else writeLost(out, item);
    out.write("</table>\n");
}

void MovementReport::readLots(db::My_Fish& l, farm::TaxonNames& names) const {
    l.setFilter(lotFilter());
    l.setSort("Date_first_eat, Cod");
    l.requery();
    std::vector<int> taxa;
    for (; !l.isEOF(); l.moveNext()) taxa.push_back(l.m_Of_fish);
    names.prefetch(taxa);
}

void MovementReport::writeSold(site::PageOut& out, const ItemLog& item) {
    out.write(kFramedTableTwoLines);
    out.write(headRow({{"Fishes", "34%"}, {"Born", "22%"}, {"Buyed", "22%"}, {"Sold", "22%"}}));
    db::My_Fish l(*c_.doc->db);
    db::Fish taxonRows(*c_.doc->db);
    farm::TaxonNames names(taxonRows);
    readLots(l, names);
    for (l.moveFirst(); !l.isEOF(); l.moveNext()) {
        const std::int64_t total = static_cast<std::int64_t>(l.m_Number_fries) + l.m_Number_male +
                                   l.m_Number_female + l.m_Saled + l.m_Gifted + l.m_Died;
        const std::int64_t sold = period_.contains(l.m_Date_sale) ? l.m_Saled : 0;
        const std::int64_t born =
            l.m_Place_birth == c_.farmName && period_.contains(l.m_Date_first_eat) ? total : 0;
        const std::int64_t bought = l.m_Income > 0 && period_.contains(l.m_Date_mf) ? total : 0;
        if (sold > 0 || born > 0 || bought > 0) {
            const std::string name = names.species(l.m_Of_fish);
            item(name);
            out.write(row(cell(name) + cell(born > 0 ? countOn(born, l.m_Date_first_eat) : kNothing) +
                          cell(bought > 0 ? countAt(bought, l.m_Income, l.m_Date_mf) : kNothing) +
                          cell(sold > 0 ? countAt(sold, l.m_Outgo, l.m_Date_sale) : kNothing)));
        }
        totals_.born += born;
        totals_.bought += bought;
        totals_.boughtCents += bought * l.m_Income;
        totals_.sold += sold;
        totals_.soldCents += sold * l.m_Outgo;
    }
    out.write(row(totalCell("In all") + totalCell(count(totals_.born)) +
                  totalCell(countFor(totals_.bought, totals_.boughtCents)) +
                  totalCell(countFor(totals_.sold, totals_.soldCents))));
}

void MovementReport::writeLost(site::PageOut& out, const ItemLog& item) {
    const bool died = movement_ == Movement::Died;
    out.write(kFramedTable);
    out.write(headRow({{"Fishes", "70%"}, {capitalised(movement_), "30%"}}));
    db::My_Fish l(*c_.doc->db);
    db::Fish taxonRows(*c_.doc->db);
    farm::TaxonNames names(taxonRows);
    readLots(l, names);
    std::int64_t total = 0;
    for (l.moveFirst(); !l.isEOF(); l.moveNext()) {
        const std::int64_t n = died ? l.m_Died : l.m_Gifted;
        if (n <= 0) continue;
        const std::string name = names.species(l.m_Of_fish);
        item(name);
        out.write(row(cell(name) + cell(countOn(n, died ? l.m_Date_dye : l.m_Date_gift))));
        total += n;
    }
    (died ? totals_.died : totals_.gifted) = total;
    out.write(row(totalCell("In all") + totalCell(count(total))));
}

farm::BalancePeriod movementPeriod(const core::Settings& settings, const std::string& toField) {
    return farm::balancePeriod(settings.Balance_from, settings.Balance_from, toField);
}

bool startMovementReport(ReportRunner& runner, const ReportContext& context, Movement movement,
                         const farm::BalancePeriod& period) {
    return runner.start(std::make_shared<MovementReport>(context, movement, period), context.env);
}

}  // namespace reports
