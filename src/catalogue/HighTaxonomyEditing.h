// New and renamed taxa of the high taxonomy, down to new classes: the
// one-line questions for the Latin and the common name, the row inserted
// under its marker, and the label of its tree item.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "db/CFishesDoc.h"
#include "platform/Prompter.h"

namespace catalogue {

// The visibility string of a class the user creates.
constexpr const char* kNewClassVisibility = "1111010011011110";

struct HighTaxonItem {
    std::int32_t cod = 0;
    std::string label;  // Lat_name, and " (" + common name + ")" when it has one
};

// Asks "Enter latin name" and "Enter common name", then adds a child of the
// parent at the level; nothing on Cancel or an empty Latin name.
std::optional<HighTaxonItem> createHighTaxon(db::CFishesDoc& doc, platform::Prompter& prompter, std::int32_t parent,
                                             std::int32_t level, int language);

// Asks "Edit latin name" and "Edit common name" with the stored names and
// stores both; nothing on Cancel or an empty Latin name.
std::optional<HighTaxonItem> editHighTaxon(db::CFishesDoc& doc, platform::Prompter& prompter, std::int32_t cod,
                                           int language);

}  // namespace catalogue
