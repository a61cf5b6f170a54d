#include "reports/TankJournalPage.h"

#include "core/Dates.h"
#include "farm/TankBook.h"
#include "reports/Bulletin.h"
#include "reports/PageParts.h"

namespace reports {

namespace {

std::string rangeText(const RangeLimit& limit, const std::string& unit) {
    if (limit.conflict) return "the cards do not agree";
    if (!limit.range) return "&nbsp;";
    return chartNumber(limit.range->low) + " - " + chartNumber(limit.range->high) + unit;
}

}  // namespace

TankJournalPage::TankJournalPage(ReportContext context, int tank) : c_(std::move(context)), tank_(tank) {}

std::string TankJournalPage::logTitle() const { return "************** Journal of tank *************"; }

std::string TankJournalPage::output() const { return "\\Reports\\journal" + std::to_string(tank_) + ".html"; }

std::string TankJournalPage::tankName() const {
    db::Aquarium t(*c_.doc->db);
    t.setFilter("Cod=" + std::to_string(tank_));
    t.requery();
    if (t.isEOF()) return c_.emptyTankName;
    return farm::tankLine(t.m_In_liters, t.m_Other, c_.emptyTankName);
}

std::string TankJournalPage::pageTitle() const {
    return "<title>Journal of tank " + escapeHtml(tankName()) + "</title>\n";
}

void TankJournalPage::writeBody(site::PageOut& out, const ItemLog& item) {
    const std::vector<farm::JournalEntry> entries = farm::readJournal(*c_.doc->db, tank_);
    const WaterRanges ranges = tankWaterRanges(*c_.doc, tank_);
    const JournalChartData data = journalChartData(entries, ranges);

    out.write(greenHeading("Journal of tank " + escapeHtml(tankName())));
    out.write("<p align=\"center\">\n" + journalSvg(data) + "</p>\n");

    out.write(kFramedTable);
    out.write(headRow({{"Safe for", "40%"}, {"Temperature", "15%"}, {"pH", "15%"}, {"dGh", "15%"}, {"dKh", "15%"}}));
    std::string species;
    for (const std::string& s : ranges.species) species += (species.empty() ? "" : ", ") + escapeHtml(s);
    out.write(row(cell(species.empty() ? "&nbsp;" : species) + cell(rangeText(ranges.temperature, "°C")) +
                  cell(rangeText(ranges.pH, "")) + cell(rangeText(ranges.dGh, "")) + cell(rangeText(ranges.dKh, ""))));
    out.write("</table>\n<br>\n");

    out.write(kFramedTable);
    out.write(headRow({{"Date", ""}, {"Water change", ""}, {"pH", ""}, {"dGh", ""}, {"dKh", ""}, {"Saltiness", ""},
                       {"Redox", ""}, {"Ammonia", ""}, {"Nitrites", ""}, {"Nitrates", ""}, {"Phosphates", ""}}));
    auto text = [](const std::string& s) { return s.empty() ? std::string("&nbsp;") : escapeHtml(s); };
    for (const farm::JournalEntry& e : entries) {
        const std::string date = core::formatDate(e.date);
        item(date);
        out.write(row(cell(date) + cell(e.waterChange ? std::to_string(e.volume) + " л." : "&nbsp;") +
                      cell(text(e.pHText)) + cell(std::to_string(e.dGh)) + cell(std::to_string(e.dKh)) +
                      cell(std::to_string(e.salt)) + cell(text(e.redoxText)) + cell(text(e.ammoniaText)) +
                      cell(text(e.nitritesText)) + cell(text(e.nitratesText)) + cell(text(e.phosphatesText))));
    }
    out.write("</table>\n");
}

}  // namespace reports
