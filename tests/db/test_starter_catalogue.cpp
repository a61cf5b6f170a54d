// The starter catalogue loaded into a real SQLite file through the ODBC driver:
// the shipped data must form a sound tree, and bad input must load nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "common/TestEnv.h"
#include "db/DataSource.h"
#include "db/StarterCatalogue.h"

namespace fs = std::filesystem;

namespace {

constexpr std::int64_t kSyn = 1000000000;

std::int64_t num(const db::Value& v) { return std::holds_alternative<std::int64_t>(v) ? std::get<std::int64_t>(v) : 0; }
std::string text(const db::Value& v) { return std::holds_alternative<std::string>(v) ? std::get<std::string>(v) : ""; }

struct Row {
    std::int64_t cod, ofCod, level, cls;
    std::string name, author;
};

// A seeded database of its own, reached by a connection of the test's own.
class StarterDb : public ::testing::Test {
protected:
    void SetUp() override {
        db::createEmbeddedDatabase(world.databaseFile(), false);
        c.open("DRIVER=SQLite3;Database=" + world.databaseFile().string() + ";NoWCHAR=1");
    }

    std::int64_t count(const std::string& sql) {
        std::int64_t n = -1;
        c.query(sql, {db::ColumnKind::Integer}, [&](std::vector<db::Value>& r) { n = num(r[0]); });
        return n;
    }

    std::string scalar(const std::string& sql) {
        std::string s;
        c.query(sql, {db::ColumnKind::Text}, [&](std::vector<db::Value>& r) { s = text(r[0]); });
        return s;
    }

    std::map<std::int64_t, Row> taxa() {
        std::map<std::int64_t, Row> out;
        c.query("SELECT \"Cod\",\"Of_cod\",\"Classific\",\"Class\",\"Lat_name\",\"Author\" FROM \"Reedmere\"",
                {db::ColumnKind::Integer, db::ColumnKind::Integer, db::ColumnKind::Integer,
                 db::ColumnKind::Integer, db::ColumnKind::Text, db::ColumnKind::Text},
                [&](std::vector<db::Value>& r) {
                    out[num(r[0])] = {num(r[0]), num(r[1]), num(r[2]), num(r[3]), text(r[4]), text(r[5])};
                });
        return out;
    }

    std::vector<std::int64_t> tableCounts() {
        std::vector<std::int64_t> n;
        for (const char* t : {"Reedmere", "Common", "Habitat", "Fishes", "Plants"}) {
            n.push_back(count(std::string("SELECT count(*) FROM \"") + t + "\""));
        }
        return n;
    }

    // A folder of catalogue files written by the test.
    fs::path folder(const std::map<std::string, std::string>& files) {
        fs::path dir = world.root() / ("cat" + std::to_string(++folders_));
        fs::create_directories(dir);
        for (const auto& [name, body] : files) std::ofstream(dir / name, std::ios::binary) << body;
        return dir;
    }

    // Loading must fail naming where, and leave the database as it was.
    void expectRefused(const fs::path& dir, const std::string& where, const std::string& why) {
        std::vector<std::int64_t> before = tableCounts();
        std::string flags = scalar("SELECT \"Author\" FROM \"Reedmere\" WHERE \"Cod\"=14");
        try {
            db::loadStarterCatalogue(c, dir);
            ADD_FAILURE() << "loaded although " << where << " is wrong";
        } catch (const std::runtime_error& e) {
            std::string msg = e.what();
            EXPECT_NE(msg.find(where), std::string::npos) << msg;
            EXPECT_NE(msg.find(why), std::string::npos) << msg;
        }
        EXPECT_EQ(tableCounts(), before);
        EXPECT_EQ(scalar("SELECT \"Author\" FROM \"Reedmere\" WHERE \"Cod\"=14"), flags);
    }

    testenv::TempWorld world;
    db::Connection c;
    int folders_ = 0;
};

const char* kHabitats =
    "# regions\n"
    "Africa\n"
    "  Lake Malawi\n"
    "South America\n"
    "  Amazon River basin\n";

const char* kGoodFishes =
    "class 14\n"
    "  Superorder Ostariophysi | Sagemehl, 1885\n"
    "    Order Characiformes | Regan, 1911\n"
    "      Family Characidae | Latreille, 1825 | en=Characins\n"
    "        Genus Paracheirodon | Géry, 1960\n"
    "          Species innesi | (Myers, 1936) | en=Neon tetra | ru=Неон обыкновенный\n"
    "            = Hyphessobrycon innesi | Myers, 1936\n"
    "            card temp=20-26 | ph=5.0-7.0 | len=40 | food=live food | habitat=Amazon River basin\n";

fs::path shipped() { return db::shippedDataDir() / "catalogue"; }

bool isWhole(const std::string& s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
}

}  // namespace

