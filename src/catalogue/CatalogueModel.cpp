#include "catalogue/CatalogueModel.h"

#include <algorithm>
#include <set>
#include <unordered_map>

namespace catalogue {

namespace {

constexpr int kMaxCatalogueLevels = 15;  // 131072 down to 8
constexpr int kMaxDepth = 64;            // a cycle in Of_cod must not hang the walk
const char* const kUnknown = "Unknown";

std::string num(std::int64_t v) { return std::to_string(v); }

}  // namespace

LevelTable readLevels(db::CFishesDoc& doc) {
    LevelTable table;
    db::Classific& r = *doc.ranks;
    r.setFilter("");
    r.requery();
    for (; !r.isEOF(); r.moveNext()) table[r.m_Number] = LevelRecord{r.m_Type, r.m_Type_rus, r.m_Cod};
    return table;
}

std::string levelName(const LevelTable& levels, std::int32_t level, int language) {
    auto it = levels.find(level);
    if (it == levels.end()) return std::string();
    return language == 1 ? it->second.typeRus : it->second.type;
}

std::vector<std::int32_t> shownLevels(const std::string& visibility) {
    std::vector<std::int32_t> shown;
    for (std::size_t k = 0; k + 1 < visibility.size() && k < kMaxCatalogueLevels; ++k)
        if (visibility[k] == '1') shown.push_back(kTopCatalogueLevel >> k);
    return shown;
}

bool hasMenuEntry(const std::string& visibility) { return visibility.size() >= 2 && visibility.back() == '1'; }

std::vector<RowLayout> catalogueLayout(const std::string& visibility, const LevelTable& levels) {
    std::vector<RowLayout> rows;
    for (std::size_t k = 0; k + 1 < visibility.size() && k < kMaxCatalogueLevels; ++k) {
        std::int32_t level = kTopCatalogueLevel >> k;
        if (visibility[k] == '1') {
            auto it = levels.find(level);
            int code = it == levels.end() ? 100 : it->second.code;
            int u = std::min<int>(shareDigit(code), static_cast<int>(rows.size()) + 1);
            rows.push_back(RowLayout{level, reachDigit(code), u});
            continue;
        }
        // A hidden level: each shown row whose reach passes over it reaches one row less.
        for (int j = 1; j <= 3 && j <= static_cast<int>(rows.size()); ++j) {
            RowLayout& above = rows[rows.size() - j];
            if (above.g >= j) --above.g;
        }
    }
    return rows;
}

CatalogueModel::CatalogueModel(db::CFishesDoc& doc, std::int32_t classCode, int language)
    : doc_(doc), classCode_(classCode), language_(language), levels_(readLevels(doc)) {
    std::optional<Taxon> cls = findTaxon(doc, classCode);
    std::string visibility = cls ? cls->author : std::string();
    for (const RowLayout& layout : catalogueLayout(visibility, levels_)) {
        rowByLevel_[layout.level] = static_cast<int>(rows_.size());
        CatalogueRow row;
        row.layout = layout;
        row.label = levelName(levels_, layout.level, language);
        rows_.push_back(std::move(row));
    }
    if (cls) current_ = *cls;
}

int CatalogueModel::rowOfLevel(std::int32_t classific) const {
    auto it = rowByLevel_.find(acceptedLevel(classific));
    return it == rowByLevel_.end() ? -1 : it->second;
}

void CatalogueModel::show(std::int32_t taxonCode) {
    std::optional<Taxon> t = findTaxon(doc_, taxonCode);
    if (t && isSynonym(t->classific)) t = findTaxon(doc_, t->ofCod);
    bool inClass = t && (t->cod == classCode_ || (t->classCode == classCode_ && t->classific <= kTopCatalogueLevel));
    if (!inClass) t = findTaxon(doc_, classCode_);
    current_ = t ? *t : Taxon{classCode_, 0, kClassLevel, classCode_, "", ""};
    clearPathsFrom(0);
    for (CatalogueRow& row : rows_) {
        row.insertionParent = 0;
        row.openForAdding = false;
    }
    if (current_.classific <= kTopCatalogueLevel) walkUp(current_);
    listChildren(current_);
    if (current_.cod == classCode_) openClassRoot();
    countPaths();
    refreshNames();
}

void CatalogueModel::choosePath(int row, int n) {
    if (row < 0 || row >= static_cast<int>(rows_.size())) return;
    CatalogueRow& r = rows_[static_cast<std::size_t>(row)];
    if (n < 0 || n >= static_cast<int>(r.path.size())) return;
    std::optional<Taxon> chosen = findTaxon(doc_, r.path[static_cast<std::size_t>(n)].cod);
    if (!chosen) return;
    current_ = *chosen;
    r.selected = n;
    clearPathsFrom(row + 1);
    markRow(row, current_);
    listChildren(current_);
    countPaths();
    refreshNames();
}

void CatalogueModel::clearPathsFrom(int row) {
    for (std::size_t i = static_cast<std::size_t>(row); i < rows_.size(); ++i) {
        rows_[i].path.clear();
        rows_[i].selected = -1;
        rows_[i].counter = 0;
    }
}

void CatalogueModel::walkUp(const Taxon& from) {
    Taxon visited = from;
    for (int depth = 0; depth < kMaxDepth && visited.classific > 0 && visited.classific <= kTopCatalogueLevel;
         ++depth) {
        int row = rowOfLevel(visited.classific);
        if (row >= 0) {
            fillSiblings(row, visited);
            markRow(row, visited);
        }
        std::optional<Taxon> parent = findTaxon(doc_, visited.ofCod);
        if (!parent) break;
        visited = *parent;
    }
}

// Rows r-u+1 .. r insert under the visited taxon's parent; rows r .. r+g take new taxa.
void CatalogueModel::markRow(int row, const Taxon& visited) {
    const RowLayout& layout = rows_[static_cast<std::size_t>(row)].layout;
    for (int i = std::max(0, row - layout.u + 1); i <= row; ++i)
        rows_[static_cast<std::size_t>(i)].insertionParent = visited.ofCod;
    int last = std::min(static_cast<int>(rows_.size()) - 1, row + layout.g);
    for (int i = row; i <= last; ++i) rows_[static_cast<std::size_t>(i)].openForAdding = true;
}

void CatalogueModel::fillSiblings(int row, const Taxon& visited) {
    db::Fish& t = *doc_.taxa;
    t.setFilter("Classific=" + num(visited.classific) + " AND Of_Cod=" + num(visited.ofCod));
    t.requery();
    CatalogueRow& r = rows_[static_cast<std::size_t>(row)];
    r.path.clear();
    r.selected = -1;
    for (; !t.isEOF(); t.moveNext()) {
        if (t.m_Cod == visited.cod) r.selected = static_cast<int>(r.path.size());
        r.path.push_back(taxonOf(t));
    }
}

void CatalogueModel::listChildren(const Taxon& parent) {
    db::Fish& t = *doc_.taxa;
    t.setFilter("Of_cod=" + num(parent.cod));
    t.requery();
    for (; !t.isEOF(); t.moveNext()) {
        if (isSynonym(t.m_Classific) || t.m_Cod == parent.cod) continue;
        int row = rowOfLevel(t.m_Classific);
        if (row < 0) continue;
        CatalogueRow& r = rows_[static_cast<std::size_t>(row)];
        r.path.push_back(taxonOf(t));
        r.insertionParent = parent.cod;
    }
}

// At the class root, taxa under top levels the class hides stand in the
// rows of their own levels, and the first row takes new taxa even when the
// class has none yet.
void CatalogueModel::openClassRoot() {
    std::vector<std::int32_t> hidden;
    std::set<std::int32_t> visited{current_.cod};
    db::Fish& t = *doc_.taxa;
    auto readHidden = [&](std::int32_t parent) {
        t.setFilter("Of_cod=" + num(parent));
        t.requery();
        std::vector<Taxon> found;
        for (; !t.isEOF(); t.moveNext())
            if (!isSynonym(t.m_Classific) && t.m_Classific <= kTopCatalogueLevel) found.push_back(taxonOf(t));
        return found;
    };
    std::vector<std::int32_t> parents{current_.cod};
    for (int depth = 0; depth < kMaxCatalogueLevels && !parents.empty(); ++depth) {
        std::vector<std::int32_t> next;
        for (std::int32_t parent : parents) {
            for (const Taxon& child : readHidden(parent)) {
                if (!visited.insert(child.cod).second) continue;
                int row = rowOfLevel(child.classific);
                if (row < 0) {
                    next.push_back(child.cod);
                } else if (parent != current_.cod) {  // direct children are listed already
                    CatalogueRow& r = rows_[static_cast<std::size_t>(row)];
                    r.path.push_back(child);
                    if (r.insertionParent == 0) r.insertionParent = parent;
                }
            }
        }
        parents = std::move(next);
    }
    if (!rows_.empty() && rows_.front().insertionParent == 0) rows_.front().insertionParent = classCode_;
}

void CatalogueModel::countPaths() {
    for (CatalogueRow& row : rows_) row.counter = static_cast<int>(row.path.size());
}

void CatalogueModel::refreshNames() {
    fullName_ = displayName(doc_, current_, language_);
    synonyms_.clear();
    std::vector<Taxon> found;
    db::Fish& t = *doc_.taxa;
    t.setFilter("Of_cod=" + num(current_.cod) + " AND Classific=" + num(std::int64_t(current_.classific) + kSynonymOffset));
    t.requery();
    for (; !t.isEOF(); t.moveNext()) found.push_back(taxonOf(t));
    for (const Taxon& syn : found) synonyms_.push_back(displayName(doc_, syn, language_));
}

std::string CatalogueModel::title(const std::string& caption) const {
    return caption + " (Default is " + levelName(levels_, current_.classific, language_) + " " + current_.latName +
           ")";
}

void CatalogueModel::clearFind() {
    findOn_ = false;
    for (CatalogueRow& row : rows_) {
        row.findTexts.clear();
        row.findCodes.clear();
    }
    countPaths();
}

void CatalogueModel::fillFind(bool commonNames) {
    for (CatalogueRow& row : rows_) {
        row.findTexts.assign(1, kUnknown);
        row.findCodes.assign(1, 0);
    }
    findOn_ = true;
    if (commonNames) fillFindByCommon();
    else fillFindByLatin();
    for (CatalogueRow& row : rows_) row.counter = static_cast<int>(row.findTexts.size()) - 1;
}

void CatalogueModel::fillFindByLatin() {
    db::Fish& t = *doc_.taxa;
    t.setFilter("Class=" + num(classCode_) + " AND (Classific<" + num(kTopCatalogueLevel) +
                " OR Classific>1000000000 AND Classific<" + num(kTopCatalogueLevel) + "+1000000000)");
    t.requery();
    for (; !t.isEOF(); t.moveNext()) {
        int row = rowOfLevel(t.m_Classific);
        if (row < 0) continue;
        CatalogueRow& r = rows_[static_cast<std::size_t>(row)];
        r.findTexts.push_back(isSynonym(t.m_Classific) ? t.m_Lat_name + " (syn)" : t.m_Lat_name);
        r.findCodes.push_back(t.m_Cod);
    }
}

// One read of the class's taxa and one of the names: no lookup per name.
void CatalogueModel::fillFindByCommon() {
    std::unordered_map<std::int32_t, std::int32_t> levelOf;
    db::Fish& t = *doc_.taxa;
    t.setFilter("Class=" + num(classCode_) + " AND Classific<" + num(kTopCatalogueLevel));
    t.requery();
    for (; !t.isEOF(); t.moveNext()) levelOf.emplace(t.m_Cod, t.m_Classific);
    db::Common& c = *doc_.commonNames;
    c.setFilter("Language=" + num(language_));
    c.requery();
    for (; !c.isEOF(); c.moveNext()) {
        auto it = levelOf.find(c.m_Of_fish);
        if (it == levelOf.end() || c.m_Name.empty()) continue;
        int row = rowOfLevel(it->second);
        if (row < 0) continue;
        CatalogueRow& r = rows_[static_cast<std::size_t>(row)];
        r.findTexts.push_back(c.m_Name);
        r.findCodes.push_back(c.m_Of_fish);
    }
}

void CatalogueModel::chooseFind(int row, int n) {
    if (row < 0 || row >= static_cast<int>(rows_.size()) || n < 1) return;
    const CatalogueRow& r = rows_[static_cast<std::size_t>(row)];
    if (n >= static_cast<int>(r.findCodes.size())) return;
    show(r.findCodes[static_cast<std::size_t>(n)]);
}

}  // namespace catalogue
