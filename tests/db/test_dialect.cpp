// The desktop dialect turned into each engine's SQL: every filter and sort
// text the program gives a record object runs on the engine behind the
// world (SQLite, and PostgreSQL in the .pg run) and finds what it should.
#include <gtest/gtest.h>

#include "common/TestEnv.h"
#include "db/Dialect.h"

using db::Engine;

namespace {

struct Query {
    const char* table;
    const char* filter;
    const char* sort;
};

// Every filter and sort text of the program, with sample codes and dates in
// place of the values the code puts in. A new filter belongs here.
const Query kProgramTexts[] = {
    // Taxa ([Reedmere]): catalogue, taxonomy, editing, moves, surveys, upload.
    {"Reedmere", "", "Lat_name"},
    {"Reedmere", "Classific=262144", "Lat_name"},
    {"Reedmere", "Cod=14", ""},
    {"Reedmere", "Cod=14 AND Classific=262144", ""},
    {"Reedmere", "Of_cod=14", "Lat_name"},
    {"Reedmere", "Of_cod=14 AND Classific<1000000000", ""},
    {"Reedmere", "Of_cod=14 AND Classific=1000004096", ""},
    {"Reedmere", "Of_cod=14 AND Classific<>1000262144", ""},
    {"Reedmere", "Of_cod=14 AND Classific=4096", ""},
    {"Reedmere", "Classific=4096 AND Of_Cod=14", ""},
    {"Reedmere", "Cod<>14 AND Of_cod=14 AND Classific<>1000262144", "Lat_name"},
    {"Reedmere", "Classific=536870912", ""},
    {"Reedmere", "Class=14 AND (Classific<131072 OR Classific>1000000000 AND Classific<131072+1000000000)", ""},
    {"Reedmere", "Class=14 AND Classific<131072", ""},
    {"Reedmere", "Cod IN (1,2,14)", ""},
    {"Reedmere",
     "Lat_name='pisces' AND Class=14 AND (Classific=262144 OR Classific=1000262144)", ""},
    // Common names.
    {"Common", "", "Name"},
    {"Common", "Of_fish=14", ""},
    {"Common", "Language=1", ""},
    {"Common", "Of_fish=14 AND Language=0", ""},
    {"Common", "Of_fish IN (14,10420) AND Language=1", ""},
    // Lots ([My fishes]).
    {"My fishes", "", "Date_first_eat, Cod"},
    {"My fishes", "Cod=5", ""},
    {"My fishes", "Of_fish<>14", "Date_first_eat, Cod"},
    {"My fishes", "Of_fish=14", ""},
    {"My fishes", "Of_fry=2", ""},
    {"My fishes", "Of_fry=2 AND Of_fish<>14", ""},
    {"My fishes", "Of_fish=14 AND (Number_female+Number_fries+Number_male>0)", "Date_first_eat, Cod"},
    {"My fishes", "Number_fries>0 OR Number_male>0 OR Number_female>0", "Of_fish"},
    {"My fishes", "Of_aquarium=2 AND (Number_fries>0 OR Number_male>0 OR Number_female>0)", ""},
    {"My fishes", "Of_fish<>14 AND (Number_fries>0 OR Number_male>0 OR Number_female>0)", "Of_fish,Of_aquarium"},
    {"My fishes", "Of_fish<>14 AND (Number_fries>0 OR Number_male>0 OR Number_female>0) AND Forsale=YES", "Of_fish"},
    {"My fishes", "Of_fish IN (14,10420)", ""},
    {"My fishes",
     "Of_fish<>14 AND ((Date_sale>=#3/01/2007# AND Date_sale<#4/01/2007#) OR (Date_mf>=#3/01/2007# AND "
     "Date_mf<#4/01/2007#) OR (Date_first_eat>=#3/01/2007# AND Date_first_eat<#4/01/2007#) OR "
     "(Date_gift>=#3/01/2007# AND Date_gift<#4/01/2007#) OR (Date_dye>=#3/01/2007# AND Date_dye<#4/01/2007#))",
     "Date_first_eat, Cod"},
    {"My fishes", "Of_fish<>14 AND Date_dye>=#1/1/2007# AND Date_dye<#1/1/2008#", "Date_first_eat, Cod"},
    {"My fishes", "Of_fish<>14 AND Date_gift>=#1/1/2007# AND Date_gift<#1/1/2008#", "Date_first_eat, Cod"},
    // Tanks ([Aquariums]).
    {"Aquariums", "", "In_liters, Other"},
    {"Aquariums", "Cod<>2", ""},
    {"Aquariums", "Cod=2", ""},
    {"Aquariums", "Cod<>2 AND Date_out=#01/01/1980#", "In_liters, Other"},
    {"Aquariums", "Cod<>2 AND Date_out=#01/01/1980# AND Date>#01/01/1980#", "Date"},
    {"Aquariums", "Cod<>2 AND ((Date>=#1/1/2007# AND Date<#1/1/2008#) OR (Date_out>=#1/1/2007# AND Date_out<#1/1/2008#))", ""},
    // Spawnings ([Incubator]).
    {"Incubator", "", "Of_incubator, Date_eggs, Cod"},
    {"Incubator", "Fries_out=0 AND Date_fries>#01/01/1980#", "Of_incubator, Date_eggs, Cod"},
    {"Incubator", "Fries_out>=0", "Date_eggs, Cod"},
    {"Incubator", "Fries_out>=0 AND Date_eggs>=#12/1/2006#", "Of_incubator, Date_eggs, Cod"},
    {"Incubator", "Fries_out=-1", ""},
    {"Incubator", "Cod=2", ""},
    {"Incubator", "Of_father=5", "Date_eggs"},
    {"Incubator", "Of_mother=5", "Date_eggs"},
    {"Incubator", "Cod<>2 AND (Of_father=5 OR Of_mother=5)", ""},
    {"Incubator", "Of_father IN (5,6) AND Fries_out=0 AND Date_fries>#01/01/1980#", ""},
    {"Incubator", "Date_eggs>=#1/15/2007#", "Of_incubator, Date_eggs, Cod"},
    {"Incubator", "Fries_out>=0 AND ((Date_eggs>=#1/1/2007# AND Date_eggs<#1/1/2008#) OR (Date_fries>=#1/1/2007# AND Date_fries<#1/1/2008#))", ""},
    // Levels, habitats, cards, links, descriptions, prices, journal, expenses.
    {"Taxons", "", "Number"},
    {"Habitat", "", "Name"},
    {"Habitat", "Of_cod=0", ""},
    {"Habitat", "Cod=1", ""},
    {"Habitat", "Of_cod IN (1,2)", ""},
    {"Habitat", "Name='Africa'", ""},
    {"Habitat", "Of_cod=0 AND Name='it''s YES #1/1/1980#'", ""},
    {"Fishes", "Of_fish=14", ""},
    {"Plants", "Of_cod=12127", ""},
    {"Links", "Of_fish=14 AND Type=1", ""},
    {"Links", "Of_fish=14 AND Type IN (0, 1)", "Name"},
    {"Links", "Row_id=1", ""},
    {"Description", "Of_fish=14 AND Language=0", ""},
    {"Price", "Of_cod=14", ""},
    {"Journal", "Of_aqua=2", "Date"},
    {"Sent", "", "Date"},
    {"Sent", "Date>=#1/1/2007# AND Date<#2/1/2007#", "Date"},
    {"Senttype", "", ""},
};

std::int64_t count(testenv::DocWorld& w, const Query& q) {
    const Engine e = w.conn().engine();
    std::string sql = "SELECT COUNT(*) FROM " + db::toEngineSql(std::string("[") + q.table + "]", e);
    if (*q.filter) sql += " WHERE " + db::toEngineSql(q.filter, e);
    std::int64_t n = -1;
    w.conn().query(sql, {db::ColumnKind::Integer}, [&](std::vector<db::Value>& row) { n = std::get<std::int64_t>(row[0]); });
    if (*q.sort) {  // the sort must run as well
        w.conn().query("SELECT 1 FROM " + db::toEngineSql(std::string("[") + q.table + "]", e) + " ORDER BY " +
                           db::toEngineSql(q.sort, e),
                       {db::ColumnKind::Integer}, [](std::vector<db::Value>&) {});
    }
    return n;
}

}  // namespace

