// The fixed codes every layer knows: the six classes the database is
// shipped with, the root and class levels, and the reserved farm rows that
// the farm never lists, reports or deletes.
#pragma once

#include <cstdint>

namespace core {

constexpr std::int32_t kFishes = 14;
constexpr std::int32_t kCrustaceans = 10420;
constexpr std::int32_t kDicotyledons = 12127;
constexpr std::int32_t kMonocotyledons = 12129;
constexpr std::int32_t kFerns = 12176;
constexpr std::int32_t kMosses = 12329;

constexpr std::int32_t kRootLevel = 536870912;
constexpr std::int32_t kClassLevel = 262144;

// The lot whose Of_fish is 14, the tank whose Cod is 2 and the spawning whose
// Cod is 2 (parents not recorded, and the origin of bought lots).
constexpr std::int32_t kReservedLotTaxon = kFishes;
constexpr std::int32_t kReservedTank = 2;
constexpr std::int32_t kReservedSpawning = 2;

// The fishes take animal cards and fish pages; every other class plant
// cards and plant pages.
constexpr bool takesAnimalCards(std::int32_t classCode) { return classCode == kFishes; }

}  // namespace core
