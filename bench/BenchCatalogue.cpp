#include "BenchCatalogue.h"

#include <stdexcept>

#include "core/Dates.h"

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

db::Timestamp farmDay(const FarmShape& shape, int i) {
    const int years = shape.years > 0 ? shape.years : 1;
    return {core::localDate(1 + i % 28, 1 + i % 12, shape.firstYear + (i / 12) % years)};
}

void generateFarm(db::Connection& c, const GeneratedCatalogue& cat, const FarmShape& shape) {
    const std::size_t living = shape.livingSpecies > 0 ? static_cast<std::size_t>(shape.livingSpecies) : cat.species.size();
    if (living == 0 || living > cat.species.size() || 2 * static_cast<std::size_t>(shape.priceCards) > living)
        throw std::runtime_error("the catalogue has too few species for this farm");
    auto day = [&](int i) { return farmDay(shape, i); };
    const db::Timestamp notSet{core::notSetDate()};
    db::Transaction t(c);
    for (int i = 0; i < shape.tanks; ++i)
        c.execute("INSERT INTO \"Aquariums\" (\"Cod\",\"In_liters\",\"Other\",\"Size_height\",\"Size_length\","
                  "\"Size_width\",\"Date\",\"Date_out\",\"Price\",\"Price_out\") VALUES (?,?,?,0,0,0,?,?,?,?)",
                  {std::int64_t(kFirstTank + i), std::int64_t(i % 10 ? 20 + i % 200 : 0), "Rack " + std::to_string(i / 10),
                   day(i), i % 5 ? notSet : day(i + 7), std::int64_t(5000 + i), std::int64_t(i % 5 ? 0 : 2000)});
    for (int i = 0; i < shape.lots; ++i) {
        const bool bought = i % 3 == 0 || shape.spawnings == 0;
        const bool alive = i % 7 != 0;
        c.execute("INSERT INTO \"My fishes\" (\"Cod\",\"Number_female\",\"Number_fries\",\"Number_male\","
                  "\"Of_aquarium\",\"Of_fish\",\"Of_fry\",\"Other\",\"Place_birth\",\"Date_first_eat\",\"Date_mf\","
                  "\"Date_dye\",\"Date_gift\",\"Date_sale\",\"Died\",\"Gifted\",\"Income\",\"Outgo\",\"Saled\","
                  "\"Forsale\",\"Price\",\"Size\") VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,400,?,0,0,?)",
                  {std::int64_t(kFirstLot + i), std::int64_t(alive ? 1 + i % 4 : 0), std::int64_t(alive ? i % 30 : 0),
                   std::int64_t(alive ? i % 5 : 0), std::int64_t(kFirstTank + i % (shape.tanks > 0 ? shape.tanks : 1)),
                   std::int64_t(cat.species[static_cast<std::size_t>(i) % living]),
                   std::int64_t(bought ? 2 : kFirstSpawning + i % shape.spawnings), std::string(i % 4 ? "" : "wild"),
                   std::string(bought ? "Market" : "Reed"), day(i), day(i), day(i + 3), day(i + 4), day(i + 5),
                   std::int64_t(i % 3), std::int64_t(i % 2), std::int64_t(bought ? 150 : 0), std::int64_t(i % 6),
                   std::int64_t(i % 5)});
    }
    for (int i = 0; i < shape.spawnings; ++i)
        c.execute("INSERT INTO \"Incubator\" (\"Cod\",\"Number_eggs\",\"Number_fries\",\"Of_father\",\"Of_mother\","
                  "\"Fries_out\",\"Date_eggs\",\"Date_fries\",\"Of_incubator\") VALUES (?,100,60,?,?,?,?,?,?)",
                  {std::int64_t(kFirstSpawning + i), std::int64_t(kFirstLot + (2 * i) % shape.lots),
                   std::int64_t(kFirstLot + (2 * i + 1) % shape.lots), std::int64_t(i % 10 ? 40 : 0), day(i), day(i),
                   std::int64_t(i % 10)});
    for (int i = 0; i < shape.expenses; ++i)
        c.execute("INSERT INTO \"Sent\" (\"Type\",\"Count\",\"Date\",\"Comment\",\"Price\") VALUES (?,?,?,'',?)",
                  {std::int64_t(1 + i % 6), std::int64_t(1 + i % 3), day(i), std::int64_t(100 + i % 900)});
    for (int i = 0; i < 2 * shape.priceCards; i += 2)
        c.execute("INSERT INTO \"Price\" (\"Of_cod\",\"Price_s\",\"Price_s_ws\",\"Price_sm\",\"Price_sm_ws\","
                  "\"Price_m\",\"Price_m_ws\",\"Price_ml\",\"Price_ml_ws\",\"Price_l\",\"Price_l_ws\",\"Size_l\","
                  "\"Size_m\",\"Size_ml\",\"Size_s\",\"Size_sm\") VALUES (?,0,0,0,0,0,0,0,0,0,0,'40','20','30','10','15')",
                  {std::int64_t(cat.species[static_cast<std::size_t>(i)])});
    t.commit();
}

}  // namespace bench
