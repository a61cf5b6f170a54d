// A species' price card: the size in millimetres and the retail and
// wholesale prices in cents of each of the five size classes, read into and
// written from the fifteen texts of the price dialog.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "db/Records.h"

namespace farm {

struct SizeClass {
    const char* letter;  // "F" ... "A", the lot's Size 0 ... 4
    const char* label;   // "Fries (F)" ...
};
const std::array<SizeClass, 5>& sizeClasses();

// Per size class: size, retail price, wholesale price.
struct PriceFields {
    std::array<std::string, 15> text;
    std::string& size(int cls) { return text[3 * cls]; }
    std::string& retail(int cls) { return text[3 * cls + 1]; }
    std::string& wholesale(int cls) { return text[3 * cls + 2]; }
};

// The card of the taxon, or "0" in every field when it has none.
PriceFields readPriceCard(db::Price& prices, int taxon);
// Adds or replaces the taxon's one card. Nothing is written, and the index of
// the first wrong field is returned, when a price is not a whole number of
// cents (an empty price is 0).
std::optional<int> writePriceCard(db::Price& prices, int taxon, const PriceFields& fields);

}  // namespace farm
