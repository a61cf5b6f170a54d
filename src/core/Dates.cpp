#include "core/Dates.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unordered_map>

namespace core {

namespace {

std::time_t mktimeOf(int year, int month, int day, int hour, int minute, int second) {
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    tm.tm_isdst = -1;
    return std::mktime(&tm);
}

bool isLeap(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int monthLength(int month, int year) {
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeap(year) ? 29 : days[month - 1];
}

// Days since 1 January 1970 of a proleptic Gregorian date.
std::int64_t dayNumber(int year, int month, int day) {
    const std::int64_t y = month <= 2 ? year - 1 : year;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

// A day's local midnight and whether it lasts exactly 24 hours (no
// daylight-saving change inside it, so a time of day is a plain offset).
struct Day {
    std::time_t midnight;
    bool uniform;
};

// One per thread: mktime itself is thread-safe, a shared map would not be.
struct DayCache {
    bool zoneSet = false;
    std::string zone;
    std::unordered_map<std::int64_t, Day> days;
};

DayCache& dayCache() {
    thread_local DayCache cache;
    return cache;
}

}  // namespace

LocalTimes::LocalTimes() {
    DayCache& c = dayCache();
    const char* zone = std::getenv("TZ");
    const bool set = zone != nullptr;
    if (set != c.zoneSet || (set && c.zone != zone)) {
        c.days.clear();
        c.zoneSet = set;
        c.zone = set ? zone : "";
    }
}

std::time_t LocalTimes::seconds(int year, int month, int day, int hour, int minute, int second) {
    // What mktime would normalise is left to it.
    if (month < 1 || month > 12 || day < 1 || day > monthLength(month, year) || hour < 0 || hour > 23 ||
        minute < 0 || minute > 59 || second < 0 || second > 59)
        return mktimeOf(year, month, day, hour, minute, second);
    DayCache& c = dayCache();
    const std::int64_t n = dayNumber(year, month, day);
    auto it = c.days.find(n);
    if (it == c.days.end()) {
        constexpr std::size_t kMaxDays = 1 << 16;
        if (c.days.size() >= kMaxDays) c.days.clear();
        const std::time_t midnight = mktimeOf(year, month, day, 0, 0, 0);
        const std::time_t next = mktimeOf(year, month, day + 1, 0, 0, 0);
        it = c.days.emplace(n, Day{midnight, next - midnight == 86400}).first;
    }
    if (!it->second.uniform) return mktimeOf(year, month, day, hour, minute, second);
    return it->second.midnight + hour * 3600 + minute * 60 + second;
}

std::time_t localDate(int day, int month, int year) { return LocalTimes().seconds(year, month, day); }

std::time_t startOfDay(std::time_t t) {
    std::tm tm{};
    localtime_r(&t, &tm);
    return localDate(tm.tm_mday, tm.tm_mon + 1, tm.tm_year + 1900);
}

std::time_t notSetDate() { return localDate(1, 1, 1980); }

bool isNotSet(std::time_t t) { return t == notSetDate(); }

std::string dateLiteral(unsigned month, unsigned day, unsigned year) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "#%u/%u/%u#", month, day, year);
    return buf;
}

std::string monthStartLiteral(unsigned month, unsigned year) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "#%u/01/%u#", month, year);
    return buf;
}

std::string dateLiteral(std::time_t t) {
    std::tm tm{};
    localtime_r(&t, &tm);
    return dateLiteral(static_cast<unsigned>(tm.tm_mon + 1), static_cast<unsigned>(tm.tm_mday),
                       static_cast<unsigned>(tm.tm_year + 1900));
}

std::string formatDate(std::time_t t, const char* format) {
    std::tm tm{};
    localtime_r(&t, &tm);
    char buf[128];
    std::size_t n = std::strftime(buf, sizeof buf, format, &tm);
    return std::string(buf, n);
}

namespace {

// Digits after optional blanks; false for none or more than a date can hold.
bool readPart(const std::string& text, std::size_t& pos, unsigned& value) {
    while (pos < text.size() && text[pos] == ' ') ++pos;
    std::size_t start = pos;
    value = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        if (pos - start >= 6) return false;
        value = value * 10 + static_cast<unsigned>(text[pos] - '0');
        ++pos;
    }
    return pos > start;
}

}  // namespace

bool readDate(const std::string& text, DayMonthYear& out) {
    DayMonthYear d;
    std::size_t pos = 0;
    if (!readPart(text, pos, d.day) || pos >= text.size() || text[pos++] != '.') return false;
    if (!readPart(text, pos, d.month) || pos >= text.size() || text[pos++] != '.') return false;
    if (!readPart(text, pos, d.year)) return false;
    if (text.find_first_not_of(' ', pos) != std::string::npos) return false;
    if (d.month < 1 || d.month > 12 || d.year < kFirstYear || d.year > kLastYear) return false;
    if (d.day < 1 || static_cast<int>(d.day) > monthLength(static_cast<int>(d.month), static_cast<int>(d.year))) return false;
    out = d;
    return true;
}

bool isPeriodDate(const std::string& text) {
    DayMonthYear d;
    return text.size() == 10 && readDate(text, d);
}

}  // namespace core
