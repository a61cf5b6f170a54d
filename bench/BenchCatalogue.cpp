#include "BenchCatalogue.h"

namespace bench {

namespace {

std::string syllables(int n, bool capital) {
    static const char* parts[] = {"ka", "ro", "mi", "ne", "tu", "sa", "li", "po", "ve", "da", "xo", "ri"};
    std::string s;
    int k = n;
    do {
        s += parts[k % 12];
        k /= 12;
    } while (k > 0);
    s += "us";
    if (capital) s[0] = static_cast<char>(s[0] - 'a' + 'A');
    return s;
}

struct Inserter {
    db::Connection& c;
    std::int32_t next = 100000;
    std::int32_t add(const std::string& name, std::int32_t level, std::int32_t parent) {
        std::int32_t cod = next++;
        c.execute("INSERT INTO \"Reedmere\" (\"Cod\",\"Author\",\"Classific\",\"Lat_name\",\"Of_cod\",\"Class\") "
                  "VALUES (?,?,?,?,?,14)",
                  {std::int64_t(cod), std::string("Author, 1900"), std::int64_t(level), name, std::int64_t(parent)});
        return cod;
    }
    void common(std::int32_t cod, const std::string& name, int language) {
        c.execute("INSERT INTO \"Common\" (\"Of_fish\",\"Name\",\"Language\") VALUES (?,?,?)",
                  {std::int64_t(cod), name, std::int64_t(language)});
    }
};

}  // namespace

GeneratedCatalogue generateCatalogue(db::Connection& c, int taxa) {
    GeneratedCatalogue out;
    db::Transaction t(c);
    Inserter ins{c};
    int made = 0;
    int n = 0;
    // 5 superorders x 6 orders x 10 families x 10 genera x ~15 species.
    while (made < taxa) {
        std::int32_t so = ins.add(syllables(n++, true) + "morpha", 131072, 14);
        ++made;
        for (int o = 0; o < 6 && made < taxa; ++o) {
            std::int32_t order = ins.add(syllables(n++, true) + "formes", 65536, so);
            ++made;
            for (int f = 0; f < 10 && made < taxa; ++f) {
                std::int32_t fam = ins.add(syllables(n++, true) + "idae", 4096, order);
                out.families.push_back(fam);
                ++made;
                for (int g = 0; g < 10 && made < taxa; ++g) {
                    std::int32_t gen = ins.add(syllables(n++, true), 512, fam);
                    out.genera.push_back(gen);
                    ++made;
                    for (int s = 0; s < 15 && made < taxa; ++s) {
                        std::string epithet = syllables(n++, false);
                        std::int32_t sp = ins.add(epithet, 64, gen);
                        out.species.push_back(sp);
                        ++made;
                        if (s % 3 == 0) ins.common(sp, "Fish " + epithet, 0);
                        if (s % 5 == 0 && made < taxa) {
                            ins.add(syllables(n++, true) + " " + epithet, 64 + 1000000000, sp);
                            ++made;
                        }
                    }
                }
            }
        }
    }
    t.commit();
    return out;
}

void generateSpeciesDetails(db::Connection& c, const GeneratedCatalogue& cat, int count) {
    db::Transaction t(c);
    c.execute("INSERT INTO \"Habitat\" (\"Cod\",\"Name\",\"Of_cod\") VALUES (1,'South America',0)");
    c.execute("INSERT INTO \"Habitat\" (\"Cod\",\"Name\",\"Of_cod\") VALUES (2,'Amazon',1)");
    for (int i = 0; i < count && i < static_cast<int>(cat.species.size()); ++i) {
        std::int64_t cod = cat.species[static_cast<std::size_t>(i)];
        c.execute("INSERT INTO \"Fishes\" (\"Habitat\",\"Forage\",\"Forage_fr\",\"Keep_cond\",\"Spawn_cond\","
                  "\"Egg_quant\",\"Egg_term\",\"Fr_perc\",\"Fr_term\",\"Of_fish\",\"Egg_size\",\"F_len\",\"Fr_len\","
                  "\"J_len\",\"M_len\") VALUES ('2','live food','infusoria','24-28|6.5-7.5|5-10|2-4||50|weekly',"
                  "'26|6.0|4|1||20|2|5|peat',200,2,80,5,?,'1','40','5','20','35')",
                  {cod});
        for (int l = 0; l < 2; ++l)
            c.execute("INSERT INTO \"Links\" (\"Of_fish\",\"HTTP\",\"E_mail\",\"FTP\",\"Name\",\"Type\") "
                      "VALUES (?,'http://example.org/fish','','ftp://','Reference',?)",
                      {cod, std::int64_t(l)});
        c.execute("INSERT INTO \"Description\" (\"Of_fish\",\"Language\",\"Text\") VALUES (?,0,?)",
                  {cod, std::string("A peaceful schooling fish of soft, acid water. Keep in groups.")});
    }
    t.commit();
}

}  // namespace bench