TEST_F(StarterDb, ShippedTreeIsSound) {
    db::loadStarterCatalogue(c, shipped());
    std::set<std::int64_t> levels;
    c.query("SELECT \"Number\" FROM \"Taxons\"", {db::ColumnKind::Integer},
            [&](std::vector<db::Value>& r) { levels.insert(num(r[0])); });
    std::map<std::int64_t, Row> all = taxa();
    std::set<std::tuple<std::int64_t, std::int64_t, std::string>> siblings;
    for (const auto& [cod, t] : all) {
        if (t.level == 536870912) continue;  // the root
        ASSERT_TRUE(all.count(t.ofCod)) << t.name << " has no parent " << t.ofCod;
        const Row& parent = all[t.ofCod];
        bool synonym = t.level > kSyn;
        EXPECT_TRUE(levels.count(synonym ? t.level - kSyn : t.level)) << t.name << " level " << t.level;
        std::string key = t.name;
        for (char& ch : key) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        EXPECT_TRUE(siblings.insert({t.ofCod, t.level, key}).second) << "twice under one parent: " << t.name;
        if (t.cls == 0 || t.level == 262144) continue;  // the high taxonomy and the classes are seeded
        EXPECT_EQ(t.cls, parent.level == 262144 ? parent.cod : parent.cls) << t.name;
        EXPECT_FALSE(t.author.empty()) << t.name;
        if (synonym) {
            EXPECT_EQ(t.level - kSyn, parent.level) << "synonym " << t.name << " of another level";
            EXPECT_TRUE(std::isupper(static_cast<unsigned char>(t.name[0]))) << t.name;
            continue;
        }
        EXPECT_LT(t.level, parent.level) << t.name;
        if (parent.level == 262144) EXPECT_EQ(t.level, 131072) << t.name << " would be invisible";
        EXPECT_EQ(t.name.find(' '), std::string::npos) << t.name;
        if (t.level <= 64) EXPECT_TRUE(std::islower(static_cast<unsigned char>(t.name[0]))) << t.name;
        else EXPECT_TRUE(std::isupper(static_cast<unsigned char>(t.name[0]))) << t.name;
    }

    // Species of the fishes, and the families they fall into.
    std::set<std::int64_t> families;
    int fishSpecies = 0, plantSpecies = 0;
    for (const auto& [cod, t] : all) {
        if (t.level != 64) continue;
        if (t.cls == 14) {
            ++fishSpecies;
            std::int64_t up = t.ofCod;
            while (all.count(up) && all[up].level < 4096) up = all[up].ofCod;
            ASSERT_TRUE(all.count(up));
            EXPECT_EQ(all[up].level, 4096) << t.name << " is in no family";
            families.insert(up);
        } else if (t.cls == 12127 || t.cls == 12129 || t.cls == 12176 || t.cls == 12329) {
            ++plantSpecies;
        }
    }
    EXPECT_GE(fishSpecies, 200);
    EXPECT_GE(families.size(), 30u);
    EXPECT_GE(plantSpecies, 40);
    EXPECT_GE(count("SELECT count(DISTINCT \"Of_cod\") FROM \"Reedmere\" WHERE \"Class\"=14 AND \"Classific\"=" +
                    std::to_string(kSyn + 64)),
              20);

    // Cards point at fish species and at habitats that exist.
    std::set<std::int64_t> habitats;
    c.query("SELECT \"Cod\" FROM \"Habitat\"", {db::ColumnKind::Integer},
            [&](std::vector<db::Value>& r) { habitats.insert(num(r[0])); });
    int cards = 0;
    c.query("SELECT \"Of_fish\",\"Habitat\",\"Keep_cond\",\"Spawn_cond\",\"M_len\",\"F_len\" FROM \"Fishes\"",
            {db::ColumnKind::Integer, db::ColumnKind::Text, db::ColumnKind::Text, db::ColumnKind::Text,
             db::ColumnKind::Text, db::ColumnKind::Text},
            [&](std::vector<db::Value>& r) {
                ++cards;
                std::int64_t fish = num(r[0]);
                ASSERT_TRUE(all.count(fish));
                EXPECT_EQ(all[fish].level, 64);
                EXPECT_EQ(all[fish].cls, 14);
                std::stringstream codes(text(r[1]));
                std::string code;
                int n = 0;
                while (std::getline(codes, code, ',')) {
                    ++n;
                    EXPECT_TRUE(habitats.count(std::stoll(code))) << all[fish].name << " habitat " << code;
                }
                EXPECT_GE(n, 1) << all[fish].name;
                std::string keep = text(r[2]);
                EXPECT_EQ(std::count(keep.begin(), keep.end(), '|'), 6) << keep;
                EXPECT_NE(keep.substr(0, 2), "||") << all[fish].name << " card without temperature and pH";
                std::string spawn = text(r[3]);
                EXPECT_EQ(std::count(spawn.begin(), spawn.end(), '|'), 8) << spawn;
                EXPECT_TRUE(isWhole(text(r[4])) || text(r[4]).empty()) << all[fish].name << " " << text(r[4]);
                EXPECT_TRUE(isWhole(text(r[5])) || text(r[5]).empty()) << all[fish].name << " " << text(r[5]);
            });
    EXPECT_GE(cards, 50);

    std::string flags = scalar("SELECT \"Author\" FROM \"Reedmere\" WHERE \"Cod\"=14");
    EXPECT_EQ(flags, "1111010011011111");
    EXPECT_EQ(scalar("SELECT \"Author\" FROM \"Reedmere\" WHERE \"Cod\"=12129"), "1111010011011110");
    EXPECT_EQ(count("SELECT count(*) FROM \"Common\" WHERE \"Language\" NOT IN (0,1)"), 0);
    EXPECT_EQ(count("SELECT count(*) FROM (SELECT \"Of_fish\" FROM \"Common\" GROUP BY \"Of_fish\",\"Language\" "
                    "HAVING count(*)>1)"),
              0);
    EXPECT_EQ(count("SELECT count(*) FROM \"Common\" WHERE \"Of_fish\" NOT IN (SELECT \"Cod\" FROM \"Reedmere\")"), 0);
    EXPECT_EQ(count("SELECT count(*) FROM \"Habitat\" h WHERE h.\"Of_cod\"<>0 AND h.\"Of_cod\" NOT IN "
                    "(SELECT \"Cod\" FROM \"Habitat\")"),
              0);
}

