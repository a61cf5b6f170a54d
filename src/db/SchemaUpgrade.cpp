#include "db/SchemaUpgrade.h"

#include <optional>
#include <string>
#include <vector>

namespace db {

namespace {

const char* const kLots = "My fishes";
const char* const kWidened = "My fishes widened";

std::vector<std::string> schemaTexts(Connection& c, const std::string& type) {
    std::vector<std::string> texts;
    c.query("SELECT sql FROM sqlite_master WHERE type=? AND tbl_name=? AND sql IS NOT NULL", {ColumnKind::Memo},
            [&](std::vector<Value>& row) { texts.push_back(textOf(row[0])); }, {type, std::string(kLots)});
    return texts;
}

// Replaces every 16-bit range of the money columns; false when none is left.
bool widenMoneyChecks(std::string& createTable) {
    bool changed = false;
    for (const char* column : {"\"Income\"", "\"Outgo\""}) {
        const std::string narrow = std::string(column) + " BETWEEN -32768 AND 32767";
        const std::string wide = std::string(column) + " BETWEEN -2147483648 AND 2147483647";
        for (auto at = createTable.find(narrow); at != std::string::npos; at = createTable.find(narrow, at)) {
            createTable.replace(at, narrow.size(), wide);
            changed = true;
        }
    }
    return changed;
}

std::optional<std::int64_t> counterOf(Connection& c) {
    std::optional<std::int64_t> seq;
    c.query("SELECT seq FROM sqlite_sequence WHERE name=?", {ColumnKind::Integer},
            [&](std::vector<Value>& row) {
                if (std::holds_alternative<std::int64_t>(row[0])) seq = std::get<std::int64_t>(row[0]);
            },
            {std::string(kLots)});
    return seq;
}

}  // namespace

bool upgradeEmbeddedSchema(Connection& c) {
    if (c.engine() != Engine::SQLite) return false;
    std::vector<std::string> tables = schemaTexts(c, "table");
    if (tables.size() != 1) return false;
    std::string create = tables.front();
    if (!widenMoneyChecks(create)) return false;
    const std::string name = std::string("\"") + kLots + "\"";
    auto at = create.find(name);
    if (at == std::string::npos) return false;
    create.replace(at, name.size(), std::string("\"") + kWidened + "\"");

    std::vector<std::string> indexes = schemaTexts(c, "index");
    std::optional<std::int64_t> counter = counterOf(c);
    Transaction t(c);
    c.execute(create);
    c.execute(std::string("INSERT INTO \"") + kWidened + "\" SELECT * FROM " + name);
    c.execute("DROP TABLE " + name);
    c.execute(std::string("ALTER TABLE \"") + kWidened + "\" RENAME TO " + name);
    for (const std::string& index : indexes) c.execute(index);
    // Codes of deleted lots are never given again.
    if (counter) c.execute("UPDATE sqlite_sequence SET seq=? WHERE name=?", {*counter, std::string(kLots)});
    t.commit();
    return true;
}

}  // namespace db
