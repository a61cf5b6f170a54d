#include "farm/FieldText.h"

#include "core/Dates.h"

namespace farm {

namespace {

std::string trimmed(const std::string& text) {
    std::size_t b = text.find_first_not_of(' ');
    if (b == std::string::npos) return {};
    std::size_t e = text.find_last_not_of(' ');
    return text.substr(b, e - b + 1);
}

}  // namespace

std::optional<int> readNumber(const std::string& text, int max) {
    std::string t = trimmed(text);
    if (t.empty() || t.size() > 10) return std::nullopt;
    long long value = 0;
    for (char c : t) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value > max) return std::nullopt;
    return static_cast<int>(value);
}

std::optional<int> readCount(const std::string& text, int max) {
    if (trimmed(text).empty()) return 0;
    return readNumber(text, max);
}

std::string numberMessage(int max) {
    return "Inadmissible value!\nPlease type a whole number from 0 to " + std::to_string(max) + "!";
}

std::string countText(int value) { return value == 0 ? std::string() : std::to_string(value); }

std::optional<std::time_t> readFieldDate(const std::string& text) {
    core::DayMonthYear d;
    if (!core::readDate(text, d)) return std::nullopt;
    return core::localDate(static_cast<int>(d.day), static_cast<int>(d.month), static_cast<int>(d.year));
}

std::optional<std::time_t> readEventDate(const std::string& text) {
    if (trimmed(text).empty()) return core::notSetDate();
    return readFieldDate(text);
}

std::string eventDateText(std::time_t t) {
    if (t == 0) return {};
    std::string shown = core::formatDate(t);
    return shown == "01.01.1980" ? std::string() : shown;
}

bool sameDay(std::time_t a, std::time_t b) { return core::formatDate(a) == core::formatDate(b); }

}  // namespace farm