TEST(Dialect, EveryFilterAndSortOfTheProgramRunsOnTheEngine) {
    testenv::DocWorld w;
    for (const Query& q : kProgramTexts) {
        SCOPED_TRACE(std::string(q.table) + " WHERE " + q.filter + " ORDER BY " + q.sort);
        EXPECT_NO_THROW(EXPECT_GE(count(w, q), 0));
    }
}

TEST(Dialect, FiltersFindTheSameRowsOnEveryEngine) {
    testenv::DocWorld w;
    // Case-insensitive comparison, as the desktop engine compares.
    EXPECT_EQ(count(w, {"Reedmere", "Lat_name='pisces' AND Class=14 AND (Classific=262144 OR Classific=1000262144)", ""}), 1);
    EXPECT_EQ(count(w, {"Reedmere", "Lat_name='PISCES'", ""}), 1);
    EXPECT_EQ(count(w, {"Common", "Name='Рыбы'", ""}), 1);  // text passes through unchanged
    // The not-set date and the reserved rows of the seed.
    EXPECT_EQ(count(w, {"Aquariums", "Cod=2 AND Date_out=#01/01/1980#", ""}), 1);
    EXPECT_EQ(count(w, {"Aquariums", "Date_out>#01/01/1980#", ""}), 0);
    EXPECT_EQ(count(w, {"Incubator", "Fries_out=-1 AND Date_eggs=#1/1/80#", ""}), 1);
    EXPECT_EQ(count(w, {"My fishes", "Of_fish=14 AND Forsale=YES", ""}), 0);
    w.exec("UPDATE \"My fishes\" SET \"Forsale\"=1 WHERE \"Cod\"=5");
    EXPECT_EQ(count(w, {"My fishes", "Of_fish=14 AND Forsale=YES", ""}), 1);
    // Nothing inside quotes is read as a name, a date or the truth literal.
    EXPECT_EQ(count(w, {"Habitat", "Name='Cod=2 YES #1/1/1980# [x]'", ""}), 0);
}

