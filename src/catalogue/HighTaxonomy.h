// The high taxonomy from the root down to the classes, and the
// configuration of a class: which catalogue levels it shows and whether it
// has its own "Catalogs" entry.
#pragma once

#include <string>
#include <vector>

#include "catalogue/CatalogueModel.h"

namespace catalogue {

struct TreeNode {
    Taxon taxon;
    std::string label;  // Lat_name, then " (" + common name + ")" when it has one
    std::vector<TreeNode> children;
};

// Lat_name, then " (" + common name + ")" when it has one.
std::string treeLabel(const std::string& latName, const std::string& common);

// The tree from the root; a node's children are shown only while they are
// of class level or above.
TreeNode highTaxonomyTree(db::CFishesDoc& doc, int language);

struct LevelSwitch {
    std::int32_t level = 0;
    std::string label;
    bool shown = false;
};

// One switch per character of the visibility string but the last.
std::vector<LevelSwitch> levelSwitches(const LevelTable& levels, const std::string& visibility, int language);
// The string "Save config" writes: a "0"/"1" per switch, then the menu flag.
std::string visibilityString(const std::vector<bool>& shown, bool menu);
// The string with only its menu flag replaced.
std::string withMenuFlag(const std::string& visibility, bool menu);
// Writes a class record's visibility string.
void storeVisibility(db::CFishesDoc& doc, std::int32_t classCode, const std::string& visibility);

struct NewButton {
    bool enabled = false;
    std::int32_t level = 0;
    std::string caption;  // "New " + level name
};

// The three "New..." buttons for a node of this level, by its reach digit g.
std::vector<NewButton> newButtons(const LevelTable& levels, std::int32_t level, int language);

}  // namespace catalogue
