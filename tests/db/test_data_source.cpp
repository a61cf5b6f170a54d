// A data source of the user's: made ready only when empty and only after
// the question, and shared by several copies of the program (each sees the
// others' changes after a requery and never undoes them). Runs on SQLite
// and, in the .pg run, on PostgreSQL.
#include <gtest/gtest.h>

#include "common/TestEnv.h"
#include "db/DataSource.h"

using platform::Answer;

namespace {

std::int64_t count(db::Connection& c, const std::string& sql) {
    std::int64_t n = -1;
    c.query(sql, {db::ColumnKind::Integer}, [&](std::vector<db::Value>& row) { n = std::get<std::int64_t>(row[0]); });
    return n;
}

}  // namespace

TEST(InitialiseDataSource, MakesAnEmptyDataSourceReadyAfterTheQuestion) {
    testenv::TempWorld w;
    w.defineEmptyDataSource();
    platform::ScriptedPrompter no;
    no.answerNext(Answer::No);
    EXPECT_FALSE(db::initialiseUserDataSource(no));
    ASSERT_EQ(no.shown().size(), 1u);
    EXPECT_EQ(no.shown()[0].text, "      Are you sure?");

    platform::ScriptedPrompter yes;
    yes.answerNext(Answer::Yes);
    ASSERT_TRUE(db::initialiseUserDataSource(yes));
    EXPECT_EQ(yes.shown()[0].text, "      Are you sure?");

    db::CFishesDoc doc;
    doc.create(db::chooseDataSource(), nullptr);
    db::Connection& c = *doc.db;
    EXPECT_EQ(count(c, "SELECT COUNT(*) FROM \"Taxons\""), 27);
    EXPECT_GT(count(c, "SELECT COUNT(*) FROM \"Reedmere\" WHERE \"Classific\"=64"), 0) << "the starter catalogue";
    EXPECT_EQ(count(c, "SELECT COUNT(*) FROM \"My fishes\" WHERE \"Cod\"=5 AND \"Of_fish\"=14"), 1);
    // Counters continue above every code the seed and the catalogue hold.
    const std::int64_t highest = count(c, "SELECT MAX(\"Cod\") FROM \"Reedmere\"");
    doc.taxa->addNew();
    doc.taxa->m_Lat_name = "Novus";
    doc.taxa->m_Classific = 64;
    doc.taxa->m_Of_cod = 14;
    doc.taxa->m_Class = 14;
    doc.taxa->update();
    EXPECT_GT(doc.taxa->lastInsertedKey(), highest);
    doc.tanks->addNew();
    doc.tanks->m_Other = "New tank";
    doc.tanks->update();
    EXPECT_GT(doc.tanks->lastInsertedKey(), 2);
}

TEST(InitialiseDataSource, RefusesADataSourceWithTablesWithoutAsking) {
    testenv::TempWorld w;
    w.defineEmptyDataSource();
    {
        db::Connection c;
        db::connect(c, db::chooseDataSource());
        c.execute("CREATE TABLE \"Mine\" (\"A\" INTEGER)");
        c.execute("INSERT INTO \"Mine\" VALUES (7)");
    }
    platform::ScriptedPrompter p;
    p.answerNext(Answer::Yes);
    EXPECT_FALSE(db::initialiseUserDataSource(p));
    EXPECT_EQ(p.unusedAnswers(), 1u) << "no question for a data source with tables";
    EXPECT_NE(p.lastText().find("already has tables"), std::string::npos);
    db::Connection c;
    db::connect(c, db::chooseDataSource());
    EXPECT_EQ(count(c, "SELECT COUNT(*) FROM \"Mine\""), 1);
    EXPECT_THROW(count(c, "SELECT COUNT(*) FROM \"Reedmere\""), db::DbError);
}

TEST(InitialiseDataSource, WithoutADataSourceThereIsNothingToInitialise) {
    testenv::TempWorld w;
    platform::ScriptedPrompter p;
    EXPECT_FALSE(db::initialiseUserDataSource(p));
    EXPECT_NE(p.lastText().find("No ODBC data source \"Reedmere\""), std::string::npos);
}

TEST(SharedDataSource, TwoCopiesEditingOneLotKeepBothChanges) {
    testenv::DocWorld a;
    db::CFishesDoc b;
    b.create(db::chooseDataSource(), nullptr);

    a.doc.lots->addNew();
    a.doc.lots->m_Of_fish = 14;
    a.doc.lots->m_Of_aquarium = 2;
    a.doc.lots->m_Number_male = 3;
    a.doc.lots->m_Other = "Лот";
    a.doc.lots->update();
    const std::int64_t lot = a.doc.lots->lastInsertedKey();
    a.doc.lots->requery();
    b.lots->requery();
    ASSERT_TRUE(a.doc.lots->moveToKey(lot));
    ASSERT_TRUE(b.lots->moveToKey(lot));

    a.doc.lots->edit();
    a.doc.lots->m_Number_male = 5;
    a.doc.lots->update();
    // B still shows 3 males; its change of another column must not write them back.
    b.lots->edit();
    b.lots->m_Other = "Лот B";
    b.lots->update();

    a.doc.lots->requery();
    b.lots->requery();
    for (db::My_Fish* r : {a.doc.lots.get(), b.lots.get()}) {
        ASSERT_TRUE(r->moveToKey(lot));
        EXPECT_EQ(r->m_Number_male, 5);
        EXPECT_EQ(r->m_Other, "Лот B");
    }
    // The same column changed in both: the later writer is told, nothing is lost silently.
    a.doc.lots->edit();
    a.doc.lots->m_Other = "A wins";
    a.doc.lots->update();
    b.lots->edit();
    b.lots->m_Other = "B too late";
    EXPECT_THROW(b.lots->update(), db::ConflictError);
    ASSERT_TRUE(b.lots->moveToKey(lot));
    EXPECT_EQ(b.lots->m_Other, "A wins");
}
