// The record layer under failing statements, locks, rows changed elsewhere,
// a second program and a machine with data sources of its own.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>

#include "common/TestEnv.h"
#include "core/Dates.h"
#include "db/InstanceLock.h"

using testenv::DocWorld;

namespace {

namespace fs = std::filesystem;

std::string injectFailure(const std::string& when, const std::string& table, const std::string& condition = "") {
    return "CREATE TRIGGER injected BEFORE " + when + " ON \"" + table + "\"" +
           (condition.empty() ? "" : " WHEN " + condition) + " BEGIN SELECT RAISE(ABORT,'injected failure'); END";
}

// Common names of one taxon code that the seed does not use.
struct CommonWorld : DocWorld {
    static constexpr int kTaxon = 777;
    CommonWorld() {
        doc.commonNames->setFilter("Of_fish=" + std::to_string(kTaxon));
        doc.commonNames->requery();
    }
    int count(const std::string&) {
        return std::stoi(scalar("SELECT COUNT(*) FROM \"Common\" WHERE \"Of_fish\"=" + std::to_string(kTaxon)));
    }
    void addName(int, const std::string& name) {
        const int ofFish = kTaxon;
        db::Common& c = *doc.commonNames;
        c.addNew();
        c.m_Of_fish = ofFish;
        c.m_Name = name;
        c.m_Language = 0;
        c.update();
    }
    std::vector<std::string> namesShown() {
        std::vector<std::string> out;
        for (doc.commonNames->moveFirst(); !doc.commonNames->isEOF(); doc.commonNames->moveNext())
            out.push_back(doc.commonNames->m_Name);
        return out;
    }
};

}  // namespace

TEST(Transaction, AFailingStepUndoesEveryEarlierOneAndTheRecordObjectsShowTheStoredRows) {
    CommonWorld w;
    w.addName(14, "fishes");
    w.doc.commonNames->requery();
    w.exec(injectFailure("INSERT", "Common", "NEW.\"Name\"='third'"));
    try {
        db::inTransaction(w.conn(), [&] {
            w.doc.commonNames->edit();
            w.doc.commonNames->m_Name = "renamed";
            w.doc.commonNames->update();
            w.addName(14, "second");
            w.doc.commonNames->requery();  // reads the uncommitted row
            EXPECT_EQ(w.doc.commonNames->rowCount(), 2u);
            w.addName(14, "third");
        });
        FAIL() << "the injected failure did not reach the caller";
    } catch (const db::DbError& e) {
        EXPECT_NE(std::string(e.what()).find("injected failure"), std::string::npos) << e.what();
    }
    EXPECT_EQ(w.count("Common"), 1);
    EXPECT_EQ(w.scalar("SELECT \"Name\" FROM \"Common\" WHERE \"Of_fish\"=777"), "fishes");
    EXPECT_EQ(w.namesShown(), std::vector<std::string>{"fishes"});
    EXPECT_FALSE(w.conn().inTransaction());
    // The connection writes normally afterwards, outside any transaction.
    w.exec("DROP TRIGGER injected");
    w.addName(14, "later");
    EXPECT_EQ(w.count("Common"), 2);
}

TEST(Transaction, AnInnerOneJoinsTheOuterAndItsFailureSpoilsTheWhole) {
    CommonWorld w;
    db::inTransaction(w.conn(), [&] {
        w.addName(14, "one");
        db::inTransaction(w.conn(), [&] { w.addName(14, "two"); });
        EXPECT_TRUE(w.conn().inTransaction());
    });
    EXPECT_EQ(w.count("Common"), 2);

    // An inner failure that its caller swallows still leaves nothing written.
    EXPECT_THROW(db::inTransaction(w.conn(),
                                   [&] {
                                       w.addName(14, "three");
                                       try {
                                           db::Transaction inner(w.conn());
                                           w.addName(14, "four");
                                           throw db::DbError("inner step failed");
                                       } catch (const db::DbError&) {
                                       }
                                   }),
                 db::DbError);
    EXPECT_EQ(w.count("Common"), 2);
}

TEST(Transaction, ARecordObjectGoneBeforeTheRollbackIsNotTouched) {
    CommonWorld w;
    EXPECT_THROW(db::inTransaction(w.conn(),
                                   [&] {
                                       {
                                           db::Common local(w.conn());
                                           local.open();
                                           local.addNew();
                                           local.m_Of_fish = CommonWorld::kTaxon;
                                           local.m_Name = "short-lived";
                                           local.update();
                                       }
                                       throw db::DbError("later step failed");
                                   }),
                 db::DbError);
    EXPECT_EQ(w.count("Common"), 0);
}

