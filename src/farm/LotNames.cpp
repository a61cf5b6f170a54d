#include "farm/LotNames.h"

#include <algorithm>

#include "catalogue/Taxonomy.h"
#include "core/ClassCodes.h"
#include "db/Dialect.h"
namespace farm {

namespace {

int intOf(const db::Value& v) { return static_cast<int>(db::integerOf(v)); }
using db::textOf;

}  // namespace

LotKind lotKindOfClass(int classCode) {
    switch (classCode) {
    case core::kFishes: return LotKind::Fish;
    case core::kDicotyledons:
    case core::kMonocotyledons:
    case core::kFerns:
    case core::kMosses: return LotKind::Plant;
    case core::kCrustaceans: return LotKind::Crustacean;
    default: return LotKind::Unlisted;
    }
}

std::string listPrefix(LotKind kind) {
    switch (kind) {
    case LotKind::Plant: return "@ ";
    case LotKind::Crustacean: return "# ";
    default: return "";
    }
}

const TaxonNames::Row& TaxonNames::row(int taxon) {
    auto it = rows_.find(taxon);
    if (it != rows_.end()) return it->second;
    rows_.emplace(taxon, Row{});
    read("Cod=?", {db::Value{std::int64_t{taxon}}});
    return rows_.at(taxon);
}

namespace {

// An ancestor whose own ancestor joins the name: the catalogue's climb rule.
bool climbsPast(int level) { return level != 0 && !catalogue::stopsNameClimb(level); }

}  // namespace

std::vector<std::string> codeFilters(std::vector<int> codes) {
    constexpr std::size_t kChunk = 500;
    std::sort(codes.begin(), codes.end());
    codes.erase(std::unique(codes.begin(), codes.end()), codes.end());
    std::vector<std::string> filters;
    for (std::size_t from = 0; from < codes.size(); from += kChunk) {
        std::string list;
        for (std::size_t i = from; i < codes.size() && i < from + kChunk; ++i) {
            if (!list.empty()) list += ",";
            list += std::to_string(codes[i]);
        }
        filters.push_back("Cod IN (" + list + ")");
    }
    return filters;
}

std::unordered_map<int, LotSummary> readLots(db::Connection& c, const std::vector<int>& codes) {
    using K = db::ColumnKind;
    std::unordered_map<int, LotSummary> out;
    // Only the four columns a list shows: the driver turns every value it
    // returns into text and back, and a lot has twenty-two.
    for (const std::string& filter : codeFilters(codes)) {
        const std::string sql = "SELECT Cod, Of_fish, Of_aquarium, Other FROM \"My fishes\" WHERE " + filter;
        c.query(db::toEngineSql(sql, c.engine()), {K::Integer, K::Integer, K::Integer, K::Text},
                [&](std::vector<db::Value>& row) { out[intOf(row[0])] = {intOf(row[1]), intOf(row[2]), textOf(row[3])}; });
    }
    return out;
}

std::unordered_map<int, int> readTankLitres(db::Aquarium& tanks, const std::vector<int>& codes) {
    std::unordered_map<int, int> out;
    for (const std::string& filter : codeFilters(codes)) {
        tanks.setFilter(filter);
        tanks.requery();
        for (; !tanks.isEOF(); tanks.moveNext()) out[tanks.m_Cod] = tanks.m_In_liters;
    }
    return out;
}

void TaxonNames::load(const std::vector<int>& codes) {
    for (int c : codes) rows_.emplace(c, Row{});
    for (const std::string& filter : codeFilters(codes)) read(filter, {});
}

// Only the columns a name needs, by a query of its own: the record objects
// of the window keep their filter and their row.
void TaxonNames::read(const std::string& condition, const std::vector<db::Value>& params) {
    using K = db::ColumnKind;
    const std::string sql = "SELECT Cod, Lat_name, Classific, Of_cod, Class FROM Reedmere WHERE " + condition;
    c_.query(db::toEngineSql(sql, c_.engine()), {K::Integer, K::Text, K::Integer, K::Integer, K::Integer},
             [&](std::vector<db::Value>& v) {
                 rows_[intOf(v[0])] = Row{true, textOf(v[1]), intOf(v[2]), intOf(v[3]), intOf(v[4])};
             },
             params);
}

void TaxonNames::prefetch(std::vector<int> wanted) {
    for (int round = 0; round < 64 && !wanted.empty(); ++round) {
        std::vector<int> missing;
        for (int c : wanted)
            if (!rows_.count(c)) missing.push_back(c);
        std::sort(missing.begin(), missing.end());
        missing.erase(std::unique(missing.begin(), missing.end()), missing.end());
        load(missing);
        std::vector<int> next;
        for (int c : wanted) {
            const Row& r = rows_[c];
            if (r.found && r.parent != 0 && (round == 0 || climbsPast(r.level))) next.push_back(r.parent);
        }
        wanted = std::move(next);
    }
}

std::string TaxonNames::species(int taxon) {
    std::string name = row(taxon).latName;
    int ancestor = row(taxon).parent;
    // A damaged tree could loop; no real path is this deep.
    for (int depth = 0; depth < 64 && ancestor != 0; ++depth) {
        const Row& up = row(ancestor);
        if (!up.found) break;
        name = up.latName + " " + name;
        if (!climbsPast(up.level)) break;
        ancestor = up.parent;
    }
    return name;
}

std::string TaxonNames::display(int taxon, const std::string& other) {
    std::string name = species(taxon);
    if (!other.empty()) name += " (" + other + ")";
    return name;
}

std::string TaxonNames::parent(int taxon, const std::string& other) {
    return species(taxon) + " (" + other + ")";
}

int TaxonNames::classOf(int taxon) { return row(taxon).classCode; }
int TaxonNames::levelOf(int taxon) { return row(taxon).level; }

}  // namespace farm
