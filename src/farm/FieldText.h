// Reading and showing the values of the farm dialogs' fields: whole
// numbers, dialog dates, event dates whose "not set" value shows empty, and
// the fixed messages for wrong input.
#pragma once

#include <ctime>
#include <optional>
#include <string>

#include "core/Dates.h"

namespace farm {

inline constexpr const char* kDateMessage = core::kDateMessage;

// Largest values of the 16-bit and 32-bit count and money columns.
inline constexpr int kSmallMax = 32767;
inline constexpr int kLongMax = 2147483647;

// Digits only (blanks around them allowed), at most max; an empty text is nothing.
std::optional<int> readNumber(const std::string& text, int max);
// Like readNumber, but an empty text reads as 0 (counts shown empty when 0).
std::optional<int> readCount(const std::string& text, int max);
// The refusal of a text that is not a whole number from 0 to max.
std::string numberMessage(int max);

// A number as a count field shows it: 0 as an empty field.
std::string countText(int value);

// A date typed as DD.MM.YYYY, as local midnight of that day.
std::optional<std::time_t> readFieldDate(const std::string& text);
// An event date (died, gifted, sold): empty or "01.01.1980" is the not-set date.
std::optional<std::time_t> readEventDate(const std::string& text);
// An event date as its field shows it: empty when not set.
std::string eventDateText(std::time_t t);
bool sameDay(std::time_t a, std::time_t b);

}  // namespace farm
