// A generated catalogue for the benchmarks: a Pisces tree of the requested
// size (superorders, orders, families, genera and species, with common
// names and a few synonyms), and species details for the page benchmarks.
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

}  // namespace bench