TEST(Records, TwoObjectsChangingDifferentColumnsOfOneRowLoseNothing) {
    DocWorld w;
    db::Fish& a = *w.doc.taxa;
    db::Fish& b = *w.doc.taxa2;
    for (db::Fish* t : {&a, &b}) {
        t->setFilter("Cod=14");
        t->requery();
        ASSERT_FALSE(t->isEOF());
    }
    const std::string latin = a.m_Lat_name;
    a.edit();
    a.m_Author = "Linnaeus, 1758";
    a.update();
    // b still holds the old author in its snapshot; its update must not write it back.
    b.edit();
    b.m_Lat_name = "Pisces renamed";
    b.update();
    EXPECT_EQ(w.scalar("SELECT \"Author\" FROM \"Reedmere\" WHERE \"Cod\"=14"), "Linnaeus, 1758");
    EXPECT_EQ(w.scalar("SELECT \"Lat_name\" FROM \"Reedmere\" WHERE \"Cod\"=14"), "Pisces renamed");
    EXPECT_NE(latin, "Pisces renamed");
}

TEST(Records, AColumnChangedElsewhereRefusesTheOlderWriteAndReadsTheRowAgain) {
    DocWorld w;
    db::Fish& a = *w.doc.taxa;
    db::Fish& b = *w.doc.taxa2;
    for (db::Fish* t : {&a, &b}) {
        t->setFilter("Cod=14 OR Cod=10420");
        t->setSort("Cod");
        t->requery();
        t->moveToKey(14);
    }
    a.edit();
    a.m_Author = "first";
    a.update();
    b.edit();
    b.m_Author = "second";
    try {
        b.update();
        FAIL() << "an update over a changed column was written";
    } catch (const db::ConflictError& e) {
        EXPECT_NE(std::string(e.what()).find("changed or deleted elsewhere"), std::string::npos);
    }
    EXPECT_EQ(w.scalar("SELECT \"Author\" FROM \"Reedmere\" WHERE \"Cod\"=14"), "first");
    // Read again, on the same row, with no edit pending.
    EXPECT_EQ(b.m_Cod, 14);
    EXPECT_EQ(b.m_Author, "first");
    EXPECT_THROW(b.update(), db::DbError);
    b.edit();
    b.m_Author = "second";
    b.update();
    EXPECT_EQ(w.scalar("SELECT \"Author\" FROM \"Reedmere\" WHERE \"Cod\"=14"), "second");
}

TEST(Records, UpdateOrDeleteOfARowGoneElsewhereFailsAndLeavesNoCurrentRow) {
    DocWorld w;
    w.exec("INSERT INTO \"Aquariums\" (\"In_liters\",\"Other\",\"Date_out\") VALUES (50,'gone','1980-01-01 00:00:00.000')");
    for (int attempt = 0; attempt < 2; ++attempt) {
        db::Aquarium& t = *w.doc.tanks;
        t.setFilter("Other='gone'");
        t.requery();
        ASSERT_FALSE(t.isEOF());
        w.exec("DELETE FROM \"Aquariums\" WHERE \"Other\"='gone'");
        if (attempt == 0) {
            t.edit();
            t.m_In_liters = 60;
            EXPECT_THROW(t.update(), db::ConflictError);
        } else {
            EXPECT_THROW(t.deleteRow(), db::ConflictError);
        }
        EXPECT_TRUE(t.isEOF());
        EXPECT_EQ(w.scalar("SELECT COUNT(*) FROM \"Aquariums\" WHERE \"In_liters\"=60"), "0");
        w.exec("INSERT INTO \"Aquariums\" (\"In_liters\",\"Other\",\"Date_out\") VALUES (50,'gone','1980-01-01 00:00:00.000')");
    }
}

TEST(Records, ARefusedWriteCancelsThePendingEditSoTheNextOneDoesNotCarryIt) {
    DocWorld w;
    db::Aquarium& t = *w.doc.tanks;
    w.exec("INSERT INTO \"Aquariums\" (\"In_liters\",\"Other\",\"Size_height\",\"Date_out\") "
           "VALUES (50,'tank',30,'1980-01-01 00:00:00.000')");
    t.setFilter("Other='tank'");
    t.requery();
    t.edit();
    t.m_Size_height = 70000;  // beyond a small integer
    EXPECT_THROW(t.update(), db::RangeError);
    EXPECT_EQ(t.m_Size_height, 30) << "the refused value stays in the members";
    EXPECT_THROW(t.update(), db::DbError) << "the refused edit is still pending";
    t.edit();
    t.m_In_liters = 55;
    t.update();
    EXPECT_EQ(w.scalar("SELECT \"Size_height\" || '/' || \"In_liters\" FROM \"Aquariums\" WHERE \"Other\"='tank'"),
              "30/55");

    // A statement the database refuses cancels the edit in the same way.
    w.exec(injectFailure("UPDATE", "Aquariums"));
    t.edit();
    t.m_Other = "refused";
    EXPECT_THROW(t.update(), db::DbError);
    EXPECT_EQ(t.m_Other, "tank");
    w.exec("DROP TRIGGER injected");
    t.edit();
    t.m_In_liters = 56;
    t.update();
    EXPECT_EQ(w.scalar("SELECT \"Other\" || '/' || \"In_liters\" FROM \"Aquariums\" WHERE \"In_liters\"=56"),
              "tank/56");
}

