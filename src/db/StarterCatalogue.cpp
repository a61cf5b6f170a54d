#include "db/StarterCatalogue.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <fstream>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace db {

namespace fs = std::filesystem;

namespace {

constexpr std::int64_t kSynonymOffset = 1000000000;
constexpr std::int64_t kClassLevel = 262144;
constexpr std::int64_t kTopCatalogueLevel = 131072;
constexpr std::int64_t kSpeciesLevel = 64;
constexpr std::int64_t kFishClass = 14;
constexpr const char* kNoAuthor = ", ";

// Longer names first, so "Species group" is not read as "Species".
const std::vector<std::pair<std::string, std::int64_t>>& levelNames() {
    static const std::vector<std::pair<std::string, std::int64_t>> names = {
        {"Species group", 128}, {"Superorder", 131072}, {"Superfamily", 8192}, {"Infraorder", 16384},
        {"Subspecies", 32},     {"Subfamily", 2048},    {"Suborder", 32768},   {"Subgenus", 256},
        {"Species", 64},        {"Family", 4096},       {"Strain", 8},         {"Order", 65536},
        {"Tribe", 1024},        {"Genus", 512},         {"Form", 16},
    };
    return names;
}

std::string lower(std::string s) {
    for (char& ch : s) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return s;
}

std::string trim(const std::string& s) {
    std::size_t b = 0, e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t' || s[e - 1] == '\r')) --e;
    return s.substr(b, e - b);
}

std::vector<std::string> split(const std::string& s, char sep) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (;;) {
        std::size_t p = s.find(sep, start);
        out.push_back(trim(s.substr(start, p == std::string::npos ? std::string::npos : p - start)));
        if (p == std::string::npos) break;
        start = p + 1;
    }
    return out;
}

bool startsWith(const std::string& s, const std::string& prefix) {
    return s.compare(0, prefix.size(), prefix) == 0;
}

bool allDigits(const std::string& s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
}

struct LineError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

[[noreturn]] void fail(const std::string& why) { throw LineError(why); }


// How the value of a card field must read.
enum class Rule {
    Range,     // a number or "low-high", decimals with "."
    Whole,     // an unsigned whole number
    Length,    // a whole number of millimetres
    Days,      // a whole number a small-integer column holds
    Percent,   // a whole number 0..100
    ListIndex, // an index 0..10 into the season or substrate list
    Text,
};

bool isDecimal(const std::string& s) {
    std::size_t dot = s.find('.');
    if (dot == std::string::npos) return allDigits(s);
    return allDigits(s.substr(0, dot)) && allDigits(s.substr(dot + 1));
}

void checkValue(const std::string& key, const std::string& value, Rule rule) {
    switch (rule) {
    case Rule::Range: {
        std::size_t dash = value.find('-');
        std::string low = value.substr(0, dash);
        std::string high = dash == std::string::npos ? low : value.substr(dash + 1);
        if (!isDecimal(low) || !isDecimal(high) || std::stod(low) > std::stod(high)) {
            fail(key + " is a number or a range such as 20-26 or 6.5-7.5, not \"" + value + "\"");
        }
        break;
    }
    case Rule::Whole:
        if (!allDigits(value) || value.size() > 9) fail(key + " is a whole number, digits only, not \"" + value + "\"");
        break;
    case Rule::Length:
        if (!allDigits(value) || value.size() > 9) {
            fail(key + " is a length in millimetres, digits only, not \"" + value + "\"");
        }
        break;
    case Rule::Days:
        if (!allDigits(value) || value.size() > 4) fail(key + " is a number of days up to 9999, not \"" + value + "\"");
        break;
    case Rule::Percent:
        if (!allDigits(value) || value.size() > 3 || std::stoi(value) > 100) fail(key + " is a percentage 0-100");
        break;
    case Rule::ListIndex:
        if (!allDigits(value) || value.size() > 2 || std::stoi(value) > 10) {
            fail(key + " is an index 0-10 into its list, not \"" + value + "\"");
        }
        break;
    case Rule::Text:
        break;
    }
}