TEST_F(StarterDb, ShippedNeonTetraIsStoredAsWritten) {
    db::loadStarterCatalogue(c, shipped());
    std::string genus = scalar("SELECT \"Cod\" FROM \"Reedmere\" WHERE \"Lat_name\"='Paracheirodon' AND \"Classific\"=512");
    ASSERT_FALSE(genus.empty());
    std::string neon = scalar("SELECT \"Cod\" FROM \"Reedmere\" WHERE \"Lat_name\"='innesi' AND \"Of_cod\"=" + genus);
    ASSERT_FALSE(neon.empty());
    EXPECT_EQ(scalar("SELECT \"Author\" FROM \"Reedmere\" WHERE \"Cod\"=" + neon), "(Myers, 1936)");
    EXPECT_EQ(scalar("SELECT \"Name\" FROM \"Common\" WHERE \"Language\"=1 AND \"Of_fish\"=" + neon),
              "Неон обыкновенный");
    EXPECT_EQ(scalar("SELECT \"Name\" FROM \"Common\" WHERE \"Language\"=0 AND \"Of_fish\"=" + neon), "Neon tetra");
    EXPECT_EQ(scalar("SELECT \"Author\" FROM \"Reedmere\" WHERE \"Lat_name\"='Hyphessobrycon innesi' AND "
                     "\"Classific\"=1000000064 AND \"Of_cod\"=" + neon),
              "Myers, 1936");
    EXPECT_EQ(scalar("SELECT \"Keep_cond\" FROM \"Fishes\" WHERE \"Of_fish\"=" + neon), "20-26|5.0-7.0|||||");
    EXPECT_EQ(scalar("SELECT \"M_len\" FROM \"Fishes\" WHERE \"Of_fish\"=" + neon), "40");
    EXPECT_EQ(scalar("SELECT \"Habitat\" FROM \"Fishes\" WHERE \"Of_fish\"=" + neon),
              scalar("SELECT \"Cod\" FROM \"Habitat\" WHERE \"Name\"='Amazon River basin'"));
    // The lake lies in the rift lakes of Africa, a top region.
    std::string lakes = scalar("SELECT \"Of_cod\" FROM \"Habitat\" WHERE \"Name\"='Lake Malawi'");
    std::string africa = scalar("SELECT \"Of_cod\" FROM \"Habitat\" WHERE \"Cod\"=" + lakes);
    EXPECT_EQ(scalar("SELECT \"Name\" FROM \"Habitat\" WHERE \"Cod\"=" + africa), "Africa");
    EXPECT_EQ(scalar("SELECT \"Of_cod\" FROM \"Habitat\" WHERE \"Cod\"=" + africa), "0");
    // Orders from several files share one superorder.
    EXPECT_EQ(count("SELECT count(*) FROM \"Reedmere\" WHERE \"Lat_name\"='Ostariophysi'"), 1);
    EXPECT_EQ(count("SELECT count(*) FROM \"Reedmere\" WHERE \"Lat_name\"='Acanthopterygii'"), 1);
    EXPECT_EQ(count("SELECT count(*) FROM \"Reedmere\" r JOIN \"Reedmere\" p ON r.\"Of_cod\"=p.\"Cod\" "
                    "WHERE p.\"Lat_name\"='Ostariophysi' AND r.\"Classific\"=65536"),
              4);
}

