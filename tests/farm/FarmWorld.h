// A database world with a small taxonomy and helpers that put farm rows in
// it directly, for the farm tests.
#pragma once

#include <string>

#include "common/TestEnv.h"

namespace farmtest {

// Timestamps as the driver stores them.
inline std::string stamp(const std::string& isoDay) { return "'" + isoDay + " 00:00:00.000'"; }
inline const std::string kNotSet = stamp("1980-01-01");

class FarmWorld : public testenv::DocWorld {
public:
    FarmWorld() {
        // Pisces > Cichlidae > Apistogramma > agassizii; Crustacea > Neocaridina > davidi; a moss.
        family = taxon("Cichlidae", 4096, 14, 14);
        genus = taxon("Apistogramma", 512, family, 14);
        species = taxon("agassizii", 64, genus, 14);
        subspecies = taxon("fire", 32, species, 14);
        shrimpGenus = taxon("Neocaridina", 512, 10420, 10420);
        shrimp = taxon("davidi", 64, shrimpGenus, 10420);
        mossGenus = taxon("Vesicularia", 512, 12329, 12329);
        moss = taxon("dubyana", 64, mossGenus, 12329);
    }

    int lastId() { return std::stoi(scalar("SELECT last_insert_rowid()")); }

    int taxon(const std::string& name, int level, int parent, int classCode) {
        exec("INSERT INTO \"Reedmere\" (\"Author\",\"Classific\",\"Lat_name\",\"Of_cod\",\"Class\") VALUES ('x'," +
             std::to_string(level) + ",'" + name + "'," + std::to_string(parent) + "," + std::to_string(classCode) +
             ")");
        return lastId();
    }

    int tank(int length, int height, int width, const std::string& other, const std::string& out = kNotSet) {
        long long litres = 1LL * length * height * width / 1000000;
        exec("INSERT INTO \"Aquariums\" (\"In_liters\",\"Other\",\"Size_height\",\"Size_length\",\"Size_width\","
             "\"Date\",\"Date_out\",\"Price\",\"Price_out\") VALUES (" +
             std::to_string(litres) + ",'" + other + "'," + std::to_string(height) + "," + std::to_string(length) +
             "," + std::to_string(width) + "," + stamp("2026-01-05") + "," + out + ",0,0)");
        return lastId();
    }

    struct Lot {
        int taxon, tank;
        int fries = 0, males = 0, females = 0;
        std::string other = "";
        std::string firstEat = "2026-03-01";
        int ofFry = 2;
        int died = 0, gifted = 0, saled = 0, outgo = 0, income = 0, size = 0;
        std::string dateDye = "", dateSale = "";
        std::string place = "";
    };

    int lot(const Lot& l) {
        std::string dye = l.dateDye.empty() ? kNotSet : stamp(l.dateDye);
        std::string sale = l.dateSale.empty() ? kNotSet : stamp(l.dateSale);
        exec("INSERT INTO \"My fishes\" (\"Number_female\",\"Number_fries\",\"Number_male\",\"Of_aquarium\",\"Of_fish\","
             "\"Of_fry\",\"Other\",\"Place_birth\",\"Date_first_eat\",\"Date_mf\",\"Date_dye\",\"Date_gift\","
             "\"Date_sale\",\"Died\",\"Gifted\",\"Income\",\"Outgo\",\"Saled\",\"Forsale\",\"Price\",\"Size\") VALUES (" +
             std::to_string(l.females) + "," + std::to_string(l.fries) + "," + std::to_string(l.males) + "," +
             std::to_string(l.tank) + "," + std::to_string(l.taxon) + "," + std::to_string(l.ofFry) + ",'" + l.other +
             "','" + l.place + "'," + stamp(l.firstEat) + "," + stamp(l.firstEat) + "," + dye + "," + kNotSet + "," +
             sale + "," + std::to_string(l.died) + "," + std::to_string(l.gifted) + "," + std::to_string(l.income) +
             "," + std::to_string(l.outgo) + "," + std::to_string(l.saled) + ",0,0," + std::to_string(l.size) + ")");
        return lastId();
    }

    int spawning(int father, int mother) {
        exec("INSERT INTO \"Incubator\" (\"Number_eggs\",\"Number_fries\",\"Of_father\",\"Of_mother\",\"Fries_out\","
             "\"Date_eggs\",\"Date_fries\",\"Of_incubator\") VALUES (10,5," +
             std::to_string(father) + "," + std::to_string(mother) + ",5," + stamp("2026-02-01") + "," +
             stamp("2026-02-05") + ",0)");
        return lastId();
    }

    // One column of one lot, as text.
    std::string lotColumn(int cod, const std::string& column) {
        return scalar("SELECT \"" + column + "\" FROM \"My fishes\" WHERE \"Cod\"=" + std::to_string(cod));
    }
    int count(const std::string& table, const std::string& where = "1=1") {
        return std::stoi(scalar("SELECT COUNT(*) FROM \"" + table + "\" WHERE " + where));
    }

    int family, genus, species, subspecies, shrimpGenus, shrimp, mossGenus, moss;
};

}  // namespace farmtest
