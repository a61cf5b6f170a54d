#include "core/Dates.h"

#include <cstdio>

namespace core {

std::time_t localDate(int day, int month, int year) {
    std::tm tm{};
    tm.tm_mday = day;
    tm.tm_mon = month - 1;
    tm.tm_year = year - 1900;
    tm.tm_isdst = -1;
    return std::mktime(&tm);
}

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

bool readDate(const std::string& text, DayMonthYear& out) {
    DayMonthYear d;
    if (text.empty() || text[0] == '-' || text[0] == '+') return false;
    if (std::sscanf(text.c_str(), "%u.%u.%u", &d.day, &d.month, &d.year) != 3) return false;
    if (d.day < 1 || d.day > 31 || d.month < 1 || d.month > 12 || d.year < 1971 || d.year > 2030)
        return false;
    out = d;
    return true;
}

bool isPeriodDate(const std::string& text) {
    DayMonthYear d;
    return text.size() == 10 && readDate(text, d);
}

}  // namespace core
