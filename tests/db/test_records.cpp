// The record layer on a real SQLite file through the ODBC driver.
#include <gtest/gtest.h>

#include "common/TestEnv.h"
#include "core/Dates.h"
#include "db/Dialect.h"

using testenv::DocWorld;

TEST(Dialect, RewritesLiteralsOutsideQuotesOnly) {
    using db::Engine;
    EXPECT_EQ(db::toEngineSql("Date_out=#01/01/1980#", Engine::SQLite), "\"Date_out\"='1980-01-01 00:00:00.000'");
    EXPECT_EQ(db::toEngineSql("Date>=#3/01/2007# AND Date<#4/01/2007#", Engine::SQLite),
              "\"Date\">='2007-03-01 00:00:00.000' AND \"Date\"<'2007-04-01 00:00:00.000'");
    EXPECT_EQ(db::toEngineSql("Date_eggs>=#12/31/99#", Engine::SQLite), "\"Date_eggs\">='1999-12-31 00:00:00.000'");
    EXPECT_EQ(db::toEngineSql("Forsale=YES", Engine::SQLite), "\"Forsale\"=1");
    EXPECT_EQ(db::toEngineSql("[My fishes]", Engine::SQLite), "\"My fishes\"");
    EXPECT_EQ(db::toEngineSql("Lat_name='#1/1/1980# YES [x]'", Engine::SQLite), "\"Lat_name\"='#1/1/1980# YES [x]'");
    EXPECT_EQ(db::toEngineSql("Other='it''s YES'", Engine::SQLite), "\"Other\"='it''s YES'");
    EXPECT_EQ(db::toEngineSql("YESNO=1 AND NOYES=2", Engine::SQLite), "YESNO=1 AND NOYES=2");
}

TEST(Dialect, QuoteTextDoublesQuotes) {
    EXPECT_EQ(db::quoteText("O'Brien's"), "O''Brien''s");
    EXPECT_EQ(db::quoteText("plain"), "plain");
}

TEST(Dates, LiteralsAndNotSet) {
    EXPECT_EQ(core::dateLiteral(7, 9, 2007), "#7/9/2007#");
    EXPECT_EQ(core::monthStartLiteral(3, 2007), "#3/01/2007#");
    EXPECT_EQ(core::formatDate(core::notSetDate()), "01.01.1980");
    EXPECT_TRUE(core::isNotSet(core::localDate(1, 1, 1980)));
}

TEST(Dates, DayMonthYearReader) {
    core::DayMonthYear d;
    EXPECT_TRUE(core::readDate("9.7.2007", d));
    EXPECT_EQ(d.day, 9u);
    EXPECT_EQ(d.month, 7u);
    EXPECT_FALSE(core::isPeriodDate("9.7.2007"));
    EXPECT_TRUE(core::isPeriodDate("09.07.2007"));
    EXPECT_FALSE(core::isPeriodDate("09.07.2031"));
    EXPECT_FALSE(core::isPeriodDate("09.07.1970"));
    EXPECT_TRUE(core::isPeriodDate("01.01.1971"));
    EXPECT_TRUE(core::isPeriodDate("31.12.2030"));
    EXPECT_FALSE(core::isPeriodDate("32.01.2007"));
    EXPECT_FALSE(core::isPeriodDate("00.01.2007"));
    EXPECT_FALSE(core::isPeriodDate("01.13.2007"));
    EXPECT_FALSE(core::isPeriodDate("ab.cd.efgh"));
    EXPECT_FALSE(core::isPeriodDate(""));
}

TEST(Document, SeededDatabaseOpensEveryMemberInOrder) {
    testenv::TempWorld world;
    db::createEmbeddedDatabase(world.databaseFile(), false);
    db::CFishesDoc doc;
    std::vector<std::string> steps;
    doc.create(db::chooseDataSource(), [&](const std::string& s) { steps.push_back(s); });
    std::vector<std::string> expected = {"Read Reed Mere taxonomy...", "Read common names...", "Read my fishes...",
                                         "Read my tanks...", "Read incubator...", "Read taxonomy...",
                                         "Read natural habitats...", "Read commercial info...",
                                         "Read Reed Mere info...", "Read Internet links..."};
    EXPECT_EQ(steps, expected);
    EXPECT_EQ(doc.taxa->sort(), "Lat_name");
    EXPECT_EQ(doc.lots->sort(), "Date_first_eat, Cod");
    EXPECT_EQ(doc.spawnings->sort(), "Of_incubator, Date_eggs, Cod");
    // Sorted by Latin name, whole table.
    std::vector<std::string> names;
    for (doc.taxa->moveFirst(); !doc.taxa->isEOF(); doc.taxa->moveNext()) names.push_back(doc.taxa->m_Lat_name);
    ASSERT_EQ(names.size(), 15u);
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
    // Levels read sorted by Number.
    doc.ranks->moveFirst();
    EXPECT_EQ(doc.ranks->m_Number, 8);
    EXPECT_EQ(doc.ranks->m_Type, "Strain");
    doc.ranks->moveLast();
    EXPECT_EQ(doc.ranks->m_Number, 536870912);
    EXPECT_EQ(doc.expenseKinds->rowCount(), 5u);
}

