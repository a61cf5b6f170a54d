// The plan of spawnings: the mothers that spawned during the last month with
// the volumes of their tanks; and the farm's species as a chooser list,
// those with living animals or all of them.
#pragma once

#include <string>
#include <vector>

#include "db/CFishesDoc.h"
#include "core/Dates.h"

namespace farm {

// The first day of the plan: one month before today, clamped like the archive.
core::DayMonthYear planStart(const core::DayMonthYear& today);

// "DD.MM.YYYY: Mother species (tokens) N litres" for every spawning laid
// from the plan's first day on, in the incubator's order.
std::vector<std::string> spawningPlan(db::CFishesDoc& doc, const core::DayMonthYear& today);

enum class SpeciesChoice { Living = 1, All = 2 };

struct SpeciesEntry {
    std::string name;
    int taxon = 0;
};

// One entry per species of the farm's lots (every lot but the reserved one,
// or only those with living animals), by name.
std::vector<SpeciesEntry> farmSpecies(db::CFishesDoc& doc, SpeciesChoice choice);

}  // namespace farm