TEST_F(StarterDb, SecondLoadAddsNothing) {
    db::loadStarterCatalogue(c, shipped());
    std::vector<std::int64_t> once = tableCounts();
    std::string flags = scalar("SELECT \"Author\" FROM \"Reedmere\" WHERE \"Cod\"=14");
    db::loadStarterCatalogue(c, shipped());
    EXPECT_EQ(tableCounts(), once);
    EXPECT_EQ(scalar("SELECT \"Author\" FROM \"Reedmere\" WHERE \"Cod\"=14"), flags);
}

TEST_F(StarterDb, SharedHigherTaxaAreReusedAcrossFiles) {
    fs::path dir = folder({{"habitats.txt", kHabitats},
                           {"a.txt", kGoodFishes},
                           {"b.txt",
                            "class 14\n"
                            "  Superorder Ostariophysi | Sagemehl, 1885\n"
                            "    Order Characiformes | Regan, 1911\n"
                            "      Family Alestidae | Cockerell, 1910\n"
                            "        Genus Phenacogrammus | Eigenmann, 1907\n"
                            "          Species interruptus | (Boulenger, 1899) | en=Congo tetra\n"}});
    std::int64_t before = count("SELECT count(*) FROM \"Reedmere\"");
    db::loadStarterCatalogue(c, dir);
    // Superorder, order, two families, two genera, two species, one synonym.
    EXPECT_EQ(count("SELECT count(*) FROM \"Reedmere\"") - before, 9);
    EXPECT_EQ(count("SELECT count(*) FROM \"Reedmere\" WHERE \"Lat_name\"='Characiformes'"), 1);
    EXPECT_EQ(count("SELECT count(*) FROM \"Reedmere\" r JOIN \"Reedmere\" p ON r.\"Of_cod\"=p.\"Cod\" "
                    "WHERE p.\"Lat_name\"='Characiformes' AND r.\"Classific\"=4096"),
              2);
    EXPECT_EQ(count("SELECT count(*) FROM \"Habitat\""), 4);
    EXPECT_EQ(count("SELECT count(*) FROM \"Habitat\" WHERE \"Of_cod\"=0"), 2);
    EXPECT_EQ(count("SELECT count(*) FROM \"Fishes\""), 1);
    // No menu line: the class stays out of the menu.
    EXPECT_EQ(scalar("SELECT \"Author\" FROM \"Reedmere\" WHERE \"Cod\"=14"), "1111010011011110");
}

TEST_F(StarterDb, MenuLineSetsOnlyTheLastFlag) {
    db::loadStarterCatalogue(c, folder({{"p.txt", "menu 12176\n"}}));
    EXPECT_EQ(scalar("SELECT \"Author\" FROM \"Reedmere\" WHERE \"Cod\"=12176"), "1111010011011111");
    EXPECT_EQ(scalar("SELECT \"Author\" FROM \"Reedmere\" WHERE \"Cod\"=14"), "1111010011011110");
}

