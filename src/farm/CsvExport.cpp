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

namespace {

using db::integerOf;
using db::textOf;

// A date column read as its stored text ("2025-03-01 00:00:00.000"): its
// first ten characters are the day, with no time-zone work per value (which
// costs a file look-up per call where TZ is unset).
std::string dayOfStored(const db::Value& v) {
    const std::string& t = textOf(v);
    if (t.size() < 10 || t.compare(0, 10, "1980-01-01") == 0) return {};
    return t.substr(0, 10);
}

}  // namespace

std::size_t exportLots(db::CFishesDoc& doc, const std::string& emptyTankName, const fs::path& file) {
    std::unordered_map<int, std::string> tanks;
    {
        db::Aquarium t(*doc.db);
        t.setFilter("Cod<>2");
        t.requery();
        for (; !t.isEOF(); t.moveNext()) tanks[t.m_Cod] = tankLine(t.m_In_liters, t.m_Other, emptyTankName);
    }
    using K = db::ColumnKind;
    const std::vector<K> kinds{K::Integer, K::Integer, K::Text,    K::Integer, K::Integer, K::Integer, K::Integer,
                               K::Text,    K::Text,    K::Integer, K::Text,    K::Integer, K::Text,    K::Integer,
                               K::Text,    K::Integer, K::Integer, K::Integer, K::Integer, K::Integer, K::Text};
    db::Fish taxa(*doc.db);
    TaxonNames names(taxa);
    {
        std::vector<int> species;
        doc.db->query("SELECT DISTINCT \"Of_fish\" FROM \"My fishes\" WHERE \"Of_fish\"<>14", {K::Integer},
                      [&](std::vector<db::Value>& row) { species.push_back(static_cast<int>(integerOf(row[0]))); });
        names.prefetch(species);
    }

    CsvFile csv({"Code",      "Species", "Special tokens",   "Tank",  "Fries",   "Males",
                 "Females",   "Born",    "Came to the farm", "Died",  "Died on", "Gifted",
                 "Gifted on", "Sold",    "Sold on",          "Outgo", "Income",  "Price",
                 "For sale",  "Size",    "Place of birth"});
    auto n = [](const db::Value& v) { return std::to_string(integerOf(v)); };
    std::size_t count = 0;
    // One read of the whole table in blocks, each row written as it comes;
    // a record object's snapshot would turn every date into local time first.
    doc.db->query(
        "SELECT \"Cod\",\"Of_fish\",\"Other\",\"Of_aquarium\",\"Number_fries\",\"Number_male\","
        "\"Number_female\",\"Date_first_eat\",\"Date_mf\",\"Died\",\"Date_dye\",\"Gifted\",\"Date_gift\","
        "\"Saled\",\"Date_sale\",\"Outgo\",\"Income\",\"Price\",\"Forsale\",\"Size\",\"Place_birth\" "
        "FROM \"My fishes\" WHERE \"Of_fish\"<>14 ORDER BY \"Cod\"",
        kinds, [&](std::vector<db::Value>& r) {
            auto tank = tanks.find(static_cast<int>(integerOf(r[3])));
            csv.add({n(r[0]),
                     names.species(static_cast<int>(integerOf(r[1]))),
                     textOf(r[2]),
                     tank != tanks.end() ? tank->second : std::string(),
                     n(r[4]),
                     n(r[5]),
                     n(r[6]),
                     dayOfStored(r[7]),
                     dayOfStored(r[8]),
                     n(r[9]),
                     dayOfStored(r[10]),
                     n(r[11]),
                     dayOfStored(r[12]),
                     n(r[13]),
                     dayOfStored(r[14]),
                     csvAmount(integerOf(r[15])),
                     csvAmount(integerOf(r[16])),
                     csvAmount(integerOf(r[17])),
                     integerOf(r[18]) ? "yes" : "no",
                     n(r[19]),
                     textOf(r[20])});
            ++count;
        });
    csv.save(file);
    return count;
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
