// Prices per animal in 32-bit cents: a fresh database holds them, and a file
// made when Income and Outgo were 16-bit is widened on the first start
// without losing a row, an index or the counter of lot codes.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "common/TestEnv.h"
#include "db/SchemaUpgrade.h"
#include "db/Records.h"

namespace {

namespace fs = std::filesystem;

std::string shipped(const char* name) {
    std::ifstream in(db::shippedDataDir() / "schema" / name, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The schema as it was before the money columns were widened.
std::string earlierSchema() {
    std::string schema = shipped("schema.sql");
    for (const char* column : {"\"Income\"", "\"Outgo\""}) {
        std::string wide = std::string(column) + " BETWEEN -2147483648 AND 2147483647";
        auto at = schema.find(wide);
        EXPECT_NE(at, std::string::npos) << column;
        if (at != std::string::npos) schema.replace(at, wide.size(), std::string(column) + " BETWEEN -32768 AND 32767");
    }
    return schema;
}

void makeEarlierFile(const fs::path& file) {
    fs::create_directories(file.parent_path());
    db::Connection c;
    c.open("DRIVER=SQLite3;Database=" + file.string() + ";NoWCHAR=1");
    c.executeScript(earlierSchema());
    c.executeScript(shipped("seed.sql"));
    const char* lot = "INSERT INTO \"My fishes\" (\"Cod\",\"Number_male\",\"Of_aquarium\",\"Of_fish\",\"Income\","
                      "\"Outgo\",\"Other\") VALUES (?,2,20,14,32000,-32000,'koi')";
    c.execute(lot, {std::int64_t{90005}});
    c.execute(lot, {std::int64_t{90009}});
    c.execute("DELETE FROM \"My fishes\" WHERE \"Cod\"=90009");
    c.close();
}

void sellAt(db::My_Fish& lots, int cod, std::int32_t outgo) {
    lots.setFilter("Cod=" + std::to_string(cod));
    lots.requery();
    ASSERT_FALSE(lots.isEOF());
    lots.edit();
    lots.m_Outgo = outgo;
    lots.update();
}

}  // namespace

TEST(LotMoney, PricesAboveSixteenBitsAreKeptInAFreshDatabase) {
    testenv::DocWorld w;
    w.exec("INSERT INTO \"My fishes\" (\"Number_male\",\"Of_aquarium\",\"Of_fish\") VALUES (1,20,14)");
    int cod = std::stoi(w.scalar("SELECT last_insert_rowid()"));
    sellAt(*w.doc.lots, cod, 125000);  // a koi at $1,250.00
    EXPECT_EQ(w.scalar("SELECT \"Outgo\" FROM \"My fishes\" WHERE \"Cod\"=" + std::to_string(cod)), "125000");
    w.doc.lots->requery();
    EXPECT_EQ(w.doc.lots->m_Outgo, 125000);
    w.doc.lots->edit();
    w.doc.lots->m_Income = 2147483647;
    w.doc.lots->update();
    EXPECT_EQ(w.scalar("SELECT \"Income\" FROM \"My fishes\" WHERE \"Cod\"=" + std::to_string(cod)), "2147483647");
}

TEST(LotMoney, AFileOfTheEarlierSchemaIsWidenedOnTheFirstStart) {
    testenv::TempWorld w;
    makeEarlierFile(w.databaseFile());
    {
        db::Connection old;
        old.open("DRIVER=SQLite3;Database=" + w.databaseFile().string() + ";NoWCHAR=1");
        EXPECT_THROW(old.execute("UPDATE \"My fishes\" SET \"Outgo\"=40000"), db::DbError);  // the old limit
    }
    db::CFishesDoc doc;
    doc.create(db::chooseDataSource(), nullptr);
    db::Connection& c = *doc.db;
    auto scalar = [&](const std::string& sql) {
        std::string out;
        c.query(sql, {db::ColumnKind::Text}, [&](std::vector<db::Value>& row) {
            if (std::holds_alternative<std::string>(row[0])) out = std::get<std::string>(row[0]);
        });
        return out;
    };
    // The old row, whole.
    EXPECT_EQ(scalar("SELECT \"Income\" || ' ' || \"Outgo\" || ' ' || \"Other\" FROM \"My fishes\" WHERE \"Cod\"=90005"),
              "32000 -32000 koi");
    sellAt(*doc.lots, 90005, 99999);
    EXPECT_EQ(scalar("SELECT \"Outgo\" FROM \"My fishes\" WHERE \"Cod\"=90005"), "99999");
    // The indexes are back and lot codes go on after the deleted one.
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM sqlite_master WHERE type='index' AND tbl_name='My fishes' AND sql IS NOT NULL"),
              "4");
    c.execute("INSERT INTO \"My fishes\" (\"Number_male\",\"Of_aquarium\",\"Of_fish\") VALUES (1,20,14)");
    EXPECT_EQ(c.lastInsertId(), 90010);
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM sqlite_master WHERE name LIKE '%widened%'"), "0");
    // Once widened, a later start changes nothing.
    EXPECT_FALSE(db::upgradeEmbeddedSchema(c));
}