TEST_F(StarterDb, UnknownAuthorIsStoredAsCommaBlank) {
    db::loadStarterCatalogue(c, folder({{"p.txt",
                                         "class 12329\n"
                                         "  Superorder Hypnanae | ,\n"
                                         "    Order Hypnales | , \n"}}));
    EXPECT_EQ(scalar("SELECT \"Author\" FROM \"Reedmere\" WHERE \"Lat_name\"='Hypnanae'"), ", ");
    EXPECT_EQ(scalar("SELECT \"Author\" FROM \"Reedmere\" WHERE \"Lat_name\"='Hypnales'"), ", ");
    EXPECT_EQ(scalar("SELECT \"Class\" FROM \"Reedmere\" WHERE \"Lat_name\"='Hypnales'"), "12329");
}

TEST_F(StarterDb, BadIndentationIsRefused) {
    // The earlier, correct file must be rolled back with the bad one.
    std::string bad = std::string(kGoodFishes) + "           Species axelrodi | (Schultz, 1956)\n";
    expectRefused(folder({{"habitats.txt", kHabitats}, {"a.txt", kGoodFishes}, {"b.txt", bad}}), "b.txt:9:",
                  "two blanks");
    std::string deep = "class 14\n  Superorder Ostariophysi | Sagemehl, 1885\n      Family Characidae | Latreille, 1825\n";
    expectRefused(folder({{"a.txt", deep}}), "a.txt:3:", "deeper");
}

TEST_F(StarterDb, UnknownLevelNameIsRefused) {
    std::string text = kGoodFishes;
    text.replace(text.find("Family Characidae"), 6, "Famly");
    expectRefused(folder({{"habitats.txt", kHabitats}, {"fish.txt", text}}), "fish.txt:4:", "unknown level");
}

TEST_F(StarterDb, UnknownHabitatIsRefused) {
    std::string text = kGoodFishes;
    text.replace(text.find("Amazon River basin"), 18, "Amazon River; Lake Malawi");
    expectRefused(folder({{"habitats.txt", kHabitats}, {"fish.txt", text}}), "fish.txt:8:",
                  "unknown habitat \"Amazon River\"");
}

TEST_F(StarterDb, MisplacedLinesAreRefused) {
    expectRefused(folder({{"a.txt", "class 99\n"}}), "a.txt:1:", "unknown class");
    expectRefused(folder({{"a.txt", "class 14\n  Order Characiformes | Regan, 1911\n"}}), "a.txt:2:", "superorders");
    expectRefused(folder({{"a.txt", "class 14\n  Superorder Ostariophysi\n"}}), "a.txt:2:", "missing author");
    expectRefused(folder({{"a.txt", "class 14\n  Superorder ostariophysi | Sagemehl, 1885\n"}}), "a.txt:2:",
                  "capital");
    std::string cardOnGenus = "class 14\n  Superorder Ostariophysi | Sagemehl, 1885\n    Order Characiformes | Regan, 1911\n"
                              "      Family Characidae | Latreille, 1825\n        Genus Paracheirodon | Géry, 1960\n"
                              "          card temp=20-26\n";
    expectRefused(folder({{"a.txt", cardOnGenus}}), "a.txt:6:", "under a species");
    std::string badLen = kGoodFishes;
    badLen.replace(badLen.find("len=40"), 6, "len=4 cm");
    expectRefused(folder({{"habitats.txt", kHabitats}, {"a.txt", badLen}}), "a.txt:8:", "millimetres");
    expectRefused(folder({{"habitats.txt", "Africa\n  Lake Malawi\nAsia\n  Lake Malawi\n"}}), "habitats.txt:4:",
                  "twice");
}

TEST_F(StarterDb, NewEmbeddedDatabaseHoldsTheCatalogue) {
    c.close();
    fs::path file = world.root() / "fresh.db";
    db::createEmbeddedDatabase(file, true);
    db::Connection fresh;
    fresh.open("DRIVER=SQLite3;Database=" + file.string() + ";NoWCHAR=1");
    std::int64_t species = 0;
    fresh.query("SELECT count(*) FROM \"Reedmere\" WHERE \"Class\"=14 AND \"Classific\"=64", {db::ColumnKind::Integer},
                [&](std::vector<db::Value>& r) { species = num(r[0]); });
    EXPECT_GE(species, 200);
}

