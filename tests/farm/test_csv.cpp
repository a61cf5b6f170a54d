// Spreadsheet exports: fields quoted after RFC 4180, and the lots, a tank's
// journal and the balance period's expenses read back by Python's csv module.
#include <gtest/gtest.h>

#include "CsvReadBack.h"
#include "FarmWorld.h"
#include "core/Dates.h"
#include "farm/CsvExport.h"
#include "platform/TextFile.h"

using farmtest::FarmWorld;
using farmtest::stamp;

namespace {

namespace fs = std::filesystem;

// Quotes, commas, line breaks of both kinds and Cyrillic letters in one text.
const std::string kAwkward = "Say \"hi\", then\r\nleave;\nЛялька, \"ой\"";

struct CsvWorld : FarmWorld {
    fs::path out(const std::string& name) const { return root() / name; }
    void expense(int kind, int count, int price, const std::string& date, const std::string& comment) {
        exec("INSERT INTO \"Sent\" (\"Type\",\"Count\",\"Date\",\"Comment\",\"Price\") VALUES (" +
             std::to_string(kind) + "," + std::to_string(count) + "," + stamp(date) + ",'" + comment + "'," +
             std::to_string(price) + ")");
    }
    static std::string sqlText(const std::string& s) {
        std::string out;
        for (char c : s) out += c == '\'' ? std::string("''") : std::string(1, c);
        return out;
    }
};

}  // namespace

TEST(Csv, FieldsAreQuotedOnlyWhenTheyMustBe) {
    EXPECT_EQ(farm::csvField("plain text"), "plain text");
    EXPECT_EQ(farm::csvField(""), "");
    EXPECT_EQ(farm::csvField("a,b"), "\"a,b\"");
    EXPECT_EQ(farm::csvField("say \"x\""), "\"say \"\"x\"\"\"");
    EXPECT_EQ(farm::csvField("two\nlines"), "\"two\nlines\"");
    EXPECT_EQ(farm::csvField("cr\ronly"), "\"cr\ronly\"");
    EXPECT_EQ(farm::csvRecord({"a", "", "b c"}), "a,,b c\r\n");
    EXPECT_EQ(farm::csvAmount(0), "0.00");
    EXPECT_EQ(farm::csvAmount(1250), "12.50");
    EXPECT_EQ(farm::csvAmount(-5), "-0.05");
    EXPECT_EQ(farm::csvAmount(INT64_MIN), "-92233720368547758.08");
    EXPECT_EQ(farm::csvDate(core::notSetDate()), "");
    EXPECT_EQ(farm::csvDate(core::localDate(3, 2, 2026) + 3600), "2026-02-03");
}

TEST(Csv, LotsReadBackByPython) {
    CsvWorld w;
    int tank = w.tank(600, 300, 350, "show, left");
    int bucket = w.tank(0, 0, 0, "bucket");
    FarmWorld::Lot a{w.species, tank, 5, 2, 3};
    a.other = "x";
    a.outgo = 1250;
    a.income = 99;
    a.died = 1;
    a.dateDye = "2026-04-02";
    a.place = "Моя ферма";
    int first = w.lot(a);
    w.exec("UPDATE \"My fishes\" SET \"Other\"='" + CsvWorld::sqlText(kAwkward) + "' WHERE \"Cod\"=" +
           std::to_string(first));
    int second = w.lot({w.shrimp, bucket, 0, 1, 1});
    EXPECT_EQ(farm::exportLots(w.doc, "Temporary", w.out("lots.csv")), 2u);

    farmtest::CsvRows rows = farmtest::readCsvWithPython(w.out("lots.csv"));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"Code", "Species", "Special tokens", "Tank", "Fries", "Males",
                                                 "Females", "Born", "Came to the farm", "Died", "Died on", "Gifted",
                                                 "Gifted on", "Sold", "Sold on", "Outgo", "Income", "Price",
                                                 "For sale", "Size", "Place of birth"}));
    EXPECT_EQ(rows[1], (std::vector<std::string>{std::to_string(first), "Apistogramma agassizii", kAwkward,
                                                 "63 liters (show, left)", "5", "2", "3", "2026-03-01", "2026-03-01",
                                                 "1", "2026-04-02", "0", "", "0", "", "12.50", "0.99", "0.00", "no",
                                                 "0", "Моя ферма"}));
    EXPECT_EQ(rows[2][0], std::to_string(second));
    EXPECT_EQ(rows[2][1], "Neocaridina davidi");
    EXPECT_EQ(rows[2][3], "Temporary (bucket)");
    // Every record ends in CR LF, the header included, and the text is UTF-8.
    std::string bytes;
    ASSERT_TRUE(platform::readBytes(w.out("lots.csv"), bytes));
    EXPECT_EQ(bytes.substr(0, bytes.find('\n') + 1).back(), '\n');
    EXPECT_EQ(bytes[bytes.find('\n') - 1], '\r');
    EXPECT_NE(bytes.find("Моя ферма"), std::string::npos);
    EXPECT_FALSE(fs::exists(w.out("lots.csv.partial")));
}

