// The water journal of one tank: its entry lines, new entries dated now,
// field edits and deletion. Works on the document's journal record object.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "db/CFishesDoc.h"

namespace farm {

// "%s - %lu л. - %lu - %lu - %s": date, volume changed, dGh, dKh, pH.
std::string journalLine(const db::CJournal& entry);

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
    void deleteSelected();

private:
    db::CFishesDoc& doc_;
    int tank_ = 0;
    std::size_t selected_ = 0;
    std::vector<std::string> lines_;
};

}  // namespace farm
