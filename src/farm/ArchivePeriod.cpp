#include "farm/ArchivePeriod.h"

#include <ctime>

namespace farm {

const std::vector<ArchivePeriod>& archivePeriods() {
    static const std::vector<ArchivePeriod> periods = {
        {"month", "Month"}, {"quarter", "Quarter"}, {"year", "Year"}, {"all", "All period"}};
    return periods;
}

core::DayMonthYear today() {
    std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    return {static_cast<unsigned>(tm.tm_mday), static_cast<unsigned>(tm.tm_mon + 1),
            static_cast<unsigned>(tm.tm_year + 1900)};
}

std::optional<core::DayMonthYear> archiveStart(const std::string& period, const core::DayMonthYear& today) {
    if (period == "all") return std::nullopt;
    core::DayMonthYear start = today;
    unsigned back = period == "month" ? 1 : period == "year" ? 12 : 3;
    if (back == 12) {
        --start.year;
    } else if (start.month <= back) {
        start.month += 12 - back;
        --start.year;
    } else {
        start.month -= back;
    }
    bool thirtyDays = start.month == 4 || start.month == 6 || start.month == 9 || start.month == 11;
    if (start.day == 31 && thirtyDays) start.day = 30;
    if (start.month == 2 && start.day >= 29) start.day = 28;
    return start;
}

std::string lotArchiveClause(const std::string& period, const core::DayMonthYear& today) {
    auto start = archiveStart(period, today);
    if (!start) return {};
    std::string day = core::dateLiteral(start->month, start->day, start->year);
    return "AND Date_first_eat>=#01/01/80# AND (Date_dye>=" + day + " OR Date_sale>=" + day +
           " OR Date_gift>=" + day + ")";
}

}  // namespace farm
