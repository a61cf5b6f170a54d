// The starter catalogue: species, plants, common names, synonyms, care cards
// of the fishes, plant cards of every other class and the habitat tree that a new database is given, read from the text files
// under data/catalogue (their format is described in data/catalogue/README.md).
#pragma once

#include <filesystem>

#include "db/Odbc.h"

namespace db {

// Reads dir/habitats.txt, then every other *.txt of dir in file-name order,
// and adds what they describe under the seeded classes, all in one
// transaction. A taxon, synonym, habitat, common name or card that the
// database already holds (same name, level and parent) is reused, so loading
// the same folder twice adds nothing the second time.
// Throws std::runtime_error "<file>:<line>: <reason>" on the first malformed
// line, unknown level, class, parent, habitat or card field, or a card value
// that does not read as its field requires (a range of numbers, a whole
// number, a list index); then nothing is loaded.
void loadStarterCatalogue(Connection& c, const std::filesystem::path& dir);

}  // namespace db
