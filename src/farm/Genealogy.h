// Where a lot comes from and what it produced: the tree of its ancestors
// through the spawnings that bore them, father's branch first, and the list
// of the spawnings in which it was a parent with their totals.
#pragma once

#include <string>
#include <vector>

#include "db/CFishesDoc.h"

namespace farm {

struct GenealogyNode {
    std::string text;
    std::vector<GenealogyNode> children;
};

// The lot's first-feeding day, its species and where it came from.
std::string genealogyText(db::CFishesDoc& doc, int lot);

// The lot and, under every lot, its father's then its mother's node. A
// branch ends at a lot of the reserved spawning 2, at a missing spawning or
// parent, and at a lot already on the path from the root.
GenealogyNode ancestorTree(db::CFishesDoc& doc, int lot);

inline constexpr const char* kNoSpawnings = "Spawnings not detected";

// One line per spawning with the lot as father, then as mother, in order of
// laying; then a separator and the totals. "Spawnings not detected" alone
// when there is none.
std::vector<std::string> spawningsWith(db::CFishesDoc& doc, int lot);

}  // namespace farm
