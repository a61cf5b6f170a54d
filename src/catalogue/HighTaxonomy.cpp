#include "catalogue/HighTaxonomy.h"

namespace catalogue {

namespace {

constexpr int kMaxTreeDepth = 32;

std::string nodeLabel(db::CFishesDoc& doc, const Taxon& t, int language) {
    return treeLabel(t.latName, commonName(doc, t.cod, language));
}

std::vector<Taxon> childrenOf(db::CFishesDoc& doc, const Taxon& node) {
    db::Fish& f = *doc.taxa2;
    f.setFilter("Cod<>" + std::to_string(node.cod) + " AND Of_cod=" + std::to_string(node.cod) +
                " AND Classific<>" + std::to_string(std::int64_t(node.classific) + kSynonymOffset));
    f.requery();
    std::vector<Taxon> out;
    for (; !f.isEOF(); f.moveNext()) out.push_back(taxonOf(f));
    return out;
}

void expand(db::CFishesDoc& doc, TreeNode& node, int language, int depth) {
    if (depth >= kMaxTreeDepth) return;
    std::vector<Taxon> children = childrenOf(doc, node.taxon);
    if (children.empty()) return;
    std::int32_t first = children.front().classific;
    if (first < kClassLevel || first == kRootLevel) return;  // below the classes: the catalogue's part
    for (const Taxon& c : children) {
        TreeNode child{c, nodeLabel(doc, c, language), {}};
        expand(doc, child, language, depth + 1);
        node.children.push_back(std::move(child));
    }
}

}  // namespace

std::string treeLabel(const std::string& latName, const std::string& common) {
    return common.empty() ? latName : latName + " (" + common + ")";
}

TreeNode highTaxonomyTree(db::CFishesDoc& doc, int language) {
    db::Fish& f = *doc.taxa2;
    f.setFilter("Classific=" + std::to_string(kRootLevel));
    f.requery();
    if (f.isEOF()) return TreeNode{};
    Taxon root = taxonOf(f);
    TreeNode tree{root, nodeLabel(doc, root, language), {}};
    expand(doc, tree, language, 0);
    return tree;
}

std::vector<LevelSwitch> levelSwitches(const LevelTable& levels, const std::string& visibility, int language) {
    std::vector<LevelSwitch> switches;
    for (std::size_t k = 0; k + 1 < visibility.size() && k < 31; ++k) {
        std::int32_t level = kTopCatalogueLevel >> k;
        switches.push_back({level, levelName(levels, level, language), visibility[k] == '1'});
    }
    return switches;
}

std::string visibilityString(const std::vector<bool>& shown, bool menu) {
    std::string s;
    for (bool b : shown) s += b ? '1' : '0';
    return s + (menu ? '1' : '0');
}

std::string withMenuFlag(const std::string& visibility, bool menu) {
    if (visibility.empty()) return std::string(1, menu ? '1' : '0');
    return visibility.substr(0, visibility.size() - 1) + (menu ? '1' : '0');
}

void storeVisibility(db::CFishesDoc& doc, std::int32_t classCode, const std::string& visibility) {
    db::Fish& f = *doc.taxa2;
    f.setFilter("Cod=" + std::to_string(classCode) + " AND Classific=" + std::to_string(kClassLevel));
    f.requery();
    if (f.isEOF()) return;
    f.edit();
    f.m_Author = visibility;
    f.update();
}

std::vector<NewButton> newButtons(const LevelTable& levels, std::int32_t level, int language) {
    std::vector<NewButton> buttons(3);
    auto it = levels.find(level);
    int g = it == levels.end() ? 0 : reachDigit(it->second.code);
    if (g < 1 || g > 3) return buttons;
    // g = 1: N>>1 on the first; g = 2: N>>2, N>>1; g = 3: N>>3, N>>2, N>>1.
    for (int b = 0; b < g; ++b) {
        std::int32_t l = level >> (g - b);
        buttons[static_cast<std::size_t>(b)] = {true, l, "New " + levelName(levels, l, language)};
    }
    return buttons;
}

}  // namespace catalogue