const std::map<std::string, Rule>& careCardRules() {
    static const std::map<std::string, Rule> rules = {
        {"temp", Rule::Range},       {"ph", Rule::Range},           {"gh", Rule::Range},
        {"kh", Rule::Range},         {"salt", Rule::Range},         {"vol", Rule::Whole},
        {"water", Rule::Text},       {"food", Rule::Text},          {"habitat", Rule::Text},
        {"len", Rule::Length},        {"flen", Rule::Length},         {"egg-size", Rule::Range},
        {"fry-food", Rule::Text},    {"spawn-temp", Rule::Range},   {"spawn-ph", Rule::Range},
        {"spawn-gh", Rule::Range},   {"spawn-kh", Rule::Range},     {"spawn-salt", Rule::Range},
        {"spawn-vol", Rule::Whole},  {"season", Rule::ListIndex},   {"substrate", Rule::ListIndex},
        {"push", Rule::Text},        {"eggs", Rule::Whole},         {"egg-days", Rule::Days},
        {"hatch", Rule::Percent},    {"fry-days", Rule::Days},
    };
    return rules;
}

const std::map<std::string, Rule>& plantCardRules() {
    static const std::map<std::string, Rule> rules = {
        {"temp", Rule::Range},   {"ph", Rule::Range},       {"gh", Rule::Range},
        {"kh", Rule::Range},     {"light", Rule::Text},     {"salt", Rule::Range},
        {"height", Rule::Length}, {"diameter", Rule::Length}, {"substrate", Rule::Text},
        {"habitat", Rule::Text},
    };
    return rules;
}

struct Line {
    int number = 0;
    int depth = 0;
    std::string text;  // without the indentation
};

// Reads the meaningful lines of one file with their depth of indentation.
std::vector<Line> readLines(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw std::runtime_error(file.filename().string() + ": cannot be read");
    std::vector<Line> lines;
    std::string raw;
    int number = 0;
    while (std::getline(in, raw)) {
        ++number;
        if (number == 1 && startsWith(raw, "\xEF\xBB\xBF")) raw.erase(0, 3);
        std::string body = trim(raw);
        if (body.empty() || body[0] == '#') continue;
        std::size_t blanks = 0;
        while (blanks < raw.size() && raw[blanks] == ' ') ++blanks;
        if (raw[blanks] == '\t') {
            throw std::runtime_error(file.filename().string() + ":" + std::to_string(number) +
                                     ": indentation must be blanks, not tabs");
        }
        if (blanks % 2 != 0) {
            throw std::runtime_error(file.filename().string() + ":" + std::to_string(number) +
                                     ": indentation must be a multiple of two blanks");
        }
        lines.push_back({number, static_cast<int>(blanks / 2), body});
    }
    return lines;
}

class Loader {
public:
    explicit Loader(Connection& c) : c_(c) { readDatabase(); }

    void loadHabitats(const fs::path& file) {
        std::vector<std::int64_t> parents;  // habitat code per depth
        std::set<std::string> seenInFile;
        for (const Line& line : readLines(file)) {
            atLine(file, line, [&] {
                if (line.depth > static_cast<int>(parents.size())) fail("indented deeper than its parent allows");
                parents.resize(line.depth);
                const std::string& name = line.text;
                if (name.find('|') != std::string::npos || name.find(';') != std::string::npos ||
                    name.find(',') != std::string::npos) {
                    fail("a habitat name may not contain '|', ';' or ','");
                }
                if (!seenInFile.insert(lower(name)).second) fail("habitat \"" + name + "\" is listed twice");
                std::int64_t parent = line.depth == 0 ? 0 : parents.back();
                auto found = habitats_.find(lower(name));
                std::int64_t cod;
                if (found != habitats_.end()) {
                    if (found->second.second != parent) {
                        fail("habitat \"" + name + "\" already stands under another region");
                    }
                    cod = found->second.first;
                } else {
                    c_.execute("INSERT INTO \"Habitat\"(\"Name\",\"Of_cod\") VALUES(?,?)", {name, parent});
                    cod = c_.lastInsertId();
                    habitats_[lower(name)] = {cod, parent};
                }
                parents.push_back(cod);
            });
        }
    }

