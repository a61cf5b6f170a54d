#include "farm/WaterJournal.h"

#include <ctime>

#include "core/Dates.h"

namespace farm {

std::string journalLine(const db::CJournal& e) {
    return core::formatDate(e.m_Date) + " - " + std::to_string(e.m_Volume_wc) + " л. - " + std::to_string(e.m_dGh) +
           " - " + std::to_string(e.m_dKh) + " - " + e.m_pH;
}

void WaterJournal::show(int tank) {
    tank_ = tank;
    db::CJournal& r = *doc_.journal;
    r.setFilter("Of_aqua=" + std::to_string(tank));
    r.setSort("Date");
    r.requery();
    lines_.clear();
    for (; !r.isEOF(); r.moveNext()) lines_.push_back(journalLine(r));
}

bool WaterJournal::selectLine(std::size_t line) {
    if (line >= lines_.size()) return false;
    doc_.journal->moveFromFirst(line);
    selected_ = line;
    return hasEntry();
}

bool WaterJournal::hasEntry() const { return tank_ != 0 && !doc_.journal->isEOF() && !doc_.journal->isDeleted(); }

std::size_t WaterJournal::addEntry() {
    db::CJournal& r = *doc_.journal;
    r.addNew();
    r.m_Of_aqua = tank_;
    r.m_Date = std::time(nullptr);
    r.update();
    // Found again by the key the database gave it: no text a user can type marks it.
    const std::int64_t added = r.lastInsertedKey();
    show(tank_);
    std::size_t line = 0;
    for (r.moveFirst(); !r.isEOF(); r.moveNext(), ++line) {
        if (r.key() != added) continue;
        selected_ = line;
        return line;
    }
    return lines_.size();
}

void WaterJournal::change(const std::function<void(db::CJournal&)>& set) {
    if (!hasEntry()) return;
    db::CJournal& r = *doc_.journal;
    r.edit();
    set(r);
    r.update();
    if (selected_ < lines_.size()) lines_[selected_] = journalLine(r);
}

void WaterJournal::deleteSelected() {
    if (!hasEntry()) return;
    doc_.journal->deleteRow();
    show(tank_);
}

}  // namespace farm
