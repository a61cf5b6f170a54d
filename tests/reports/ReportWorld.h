// A farm for the report tests: the small taxonomy of the farm tests, rows
// put in directly with every column the reports read, and the page world
// (template, fixed stamp clock, recorded viewer) around it.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>

#include <string>

#include "farm/FarmWorld.h"
#include "platform/Prompter.h"
#include "reports/Report.h"
#include "site/SiteWorld.h"

namespace reporttest {

namespace fs = std::filesystem;
using farmtest::stamp;
using sitetest::bytesOf;

inline fs::path expectedDir() { return fs::path(REEDMERE_DATA_DIR) / ".." / "tests" / "reports" / "expected"; }

// The one application object of the test program, for the background work.
inline QCoreApplication& application() {
    static int argc = 1;
    static char name[] = "test_reports";
    static char* argv[] = {name, nullptr};
    static QCoreApplication instance(argc, argv);
    return instance;
}

struct LotRow {
    int taxon = 0, tank = 0;
    int fries = 0, males = 0, females = 0;
    std::string other;
    std::string firstEat = "2026-03-01";
    std::string mf = "", dye = "", gift = "", sale = "";  // empty: not set
    int ofFry = 2;
    int died = 0, gifted = 0, saled = 0, income = 0, outgo = 0, size = 0;
    std::string place;
};

class ReportWorld : public farmtest::FarmWorld {
public:
    platform::ScriptedPrompter prompter;
    std::vector<std::string> launched;
    reports::ReportContext context;

    ReportWorld() {
        fs::create_directories(workDir() / "Reports");
        sitetest::writeBytes(workDir() / "blank.html", sitetest::kTemplate);
        context.doc = &doc;
        context.env.workDir = workDir().string();
        context.env.wwwServer = "http://www.reedmere.org";
        context.env.prompter = &prompter;
        context.env.clock = sitetest::march3rd2007;
        context.env.launch = [this](const std::string& line) {
            launched.push_back(line);
            return true;
        };
        context.farmName = "Reed";
        context.emptyTankName = "Temporary";
    }

    fs::path report(const std::string& name) const { return workDir() / "Reports" / name; }

    int tankOf(int litres, const std::string& other, const std::string& out = farmtest::kNotSet) {
        exec("INSERT INTO \"Aquariums\" (\"In_liters\",\"Other\",\"Size_height\",\"Size_length\",\"Size_width\","
             "\"Date\",\"Date_out\",\"Price\",\"Price_out\") VALUES (" +
             std::to_string(litres) + ",'" + other + "',0,0,0," + stamp("2026-01-05") + "," + out + ",0,0)");
        return lastId();
    }

    int lotOf(const LotRow& l) {
        auto date = [](const std::string& d) { return d.empty() ? farmtest::kNotSet : stamp(d); };
        exec("INSERT INTO \"My fishes\" (\"Number_female\",\"Number_fries\",\"Number_male\",\"Of_aquarium\",\"Of_fish\","
             "\"Of_fry\",\"Other\",\"Place_birth\",\"Date_first_eat\",\"Date_mf\",\"Date_dye\",\"Date_gift\","
             "\"Date_sale\",\"Died\",\"Gifted\",\"Income\",\"Outgo\",\"Saled\",\"Forsale\",\"Price\",\"Size\") VALUES (" +
             std::to_string(l.females) + "," + std::to_string(l.fries) + "," + std::to_string(l.males) + "," +
             std::to_string(l.tank) + "," + std::to_string(l.taxon) + "," + std::to_string(l.ofFry) + ",'" + l.other +
             "','" + l.place + "'," + date(l.firstEat) + "," + date(l.mf.empty() ? l.firstEat : l.mf) + "," +
             date(l.dye) + "," + date(l.gift) + "," + date(l.sale) + "," + std::to_string(l.died) + "," +
             std::to_string(l.gifted) + "," + std::to_string(l.income) + "," + std::to_string(l.outgo) + "," +
             std::to_string(l.saled) + ",0,0," + std::to_string(l.size) + ")");
        return lastId();
    }

    int spawningOf(int father, int mother, int eggs, int larvae, int friesOut, const std::string& eggsDate,
                   const std::string& larvaeDate = "", int incubator = 0) {
        exec("INSERT INTO \"Incubator\" (\"Number_eggs\",\"Number_fries\",\"Of_father\",\"Of_mother\",\"Fries_out\","
             "\"Date_eggs\",\"Date_fries\",\"Of_incubator\") VALUES (" +
             std::to_string(eggs) + "," + std::to_string(larvae) + "," + std::to_string(father) + "," +
             std::to_string(mother) + "," + std::to_string(friesOut) + "," + stamp(eggsDate) + "," +
             (larvaeDate.empty() ? farmtest::kNotSet : stamp(larvaeDate)) + "," + std::to_string(incubator) + ")");
        return lastId();
    }

    // A price card with only the five sizes.
    void sizes(int taxon, const std::string& s, const std::string& sm, const std::string& m, const std::string& ml,
               const std::string& l) {
        exec("INSERT INTO \"Price\" (\"Of_cod\",\"Price_s\",\"Price_s_ws\",\"Price_sm\",\"Price_sm_ws\",\"Price_m\","
             "\"Price_m_ws\",\"Price_ml\",\"Price_ml_ws\",\"Price_l\",\"Price_l_ws\",\"Size_l\",\"Size_m\",\"Size_ml\","
             "\"Size_s\",\"Size_sm\") VALUES (" +
             std::to_string(taxon) + ",0,0,0,0,0,0,0,0,0,0,'" + l + "','" + m + "','" + ml + "','" + s + "','" + sm +
             "')");
    }
};

// Compares a written page with its expected bytes, naming the first difference.
inline ::testing::AssertionResult samePage(const fs::path& page, const std::string& expectedName) {
    const std::string actual = bytesOf(page);
    const std::string expected = bytesOf(expectedDir() / expectedName);
    if (actual == expected) return ::testing::AssertionSuccess();
    std::size_t at = 0;
    while (at < actual.size() && at < expected.size() && actual[at] == expected[at]) ++at;
    auto around = [at](const std::string& s) { return s.substr(at < 40 ? 0 : at - 40, 120); };
    return ::testing::AssertionFailure() << page.filename() << " differs from " << expectedName << " at byte " << at
                                         << "\nwritten:  " << around(actual) << "\nexpected: " << around(expected);
}

}  // namespace reporttest