    void loadTaxa(const fs::path& file) {
        stack_.clear();
        for (const Line& line : readLines(file)) {
            atLine(file, line, [&] { taxonLine(line); });
        }
    }

private:
    enum class Kind { Class, Taxon, Synonym, Card };

    struct Node {
        Kind kind;
        std::int64_t cod;
        std::int64_t level;
        std::int64_t classCode;
    };

    struct Taxon {
        std::int64_t level;
        std::int64_t classCode;
        std::string author;
        bool createdNow;
    };

    using SiblingKey = std::tuple<std::int64_t, std::int64_t, std::string>;  // parent, level, lower name

    template <typename F>
    void atLine(const fs::path& file, const Line& line, F&& body) {
        try {
            body();
        } catch (const std::exception& e) {
            throw std::runtime_error(file.filename().string() + ":" + std::to_string(line.number) + ": " + e.what());
        }
    }

    void readDatabase() {
        c_.query("SELECT \"Number\" FROM \"Taxons\"", {ColumnKind::Integer},
                 [&](std::vector<Value>& r) { levels_.insert(integerOf(r[0])); });
        c_.query("SELECT \"Cod\",\"Of_cod\",\"Classific\",\"Lat_name\",\"Class\",\"Author\" FROM \"Reedmere\"",
                 {ColumnKind::Integer, ColumnKind::Integer, ColumnKind::Integer, ColumnKind::Text,
                  ColumnKind::Integer, ColumnKind::Text},
                 [&](std::vector<Value>& r) {
                     std::int64_t cod = integerOf(r[0]);
                     siblings_.emplace(SiblingKey{integerOf(r[1]), integerOf(r[2]), lower(textOf(r[3]))}, cod);
                     taxa_[cod] = {integerOf(r[2]), integerOf(r[4]), textOf(r[5]), false};
                 });
        c_.query("SELECT \"Of_fish\",\"Language\" FROM \"Common\"", {ColumnKind::Integer, ColumnKind::Integer},
                 [&](std::vector<Value>& r) { commonNames_.insert({integerOf(r[0]), integerOf(r[1])}); });
        c_.query("SELECT \"Of_fish\" FROM \"Fishes\"", {ColumnKind::Integer},
                 [&](std::vector<Value>& r) { cards_.insert(integerOf(r[0])); });
        c_.query("SELECT \"Of_cod\" FROM \"Plants\"", {ColumnKind::Integer},
                 [&](std::vector<Value>& r) { plantCards_.insert(integerOf(r[0])); });
        c_.query("SELECT \"Cod\",\"Name\",\"Of_cod\" FROM \"Habitat\"",
                 {ColumnKind::Integer, ColumnKind::Text, ColumnKind::Integer}, [&](std::vector<Value>& r) {
                     habitats_.emplace(lower(textOf(r[1])), std::make_pair(integerOf(r[0]), integerOf(r[2])));
                 });
    }

    void taxonLine(const Line& line) {
        const std::string& t = line.text;
        if (startsWith(t, "menu ") || t == "menu") {
            menuLine(trim(t.substr(4)));
            return;
        }
        if (startsWith(t, "class ") || t == "class") {
            if (line.depth != 0) fail("a class line must not be indented");
            classLine(trim(t.substr(5)));
            return;
        }
        if (line.depth == 0) fail("only class and menu lines stand at the left margin");
        if (line.depth > static_cast<int>(stack_.size())) fail("indented deeper than its parent allows");
        stack_.resize(line.depth);
        const Node parent = stack_.back();
        if (parent.kind == Kind::Synonym || parent.kind == Kind::Card) {
            fail("nothing may be indented under a synonym or card line");
        }
        if (t[0] == '=') {
            stack_.push_back(synonymLine(parent, trim(t.substr(1))));
        } else if (startsWith(t, "card ") || t == "card") {
            cardLine(parent, trim(t.substr(4)));
            stack_.push_back({Kind::Card, 0, 0, parent.classCode});
        } else if (startsWith(t, "plant ") || t == "plant") {
            plantLine(parent, trim(t.substr(5)));
            stack_.push_back({Kind::Card, 0, 0, parent.classCode});
        } else {
            stack_.push_back(rankLine(parent, t));
        }
    }