TEST(Document, EmptyDatabaseLeavesEveryMemberAtTheEnd) {
    DocWorld w;
    for (const char* t : {"Reedmere", "My fishes", "Aquariums", "Incubator", "Taxons", "Habitat", "Sent", "Fishes",
                          "Links", "Common", "Price", "Senttype", "Description", "Plants", "Journal"})
        w.exec(std::string("DELETE FROM \"") + t + "\"");
    db::CFishesDoc doc;
    doc.create(db::chooseDataSource(), nullptr);
    for (db::Recordset* r : std::initializer_list<db::Recordset*>{
             doc.taxa.get(), doc.taxa2.get(), doc.commonNames.get(), doc.lots.get(), doc.tanks.get(),
             doc.spawnings.get(), doc.ranks.get(), doc.habitats.get(), doc.expenses.get(), doc.expenseKinds.get(),
             doc.animalCards.get(), doc.animalCards2.get(), doc.plantCards.get(), doc.plantCards2.get(),
             doc.prices.get(), doc.descriptions.get(), doc.journal.get(), doc.links.get()})
        EXPECT_TRUE(r->isEOF()) << r->table();
}

TEST(Document, MissingTableFailsCreationAsAWhole) {
    DocWorld w;
    w.exec("DROP TABLE \"Links\"");
    db::CFishesDoc doc;
    EXPECT_THROW(doc.create(db::chooseDataSource(), nullptr), db::DbError);
    EXPECT_FALSE(doc.isCreated());
    EXPECT_EQ(doc.taxa, nullptr);
}

TEST(Records, FilterSortAndEmptyTexts) {
    DocWorld w;
    db::Fish& t = *w.doc.taxa;
    t.setFilter("Classific=262144");
    t.requery();
    EXPECT_EQ(t.rowCount(), 6u);
    EXPECT_EQ(t.m_Lat_name, "Crustacea");
    t.setFilter("");
    t.setSort("");
    t.requery();
    EXPECT_EQ(t.rowCount(), 15u);  // the whole table in the engine's order
    EXPECT_EQ(t.m_Cod, 1);
}

TEST(Records, MovesAndEndOfRows) {
    DocWorld w;
    db::Fish& t = *w.doc.taxa;
    t.setFilter("Classific=262144");
    t.requery();
    t.moveFromFirst(2);
    EXPECT_EQ(t.m_Lat_name, "Monocotyledones");
    t.moveLast();
    EXPECT_EQ(t.m_Lat_name, "Polypodiopsida");
    t.moveNext();
    EXPECT_TRUE(t.isEOF());
    EXPECT_TRUE(t.m_Lat_name.empty());
    t.moveFromFirst(99);
    EXPECT_TRUE(t.isEOF());
    EXPECT_THROW(t.edit(), db::DbError);
}

TEST(Records, TwoObjectsOfOneTableKeepTheirOwnPlace) {
    DocWorld w;
    db::Fish& a = *w.doc.taxa;
    db::Fish& b = *w.doc.taxa2;
    a.setFilter("Classific=262144");
    a.requery();
    a.moveFromFirst(3);
    b.setFilter("Cod=14");
    b.requery();
    EXPECT_EQ(b.m_Lat_name, "Pisces");
    EXPECT_EQ(a.m_Lat_name, "Musci");
    a.moveNext();
    EXPECT_EQ(a.m_Lat_name, "Pisces");
    EXPECT_EQ(b.m_Lat_name, "Pisces");
}

TEST(Records, QuoteInLatinNameWorksThroughTheHelper) {
    DocWorld w;
    db::Fish& t = *w.doc.taxa;
    t.addNew();
    t.m_Lat_name = "O'Neill";
    t.m_Author = ", ";
    t.m_Classific = 512;
    t.m_Of_cod = 14;
    t.m_Class = 14;
    t.update();
    EXPECT_GT(t.lastInsertedKey(), 12329);
    t.setFilter("Lat_name='" + db::quoteText("O'Neill") + "'");
    t.requery();
    ASSERT_FALSE(t.isEOF());
    EXPECT_EQ(t.m_Lat_name, "O'Neill");
    EXPECT_EQ(t.m_Cod, t.lastInsertedKey());
}

