#include "db/Dialect.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <unordered_map>

namespace db {

std::string quoteText(const std::string& text) {
    std::string out;
    out.reserve(text.size() + 2);
    for (char ch : text) {
        out += ch;
        if (ch == '\'') out += '\'';
    }
    return out;
}

namespace {

// Every table and column name of the fifteen tables, as the schema spells them.
const char* const kSchemaNames[] = {
    "My fishes", "Aquariums", "Author", "Class", "Classific", "Cod", "Comment", "Common", "Count",
    "Date", "Date_dye", "Date_eggs", "Date_first_eat", "Date_fries", "Date_gift", "Date_mf",
    "Date_out", "Date_sale", "Description", "Diameter", "Died", "E_mail", "Egg_quant", "Egg_size",
    "Egg_term", "FTP", "F_len", "Fishes", "Fl_size", "Flow_term", "Forage", "Forage_fr", "Forsale",
    "Fr_len", "Fr_perc", "Fr_term", "Fries_out", "Gifted", "HTTP", "Habitat", "Height", "In_liters",
    "Income", "Incubator", "J_len", "Journal", "Keep_cond", "Language", "Lat_name", "Links",
    "M_len", "NH", "NO2", "NO3", "Name", "Number", "Number_eggs", "Number_female", "Number_fries",
    "Number_male", "Of_aqua", "Of_aquarium", "Of_cod", "Of_father", "Of_fish", "Of_fry",
    "Of_incubator", "Of_mother", "Other", "Outgo", "PO", "Place_birth", "Plants", "Price",
    "Price_l", "Price_l_ws", "Price_m", "Price_m_ws", "Price_ml", "Price_ml_ws", "Price_out",
    "Price_s", "Price_s_ws", "Price_sm", "Price_sm_ws", "Reedmere", "Root", "Row_id", "Saled",
    "Season", "Seed_perc", "Seed_size", "Seed_term", "Sent", "Senttype", "Size", "Size_height",
    "Size_l", "Size_length", "Size_m", "Size_ml", "Size_s", "Size_sm", "Size_width", "Spawn_cond",
    "Spr_size", "Substrat", "Taxons", "Text", "Type", "Type_rus", "Volume_wc", "Waterchange", "dGh",
    "dKh", "pH", "rH", "salt",
};

// Truth columns; the schema keeps them as integers 0 and 1 on every engine.
const char* const kTruthColumns[] = {"Forsale", "Waterchange"};

std::string lowered(const std::string& s) {
    std::string out = s;
    for (char& ch : out) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return out;
}

const std::unordered_map<std::string, std::string>& namesByLowerCase() {
    static const std::unordered_map<std::string, std::string> names = [] {
        std::unordered_map<std::string, std::string> m;
        for (const char* n : kSchemaNames) m.emplace(lowered(n), n);
        return m;
    }();
    return names;
}

bool isTruthColumn(const std::string& name) {
    return std::any_of(std::begin(kTruthColumns), std::end(kTruthColumns),
                       [&](const char* c) { return name == c; });
}

bool isWordChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

// Reads "#m/d/y#" at pos; on success sets end to the index after the closing '#'.
bool readDateLiteral(const std::string& s, std::size_t pos, unsigned& m, unsigned& d, unsigned& y,
                     std::size_t& end) {
    std::size_t close = s.find('#', pos + 1);
    if (close == std::string::npos) return false;
    std::string body = s.substr(pos + 1, close - pos - 1);
    char tail = 0;
    if (std::sscanf(body.c_str(), "%u/%u/%u%c", &m, &d, &y, &tail) != 3) return false;
    for (char c : body)
        if (!std::isdigit(static_cast<unsigned char>(c)) && c != '/') return false;
    std::size_t yearDigits = body.size() - body.find_last_of('/') - 1;
    if (yearDigits <= 2) y += 1900;  // two-digit years are of the 1900s
    end = close + 1;
    return true;
}

std::string engineDate(unsigned m, unsigned d, unsigned y, Engine engine) {
    char buf[64];
    // The SQLite driver stores a bound timestamp with ".000"; the literal must match it.
    if (engine == Engine::PostgreSQL)
        std::snprintf(buf, sizeof buf, "TIMESTAMP '%04u-%02u-%02u 00:00:00'", y, m, d);
    else
        std::snprintf(buf, sizeof buf, "'%04u-%02u-%02u 00:00:00.000'", y, m, d);
    return buf;
}

std::string quotedName(const std::string& name) {
    std::string known = schemaName(name);
    return "\"" + (known.empty() ? name : known) + "\"";
}

// The truth literal for a comparison with the column named last.
std::string truthLiteral(const std::string& lastName) {
    return isTruthColumn(lastName) ? "1" : "TRUE";
}

// The end of a quoted run starting at i (doubled quotes stay inside).
std::size_t quotedEnd(const std::string& sql, std::size_t i) {
    const char q = sql[i];
    std::size_t close = i + 1;
    for (;;) {
        close = sql.find(q, close);
        if (close == std::string::npos) return sql.size();
        if (close + 1 < sql.size() && sql[close + 1] == q) {
            close += 2;
            continue;
        }
        return close + 1;
    }
}

bool callsFunction(const std::string& sql, std::size_t end) {
    while (end < sql.size() && sql[end] == ' ') ++end;
    return end < sql.size() && sql[end] == '(';
}

}  // namespace

std::string schemaName(const std::string& name) {
    auto it = namesByLowerCase().find(lowered(name));
    return it == namesByLowerCase().end() ? std::string() : it->second;
}

std::string toEngineSql(const std::string& sql, Engine engine) {
    std::string out;
    out.reserve(sql.size() + 32);
    std::string lastName;  // the column a following YES compares with
    std::string lastWord;  // "INTO T (" names a table, not a function
    std::size_t i = 0;
    while (i < sql.size()) {
        char c = sql[i];
        if (c == '\'' || c == '"') {
            std::size_t close = quotedEnd(sql, i);
            out.append(sql, i, close - i);
            if (c == '"' && close - i >= 2) lastName = schemaName(sql.substr(i + 1, close - i - 2));
            i = close;
            continue;
        }
        if (c == '#') {
            unsigned m, d, y;
            std::size_t end;
            if (readDateLiteral(sql, i, m, d, y, end)) {
                out += engineDate(m, d, y, engine);
                i = end;
                continue;
            }
        }
        if (c == '[') {
            std::size_t close = sql.find(']', i);
            if (close != std::string::npos) {
                lastName = schemaName(sql.substr(i + 1, close - i - 1));
                out += quotedName(sql.substr(i + 1, close - i - 1));
                i = close + 1;
                continue;
            }
        }
        if (isWordChar(c)) {  // whole words, so that "YES" inside a name stays
            std::size_t end = i;
            while (end < sql.size() && isWordChar(sql[end])) ++end;
            const std::string word = sql.substr(i, end - i);
            const std::string known = std::isdigit(static_cast<unsigned char>(c)) ? "" : schemaName(word);
            if (word == "YES") {
                out += truthLiteral(lastName);
            } else if (!known.empty() && (!callsFunction(sql, end) || lowered(lastWord) == "into")) {
                out += "\"" + known + "\"";
                lastName = known;
            } else {
                out += word;
            }
            lastWord = word;
            i = end;
            continue;
        }
        out += c;
        ++i;
    }
    return out;
}

}  // namespace db