    void classLine(const std::string& code) {
        if (!allDigits(code)) fail("class needs the code of a seeded class");
        std::int64_t cod = std::stoll(code);
        auto it = taxa_.find(cod);
        if (it == taxa_.end() || it->second.level != kClassLevel) fail("unknown class " + code);
        stack_.clear();
        stack_.push_back({Kind::Class, cod, kClassLevel, cod});
    }

    void menuLine(const std::string& code) {
        if (!allDigits(code)) fail("menu needs the code of a class");
        std::int64_t cod = std::stoll(code);
        auto it = taxa_.find(cod);
        if (it == taxa_.end() || it->second.level != kClassLevel) fail("unknown class " + code);
        std::string& flags = it->second.author;
        if (flags.size() < 2) fail("class " + code + " has no level-visibility string");
        if (flags.back() == '1') return;
        flags.back() = '1';
        c_.execute("UPDATE \"Reedmere\" SET \"Author\"=? WHERE \"Cod\"=?", {flags, cod});
    }

    // Splits "<head> | <author> [| en=..] [| ru=..]" and checks the author.
    struct Parts {
        std::string head;
        std::string author;
        std::map<std::int64_t, std::string> names;  // language -> common name
    };

    Parts parts(const std::string& text) {
        std::vector<std::string> fields = split(text, '|');
        if (fields.size() < 2 || fields[1].empty()) fail("missing author (write \", \" when it is unknown)");
        Parts p;
        p.head = fields[0];
        p.author = fields[1] == "," ? kNoAuthor : fields[1];
        if (p.author != kNoAuthor && p.author.find(", ") == std::string::npos) {
            fail("author \"" + p.author + "\" is not \"describer, year\"");
        }
        for (std::size_t i = 2; i < fields.size(); ++i) {
            std::int64_t lang;
            if (startsWith(fields[i], "en=")) lang = 0;
            else if (startsWith(fields[i], "ru=")) lang = 1;
            else fail("unknown field \"" + fields[i] + "\" (expected en= or ru=)");
            std::string name = trim(fields[i].substr(3));
            if (name.empty()) fail("empty common name");
            if (!p.names.emplace(lang, name).second) fail("two common names in one language");
        }
        return p;
    }

    Node rankLine(const Node& parent, const std::string& text) {
        Parts p = parts(text);
        std::int64_t level = 0;
        std::string name;
        for (const auto& [levelName, value] : levelNames()) {
            if (startsWith(p.head, levelName + " ")) {
                level = value;
                name = trim(p.head.substr(levelName.size() + 1));
                break;
            }
        }
        if (level == 0) fail("unknown level name in \"" + p.head + "\"");
        if (!levels_.count(level)) fail("the level table has no level " + std::to_string(level));
        if (name.empty()) fail("missing Latin name");
        if (parent.kind == Kind::Class && level != kTopCatalogueLevel) {
            fail("a class holds superorders only; the catalogue shows nothing else at its top");
        }
        if (level >= parent.level) fail("\"" + name + "\" must stand at a lower level than its parent");
        if (level > 16 && name.find(' ') != std::string::npos) fail("a Latin name of one level is one word");
        unsigned char first = static_cast<unsigned char>(name[0]);
        if (level <= kSpeciesLevel && !std::islower(first)) fail("an epithet begins with a lower-case letter");
        if (level > kSpeciesLevel && !std::isupper(first)) fail("a name above species level begins with a capital");
        std::int64_t cod = findOrInsert(parent.cod, level, name, p.author, parent.classCode);
        addCommonNames(cod, p.names);
        return {Kind::Taxon, cod, level, parent.classCode};
    }

    Node synonymLine(const Node& parent, const std::string& text) {
        if (parent.kind != Kind::Taxon) fail("a synonym stands under a taxon");
        Parts p = parts(text);
        const std::string& name = p.head;
        if (name.empty()) fail("missing Latin name");
        if (!std::isupper(static_cast<unsigned char>(name[0]))) {
            fail("a synonym is written as published, beginning with the genus");
        }
        if (parent.level <= kSpeciesLevel && name.find(' ') == std::string::npos) {
            fail("a species synonym is the full name as published");
        }
        std::int64_t level = parent.level + kSynonymOffset;
        std::int64_t cod = findOrInsert(parent.cod, level, name, p.author, parent.classCode);
        addCommonNames(cod, p.names);
        return {Kind::Synonym, cod, level, parent.classCode};
    }

