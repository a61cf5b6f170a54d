// The tree of natural habitats: browsing one node's children, adding and
// deleting habitats, and the "," list of codes a card keeps.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "db/CFishesDoc.h"

namespace catalogue {

constexpr const char* kUpEntry = "..";
constexpr const char* kParentPrefix = "(+) ";

struct HabitatEntry {
    std::string text;  // as listed: ".." or the name, "(+) " in front of a habitat with children
    std::string name;
    std::int32_t cod = 0;
};

// ".." and the children of a node (0 the top), in Name order.
std::vector<HabitatEntry> browseHabitats(db::CFishesDoc& doc, std::int32_t node);
// The parent of a node; 0 at the top or for an unknown node.
std::int32_t habitatParent(db::CFishesDoc& doc, std::int32_t node);
// A listed entry's name: the text without the "(+) " prefix.
std::string habitatName(const std::string& entryText);

// Names of the codes of a "," list; codes that no longer exist are skipped.
std::vector<std::string> habitatNames(db::CFishesDoc& doc, const std::string& codes);
// The codes of the first habitat (in Name order) of each name, joined by ",";
// a name that matches no habitat is left out.
std::string habitatCodes(db::CFishesDoc& doc, const std::vector<std::string>& names);

// Inserts a habitat under a node and returns its code.
std::int32_t addHabitat(db::CFishesDoc& doc, const std::string& name, std::int32_t node);
// Deletes the habitats of these names under the node; their children stay.
int deleteHabitats(db::CFishesDoc& doc, std::int32_t node, const std::vector<std::string>& names);

}  // namespace catalogue
