// A farm for the price-list and bulletin tests: the report world with the
// three templates of their own, lots with a size class, a sale flag and a
// price, full price cards, care cards with a habitat list and common names.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "ReportWorld.h"

namespace reporttest {

// A template whose body holds a contact paragraph the pages copy after their table.
constexpr const char* kOwnTemplate =
    "<html>\r\n<head>\r\n<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\">\r\n"
    "</head>\r\n<body bgcolor=\"#202020\" text=\"#E0E0E0\">\r\n<p class=\"contact\">Call \xCF\xE5\xF2\xF0 "
    "evenings</p>\r\n</body>\r\n</html>\r\n";

struct Offer {
    int taxon = 0;
    int size = 0;  // 0 F ... 4 A
    int fries = 0, males = 0, females = 0;
    bool forSale = true;
    int price = 0;  // the lot's own price in cents
};

class PriceWorld : public ReportWorld {
public:
    int tank;
    PriceWorld() {
        for (const char* name : {"for_price.html", "for_priceall.html", "for_bul.html"})
            sitetest::writeBytes(workDir() / name, kOwnTemplate);
        fs::create_directories(workDir() / "Bulletin");
        tank = tankOf(100, "Main");
    }

    int offer(const Offer& o) {
        exec("INSERT INTO \"My fishes\" (\"Number_female\",\"Number_fries\",\"Number_male\",\"Of_aquarium\",\"Of_fish\","
             "\"Of_fry\",\"Other\",\"Place_birth\",\"Date_first_eat\",\"Date_mf\",\"Date_dye\",\"Date_gift\","
             "\"Date_sale\",\"Died\",\"Gifted\",\"Income\",\"Outgo\",\"Saled\",\"Forsale\",\"Price\",\"Size\") VALUES (" +
             std::to_string(o.females) + "," + std::to_string(o.fries) + "," + std::to_string(o.males) + "," +
             std::to_string(tank) + "," + std::to_string(o.taxon) + ",2,'','', " + stamp("2026-01-10") + "," +
             stamp("2026-01-10") + "," + farmtest::kNotSet + "," + farmtest::kNotSet + "," + farmtest::kNotSet +
             ",0,0,0,0,0," + (o.forSale ? "1" : "0") + "," + std::to_string(o.price) + "," + std::to_string(o.size) +
             ")");
        return lastId();
    }

    // A card whose size class n has the size text sizes[n] and the prices
    // retail = base + 100 n, wholesale = base / 2 + 100 n.
    void card(int taxon, const std::array<std::string, 5>& sizes, int base) {
        std::string prices;
        for (int n = 0; n < 5; ++n)
            prices += std::to_string(base + 100 * n) + "," + std::to_string(base / 2 + 100 * n) + ",";
        exec("INSERT INTO \"Price\" (\"Of_cod\",\"Price_s\",\"Price_s_ws\",\"Price_sm\",\"Price_sm_ws\",\"Price_m\","
             "\"Price_m_ws\",\"Price_ml\",\"Price_ml_ws\",\"Price_l\",\"Price_l_ws\",\"Size_l\",\"Size_m\",\"Size_ml\","
             "\"Size_s\",\"Size_sm\") VALUES (" +
             std::to_string(taxon) + "," + prices + "'" + sizes[4] + "','" + sizes[2] + "','" + sizes[3] + "','" +
             sizes[0] + "','" + sizes[1] + "')");
    }

    void habitat(int taxon, const std::string& list) {
        exec("INSERT INTO \"Fishes\" (\"Habitat\",\"Of_fish\") VALUES ('" + list + "'," + std::to_string(taxon) + ")");
    }

    void commonName(int taxon, const std::string& name, int language) {
        exec("INSERT INTO \"Common\" (\"Of_fish\",\"Name\",\"Language\") VALUES (" + std::to_string(taxon) + ",'" +
             name + "'," + std::to_string(language) + ")");
    }

    // A taxon with a code of the test's choosing.
    void taxonWithCode(int cod, const std::string& name, int level, int parent, int classCode) {
        exec("INSERT INTO \"Reedmere\" (\"Cod\",\"Author\",\"Classific\",\"Lat_name\",\"Of_cod\",\"Class\") VALUES (" +
             std::to_string(cod) + ",'x'," + std::to_string(level) + ",'" + name + "'," + std::to_string(parent) + "," +
             std::to_string(classCode) + ")");
    }

    fs::path bulletin(const std::string& name) const { return workDir() / "Bulletin" / name; }

    // Taxon codes stand in the expected pages as "@name@", so the pages do not
    // depend on how many rows the seed data holds.
    std::vector<std::pair<std::string, int>> codes{{"@agassizii@", species}, {"@davidi@", shrimp}, {"@dubyana@", moss}};

    ::testing::AssertionResult samePriceList(const fs::path& page, const std::string& expectedName) const {
        std::string expected = bytesOf(expectedDir() / expectedName);
        for (const auto& [token, code] : codes)
            for (std::size_t at = expected.find(token); at != std::string::npos; at = expected.find(token, at))
                expected.replace(at, token.size(), std::to_string(code));
        const std::string actual = bytesOf(page);
        if (actual == expected) return ::testing::AssertionSuccess();
        std::size_t at = 0;
        while (at < actual.size() && at < expected.size() && actual[at] == expected[at]) ++at;
        auto around = [at](const std::string& t) { return t.substr(at < 40 ? 0 : at - 40, 120); };
        return ::testing::AssertionFailure() << page.filename() << " differs from " << expectedName << " at byte "
                                             << at << "\nwritten:  " << around(actual) << "\nexpected: " << around(expected);
    }
};

}  // namespace reporttest
