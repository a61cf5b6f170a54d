#include "core/Dates.h"

#include <cstdio>
#include <string>

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

unsigned daysInMonth(unsigned month, unsigned year) {
    static const unsigned days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
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
    if (d.day < 1 || d.day > daysInMonth(d.month, d.year)) return false;
    out = d;
    return true;
}

bool isPeriodDate(const std::string& text) {
    DayMonthYear d;
    return text.size() == 10 && readDate(text, d);
}

}  // namespace core
