#include "farm/CsvExport.h"

#include <cstdio>
#include <stdexcept>
#include <unordered_map>

#include "core/Dates.h"
#include "farm/LotNames.h"
#include "farm/TankBook.h"
#include "farm/WaterJournal.h"

namespace farm {

namespace fs = std::filesystem;

std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string out;
    out.reserve(text.size() + 8);
    out += '"';
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
    return out;
}

std::string csvRecord(const std::vector<std::string>& fields) {
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i) out += ',';
        out += csvField(fields[i]);
    }
    out += "\r\n";
    return out;
}

std::string csvAmount(std::int64_t cents) {
    const bool negative = cents < 0;
    // Unsigned, so the most negative sum has a magnitude too.
    std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(cents) : static_cast<std::uint64_t>(cents);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%s%llu.%02llu", negative ? "-" : "",
                  static_cast<unsigned long long>(magnitude / 100), static_cast<unsigned long long>(magnitude % 100));
    return buf;
}

std::string csvDate(std::time_t t) {
    if (t == 0 || t == core::notSetDate()) return {};
    return core::formatDate(t, "%Y-%m-%d");
}

void CsvFile::save(const fs::path& file) const {
    fs::path temp = file;
    temp += ".partial";
    std::FILE* f = std::fopen(temp.c_str(), "wb");
    bool ok = f && std::fwrite(text_.data(), 1, text_.size(), f) == text_.size();
    if (f && std::fclose(f) != 0) ok = false;
    std::error_code ec;
    if (ok) fs::rename(temp, file, ec);
    if (!ok || ec) {
        fs::remove(temp, ec);
        throw std::runtime_error("The file " + file.string() + " could not be written.");
    }
}

std::size_t exportLots(db::CFishesDoc& doc, const std::string& emptyTankName, const fs::path& file) {
    std::unordered_map<int, std::string> tanks;
    {
        db::Aquarium t(*doc.db);
        t.setFilter("Cod<>2");
        t.requery();
        for (; !t.isEOF(); t.moveNext()) tanks[t.m_Cod] = tankLine(t.m_In_liters, t.m_Other, emptyTankName);
    }
    db::My_Fish lot(*doc.db);
    lot.setFilter("Of_fish<>14");
    lot.setSort("Cod");
    lot.requery();
    db::Fish taxa(*doc.db);
    TaxonNames names(taxa);
    std::vector<int> species;
    species.reserve(lot.rowCount());
    for (; !lot.isEOF(); lot.moveNext()) species.push_back(lot.m_Of_fish);
    names.prefetch(species);

    CsvFile csv({"Code", "Species", "Special tokens", "Tank", "Fries", "Males", "Females", "Born", "Came to the farm",
                 "Died", "Died on", "Gifted", "Gifted on", "Sold", "Sold on", "Outgo", "Income", "Price", "For sale",
                 "Size", "Place of birth"});
    std::size_t n = 0;
    for (lot.moveFirst(); !lot.isEOF(); lot.moveNext(), ++n) {
        auto tank = tanks.find(lot.m_Of_aquarium);
        csv.add({std::to_string(lot.m_Cod), names.species(lot.m_Of_fish), lot.m_Other,
                 tank != tanks.end() ? tank->second : std::string(), std::to_string(lot.m_Number_fries),
                 std::to_string(lot.m_Number_male), std::to_string(lot.m_Number_female), csvDate(lot.m_Date_first_eat),
                 csvDate(lot.m_Date_mf), std::to_string(lot.m_Died), csvDate(lot.m_Date_dye),
                 std::to_string(lot.m_Gifted), csvDate(lot.m_Date_gift), std::to_string(lot.m_Saled),
                 csvDate(lot.m_Date_sale), csvAmount(lot.m_Outgo), csvAmount(lot.m_Income), csvAmount(lot.m_Price),
                 lot.m_Forsale ? "yes" : "no", std::to_string(lot.m_Size), lot.m_Place_birth});
    }
    csv.save(file);
    return n;
}

std::size_t exportJournal(db::Connection& c, int tank, const fs::path& file) {
    CsvFile csv({"Date", "Water change", "Volume changed, l", "dGh", "dKh", "pH", "Redox", "Saltiness", "Ammonia",
                 "Nitrites", "Nitrates", "Phosphates"});
    std::vector<JournalEntry> entries = readJournal(c, tank);
    for (const JournalEntry& e : entries)
        csv.add({csvDate(e.date), e.waterChange ? "yes" : "no", std::to_string(e.volume), std::to_string(e.dGh),
                 std::to_string(e.dKh), e.pHText, e.redoxText, std::to_string(e.salt), e.ammoniaText, e.nitritesText,
                 e.nitratesText, e.phosphatesText});
    csv.save(file);
    return entries.size();
}

std::size_t exportExpenses(db::CFishesDoc& doc, const BalancePeriod& period, const fs::path& file) {
    struct Kind {
        bool income;
        std::string name;
    };
    std::unordered_map<int, Kind> kinds;
    {
        db::Senttype k(*doc.db);
        k.requery();
        for (; !k.isEOF(); k.moveNext()) kinds[k.m_Cod] = {k.m_Type, k.m_Name};
    }
    db::CSent e(*doc.db);
    e.setFilter("Date>=" + core::dateLiteral(period.from) + " AND Date<" + core::dateLiteral(period.toEnd));
    e.setSort("Date");
    e.requery();
    CsvFile csv({"Date", "Kind", "Income or expense", "Count", "Price", "Amount", "Comment"});
    std::size_t n = 0;
    for (; !e.isEOF(); e.moveNext()) {
        if (!period.contains(e.m_Date)) continue;
        auto kind = kinds.find(e.m_Type);
        const bool income = kind != kinds.end() && kind->second.income;
        csv.add({csvDate(e.m_Date), kind != kinds.end() ? kind->second.name : std::string(),
                 income ? "income" : "expense", std::to_string(e.m_Count), csvAmount(e.m_Price),
                 csvAmount(static_cast<std::int64_t>(e.m_Count) * e.m_Price), e.m_Comment});
        ++n;
    }
    csv.save(file);
    return n;
}

}  // namespace farm