TEST(Csv, JournalAndExpensesOfThePeriod) {
    CsvWorld w;
    int tank = w.tank(600, 300, 350, "show");
    w.exec("INSERT INTO \"Journal\" (\"Of_aqua\",\"Date\",\"Waterchange\",\"Volume_wc\",\"dGh\",\"dKh\",\"pH\",\"rH\","
           "\"salt\",\"NH\",\"NO2\",\"NO3\",\"PO\") VALUES (" + std::to_string(tank) + "," + stamp("2026-02-05") +
           ",1,40,8,4,'6,8','-120',0,'0.1','','25','not measured')");
    w.exec("INSERT INTO \"Journal\" (\"Of_aqua\",\"Date\",\"Waterchange\",\"Volume_wc\",\"dGh\",\"dKh\",\"pH\",\"salt\")"
           " VALUES (" + std::to_string(tank) + "," + stamp("2026-02-01") + ",0,0,7,3,'7.0',0)");
    w.exec("INSERT INTO \"Journal\" (\"Of_aqua\",\"Date\",\"pH\") VALUES (999," + stamp("2026-02-02") + ",'5')");
    EXPECT_EQ(farm::exportJournal(w.conn(), tank, w.out("journal.csv")), 2u);
    farmtest::CsvRows j = farmtest::readCsvWithPython(w.out("journal.csv"));
    ASSERT_EQ(j.size(), 3u);
    EXPECT_EQ(j[1][0], "2026-02-01");
    EXPECT_EQ(j[2], (std::vector<std::string>{"2026-02-05", "yes", "40", "8", "4", "6,8", "-120", "0", "0.1", "",
                                              "25", "not measured"}));

    w.expense(1, 2, 350, "2026-01-31", "before");
    w.expense(1, 3, 125, "2026-02-01", kAwkward);
    w.expense(4, 1, 1000, "2026-02-28", "корм");
    w.expense(2, 1, 5, "2026-03-01", "after");
    farm::BalancePeriod period = farm::balancePeriod("01.02.2026", "01.02.2026", "28.02.2026");
    EXPECT_EQ(farm::exportExpenses(w.doc, period, w.out("expenses.csv")), 2u);
    farmtest::CsvRows e = farmtest::readCsvWithPython(w.out("expenses.csv"));
    ASSERT_EQ(e.size(), 3u);
    EXPECT_EQ(e[0], (std::vector<std::string>{"Date", "Kind", "Income or expense", "Count", "Price", "Amount",
                                              "Comment"}));
    EXPECT_EQ(e[1], (std::vector<std::string>{"2026-02-01", "Food", "expense", "3", "1.25", "3.75", kAwkward}));
    EXPECT_EQ(e[2][1], "Foodsell");
    EXPECT_EQ(e[2][2], "income");
    EXPECT_EQ(e[2][5], "10.00");
    EXPECT_EQ(e[2][6], "корм");
}

TEST(Csv, AFileThatCannotBeWrittenIsReported) {
    CsvWorld w;
    EXPECT_THROW(farm::exportJournal(w.conn(), 1, w.root() / "no such folder" / "j.csv"), std::runtime_error);
}
