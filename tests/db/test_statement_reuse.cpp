// Statements kept prepared per connection and text: a text run again inside
// its own row handler, read in blocks and row by row, after a change of the
// schema, after a failure, and blocks reused by a smaller result.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/TestEnv.h"

namespace {

using db::ColumnKind;
using db::Value;

struct NumbersWorld : testenv::DocWorld {
    NumbersWorld() {
        conn().execute("CREATE TABLE \"Numbers\" (\"N\" INTEGER PRIMARY KEY, \"Name\" VARCHAR(255), \"Note\" TEXT)");
        db::Transaction t(conn());
        for (int i = 1; i <= 600; ++i)
            conn().execute("INSERT INTO \"Numbers\" (\"N\",\"Name\",\"Note\") VALUES (?,?,?)",
                           {std::int64_t(i), "name " + std::to_string(i),
                            i % 2 ? Value(std::string(3000, char('a' + i % 26))) : Value()});
        t.commit();
    }

    std::vector<std::string> names(const std::string& sql, ColumnKind kind, const std::vector<Value>& params) {
        std::vector<std::string> out;
        conn().query(sql, {kind}, [&](std::vector<Value>& row) {
            out.push_back(std::holds_alternative<std::string>(row[0]) ? std::get<std::string>(row[0]) : "NULL");
        }, params);
        return out;
    }
};

constexpr const char* kBelow = "SELECT \"Name\" FROM \"Numbers\" WHERE \"N\"<=? ORDER BY \"N\"";

TEST(StatementReuse, TheSameTextInsideItsOwnRowHandler) {
    NumbersWorld w;
    std::vector<std::string> outer;
    std::size_t inner = 0;
    w.conn().query(kBelow, {ColumnKind::Text}, [&](std::vector<Value>& row) {
        outer.push_back(std::get<std::string>(row[0]));
        inner += w.names(kBelow, ColumnKind::Text, {std::int64_t(3)}).size();
    }, {std::int64_t(300)});
    ASSERT_EQ(outer.size(), 300u);  // more than one block
    EXPECT_EQ(outer.front(), "name 1");
    EXPECT_EQ(outer.back(), "name 300");
    EXPECT_EQ(inner, 900u);
    // And the cached statement still runs alone afterwards.
    EXPECT_EQ(w.names(kBelow, ColumnKind::Text, {std::int64_t(2)}), (std::vector<std::string>{"name 1", "name 2"}));
}

TEST(StatementReuse, ASmallerResultShowsNothingOfTheLargerOneBefore) {
    NumbersWorld w;
    const char* sql = "SELECT \"Name\" FROM \"Numbers\" WHERE \"N\">=? AND \"N\"<=? ORDER BY \"N\"";
    EXPECT_EQ(w.names(sql, ColumnKind::Text, {std::int64_t(1), std::int64_t(520)}).size(), 520u);
    EXPECT_EQ(w.names(sql, ColumnKind::Text, {std::int64_t(599), std::int64_t(700)}),
              (std::vector<std::string>{"name 599", "name 600"}));
    EXPECT_TRUE(w.names(sql, ColumnKind::Text, {std::int64_t(700), std::int64_t(800)}).empty());
    // A text column that was filled before reads NULL where the row has none.
    const char* notes = "SELECT \"Note\" FROM \"Numbers\" WHERE \"N\"=?";
    EXPECT_EQ(w.names(notes, ColumnKind::Memo, {std::int64_t(1)}).at(0).size(), 3000u);
    EXPECT_EQ(w.names(notes, ColumnKind::Memo, {std::int64_t(2)}).at(0), "NULL");
}

TEST(StatementReuse, OneTextReadInBlocksAndRowByRow) {
    NumbersWorld w;
    const char* sql = "SELECT \"Note\" FROM \"Numbers\" WHERE \"N\"<=? ORDER BY \"N\"";
    // Row by row (a long column), then in blocks, then row by row again.
    const std::vector<std::string> memo = w.names(sql, ColumnKind::Memo, {std::int64_t(400)});
    ASSERT_EQ(memo.size(), 400u);
    EXPECT_EQ(memo[0], std::string(3000, 'b'));
    EXPECT_EQ(memo[1], "NULL");
    const std::vector<std::string> blocks = w.names(sql, ColumnKind::Text, {std::int64_t(400)});
    ASSERT_EQ(blocks.size(), 400u);
    EXPECT_EQ(blocks[0].size(), 1023u);  // a block column holds what a text column may
    EXPECT_EQ(blocks[1], "NULL");
    EXPECT_EQ(w.names(sql, ColumnKind::Memo, {std::int64_t(400)}), memo);
}

TEST(StatementReuse, AChangedTableIsReadAsItIsNow) {
    NumbersWorld w;
    const char* sql = "SELECT * FROM \"Numbers\" WHERE \"N\"=?";
    std::size_t columns = 0;
    auto count = [&](std::vector<Value>& row) { columns = row.size(); };
    w.conn().query(sql, {ColumnKind::Integer, ColumnKind::Text, ColumnKind::Memo}, count, {std::int64_t(5)});
    EXPECT_EQ(columns, 3u);
    w.exec("ALTER TABLE \"Numbers\" ADD COLUMN \"Extra\" INTEGER DEFAULT 7");
    std::int64_t extra = 0;
    w.conn().query(sql, {ColumnKind::Integer, ColumnKind::Text, ColumnKind::Memo, ColumnKind::Integer},
                   [&](std::vector<Value>& row) { extra = std::get<std::int64_t>(row.at(3)); }, {std::int64_t(5)});
    EXPECT_EQ(extra, 7);
}

TEST(StatementReuse, AFailedStatementRunsAgain) {
    NumbersWorld w;
    const char* insert = "INSERT INTO \"Numbers\" (\"N\",\"Name\") VALUES (?,?)";
    EXPECT_THROW(w.conn().execute(insert, {std::int64_t(5), std::string("twice")}), db::DbError);
    EXPECT_EQ(w.conn().execute(insert, {std::int64_t(601), std::string("new")}), 1);
    EXPECT_EQ(w.scalar("SELECT \"Name\" FROM \"Numbers\" WHERE \"N\"=601"), "new");
    EXPECT_EQ(w.scalar("SELECT \"Name\" FROM \"Numbers\" WHERE \"N\"=5"), "name 5");
    // Inside a transaction that rolls back, and after it.
    {
        db::Transaction t(w.conn());
        w.conn().execute(insert, {std::int64_t(602), std::string("gone")});
    }
    EXPECT_EQ(w.scalar("SELECT COUNT(*) FROM \"Numbers\" WHERE \"N\"=602"), "0");
    EXPECT_EQ(w.conn().execute(insert, {std::int64_t(602), std::string("kept")}), 1);
    EXPECT_EQ(w.scalar("SELECT \"Name\" FROM \"Numbers\" WHERE \"N\"=602"), "kept");
}

TEST(StatementReuse, ManyTextsInTurnEachReadRight) {
    NumbersWorld w;
    // More texts than are kept: each still reads its own rows.
    for (int round = 0; round < 2; ++round)
        for (int n = 1; n <= 80; ++n) {
            const std::string sql = "SELECT \"Name\" FROM \"Numbers\" WHERE \"N\"=" + std::to_string(n);
            ASSERT_EQ(w.names(sql, ColumnKind::Text, {}), (std::vector<std::string>{"name " + std::to_string(n)}));
        }
}

}  // namespace