TEST(Dialect, SortIsCaseInsensitive) {
    testenv::DocWorld w;
    w.exec("INSERT INTO \"Habitat\" (\"Name\",\"Of_cod\") VALUES ('beta',777)");
    w.exec("INSERT INTO \"Habitat\" (\"Name\",\"Of_cod\") VALUES ('Alpha',777)");
    w.exec("INSERT INTO \"Habitat\" (\"Name\",\"Of_cod\") VALUES ('Gamma',777)");
    std::vector<std::string> names;
    w.conn().query(db::toEngineSql("SELECT Name FROM Habitat WHERE Of_cod=777 ORDER BY Name", w.conn().engine()),
                   {db::ColumnKind::Text},
                   [&](std::vector<db::Value>& row) { names.push_back(std::get<std::string>(row[0])); });
    EXPECT_EQ(names, (std::vector<std::string>{"Alpha", "beta", "Gamma"}));
}

TEST(Dialect, NamesAreQuotedAsTheSchemaSpellsThem) {
    EXPECT_EQ(db::toEngineSql("Lat_name", Engine::PostgreSQL), "\"Lat_name\"");
    EXPECT_EQ(db::toEngineSql("Date_first_eat, Cod", Engine::PostgreSQL), "\"Date_first_eat\", \"Cod\"");
    EXPECT_EQ(db::toEngineSql("Classific=4096 AND Of_Cod=14", Engine::PostgreSQL),
              "\"Classific\"=4096 AND \"Of_cod\"=14");
    EXPECT_EQ(db::toEngineSql("[My fishes]", Engine::PostgreSQL), "\"My fishes\"");
    EXPECT_EQ(db::toEngineSql("[my FISHES].cod", Engine::PostgreSQL), "\"My fishes\".\"Cod\"");
    EXPECT_EQ(db::toEngineSql("DGH>1 AND ph='7'", Engine::PostgreSQL), "\"dGh\">1 AND \"pH\"='7'");
    // Keywords, unknown words, functions and quoted names stay as written.
    EXPECT_EQ(db::toEngineSql("Cod IN (1,2) AND NOT Other IS NULL", Engine::PostgreSQL),
              "\"Cod\" IN (1,2) AND NOT \"Other\" IS NULL");
    EXPECT_EQ(db::toEngineSql("Count(*)>0 AND \"Type\"=1", Engine::PostgreSQL), "Count(*)>0 AND \"Type\"=1");
    EXPECT_EQ(db::schemaName("of_fish"), "Of_fish");
    EXPECT_EQ(db::schemaName("Nothing"), "");
}

TEST(Dialect, LiteralsPerEngine) {
    EXPECT_EQ(db::toEngineSql("Date_out=#01/01/1980#", Engine::PostgreSQL),
              "\"Date_out\"=TIMESTAMP '1980-01-01 00:00:00'");
    EXPECT_EQ(db::toEngineSql("Date_out=#01/01/1980#", Engine::SQLite), "\"Date_out\"='1980-01-01 00:00:00.000'");
    EXPECT_EQ(db::toEngineSql("Date_eggs>=#12/31/99#", Engine::PostgreSQL),
              "\"Date_eggs\">=TIMESTAMP '1999-12-31 00:00:00'");
    // The truth columns are integers 0 and 1 on both engines: PostgreSQL
    // refuses TRUE against them.
    EXPECT_EQ(db::toEngineSql("Forsale=YES", Engine::PostgreSQL), "\"Forsale\"=1");
    EXPECT_EQ(db::toEngineSql("Waterchange = YES", Engine::SQLite), "\"Waterchange\" = 1");
    EXPECT_EQ(db::toEngineSql("Lat_name='#1/1/1980# YES [x] Cod'", Engine::PostgreSQL),
              "\"Lat_name\"='#1/1/1980# YES [x] Cod'");
    EXPECT_EQ(db::toEngineSql("Other='it''s YES' AND Cod=1", Engine::PostgreSQL),
              "\"Other\"='it''s YES' AND \"Cod\"=1");
    EXPECT_EQ(db::toEngineSql("YESNO=1 AND NOYES=2", Engine::PostgreSQL), "YESNO=1 AND NOYES=2");
}