namespace {

// "20", "6.5" or "20-26" with the low end not above the high one.
bool readsAsRange(const std::string& s) {
    std::size_t dash = s.find('-');
    std::string low = s.substr(0, dash), high = dash == std::string::npos ? low : s.substr(dash + 1);
    for (const std::string* part : {&low, &high}) {
        std::size_t used = 0;
        try {
            std::stod(*part, &used);
        } catch (const std::exception&) {
            return false;
        }
        if (used != part->size() || (*part)[0] == '-' || (*part)[0] == '+') return false;
    }
    return std::stod(low) <= std::stod(high);
}

std::vector<std::string> pieces(const std::string& packed) {
    std::vector<std::string> out;
    std::stringstream in(packed);
    std::string piece;
    while (std::getline(in, piece, '|')) out.push_back(piece);
    if (!packed.empty() && packed.back() == '|') out.push_back("");
    return out;
}

const char* const kCrayfish =
    "class 10420\n"
    "  Superorder Eucarida | Calman, 1904\n"
    "    Order Decapoda | Latreille, 1802\n"
    "      Family Cambaridae | Hobbs, 1942\n"
    "        Genus Procambarus | Ortmann, 1905\n"
    "          Species clarkii | (Girard, 1852) | en=Red swamp crayfish\n"
    "            = Cambarus clarkii | Girard, 1852\n";

}  // namespace

TEST_F(StarterDb, ShippedSpeciesAllHaveTheirCardsWithReadableValues) {
    db::loadStarterCatalogue(c, shipped());
    std::map<std::int64_t, Row> all = taxa();
    std::set<std::int64_t> fishCards, plantCards, habitats;
    c.query("SELECT \"Cod\" FROM \"Habitat\"", {db::ColumnKind::Integer},
            [&](std::vector<db::Value>& r) { habitats.insert(num(r[0])); });
    auto habitatsExist = [&](const std::string& codes, const std::string& who) {
        std::stringstream in(codes);
        std::string code;
        while (std::getline(in, code, ',')) {
            EXPECT_TRUE(isWhole(code) && habitats.count(std::stoll(code))) << who << " habitat " << code;
        }
    };
    auto rangesRead = [&](const std::vector<std::string>& p, std::initializer_list<std::size_t> which,
                          const std::string& who) {
        for (std::size_t i : which) {
            if (i < p.size() && !p[i].empty()) EXPECT_TRUE(readsAsRange(p[i])) << who << " piece " << i << ": " << p[i];
        }
    };

    c.query("SELECT \"Of_fish\",\"Habitat\",\"Keep_cond\",\"Spawn_cond\" FROM \"Fishes\"",
            {db::ColumnKind::Integer, db::ColumnKind::Text, db::ColumnKind::Text, db::ColumnKind::Text},
            [&](std::vector<db::Value>& r) {
                std::string who = all[num(r[0])].name;
                EXPECT_TRUE(fishCards.insert(num(r[0])).second) << "two cards: " << who;
                habitatsExist(text(r[1]), who);
                std::vector<std::string> keep = pieces(text(r[2])), spawn = pieces(text(r[3]));
                ASSERT_EQ(keep.size(), 7u) << who;
                ASSERT_EQ(spawn.size(), 9u) << who;
                EXPECT_TRUE(readsAsRange(keep[0]) && readsAsRange(keep[1])) << who << " " << text(r[2]);
                rangesRead(keep, {2, 3, 4}, who);
                rangesRead(spawn, {0, 1, 2, 3, 4}, who);
                for (std::size_t i : {5u, 6u, 7u}) {
                    std::string v = i == 5 ? keep[5] : spawn[i];
                    EXPECT_TRUE(v.empty() || isWhole(v)) << who << " " << v;
                }
                for (std::size_t i : {6u, 7u}) {
                    if (!spawn[i].empty()) EXPECT_LE(std::stoi(spawn[i]), 10) << who;
                }
            });
    c.query("SELECT \"Of_cod\",\"Habitat\",\"Keep_cond\",\"Height\" FROM \"Plants\"",
            {db::ColumnKind::Integer, db::ColumnKind::Text, db::ColumnKind::Text, db::ColumnKind::Text},
            [&](std::vector<db::Value>& r) {
                std::string who = all[num(r[0])].name;
                EXPECT_TRUE(plantCards.insert(num(r[0])).second) << "two plant cards: " << who;
                EXPECT_NE(all[num(r[0])].cls, 14) << who;
                habitatsExist(text(r[1]), who);
                std::vector<std::string> keep = pieces(text(r[2]));
                EXPECT_TRUE(keep.size() == 4u || keep.size() == 9u) << who << " " << text(r[2]);
                EXPECT_TRUE(readsAsRange(keep[0]) && readsAsRange(keep[1])) << who << " " << text(r[2]);
                rangesRead(keep, {2, 3, 6}, who);
                EXPECT_TRUE(text(r[3]).empty() || isWhole(text(r[3]))) << who << " " << text(r[3]);
            });

    std::map<std::int64_t, int> speciesPerClass;
    for (const auto& [cod, t] : all) {
        if (t.level != 64) continue;
        ++speciesPerClass[t.cls];
        if (t.cls == 14) EXPECT_TRUE(fishCards.count(cod)) << t.name << " has no care card";
        else EXPECT_TRUE(plantCards.count(cod)) << t.name << " has no plant card";
    }
    EXPECT_GE(speciesPerClass[10420], 30);
    EXPECT_GE(speciesPerClass[12329] + speciesPerClass[12176], 25);
    // The Crustacea hold shrimps, crayfish and crabs under their infraorders.
    for (const char* infraorder : {"Caridea", "Astacidea", "Brachyura"}) {
        EXPECT_EQ(count(std::string("SELECT count(*) FROM \"Reedmere\" WHERE \"Class\"=10420 AND \"Classific\"=16384 "
                                    "AND \"Lat_name\"='") + infraorder + "'"),
                  1)
            << infraorder;
    }
}