TEST(Records, AnEditThatChangesNothingWritesNothing) {
    DocWorld w;
    db::Fish& t = *w.doc.taxa;
    t.setFilter("Cod=14");
    t.requery();
    w.exec(injectFailure("UPDATE", "Reedmere"));
    t.edit();
    EXPECT_NO_THROW(t.update());
}

TEST(Locks, ADatabaseHeldByAnotherProgramFailsWithinTheTimeOutSayingSo) {
    if (testenv::usingPostgres()) GTEST_SKIP() << "SQLite only: the lock of a database file";
    DocWorld w;
    db::Aquarium& t = *w.doc.tanks;
    t.setFilter("Cod=2");
    t.requery();
    ASSERT_FALSE(t.isEOF());
    t.edit();
    t.m_In_liters = 99;
    db::Connection other;
    other.open("DRIVER=SQLite3;Database=" + w.databaseFile().string() + ";NoWCHAR=1");
    other.execute("BEGIN EXCLUSIVE");
    auto start = std::chrono::steady_clock::now();
    try {
        t.update();
        FAIL() << "wrote into a locked database";
    } catch (const db::BusyError& e) {
        std::string text = e.what();
        EXPECT_EQ(text.rfind(db::kBusyText, 0), 0u) << text;
        EXPECT_NE(text.find("locked"), std::string::npos) << "the data source's own text follows: " << text;
    }
    auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    EXPECT_GE(waited.count(), db::kLockTimeoutMs / 2);
    EXPECT_LT(waited.count(), db::kLockTimeoutMs + 4000);
    other.execute("COMMIT");
    t.edit();
    t.m_In_liters = 99;
    t.update();
    EXPECT_EQ(w.scalar("SELECT \"In_liters\" FROM \"Aquariums\" WHERE \"Cod\"=2"), "99");
}

TEST(Locks, OneCopyOfTheProgramPerDatabase) {
    testenv::TempWorld world;
    db::DataSourceChoice source = db::chooseDataSource();
    const fs::path file = db::instanceLockFile(source);
    EXPECT_EQ(file.parent_path(), world.databaseFile().parent_path());

    db::InstanceLock first;
    std::string heldBy;
    ASSERT_TRUE(first.take(file, heldBy)) << heldBy;

    // A second program finds it taken and learns by whom.
    int pipeFd[2];
    ASSERT_EQ(pipe(pipeFd), 0);
    pid_t pid = fork();
    if (pid == 0) {
        db::InstanceLock second;
        std::string who;
        bool took = second.take(file, who);
        std::string report = (took ? "took" : "refused") + std::string(":") + who;
        [[maybe_unused]] ssize_t n = write(pipeFd[1], report.data(), report.size());
        _exit(0);
    }
    close(pipeFd[1]);
    std::string report;
    char buf[512];
    ssize_t n;
    while ((n = read(pipeFd[0], buf, sizeof buf)) > 0) report.append(buf, static_cast<std::size_t>(n));
    close(pipeFd[0]);
    waitpid(pid, nullptr, 0);
    EXPECT_EQ(report.rfind("refused:process " + std::to_string(getpid()) + " on ", 0), 0u) << report;
    EXPECT_NE(db::alreadyRunningMessage(source.name, "process 1").find(source.name), std::string::npos);

    // Once the first one ends, the next start takes it.
    first.release();
    db::InstanceLock third;
    EXPECT_TRUE(third.take(file, heldBy)) << heldBy;
}

TEST(Locks, ACopyThatDiedLeavesTheDatabaseFree) {
    testenv::TempWorld world;
    const fs::path file = db::instanceLockFile(db::chooseDataSource());
    pid_t pid = fork();
    if (pid == 0) {
        db::InstanceLock held;
        std::string who;
        held.take(file, who);
        std::abort();  // no release
    }
    waitpid(pid, nullptr, 0);
    db::InstanceLock next;
    std::string heldBy;
    EXPECT_TRUE(next.take(file, heldBy)) << heldBy;
}