TEST(Records, CaseInsensitiveComparisonAndOrder) {
    DocWorld w;
    db::Fish& t = *w.doc.taxa;
    t.setFilter("Lat_name='pisces'");
    t.requery();
    ASSERT_FALSE(t.isEOF());
    EXPECT_EQ(t.m_Cod, 14);
}

TEST(Records, NewTankFoundTwiceByPlaceholder) {
    DocWorld w;
    db::Aquarium& a = *w.doc.tanks;
    for (int round = 0; round < 2; ++round) {
        a.addNew();
        a.m_Other = "NEW!";
        a.m_Date = std::time(nullptr);
        a.m_Date_out = core::notSetDate();
        a.update();
        a.setFilter("");
        a.requery();
        int found = 0;
        for (; !a.isEOF(); a.moveNext()) {
            if (a.m_Other != "NEW!") continue;
            ++found;
            a.edit();
            a.m_Other = "";
            a.update();
        }
        EXPECT_EQ(found, 1) << "round " << round;
    }
    a.setFilter("Other=''");
    a.requery();
    EXPECT_EQ(a.rowCount(), 3u);  // the reserved tank and the two new ones
}

TEST(Records, NotSetDateMatchesButNullDoesNot) {
    DocWorld w;
    db::Aquarium& a = *w.doc.tanks;
    a.addNew();
    a.m_Other = "set";
    a.m_Date_out = core::notSetDate();
    a.update();
    a.addNew();
    a.m_Other = "null";
    a.m_Date_out = 0;  // written as NULL
    a.update();
    a.setFilter("Cod<>2 AND Date_out=#01/01/1980#");
    a.requery();
    ASSERT_EQ(a.rowCount(), 1u);
    EXPECT_EQ(a.m_Other, "set");
    EXPECT_EQ(a.m_Date_out, core::notSetDate());
    a.setFilter("Date_out=#01/01/80#");
    a.requery();
    EXPECT_EQ(a.rowCount(), 2u);  // with the seeded reserved tank
    a.setFilter("Date_out>#01/01/1980#");
    a.requery();
    EXPECT_EQ(a.rowCount(), 0u);
}

TEST(Records, DateRoundTripAndPeriodFilters) {
    DocWorld w;
    db::CSent& s = *w.doc.expenses;
    std::time_t when = core::localDate(15, 3, 2007) + 3600 * 13 + 60 * 5 + 7;
    s.addNew();
    s.m_Type = 1;
    s.m_Count = 3;
    s.m_Date = when;
    s.m_Price = 250;
    s.update();
    s.setFilter("Date>=" + core::monthStartLiteral(3, 2007) + " AND Date<" + core::monthStartLiteral(4, 2007));
    s.requery();
    ASSERT_EQ(s.rowCount(), 1u);
    EXPECT_EQ(s.m_Date, when);
    s.setFilter("Date>=" + core::monthStartLiteral(4, 2007));
    s.requery();
    EXPECT_TRUE(s.isEOF());
}

TEST(Records, OutOfRangeValuesAreRefusedAndNothingWritten) {
    DocWorld w;
    db::My_Fish& l = *w.doc.lots;
    l.addNew();
    l.m_Of_fish = 100;
    l.m_Number_male = 32768;
    EXPECT_THROW(l.update(), db::RangeError);
    // A refused write leaves nothing pending: each attempt starts again.
    EXPECT_THROW(l.update(), db::DbError);
    auto another = [&](int size) {
        l.addNew();
        l.m_Of_fish = 100;
        l.m_Number_male = 32767;
        l.m_Size = size;
    };
    another(256);
    try {
        l.update();
        FAIL() << "a byte of 256 was accepted";
    } catch (const db::RangeError& e) {
        EXPECT_NE(std::string(e.what()).find("Size"), std::string::npos);
    }
    another(-1);
    EXPECT_THROW(l.update(), db::RangeError);
    EXPECT_EQ(w.scalar("SELECT count(*) FROM \"My fishes\""), "1");  // only the reserved lot
    another(255);
    l.update();
    EXPECT_EQ(w.scalar("SELECT \"Number_male\" FROM \"My fishes\" WHERE \"Of_fish\"=100"), "32767");
}

