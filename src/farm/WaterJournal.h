// The water journal of one tank: its entry lines, new entries dated now,
// field edits and deletion. Works on the document's journal record object.
#pragma once

#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "db/CFishesDoc.h"

namespace farm {

// "%s - %lu л. - %lu - %lu - %s": date, volume changed, dGh, dKh, pH.
std::string journalLine(const db::CJournal& entry);

// A measured value typed as a decimal number with a point or a comma
// ("6.8", "6,8", "-120" for a redox potential); nothing for any other text,
// the empty one included.
std::optional<double> readDecimal(const std::string& text);
// What the text columns (pH, redox, ammonia, nitrites, nitrates,
// phosphates) accept: a decimal number, or nothing measured.
bool isMeasuredText(const std::string& text);

// One journal line as numbers; a text column that does not read as a
// number is absent rather than zero.
struct JournalEntry {
    std::time_t date = 0;
    bool waterChange = false;
    int volume = 0;
    int dGh = 0;
    int dKh = 0;
    int salt = 0;
    std::string pHText, redoxText, ammoniaText, nitritesText, nitratesText, phosphatesText;
    std::optional<double> pH, redox, ammonia, nitrites, nitrates, phosphates;
};

// The tank's entries in date order, read on a record object of their own
// (the dialog's journal rows stay where they are).
std::vector<JournalEntry> readJournal(db::Connection& c, int tank);

class WaterJournal {
public:
    explicit WaterJournal(db::CFishesDoc& doc) : doc_(doc) {}

    // Lists the entries of the tank, in date order; 0 lists none.
    void show(int tank);
    int tank() const { return tank_; }
    const std::vector<std::string>& lines() const { return lines_; }

    bool selectLine(std::size_t line);
    bool hasEntry() const;
    db::CJournal& entry() { return *doc_.journal; }

    // An entry for the shown tank dated now; returns its line.
    std::size_t addEntry();
    // Writes the selected entry through set and refreshes its line.
    void change(const std::function<void(db::CJournal&)>& set);
    // Redates the selected entry and lists again, so the lines stay in date
    // order; returns the entry's new line.
    std::size_t changeDate(std::time_t date);
    void deleteSelected();

private:
    db::CFishesDoc& doc_;
    int tank_ = 0;
    std::size_t selected_ = 0;
    std::vector<std::string> lines_;
};

}  // namespace farm