    // "key=value | key=value ..." of a card or plant line, each key checked
    // against its rule; a key may be given once.
    std::map<std::string, std::string> cardFields(const std::string& text, const std::map<std::string, Rule>& rules) {
        std::map<std::string, std::string> values;
        for (const std::string& field : split(text, '|')) {
            std::size_t eq = field.find('=');
            if (eq == std::string::npos) fail("card field \"" + field + "\" is not key=value");
            std::string key = trim(field.substr(0, eq));
            std::string value = trim(field.substr(eq + 1));
            auto rule = rules.find(key);
            if (rule == rules.end()) fail("unknown card field \"" + key + "\"");
            if (value.empty()) fail("card field \"" + key + "\" is empty");
            checkValue(key, value, rule->second);
            if (!values.emplace(key, value).second) fail("card field \"" + key + "\" given twice");
        }
        return values;
    }

    std::string habitatCodes(const std::string& names) {
        std::string codes;
        for (const std::string& name : split(names, ';')) {
            auto it = habitats_.find(lower(name));
            if (it == habitats_.end()) fail("unknown habitat \"" + name + "\"");
            if (!codes.empty()) codes += ",";
            codes += std::to_string(it->second.first);
        }
        return codes;
    }

    static std::string joined(const std::vector<std::string>& pieces) {
        std::string out;
        for (std::size_t i = 0; i < pieces.size(); ++i) out += (i ? "|" : "") + pieces[i];
        return out;
    }

    static std::int64_t number(const std::map<std::string, std::string>& values, const std::string& key) {
        auto it = values.find(key);
        return it == values.end() ? 0 : std::stoll(it->second);
    }

    void cardLine(const Node& parent, const std::string& text) {
        if (parent.kind != Kind::Taxon || parent.level > kSpeciesLevel) fail("a card stands under a species");
        if (parent.classCode != kFishClass) {
            fail("care cards are for the fishes (class 14) only; plants take a plant line");
        }
        std::map<std::string, std::string> v = cardFields(text, careCardRules());
        std::string habitat = v.count("habitat") ? habitatCodes(v["habitat"]) : std::string();
        if (cardsNow_.count(parent.cod)) fail("a second card for the same species");
        cardsNow_.insert(parent.cod);
        if (cards_.count(parent.cod)) return;  // loaded before: leave the card as it is
        std::string keep = joined({v["temp"], v["ph"], v["gh"], v["kh"], v["salt"], v["vol"], v["water"]});
        std::string spawn = joined({v["spawn-temp"], v["spawn-ph"], v["spawn-gh"], v["spawn-kh"], v["spawn-salt"],
                                    v["spawn-vol"], v["season"], v["substrate"], v["push"]});
        std::string female = v.count("flen") ? v["flen"] : v["len"];
        c_.execute(
            "INSERT INTO \"Fishes\"(\"Habitat\",\"Forage\",\"Forage_fr\",\"Keep_cond\",\"Spawn_cond\","
            "\"Egg_quant\",\"Egg_term\",\"Fr_perc\",\"Fr_term\",\"Of_fish\",\"Egg_size\",\"F_len\",\"Fr_len\","
            "\"J_len\",\"M_len\") VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)",
            {habitat, v["food"], v["fry-food"], keep, spawn, number(v, "eggs"), number(v, "egg-days"),
             number(v, "hatch"), number(v, "fry-days"), parent.cod, v["egg-size"], female, std::string(),
             std::string(), v["len"]});
        cards_.insert(parent.cod);
    }

