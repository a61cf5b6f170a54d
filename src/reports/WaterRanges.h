// What the water of a tank should be: the ranges of temperature, pH,
// general and carbonate hardness that the care cards of the species living
// in the tank give, intersected, so the journal can be read against them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "db/CFishesDoc.h"

namespace reports {

struct ValueRange {
    double low = 0, high = 0;
    bool operator==(const ValueRange& o) const { return low == o.low && high == o.high; }
};

// A card's sub-field as a range: "24-28", "6,5 - 7.5", "6.5…7.5", or one
// value ("7" is 7 to 7). Nothing for an empty or unreadable text.
std::optional<ValueRange> readRange(const std::string& text);

// Where the ranges of one parameter meet.
struct RangeLimit {
    std::optional<ValueRange> range;  // none: no card states one, or they do not meet
    bool conflict = false;           // the cards state ranges with nothing in common
    int stated = 0;                  // how many cards state one
};

struct WaterRanges {
    RangeLimit temperature, pH, dGh, dKh;
    std::vector<std::string> species;  // the names of the species whose cards were read
};

// Meets a limit with one more card's text.
void narrow(RangeLimit& limit, const std::string& cardText);

// The species of the lots in the tank that hold animals, each with its
// keeping conditions (card of the lot's own taxon; a lot without a card, or
// with an empty one, does not narrow anything).
WaterRanges tankWaterRanges(db::CFishesDoc& doc, int tank);

}  // namespace reports
