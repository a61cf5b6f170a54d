// The spawnings in the incubator: the open ones or the archive of a period,
// their lines and totals, new spawnings of a father and a mother, every
// count and date written as typed, closing by transfer into a new lot of
// fries or by writing off, and delete. Works on the document's spawning
// record object; the list is rebuilt on the current filter after a change.
#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/Settings.h"
#include "db/CFishesDoc.h"
#include "core/Dates.h"

namespace farm {

class TaxonNames;
struct LotSummary;

inline constexpr const char* kOpenSpawnings = "Fries_out=0 AND Date_fries>#01/01/1980#";
inline constexpr const char* kSurvivedCaption = "How many fries have survived?";
inline constexpr const char* kBadParentsCaption = "Are there bad parents?";
inline constexpr const char* kFriesNameTitle = "Select a name for your fries";
inline constexpr const char* kDestinyTitle = "Your fries have gone to this tank";

// The archive's filter: spawnings laid from the period's start day on, or
// every closed and open one for "all".
std::string spawningArchiveFilter(const std::string& period, const core::DayMonthYear& today);

struct SpawningLine {
    std::string text;
    int cod = 0;
};

// "In all": eggs of spawnings without larvae, larvae, transferred fries.
struct SpawningTotals {
    std::int64_t eggs = 0, larvae = 0, transferred = 0;
};

class IncubatorBook {
public:
    IncubatorBook(db::CFishesDoc& doc, core::Settings& settings);

    void showOpen();
    void showArchive(const std::string& period, const core::DayMonthYear& today);
    bool archive() const { return archive_; }
    // A dated archive keeps the eggs date fixed.
    bool eggsDateLocked() const { return datedArchive_; }
    const std::string& filter() const { return filter_; }
    // Applies the current filter again (after another dialog used the rows).
    void reapply();

    const std::vector<SpawningLine>& lines() const { return lines_; }
    const SpawningTotals& totals() const { return totals_; }
    std::optional<std::size_t> lineOf(int cod) const;

    bool selectLine(std::size_t line);
    void clearSelection() { selected_.reset(); }
    std::optional<std::size_t> selectedLine() const;
    bool hasSpawning() const { return selected_.has_value(); }
    // The selected spawning as the record object holds it.
    db::Incubator& spawning();

    // At least one egg, larvae dated and nothing transferred yet.
    bool canTransfer();
    // Some lot was born from the selected spawning.
    bool hasOffspring();
    // The tank of the first lot born from it.
    std::optional<int> offspringTank();
    // The father lot's species, the catalogue's start for naming the fries.
    std::optional<int> fatherSpecies();

    // Eggs laid now by two different lots; selects it. Nothing for the same
    // lot twice or a missing one.
    std::optional<int> addSpawning(int father, int mother);
    // New parents for the selected spawning, by the same rules.
    bool precise(int father, int mother);

    // Each writes only a changed value; the list follows a new sort position.
    void setEggs(int count);
    void setLarvae(int count);
    void setIncubator(int number);
    void setEggsDate(std::time_t date);
    void setLarvaeDate(std::time_t date);

    // The question of the transfer and its proposal.
    const char* transferCaption();
    int transferProposal();
    // Closes the selected spawning: `survived` fries become a new lot of the
    // species in the tank, born here; 0 writes the spawning off. Returns the
    // new lot's code. The species becomes the default fish; one above the
    // species levels names no lot.
    std::optional<int> transfer(int survived, int tank, int species);
    void writeOff();

    void deleteSelected();

private:
    void rebuild(std::optional<int> selectCod);
    bool positionOnSelected();
    template <class F> void change(F set);
    std::string lineText(const db::Incubator& s, TaxonNames& names, const std::unordered_map<int, LotSummary>& lots);

    db::CFishesDoc& doc_;
    core::Settings& settings_;
    db::My_Fish lots_;
    std::string filter_ = kOpenSpawnings;
    bool archive_ = false, datedArchive_ = false;
    std::vector<SpawningLine> lines_;
    SpawningTotals totals_;
    std::optional<int> selected_;  // Cod
};

}  // namespace farm