TEST_F(StarterDb, PlantLineStoresThePlantCard) {
    std::string text = std::string(kCrayfish) +
                       "            plant temp=18-28 | ph=6.5-8.5 | height=150 | "
                       "habitat=Amazon River basin; Lake Malawi\n"
                       "class 12129\n"
                       "  Superorder Lilianae | ,\n"
                       "    Order Alismatales | R.Br. ex Bercht. & J.Presl, 1820\n"
                       "      Family Araceae | Juss., 1789\n"
                       "        Genus Anubias | Schott, 1857\n"
                       "          Species barteri | Schott, 1860\n"
                       "            plant light=low | temp=22-28 | gh=2-15 | substrate=tied to wood | ph=6.0-7.5\n";
    db::loadStarterCatalogue(c, folder({{"habitats.txt", kHabitats}, {"p.txt", text}}));
    std::string crayfish = scalar("SELECT \"Cod\" FROM \"Reedmere\" WHERE \"Lat_name\"='clarkii'");
    std::string anubias = scalar("SELECT \"Cod\" FROM \"Reedmere\" WHERE \"Lat_name\"='barteri'");
    // Water pieces alone keep the three bars of a new card.
    EXPECT_EQ(scalar("SELECT \"Keep_cond\" FROM \"Plants\" WHERE \"Of_cod\"=" + crayfish), "18-28|6.5-8.5||");
    EXPECT_EQ(scalar("SELECT \"Height\" FROM \"Plants\" WHERE \"Of_cod\"=" + crayfish), "150");
    EXPECT_EQ(scalar("SELECT \"Habitat\" FROM \"Plants\" WHERE \"Of_cod\"=" + crayfish),
              scalar("SELECT \"Cod\" FROM \"Habitat\" WHERE \"Name\"='Amazon River basin'") + "," +
                  scalar("SELECT \"Cod\" FROM \"Habitat\" WHERE \"Name\"='Lake Malawi'"));
    // Lighting is the sixth of the nine pieces.
    EXPECT_EQ(scalar("SELECT \"Keep_cond\" FROM \"Plants\" WHERE \"Of_cod\"=" + anubias),
              "22-28|6.0-7.5|2-15|||low|||");
    EXPECT_EQ(scalar("SELECT \"Substrat\" FROM \"Plants\" WHERE \"Of_cod\"=" + anubias), "tied to wood");
    EXPECT_EQ(scalar("SELECT \"Habitat\" FROM \"Plants\" WHERE \"Of_cod\"=" + anubias), "");
    EXPECT_EQ(count("SELECT count(*) FROM \"Plants\""), 2);
    EXPECT_EQ(count("SELECT count(*) FROM \"Fishes\""), 0);
}

