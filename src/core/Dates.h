// Dates as the program keeps, filters, shows and reads them: local seconds,
// the "not set" date, the desktop engine's date literals and the
// day.month.year form of the dialogs.
#pragma once

#include <ctime>
#include <string>

namespace core {

// Local midnight of the given day (no daylight-saving guess beyond the zone's own).
std::time_t localDate(int day, int month, int year);

// Local seconds of a date and time of day, equal to mktime's with the zone
// deciding daylight saving, without consulting the zone for every value:
// each day is looked up once per thread and zone. Checks the process's
// zone (TZ) when made, so make one for a batch of values, not per value.
class LocalTimes {
public:
    LocalTimes();
    std::time_t seconds(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);
};

// Local midnight of the day that holds t, whatever its year.
std::time_t startOfDay(std::time_t t);

// Local midnight of 1 January 1980: a date column with no real value.
std::time_t notSetDate();
bool isNotSet(std::time_t t);

// "#%u/%u/%u#" (month, day, four-digit year).
std::string dateLiteral(unsigned month, unsigned day, unsigned year);
// "#%u/01/%u#" (month, year): the first day of a month.
std::string monthStartLiteral(unsigned month, unsigned year);
// The literal of the day that holds t.
std::string dateLiteral(std::time_t t);

// strftime of local time; "%d.%m.%Y" unless told otherwise.
std::string formatDate(std::time_t t, const char* format = "%d.%m.%Y");

struct DayMonthYear {
    unsigned day = 0, month = 0, year = 0;
};

inline constexpr unsigned kFirstYear = 1971;
inline constexpr unsigned kLastYear = 2030;
// The refusal of a date that does not read, naming the years allowed.
inline constexpr const char* kDateMessage =
    "Inadmissible value!\nPlease set date in DD.MM.YYYY format!\nYears from 1971 to 2030 are allowed.";

// Reads day.month.year (blanks around the numbers allowed): a real day of
// the month, month 1-12 and year kFirstYear-kLastYear. Numbers too long to
// hold and text after the year are refused.
bool readDate(const std::string& text, DayMonthYear& out);

// The period field's rule: exactly 10 characters and a valid date.
bool isPeriodDate(const std::string& text);

}  // namespace core