    void plantLine(const Node& parent, const std::string& text) {
        if (parent.kind != Kind::Taxon || parent.level > kSpeciesLevel) fail("a plant card stands under a species");
        if (parent.classCode == kFishClass) fail("the fishes (class 14) take care cards, not plant cards");
        std::map<std::string, std::string> v = cardFields(text, plantCardRules());
        std::string habitat = v.count("habitat") ? habitatCodes(v["habitat"]) : std::string();
        if (plantCardsNow_.count(parent.cod)) fail("a second plant card for the same species");
        plantCardsNow_.insert(parent.cod);
        if (plantCards_.count(parent.cod)) return;  // loaded before: leave the card as it is
        // The four water pieces alone, as a new card holds them; the further
        // pieces only when one of them is given.
        std::vector<std::string> keep = {v["temp"], v["ph"], v["gh"], v["kh"]};
        if (v.count("light") || v.count("salt")) {
            for (const char* more : {"", "light", "salt", "", ""}) keep.push_back(*more ? v[more] : std::string());
        }
        c_.execute(
            "INSERT INTO \"Plants\"(\"Of_cod\",\"Height\",\"Diameter\",\"Fl_size\",\"Seed_size\",\"Habitat\","
            "\"Keep_cond\",\"Substrat\",\"Season\",\"Flow_term\",\"Seed_term\",\"Seed_perc\",\"Spr_size\",\"Root\") "
            "VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?)",
            {parent.cod, v["height"], v["diameter"], std::string(), std::string(), habitat, joined(keep),
             v["substrate"], std::int64_t{0}, std::int64_t{0}, std::int64_t{0}, std::int64_t{0}, std::string(),
             std::string()});
        plantCards_.insert(parent.cod);
    }

    std::int64_t findOrInsert(std::int64_t parent, std::int64_t level, const std::string& name,
                              const std::string& author, std::int64_t classCode) {
        SiblingKey key{parent, level, lower(name)};
        auto found = siblings_.find(key);
        if (found != siblings_.end()) {
            const Taxon& known = taxa_[found->second];
            // Two files describing one taxon must agree; a name the user edited stays as it is.
            if (known.createdNow && known.author != author) {
                fail("\"" + name + "\" was given the author \"" + known.author + "\" before");
            }
            return found->second;
        }
        c_.execute("INSERT INTO \"Reedmere\"(\"Author\",\"Classific\",\"Lat_name\",\"Of_cod\",\"Class\") "
                   "VALUES(?,?,?,?,?)",
                   {author, level, name, parent, classCode});
        std::int64_t cod = c_.lastInsertId();
        siblings_.emplace(key, cod);
        taxa_[cod] = {level, classCode, author, true};
        return cod;
    }

    void addCommonNames(std::int64_t cod, const std::map<std::int64_t, std::string>& names) {
        for (const auto& [lang, name] : names) {
            if (!commonNames_.insert({cod, lang}).second) continue;  // one name per language
            c_.execute("INSERT INTO \"Common\"(\"Of_fish\",\"Name\",\"Language\") VALUES(?,?,?)", {cod, name, lang});
        }
    }

    Connection& c_;
    std::set<std::int64_t> levels_;
    std::map<SiblingKey, std::int64_t> siblings_;
    std::map<std::int64_t, Taxon> taxa_;
    std::set<std::pair<std::int64_t, std::int64_t>> commonNames_;
    std::set<std::int64_t> cards_;
    std::set<std::int64_t> cardsNow_;
    std::set<std::int64_t> plantCards_;
    std::set<std::int64_t> plantCardsNow_;
    std::map<std::string, std::pair<std::int64_t, std::int64_t>> habitats_;  // lower name -> code, parent
    std::vector<Node> stack_;
};

}  // namespace

void loadStarterCatalogue(Connection& c, const fs::path& dir) {
    if (!fs::is_directory(dir)) throw std::runtime_error(dir.string() + ": no such folder");
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(dir)) {
        const fs::path& p = entry.path();
        if (entry.is_regular_file() && p.extension() == ".txt" && p.filename() != "habitats.txt") files.push_back(p);
    }
    std::sort(files.begin(), files.end(),
              [](const fs::path& a, const fs::path& b) { return a.filename().string() < b.filename().string(); });

    Transaction t(c);
    Loader loader(c);
    if (fs::exists(dir / "habitats.txt")) loader.loadHabitats(dir / "habitats.txt");
    for (const fs::path& f : files) loader.loadTaxa(f);
    t.commit();
}

}  // namespace db
