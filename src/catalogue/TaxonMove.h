// Moving a taxon in the tree: another level, another parent, or a synonym
// of another taxon. The choices of the "Changing of taxon " dialog are
// written at once, kept on OK and undone on Cancel.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "catalogue/TaxonEditing.h"

namespace catalogue {

class TaxonMove {
public:
    TaxonMove(EditingContext& ctx, const CatalogueModel& model, const Taxon& taxon);

    std::string caption() const { return "Changing of taxon " + original_.latName; }
    // The taxon as it is stored now.
    const Taxon& taxon() const { return stored_; }

    // The levels the parent's row reaches between the parent's level and its
    // children's, as row label + " " + Lat_name; the stored level selected.
    const std::vector<std::string>& levelTexts() const { return levelTexts_; }
    int levelIndex() const { return levelIndex_; }
    void chooseLevel(int index);

    // The levels of the rows above the taxon's, then "Synonym of".
    const std::vector<std::string>& belongsTexts() const { return belongsTexts_; }
    int belongsIndex() const { return belongsIndex_; }
    // False (after a message) when the taxon cannot take that place.
    bool chooseBelongs(int index);

    const std::vector<std::string>& candidateTexts() const { return candidateTexts_; }
    int candidateIndex() const { return candidateIndex_; }
    bool all() const { return all_; }
    void setAll(bool all);
    void chooseCandidate(int index);

    // Keeps the move: its synonyms follow it, and the pages of the old
    // parent, the taxon and the new parent are written again when they exist.
    void accept();
    // Puts the taxon back where it was.
    void cancel();

private:
    struct Place {
        std::int32_t level;  // 0 for "Synonym of"
        std::string text;
    };
    void fillLevels();
    std::int32_t childrenTopLevel() const;
    void fillBelongs();
    void fillOpeningCandidates();
    void fillCandidates();
    void readCandidates(const std::string& filter);
    void selectStoredParent();
    void store(std::int32_t classific, std::int32_t ofCod);
    void carrySynonyms();
    bool synonymChosen() const;

    EditingContext& ctx_;
    const CatalogueModel& model_;
    Taxon original_;
    Taxon stored_;
    std::int32_t grandparent_ = 0;
    std::int32_t level_;
    std::vector<std::int32_t> levels_;
    std::vector<std::string> levelTexts_;
    int levelIndex_ = -1;
    std::vector<Place> belongs_;
    std::vector<std::string> belongsTexts_;
    int belongsIndex_ = -1;
    std::vector<Taxon> candidates_;
    std::vector<std::string> candidateTexts_;
    int candidateIndex_ = -1;
    bool all_ = false;
};

}  // namespace catalogue
