// Dates as the program keeps, filters, shows and reads them: local seconds,
// the "not set" date, the desktop engine's date literals and the
// day.month.year form of the dialogs.
#pragma once

#include <ctime>
#include <string>

namespace core {

// Local midnight of the given day (no daylight-saving guess beyond the zone's own).
std::time_t localDate(int day, int month, int year);

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

// Reads "%u.%u.%u" with day 1-31, month 1-12 and year 1971-2030.
bool readDate(const std::string& text, DayMonthYear& out);

// The period field's rule: exactly 10 characters and a valid date.
bool isPeriodDate(const std::string& text);

}  // namespace core
