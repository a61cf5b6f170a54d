#include "farm/LotNames.h"

namespace farm {

LotKind lotKindOfClass(int classCode) {
    switch (classCode) {
    case 14: return LotKind::Fish;
    case 12127:
    case 12129:
    case 12176:
    case 12329: return LotKind::Plant;
    case 10420: return LotKind::Crustacean;
    default: return LotKind::Unlisted;
    }
}

std::string listPrefix(LotKind kind) {
    switch (kind) {
    case LotKind::Plant: return "@ ";
    case LotKind::Crustacean: return "# ";
    default: return "";
    }
}

const TaxonNames::Row& TaxonNames::row(int taxon) {
    auto it = rows_.find(taxon);
    if (it != rows_.end()) return it->second;
    Row r;
    taxa_.setFilter("Cod=" + std::to_string(taxon));
    taxa_.requery();
    if (!taxa_.isEOF()) {
        r.found = true;
        r.latName = taxa_.m_Lat_name;
        r.level = taxa_.m_Classific;
        r.parent = taxa_.m_Of_cod;
        r.classCode = taxa_.m_Class;
    }
    return rows_.emplace(taxon, r).first->second;
}

std::string TaxonNames::species(int taxon) {
    std::string name = row(taxon).latName;
    int ancestor = row(taxon).parent;
    // A damaged tree could loop; no real path is this deep.
    for (int depth = 0; depth < 64 && ancestor != 0; ++depth) {
        const Row& up = row(ancestor);
        if (!up.found) break;
        name = up.latName + " " + name;
        if (up.level == 0 || up.level >= 512 || up.level == 256) break;
        ancestor = up.parent;
    }
    return name;
}

std::string TaxonNames::display(int taxon, const std::string& other) {
    std::string name = species(taxon);
    if (!other.empty()) name += " (" + other + ")";
    return name;
}

std::string TaxonNames::parent(int taxon, const std::string& other) {
    return species(taxon) + " (" + other + ")";
}

int TaxonNames::classOf(int taxon) { return row(taxon).classCode; }
int TaxonNames::levelOf(int taxon) { return row(taxon).level; }

}  // namespace farm
