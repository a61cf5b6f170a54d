// The breeder's fish lots: the filters of the "fishes in:" choices, the lot
// list with its fish total, and every change of a lot: a new lot, a new
// species, field edits, the five movements with their book-keeping,
// transfer and delete. Works on the document's lot record object; the list
// is rebuilt on the current filter after every change.
#pragma once

#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/Settings.h"
#include "db/CFishesDoc.h"

namespace farm {

enum class LotView { All, Archive, AllWithArchive, Tank };

// The lots a "fishes in:" choice lists; clause is the archive period clause.
std::string lotFilter(LotView view, int tank, const std::string& archiveClause);

struct Counts {
    int fries = 0, males = 0, females = 0;
    int sum() const { return fries + males + females; }
    bool operator==(const Counts& o) const { return fries == o.fries && males == o.males && females == o.females; }
};

struct LotLine {
    std::string text;   // class prefix and display name
    int cod = 0;
    std::size_t row = 0;  // position in the lot record object's result
    bool fish = false;    // counted in the total
    int animals = 0;
};

enum class MoveKind { Gifted = 1, Lost = 2, Sold = 3, New = 4, Transferred = 5 };
// "Gifted", "Lost", "Sold", "New", "Transferred": the count dialog's title.
const char* moveTitle(MoveKind kind);

enum class MoveOutcome { Done, NoLot, NothingMoved, NothingLeft, TooMany };

// The six classes a lot may belong to, with their menu and chooser texts.
struct LotClass {
    int code;
    const char* menuEntry;     // "New fish..."
    const char* selectTitle;   // "Select a name for your fish"
    const char* preciseTitle;  // "Precise a name for your fish"
    const char* caption;       // "Class Pisces"
    int core::Settings::*defaultTaxon;
};
const std::vector<LotClass>& lotClasses();
const LotClass* lotClass(int classCode);

class LotBook {
public:
    LotBook(db::CFishesDoc& doc, core::Settings& settings);

    // Filters, requeries and rebuilds the list.
    void show(const std::string& filter);
    const std::string& filter() const { return filter_; }
    const std::vector<LotLine>& lines() const { return lines_; }
    long total() const { return total_; }
    std::optional<std::size_t> lineOf(int cod) const;

    // Makes the line's lot the current row; false when there is none.
    bool selectLine(std::size_t line);
    bool hasLot() const;
    db::My_Fish& lot() { return *doc_.lots; }
    Counts counts() const;
    // The selected lot's taxon class (0 without a lot).
    int lotClassCode();

    // Adds one fry of the taxon to the tank; nothing for a taxon of a level
    // above 128. Returns the new lot's code.
    std::optional<int> addLot(int taxon, int tank);
    // Gives the selected lot another species; false for a level above 128.
    bool precise(int taxon);
    // Writes the selected lot through set (edit, update) and refreshes its line.
    void change(const std::function<void(db::My_Fish&)>& set);
    // Writes Date_first_eat, which moves the lot's line.
    void setFirstEat(std::time_t date);

    // Moves `moved` out of the selected lot. price is the confirmed sale price.
    MoveOutcome move(MoveKind kind, const Counts& moved, int price = 0);
    // Moves the selected lot into tank: whole when `moved` is all it holds,
    // otherwise the moving part split off first. The tank becomes the last used.
    MoveOutcome transfer(const Counts& moved, int tank);
    void deleteSelected();

    // The size combo's entries for the taxon: "F = %s mm" ... or bare letters.
    std::vector<std::string> sizeLabels(int taxon);
    // The wholesale price of the lot's size from its species' card, else its
    // Outgo; 25 instead of 0.
    int saleProposal();
    // "Father (tokens) x Mother (tokens)" of the spawning the lot came from;
    // empty for a bought lot.
    std::string parentsLine();

private:
    void rebuild();
    bool positionOn(int cod);

    db::CFishesDoc& doc_;
    core::Settings& settings_;
    db::My_Fish parentLots_;
    db::Incubator spawning_;
    std::string filter_;
    std::vector<LotLine> lines_;
    long total_ = 0;
};

}  // namespace farm
