// The catalogue of one class as rows of levels: which levels a class shows,
// their layout digits, the path from the class root to the current taxon
// with the siblings of each step, the insertion parent of every row, and
// the Find lists by Latin or common name.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "catalogue/Taxonomy.h"

namespace catalogue {

// One record of the level table.
struct LevelRecord {
    std::string type;
    std::string typeRus;
    int code = 0;  // 100 + 10 * g + u
};
using LevelTable = std::map<std::int32_t, LevelRecord>;

LevelTable readLevels(db::CFishesDoc& doc);
// Type, or Type_rus in Russian; empty for a level the table lacks.
std::string levelName(const LevelTable& levels, std::int32_t level, int language);
inline int reachDigit(int layoutCode) { return layoutCode / 10 % 10; }  // g
inline int shareDigit(int layoutCode) { return layoutCode % 10; }       // u

// The catalogue levels a visibility string shows, top to bottom.
std::vector<std::int32_t> shownLevels(const std::string& visibility);
// The last character of the visibility string: its own "Catalogs" entry.
bool hasMenuEntry(const std::string& visibility);

// A shown level with its layout digits counted in shown rows.
struct RowLayout {
    std::int32_t level = 0;
    int g = 0;
    int u = 0;
};
std::vector<RowLayout> catalogueLayout(const std::string& visibility, const LevelTable& levels);

struct CatalogueRow {
    RowLayout layout;
    std::string label;               // the level's name
    std::vector<Taxon> path;         // entries of the path combo
    int selected = -1;               // index into path
    std::int32_t insertionParent = 0;
    bool openForAdding = false;
    std::vector<std::string> findTexts;   // "Unknown" first while Find is on
    std::vector<std::int32_t> findCodes;  // taxon of each find entry; 0 for "Unknown"
    int counter = 0;
};

class CatalogueModel {
public:
    CatalogueModel(db::CFishesDoc& doc, std::int32_t classCode, int language);

    std::int32_t classCode() const { return classCode_; }
    int language() const { return language_; }
    const std::vector<CatalogueRow>& rows() const { return rows_; }
    // The row of a level; a synonym's level matches its accepted level's row.
    int rowOfLevel(std::int32_t classific) const;
    const LevelTable& levels() const { return levels_; }

    const Taxon& current() const { return current_; }
    // Makes a taxon current and shows its path; an unknown taxon, or one of
    // another class, shows the class root; a synonym shows its accepted taxon.
    void show(std::int32_t taxonCode);
    // Entry n of row r's path combo becomes current.
    void choosePath(int row, int n);

    bool findOn() const { return findOn_; }
    void fillFind(bool commonNames);
    void clearFind();
    // Entry n of row r's find combo becomes current (its accepted taxon for a synonym).
    void chooseFind(int row, int n);

    // caption + " (Default is " + level name + " " + Lat_name + ")".
    std::string title(const std::string& caption) const;
    const std::string& fullName() const { return fullName_; }
    const std::vector<std::string>& synonymNames() const { return synonyms_; }

private:
    void clearPathsFrom(int row);
    void walkUp(const Taxon& from);
    void markRow(int row, const Taxon& visited);
    void listChildren(const Taxon& parent);
    void openClassRoot();
    void fillSiblings(int row, const Taxon& visited);
    void refreshNames();
    void countPaths();
    void fillFindByLatin();
    void fillFindByCommon();

    db::CFishesDoc& doc_;
    std::int32_t classCode_;
    int language_;
    LevelTable levels_;
    std::map<std::int32_t, int> rowByLevel_;
    std::vector<CatalogueRow> rows_;
    Taxon current_;
    std::string fullName_;
    std::vector<std::string> synonyms_;
    bool findOn_ = false;
};

}  // namespace catalogue
