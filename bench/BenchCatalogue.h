// A generated catalogue for the benchmarks: a Pisces tree of the requested
// size (superorders, orders, families, genera and species, with common
// names and a few synonyms), species details for the page benchmarks, and a
// breeder's farm over it for the farm and report benchmarks.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "db/Odbc.h"

namespace bench {

struct GeneratedCatalogue {
    std::vector<std::int32_t> species;   // codes of level-64 taxa
    std::vector<std::int32_t> genera;    // codes of level-512 taxa
    std::vector<std::int32_t> families;  // codes of level-4096 taxa
};

// Adds about `taxa` rows to [Reedmere] under class 14, in one transaction.
GeneratedCatalogue generateCatalogue(db::Connection& c, int taxa);

// Gives each of the first `count` species a card, two links, an English
// description and one habitat.
void generateSpeciesDetails(db::Connection& c, const GeneratedCatalogue& cat, int count);

// The shape of a generated farm. Dates are spread over every month of
// `years` years from 1 January of `firstYear`; lots, spawnings and expenses
// take codes from fixed bases so that benchmarks can name them.
struct FarmShape {
    int tanks = 300;
    int lots = 10000;
    int spawnings = 5000;
    int expenses = 0;
    int livingSpecies = 0;  // species the lots are of; 0: every species generated
    int priceCards = 0;     // every other one of the first 2 x priceCards species gets a card
    int firstYear = 2025;
    int years = 1;
};

inline constexpr std::int32_t kFirstTank = 1000;
inline constexpr std::int32_t kFirstLot = 10000;
inline constexpr std::int32_t kFirstSpawning = 20000000;

// Day i of the farm's span (1..28 of month 1 + i % 12).
db::Timestamp farmDay(const FarmShape& shape, int i);

// Tanks (every tenth without litres, every fifth sold again), lots (every
// third bought, every seventh emptied, each with a sale, a loss and a gift),
// spawnings between lot pairs (every tenth still open) and expenses of six
// kinds, in one transaction.
void generateFarm(db::Connection& c, const GeneratedCatalogue& cat, const FarmShape& shape);

}  // namespace bench
