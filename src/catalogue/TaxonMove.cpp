#include "catalogue/TaxonMove.h"

#include <algorithm>

namespace catalogue {

namespace {

std::string num(std::int64_t v) { return std::to_string(v); }

const char* const kSynonymOf = "Synonym of";

}  // namespace

TaxonMove::TaxonMove(EditingContext& ctx, const CatalogueModel& model, const Taxon& taxon)
    : ctx_(ctx), model_(model), original_(taxon), stored_(taxon), level_(acceptedLevel(taxon.classific)) {
    if (std::optional<Taxon> parent = findTaxon(ctx.doc, taxon.ofCod)) grandparent_ = parent->ofCod;
    fillLevels();
    fillBelongs();
    fillOpeningCandidates();
}

// The highest level among the taxon's own children; 0 when it has none.
std::int32_t TaxonMove::childrenTopLevel() const {
    db::Fish& t = *ctx_.doc.taxa;
    t.setFilter("Of_cod=" + num(original_.cod) + " AND Classific<" + num(kSynonymOffset));
    t.requery();
    std::int32_t top = 0;
    for (; !t.isEOF(); t.moveNext())
        if (t.m_Cod != original_.cod) top = std::max(top, t.m_Classific);
    return top;
}

// The rows the parent's level reaches, below the parent and above every
// child, so a new level never inverts the tree. A parent whose level the
// class hides reaches by its own level digit.
void TaxonMove::fillLevels() {
    levels_.clear();
    levelTexts_.clear();
    levelIndex_ = -1;
    std::optional<Taxon> parent = findTaxon(ctx_.doc, original_.ofCod);
    if (!parent) return;
    const auto& rows = model_.rows();
    const int parentRow = model_.rowOfLevel(parent->classific);
    std::int32_t lowest = 0;
    if (parentRow < 0) {
        auto it = model_.levels().find(parent->classific);
        int reach = it == model_.levels().end() ? 0 : reachDigit(it->second.code);
        lowest = reach > 0 ? parent->classific >> reach : parent->classific;
    }
    const std::int32_t childTop = childrenTopLevel();
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const CatalogueRow& row = rows[static_cast<std::size_t>(r)];
        const std::int32_t level = row.layout.level;
        bool reached = parentRow >= 0 ? r > parentRow && r <= parentRow + rows[static_cast<std::size_t>(parentRow)].layout.g
                                      : level < parent->classific && level >= lowest;
        if (!reached || level <= childTop) continue;
        if (level == level_) levelIndex_ = static_cast<int>(levels_.size());
        levels_.push_back(level);
        levelTexts_.push_back(row.label + " " + original_.latName);
    }
}

// The rows above the taxon's own, as many as share its insertion parent, then "Synonym of".
void TaxonMove::fillBelongs() {
    belongs_.clear();
    const auto& rows = model_.rows();
    int row = model_.rowOfLevel(level_);
    int share = row >= 0 ? rows[static_cast<std::size_t>(row)].layout.u : 0;
    for (int k = 1; k <= share && row - k >= -1; ++k) {
        if (row - k == -1) {
            belongs_.push_back({kClassLevel, levelName(model_.levels(), kClassLevel, model_.language())});
            break;
        }
        const CatalogueRow& above = rows[static_cast<std::size_t>(row - k)];
        belongs_.push_back({above.layout.level, above.label});
    }
    belongs_.push_back({0, kSynonymOf});
    belongsTexts_.clear();
    belongsIndex_ = -1;
    std::optional<Taxon> parent = findTaxon(ctx_.doc, stored_.ofCod);
    for (std::size_t i = 0; i < belongs_.size(); ++i) {
        belongsTexts_.push_back(belongs_[i].text);
        if (parent && belongs_[i].level == parent->classific) belongsIndex_ = static_cast<int>(i);
    }
}

void TaxonMove::readCandidates(const std::string& filter) {
    candidates_.clear();
    db::Fish& t = *ctx_.doc.taxa;
    t.setFilter(filter);
    t.requery();
    for (; !t.isEOF(); t.moveNext()) {
        if (t.m_Cod == original_.cod) continue;
        // A move stays inside the class: no other class root, no taxon of another class.
        bool inClass = t.m_Classific == kClassLevel ? t.m_Cod == original_.classCode : t.m_Class == original_.classCode;
        if (inClass) candidates_.push_back(taxonOf(t));
    }
}

// The parent and its siblings.
void TaxonMove::fillOpeningCandidates() {
    readCandidates("Of_cod=" + num(grandparent_) + " AND Classific<" + num(kSynonymOffset));
    candidateTexts_.clear();
    for (const Taxon& c : candidates_) candidateTexts_.push_back(c.latName);
    selectStoredParent();
}