TEST(Records, LongTextRefusedByLayerAndByDatabase) {
    DocWorld w;
    db::Common& c = *w.doc.commonNames;
    c.addNew();
    c.m_Of_fish = 14;
    c.m_Name = std::string(256, 'a');
    EXPECT_THROW(c.update(), db::RangeError);
    EXPECT_EQ(w.scalar("SELECT count(*) FROM \"Common\" WHERE \"Of_fish\"=14"), "2");
    // 255 Cyrillic letters are 510 bytes but 255 characters: accepted.
    std::string cyr;
    for (int i = 0; i < 255; ++i) cyr += "ж";
    c.addNew();
    c.m_Of_fish = 14;
    c.m_Name = cyr;
    c.update();
    c.setFilter("Of_fish=14 AND Language=0 AND Name<>'Fishes'");
    c.requery();
    ASSERT_FALSE(c.isEOF());
    EXPECT_EQ(c.m_Name, cyr);
    // The schema's own limit stands behind the layer, with a readable text.
    try {
        w.exec("INSERT INTO \"Common\" (\"Of_fish\",\"Name\",\"Language\") VALUES (1,'" + std::string(300, 'b') + "',0)");
        FAIL() << "the database stored a 300-character text";
    } catch (const db::DbError& e) {
        std::string text = e.what();
        for (char& ch : text) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        EXPECT_NE(text.find("CHECK"), std::string::npos) << e.what();  // SQLite and PostgreSQL name the constraint
    }
}

TEST(Records, CyrillicTextAndLargeMemoRoundTrip) {
    DocWorld w;
    db::CDescr& d = *w.doc.descriptions;
    std::string memo;
    while (memo.size() < 100 * 1024) memo += "Неон голубой живёт в Амазонии; the neon tetra. ";
    d.addNew();
    d.m_Of_fish = 14;
    d.m_Language = 1;
    d.m_Text = memo;
    d.update();
    d.setFilter("Of_fish=14 AND Language=1");
    d.requery();
    ASSERT_FALSE(d.isEOF());
    EXPECT_EQ(d.m_Text.size(), memo.size());
    EXPECT_EQ(d.m_Text, memo);
    d.edit();
    d.m_Text = "Рыбы";
    d.update();
    d.requery();
    EXPECT_EQ(d.m_Text, "Рыбы");
}

TEST(Records, EditUpdatesSnapshotAndDeleteWalksOn) {
    DocWorld w;
    db::Common& c = *w.doc.commonNames;
    c.setFilter("Language=1");
    c.setSort("Name");
    c.requery();
    std::size_t before = c.rowCount();
    ASSERT_GT(before, 3u);
    c.edit();
    c.m_Name = "Ааа";
    c.update();
    EXPECT_EQ(c.m_Name, "Ааа");
    // Delete all rows of a condition: delete, move next, until the end.
    int deleted = 0;
    for (c.moveFirst(); !c.isEOF(); c.moveNext()) {
        c.deleteRow();
        ++deleted;
    }
    EXPECT_EQ(static_cast<std::size_t>(deleted), before);
    c.requery();
    EXPECT_TRUE(c.isEOF());
    EXPECT_EQ(w.scalar("SELECT count(*) FROM \"Common\" WHERE \"Language\"=1"), "0");
}

TEST(Records, AddNewIsSeenOnlyAfterRequery) {
    DocWorld w;
    db::Habitat& h = *w.doc.habitats;
    h.requery();
    EXPECT_TRUE(h.isEOF());
    h.addNew();
    h.m_Name = "Amazon";
    h.update();
    EXPECT_TRUE(h.isEOF());  // a snapshot
    h.requery();
    ASSERT_FALSE(h.isEOF());
    EXPECT_EQ(h.m_Name, "Amazon");
    EXPECT_EQ(h.m_Cod, h.lastInsertedKey());
}

TEST(Records, BoolColumnsWrittenAsOne) {
    DocWorld w;
    db::My_Fish& l = *w.doc.lots;
    l.addNew();
    l.m_Of_fish = 200;
    l.m_Number_fries = 3;
    l.m_Forsale = true;
    l.update();
    EXPECT_EQ(w.scalar("SELECT \"Forsale\" FROM \"My fishes\" WHERE \"Of_fish\"=200"), "1");
    l.setFilter("(Number_fries>0 OR Number_male>0 OR Number_female>0) AND Forsale=YES");
    l.requery();
    ASSERT_EQ(l.rowCount(), 1u);
    EXPECT_TRUE(l.m_Forsale);
}

TEST(Records, ReservedRowsAreSeeded) {
    DocWorld w;
    db::My_Fish& l = *w.doc.lots;
    l.setFilter("Of_fish<>14");
    l.requery();
    EXPECT_TRUE(l.isEOF());
    l.setFilter("Cod<>5");
    l.requery();
    EXPECT_TRUE(l.isEOF());
    db::Incubator& s = *w.doc.spawnings;
    s.setFilter("Cod=2");
    s.requery();
    ASSERT_FALSE(s.isEOF());
    EXPECT_EQ(s.m_Fries_out, -1);
    EXPECT_TRUE(core::isNotSet(s.m_Date_eggs));
    // Counters continue above the seeded codes.
    l.addNew();
    l.m_Of_fish = 300;
    l.update();
    EXPECT_EQ(l.lastInsertedKey(), 6);
}
