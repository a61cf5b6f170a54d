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
    db::My_Fish lots(*doc.db);
    db::Aquarium tanks(*doc.db);
    TaxonNames names(*doc.taxa);
    std::vector<std::string> lines;
    for (; !spawnings.isEOF(); spawnings.moveNext()) {
        std::string line = core::formatDate(spawnings.m_Date_eggs) + ": ";
        lots.setFilter("Cod=" + std::to_string(spawnings.m_Of_mother));
        lots.requery();
        int litres = 0;
        if (!lots.isEOF()) {
            line += names.parent(lots.m_Of_fish, lots.m_Other);
            tanks.setFilter("Cod=" + std::to_string(lots.m_Of_aquarium));
            tanks.requery();
            if (!tanks.isEOF()) litres = tanks.m_In_liters;
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
    TaxonNames names(*doc.taxa);
    std::vector<SpeciesEntry> entries;
    int last = 0;
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