TEST_F(StarterDb, CareCardCarriesHardnessSpawningAndOffspring) {
    std::string text = kGoodFishes;
    text.replace(text.find("card temp=20-26"), 4,
                 "card gh=1-10 | kh=0-4 | vol=40 | water=weekly, a quarter | flen=45 | fry-food=infusoria | "
                 "spawn-temp=24-26 | spawn-ph=5.0-6.0 | spawn-gh=0-2 | season=10 | substrate=8 | "
                 "push=soft water, dim light | eggs=200 | egg-days=1 | hatch=80 | fry-days=5 | egg-size=0.8 |");
    db::loadStarterCatalogue(c, folder({{"habitats.txt", kHabitats}, {"a.txt", text}}));
    std::string neon = scalar("SELECT \"Cod\" FROM \"Reedmere\" WHERE \"Lat_name\"='innesi'");
    auto field = [&](const char* column) {
        return scalar(std::string("SELECT CAST(\"") + column + "\" AS TEXT) FROM \"Fishes\" WHERE \"Of_fish\"=" + neon);
    };
    EXPECT_EQ(field("Keep_cond"), "20-26|5.0-7.0|1-10|0-4||40|weekly, a quarter");
    EXPECT_EQ(field("Spawn_cond"), "24-26|5.0-6.0|0-2||||10|8|soft water, dim light");
    EXPECT_EQ(field("M_len"), "40");
    EXPECT_EQ(field("F_len"), "45");
    EXPECT_EQ(field("Forage_fr"), "infusoria");
    EXPECT_EQ(field("Egg_quant"), "200");
    EXPECT_EQ(field("Egg_term"), "1");
    EXPECT_EQ(field("Fr_perc"), "80");
    EXPECT_EQ(field("Fr_term"), "5");
    EXPECT_EQ(field("Egg_size"), "0.8");
}

TEST_F(StarterDb, MalformedCardValuesStopTheLoadAndKeepNothing) {
    auto withCard = [](const std::string& fields) {
        std::string text = kGoodFishes;
        std::size_t at = text.find("card temp=");
        return text.substr(0, at) + "card " + fields + "\n";
    };
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"temp=26-20 | ph=6", "range"},          // upside down
        {"temp=warm | ph=6", "range"},           // not a number
        {"temp=20-26 | ph=6,5", "range"},        // decimal comma
        {"temp=20-26 | season=11", "index 0-10"},
        {"temp=20-26 | hatch=120", "percentage"},
        {"temp=20-26 | eggs=many", "whole number"},
        {"temp=20-26 | egg-days=40000", "days"},
        {"temp=20-26 | height=40", "unknown card field \"height\""},
    };
    for (const auto& [fields, why] : cases) {
        SCOPED_TRACE(fields);
        expectRefused(folder({{"habitats.txt", kHabitats}, {"a.txt", kGoodFishes}, {"b.txt", withCard(fields)}}),
                      "b.txt:8:", why);
    }
    // Each kind of card belongs to its own classes, and only under a species.
    std::string plantOnFish = std::string(kGoodFishes) + "            plant temp=20-26\n";
    expectRefused(folder({{"habitats.txt", kHabitats}, {"a.txt", plantOnFish}}), "a.txt:9:", "care cards");
    std::string cardOnCrayfish = std::string(kCrayfish) + "            card temp=20-26\n";
    expectRefused(folder({{"a.txt", cardOnCrayfish}}), "a.txt:8:", "plant line");
    std::string plantOnGenus = std::string(kCrayfish).substr(0, std::string(kCrayfish).find("          Species")) +
                               "          plant temp=20-26\n";
    expectRefused(folder({{"a.txt", plantOnGenus}}), "a.txt:6:", "under a species");
    std::string twoPlantCards = std::string(kCrayfish) + "            plant temp=20-26\n            plant ph=7\n";
    expectRefused(folder({{"a.txt", twoPlantCards}}), "a.txt:9:", "second plant card");
    std::string badHeight = std::string(kCrayfish) + "            plant temp=20-26 | height=15 cm\n";
    expectRefused(folder({{"a.txt", badHeight}}), "a.txt:8:", "millimetres");
    std::string strayHabitat = std::string(kCrayfish) + "            plant temp=20-26 | habitat=Atlantis\n";
    expectRefused(folder({{"habitats.txt", kHabitats}, {"a.txt", strayHabitat}}), "a.txt:8:",
                  "unknown habitat \"Atlantis\"");
}

TEST_F(StarterDb, PlantCardOfAnEarlierLoadIsLeftAsItIs) {
    fs::path dir = folder({{"a.txt", std::string(kCrayfish) + "            plant temp=18-28 | height=150\n"}});
    db::loadStarterCatalogue(c, dir);
    c.execute("UPDATE \"Plants\" SET \"Height\"='120'", {});
    db::loadStarterCatalogue(c, dir);
    EXPECT_EQ(count("SELECT count(*) FROM \"Plants\""), 1);
    EXPECT_EQ(scalar("SELECT \"Height\" FROM \"Plants\""), "120");
}