namespace {

// A machine whose system-wide ODBC configuration defines "Reedmere", as a
// user's may, and whose environment points the driver manager at it.
struct UsersMachine {
    fs::path dir;
    std::string savedSysIni, savedIni;

    UsersMachine() {
        std::string tmpl = (fs::temp_directory_path() / "reedmere-users-XXXXXX").string();
        if (!mkdtemp(tmpl.data())) throw std::runtime_error("mkdtemp failed");
        dir = tmpl;
        std::ofstream(dir / "odbcinst.ini") << "[SQLite3]\nDriver=libsqlite3odbc.so\n";
        std::ofstream(dir / "odbc.ini") << "[Reedmere]\nDriver=SQLite3\nDatabase=" << userDatabase().string() << "\n";
        savedSysIni = std::getenv("ODBCSYSINI");
        savedIni = std::getenv("ODBCINI");
        setenv("ODBCSYSINI", dir.c_str(), 1);
        setenv("ODBCINI", (dir / "no-user-sources.ini").c_str(), 1);
    }
    ~UsersMachine() {
        setenv("ODBCSYSINI", savedSysIni.c_str(), 1);
        setenv("ODBCINI", savedIni.c_str(), 1);
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
    fs::path userDatabase() const { return dir / "users-own.db"; }

    // The system data sources a program started now is shown.
    std::string listedToANewProgram() const {
        std::string out;
        if (FILE* p = popen("odbcinst -q -s 2>&1", "r")) {
            char buf[256];
            while (fgets(buf, sizeof buf, p)) out += buf;
            pclose(p);
        }
        return out;
    }
};

}  // namespace

TEST(TestIsolation, ASystemDataSourceOfTheMachineIsNeverReached) {
    UsersMachine machine;
    ASSERT_NE(machine.listedToANewProgram().find("[Reedmere]"), std::string::npos)
        << "the machine's data source must be visible to another program";
    EXPECT_FALSE(db::dataSourceExists("Reedmere"));
    EXPECT_NE(testenv::isolationBreach("DSN=Reedmere"), "");
    {
        DocWorld w;
        const bool pg = testenv::usingPostgres();  // there the world defines its own "Reedmere"
        EXPECT_EQ(db::dataSourceExists("Reedmere"), pg);
        db::DataSourceChoice source = db::chooseDataSource();
        EXPECT_EQ(source.embedded, !pg);
        if (!pg) EXPECT_EQ(source.file, w.databaseFile());
        EXPECT_NE(testenv::isolationBreach("DRIVER={PostgreSQL Unicode};Servername=127.0.0.1;Port=5432;Database=x"), "")
            << "a server other than the private cluster";
        w.exec("DELETE FROM \"Senttype\"");
        EXPECT_EQ(testenv::isolationBreach(source.connectionString), "");
        EXPECT_EQ(testenv::isolationBreach("DSN=Reedmere"), "") << "a data source the test itself defines";
        EXPECT_NE(testenv::isolationBreach("DRIVER=SQLite3;Database=" + machine.userDatabase().string()), "");
        EXPECT_NE(testenv::isolationBreach("DRIVER=SQLite3;Database=relative.db"), "");
        EXPECT_NE(testenv::isolationBreach("FILEDSN=/etc/x.dsn"), "");
    }
    EXPECT_FALSE(fs::exists(machine.userDatabase())) << "the user's database was opened";
}

TEST(TestIsolationDeathTest, OpeningADataSourceNoTestCreatedEndsTheTestProgram) {
    UsersMachine machine;
    EXPECT_DEATH(
        {
            db::Connection c;
            c.open("DSN=Reedmere");
        },
        "TEST ISOLATION BROKEN");
    EXPECT_DEATH(
        {
            db::Connection c;
            c.open("DRIVER=SQLite3;Database=" + machine.userDatabase().string());
        },
        "TEST ISOLATION BROKEN");
    EXPECT_FALSE(fs::exists(machine.userDatabase()));
}

TEST(Dates, TheClockBeyondTheTypingLimitIsStillADay) {
    const std::time_t in2031 = core::localDate(10, 3, 2031) + 15 * 3600 + 7;
    EXPECT_EQ(core::startOfDay(in2031), core::localDate(10, 3, 2031));
    EXPECT_EQ(core::formatDate(core::startOfDay(in2031)), "10.03.2031");
    EXPECT_FALSE(core::isNotSet(core::startOfDay(in2031)));
}
