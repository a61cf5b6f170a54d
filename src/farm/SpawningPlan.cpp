#include "farm/SpawningPlan.h"

#include <algorithm>

#include "farm/ArchivePeriod.h"
#include "farm/LotNames.h"

namespace farm {

core::DayMonthYear planStart(const core::DayMonthYear& today) { return *archiveStart("month", today); }

std::vector<std::string> spawningPlan(db::CFishesDoc& doc, const core::DayMonthYear& today) {
    core::DayMonthYear start = planStart(today);
    db::Incubator spawnings(*doc.db);
    spawnings.setFilter("Date_eggs>=" + core::dateLiteral(start.month, start.day, start.year));
    spawnings.setSort("Of_incubator, Date_eggs, Cod");
    spawnings.requery();
    // Mothers, tanks and names for the whole plan first, a few queries in all.
    std::vector<int> mothers;
    for (; !spawnings.isEOF(); spawnings.moveNext()) mothers.push_back(spawnings.m_Of_mother);
    const std::unordered_map<int, LotSummary> lots = readLots(*doc.db, mothers);
    std::vector<int> tankCodes, taxa;
    for (const auto& lot : lots) {
        tankCodes.push_back(lot.second.tank);
        taxa.push_back(lot.second.taxon);
    }
    db::Aquarium tankRows(*doc.db);
    const std::unordered_map<int, int> litresOf = readTankLitres(tankRows, tankCodes);
    TaxonNames names(*doc.taxa);
    names.prefetch(std::move(taxa));
    std::vector<std::string> lines;
    for (spawnings.moveFirst(); !spawnings.isEOF(); spawnings.moveNext()) {
        std::string line = core::formatDate(spawnings.m_Date_eggs) + ": ";
        int litres = 0;
        auto lot = lots.find(spawnings.m_Of_mother);
        if (lot != lots.end()) {
            line += names.parent(lot->second.taxon, lot->second.other);
            auto tank = litresOf.find(lot->second.tank);
            if (tank != litresOf.end()) litres = tank->second;
        } else {
            line += names.parent(0, "");
        }
        lines.push_back(line + " " + std::to_string(litres) + " litres");
    }
    return lines;
}

std::vector<SpeciesEntry> farmSpecies(db::CFishesDoc& doc, SpeciesChoice choice) {
    db::My_Fish lots(*doc.db);
    lots.setFilter(choice == SpeciesChoice::Living ? "Number_fries>0 OR Number_male>0 OR Number_female>0"
                                                   : "Cod<>5");
    lots.setSort("Of_fish");
    lots.requery();
    std::vector<int> taxa;
    for (; !lots.isEOF(); lots.moveNext()) taxa.push_back(lots.m_Of_fish);
    TaxonNames names(*doc.taxa);
    names.prefetch(std::move(taxa));
    std::vector<SpeciesEntry> entries;
    int last = 0;
    lots.moveFirst();
    for (; !lots.isEOF(); lots.moveNext()) {
        if (!entries.empty() && lots.m_Of_fish == last) continue;
        last = lots.m_Of_fish;
        entries.push_back({names.species(last), last});
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const SpeciesEntry& a, const SpeciesEntry& b) { return a.name < b.name; });
    return entries;
}

}  // namespace farm
