#include "farm/WaterJournal.h"

#include <ctime>

#include "core/Dates.h"

namespace farm {

std::optional<double> readDecimal(const std::string& text) {
    std::size_t b = text.find_first_not_of(' ');
    std::size_t e = text.find_last_not_of(' ');
    if (b == std::string::npos) return std::nullopt;
    std::string t = text.substr(b, e - b + 1);
    std::size_t i = (t[0] == '-' || t[0] == '+') ? 1 : 0;
    std::size_t digits = 0, separators = 0;
    for (std::size_t k = i; k < t.size(); ++k) {
        if (t[k] >= '0' && t[k] <= '9') ++digits;
        else if ((t[k] == '.' || t[k] == ',') && ++separators == 1) t[k] = '.';
        else return std::nullopt;
    }
    if (digits == 0 || digits > 15) return std::nullopt;
    // Read by hand, not by strtod: the user's locale must not change what a point means.
    double value = 0, scale = 1;
    bool fraction = false;
    for (std::size_t k = i; k < t.size(); ++k) {
        if (t[k] == '.') {
            fraction = true;
            continue;
        }
        if (fraction) value += (t[k] - '0') * (scale /= 10);
        else value = value * 10 + (t[k] - '0');
    }
    return t[0] == '-' ? -value : value;
}

bool isMeasuredText(const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos || readDecimal(text).has_value();
}

std::vector<JournalEntry> readJournal(db::Connection& c, int tank) {
    db::CJournal r(c);
    r.setFilter("Of_aqua=" + std::to_string(tank));
    r.setSort("Date");
    r.requery();
    std::vector<JournalEntry> out;
    out.reserve(r.rowCount());
    for (; !r.isEOF(); r.moveNext()) {
        JournalEntry e;
        e.date = r.m_Date;
        e.waterChange = r.m_Waterchange;
        e.volume = r.m_Volume_wc;
        e.dGh = r.m_dGh;
        e.dKh = r.m_dKh;
        e.salt = r.m_salt;
        e.pHText = r.m_pH;
        e.redoxText = r.m_rH;
        e.ammoniaText = r.m_NH;
        e.nitritesText = r.m_NO2;
        e.nitratesText = r.m_NO3;
        e.phosphatesText = r.m_PO;
        e.pH = readDecimal(r.m_pH);
        e.redox = readDecimal(r.m_rH);
        e.ammonia = readDecimal(r.m_NH);
        e.nitrites = readDecimal(r.m_NO2);
        e.nitrates = readDecimal(r.m_NO3);
        e.phosphates = readDecimal(r.m_PO);
        out.push_back(std::move(e));
    }
    return out;
}

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

std::size_t WaterJournal::changeDate(std::time_t date) {
    if (!hasEntry()) return selected_;
    db::CJournal& r = *doc_.journal;
    const std::int64_t key = r.key();
    change([&](db::CJournal& e) { e.m_Date = date; });
    show(tank_);
    std::size_t line = 0;
    for (r.moveFirst(); !r.isEOF(); r.moveNext(), ++line)
        if (r.key() == key) break;
    selected_ = line;
    return line;
}

void WaterJournal::deleteSelected() {
    if (!hasEntry()) return;
    doc_.journal->deleteRow();
    show(tank_);
}

}  // namespace farm
