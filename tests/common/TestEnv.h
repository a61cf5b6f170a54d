// A private world for one test: a temporary home, settings store, data
// folder and ODBC configuration, and a fresh database built from the
// shipped schema and seed: an SQLite file, or, when the environment variable
// REEDMERE_TEST_PG names the folder of the private PostgreSQL cluster
// (scripts/pg-cluster), a new database of that cluster reached through the
// data source "Reedmere" of the world's own odbc.ini.
#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "db/CFishesDoc.h"
#include "db/DataSource.h"

namespace testenv {

constexpr int kSavedVars = 10;

// Why opening this connection string would reach a data source that no live
// world created ("" when it is safe). Every test program refuses such a
// connection loudly: it prints the reason and aborts. Before any test runs,
// the driver manager's system folder is pinned to one of the test program's
// own that lists the machine's drivers and no data source.
std::string isolationBreach(const std::string& connectionString);

// True when this test program runs its worlds on PostgreSQL.
bool usingPostgres();

// The private cluster's address for an ODBC connection string (PostgreSQL runs only).
std::string postgresConnectionString(const std::string& database);

class TempWorld {
public:
    // Points HOME, XDG_CONFIG_HOME, XDG_DATA_HOME and the ODBC driver
    // manager's user file (ODBCINI) into a new temporary folder, and its
    // system folder (ODBCSYSINI, ODBCINSTINI) at the test program's own.
    TempWorld();
    ~TempWorld();
    const std::filesystem::path& root() const { return root_; }
    std::filesystem::path workDir() const { return root_ / "home" / "Fishes"; }
    // The embedded SQLite file (not used on PostgreSQL runs).
    std::filesystem::path databaseFile() const { return db::embeddedDatabasePath(); }
    std::filesystem::path settingsFile() const {
        return root_ / "config" / "Local AppWizard-Generated Applications" / "Reedmere.conf";
    }
    // ODBCSYSINI: the test program's system-wide odbc.ini (empty) and odbcinst.ini.
    static const std::filesystem::path& systemOdbcDir();

    // Creates a fresh PostgreSQL database of the private cluster (seed only,
    // or with the starter catalogue) and defines it as the data source
    // "Reedmere" in this world's odbc.ini; it is dropped with the world.
    void definePostgresDataSource(bool starter);
    const std::string& postgresDatabase() const { return pgDatabase_; }
    // Defines the data source "Reedmere" on an empty database: a new
    // database of the private cluster on PostgreSQL runs, a new SQLite file
    // in this world otherwise.
    void defineEmptyDataSource();

private:
    std::filesystem::path root_;
    std::string pgDatabase_;
    std::string saved_[kSavedVars];
};

// A world with a database (seed only, unless starter is true) and a created document.
class DocWorld : public TempWorld {
public:
    explicit DocWorld(bool starter = false);
    db::CFishesDoc doc;
    db::Connection& conn() { return *doc.db; }
    // Runs raw SQL on the document's connection. On PostgreSQL the tests'
    // failure triggers, written as SQLite takes them ("CREATE TRIGGER name
    // BEFORE op ON \"T\" [WHEN cond] BEGIN SELECT RAISE(ABORT,'text'); END"
    // and "DROP TRIGGER name"), are rendered as PostgreSQL takes them.
    void exec(const std::string& sql);
    // The first column of the first row of a query, as text ("" for none).
    std::string scalar(const std::string& sql);

private:
    std::map<std::string, std::string> triggerTables_;  // PostgreSQL: trigger name -> table
};

}  // namespace testenv