namespace {

// Record objects send the numbers of their filters as parameters; the rows
// must be those the written-out condition selects.
TEST(StatementReuse, FilterNumbersInsideTextsNamesAndDecimals) {
    testenv::DocWorld w;
    for (const char* name : {"12", "it''s 7", "x14", "64"})
        w.exec(std::string("INSERT INTO \"Reedmere\" (\"Author\",\"Classific\",\"Lat_name\",\"Of_cod\",\"Class\") "
                           "VALUES ('Author, 1900',64,'") + name + "',14,14)");
    db::Fish taxa(w.conn());
    auto rows = [&](const std::string& filter) {
        taxa.setFilter(filter);
        taxa.requery();
        return taxa.rowCount();
    };
    auto counted = [&](const std::string& where) {
        return static_cast<std::size_t>(std::stoul(w.scalar("SELECT COUNT(*) FROM \"Reedmere\" WHERE " + where)));
    };
    for (const std::string& filter :
         {std::string("Lat_name='12'"), std::string("Lat_name='it''s 7' AND Classific=64"),
          std::string("Lat_name='x14' OR Cod=14"), std::string("Classific=64.0 AND Of_cod=14"),
          std::string("Classific>=-1 AND Classific<1e3 AND Of_cod=14"), std::string("Author='Author, 1900'"),
          std::string("Cod IN (14,15,16) AND Lat_name<>'64'")}) {
        EXPECT_EQ(rows(filter), counted(filter)) << filter;
        EXPECT_GT(rows(filter), 0u) << filter;
    }
    // The statement as shown keeps its numbers.
    taxa.setFilter("Cod=14");
    EXPECT_NE(taxa.selectStatement().find("\"Cod\"=14"), std::string::npos);
}

}  // namespace
