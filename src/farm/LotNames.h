// The names the farm gives its lots: the species name (the Latin names of
// the taxon and its ancestors up to the genus), the display name with the
// lot's tokens, the parent name of spawning lines, and the list prefix of
// each class.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "db/Records.h"

namespace farm {

enum class LotKind { Fish, Plant, Crustacean, Unlisted };

// By the taxon's Class column: 14 fishes, the four plant classes, 10420 crustaceans.
LotKind lotKindOfClass(int classCode);
// "" for fishes, "@ " for plants, "# " for crustaceans.
std::string listPrefix(LotKind kind);

// "Cod IN (...)" filters covering these codes (sorted, each once), a few
// hundred codes a filter: a list reads its rows in a few queries, not one a row.
std::vector<std::string> codeFilters(std::vector<int> codes);

// What a list shows of a lot it names by code (a parent, a mother).
struct LotSummary {
    int taxon = 0, tank = 0;
    std::string other;
};

// The lots of these codes, a few hundred a query; a code without a lot is absent.
std::unordered_map<int, LotSummary> readLots(db::Connection& c, const std::vector<int>& codes);
// The litres of these tanks, the same way.
std::unordered_map<int, int> readTankLitres(db::Aquarium& tanks, const std::vector<int>& codes);

// Looks taxa up by code on the connection of a taxa record object (which it
// leaves as it is), remembering each row read.
class TaxonNames {
public:
    explicit TaxonNames(const db::Fish& taxa) : c_(taxa.connection()) {}

    // The taxon's Latin name preceded by its ancestors' while the ancestor just
    // added is of a level that is not 0, below 512 and not 256.
    std::string species(int taxon);
    // The species name, then " (" + other + ")" when other is not empty.
    std::string display(int taxon, const std::string& other);
    // The species name and " (" + other + ")", brackets always.
    std::string parent(int taxon, const std::string& other);
    // The taxon's Class column (0 when there is no such taxon).
    int classOf(int taxon);
    // The taxon's level value (0 when there is no such taxon).
    int levelOf(int taxon);
    // Reads the taxa and the ancestors their names need in a few queries.
    void prefetch(std::vector<int> taxa);

private:
    struct Row {
        bool found = false;
        std::string latName;
        int level = 0, parent = 0, classCode = 0;
    };
    const Row& row(int taxon);
    void load(const std::vector<int>& codes);
    void read(const std::string& condition, const std::vector<db::Value>& params);

    db::Connection& c_;
    std::unordered_map<int, Row> rows_;
};

}  // namespace farm