bool TaxonMove::synonymChosen() const {
    return belongsIndex_ >= 0 && belongs_[static_cast<std::size_t>(belongsIndex_)].level == 0;
}

// A taxon never becomes its own parent: the taxon itself is left out of every list.
void TaxonMove::fillCandidates() {
    if (belongsIndex_ < 0) return fillOpeningCandidates();
    const bool synonym = synonymChosen();
    const std::int32_t level = synonym ? level_ : belongs_[static_cast<std::size_t>(belongsIndex_)].level;
    const std::string ofLevel = "Classific=" + num(level);
    if (all_) {
        readCandidates(ofLevel + " AND Class=" + num(original_.classCode));
    } else if (synonym) {
        readCandidates(ofLevel + " AND Of_cod=" + num(original_.ofCod));
    } else {
        readCandidates(ofLevel + " AND Of_cod=" + num(grandparent_));
        if (candidates_.empty()) readCandidates(ofLevel + " AND Of_cod=" + num(original_.ofCod));
    }
    candidateTexts_.clear();
    for (const Taxon& c : candidates_) candidateTexts_.push_back(c.latName);
    selectStoredParent();
}

void TaxonMove::selectStoredParent() {
    candidateIndex_ = -1;
    for (std::size_t i = 0; i < candidates_.size(); ++i)
        if (candidates_[i].cod == stored_.ofCod) candidateIndex_ = static_cast<int>(i);
}

void TaxonMove::store(std::int32_t classific, std::int32_t ofCod) {
    db::Fish& t = *ctx_.doc.taxa;
    t.setFilter("Cod=" + num(original_.cod));
    t.requery();
    if (t.isEOF()) return;
    t.edit();
    t.m_Classific = classific;
    t.m_Of_cod = ofCod;
    t.update();
    stored_.classific = classific;
    stored_.ofCod = ofCod;
}

void TaxonMove::chooseLevel(int index) {
    if (index < 0 || index >= static_cast<int>(levels_.size()) || index == levelIndex_) return;
    levelIndex_ = index;
    level_ = levels_[static_cast<std::size_t>(index)];
    store(level_ + (isSynonym(stored_.classific) ? kSynonymOffset : 0), stored_.ofCod);
    fillBelongs();
    fillOpeningCandidates();
}

bool TaxonMove::chooseBelongs(int index) {
    if (index < 0 || index >= static_cast<int>(belongs_.size())) return false;
    if (belongs_[static_cast<std::size_t>(index)].level == 0) {
        db::Fish& t = *ctx_.doc.taxa;
        t.setFilter("Of_cod=" + num(original_.cod) + " AND Classific<" + num(kSynonymOffset));
        t.requery();
        std::size_t children = 0;
        for (; !t.isEOF(); t.moveNext()) children += t.m_Cod != original_.cod;
        if (children) {
            ctx_.prompter.tell(original_.latName + " still has " + num(static_cast<std::int64_t>(children)) +
                                   (children == 1 ? " taxon" : " taxa") +
                                   " below it and cannot become a synonym.\nMove them first.",
                               platform::MessageKind::Warning);
            return false;
        }
    }
    belongsIndex_ = index;
    fillCandidates();
    return true;
}

void TaxonMove::setAll(bool all) {
    all_ = all;
    fillCandidates();
}

void TaxonMove::chooseCandidate(int index) {
    if (index < 0 || index >= static_cast<int>(candidates_.size())) return;
    candidateIndex_ = index;
    store(level_ + (synonymChosen() ? kSynonymOffset : 0), candidates_[static_cast<std::size_t>(index)].cod);
}

// The taxon's synonyms keep pointing at an accepted taxon of their own level.
void TaxonMove::carrySynonyms() {
    if (stored_.classific == original_.classific && stored_.ofCod == original_.ofCod) return;
    const bool becameSynonym = isSynonym(stored_.classific);
    if (!becameSynonym && stored_.classific == original_.classific) return;
    db::inTransaction(*ctx_.doc.db, [&] {
        db::Fish& t = *ctx_.doc.taxa;
        t.setFilter("Of_cod=" + num(original_.cod) + " AND Classific=" +
                    num(std::int64_t(original_.classific) + kSynonymOffset));
        t.requery();
        for (; !t.isEOF(); t.moveNext()) {
            t.edit();
            t.m_Classific = acceptedLevel(stored_.classific) + kSynonymOffset;
            if (becameSynonym) t.m_Of_cod = stored_.ofCod;
            t.update();
        }
    });
}

void TaxonMove::accept() {
    carrySynonyms();
    rewritePages(ctx_, {original_.ofCod, original_.cod, stored_.ofCod});
}

void TaxonMove::cancel() { store(original_.classific, original_.ofCod); }

}  // namespace catalogue
