// The archive periods of the lot and spawning archives: "month", "quarter",
// "year" or "all", the start day each gives from today, and the lot
// archive's date clause.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/Dates.h"

namespace farm {

struct ArchivePeriod {
    const char* value;  // as stored in the settings
    const char* label;  // as the "Archive by period:" dialog lists it
};

// Month, Quarter, Year, All period.
const std::vector<ArchivePeriod>& archivePeriods();

core::DayMonthYear today();

// One month, three months or one year before today; a 31st missing in the
// target month becomes the 30th, and in February any day from the 29th on
// becomes the 28th. Nothing for "all"; any unknown value counts as "quarter".
std::optional<core::DayMonthYear> archiveStart(const std::string& period, const core::DayMonthYear& today);

// "AND Date_first_eat>=#01/01/80# AND (Date_dye>=... OR Date_sale>=... OR
// Date_gift>=...)" with the start day; empty for "all".
std::string lotArchiveClause(const std::string& period, const core::DayMonthYear& today);

}  // namespace farm
