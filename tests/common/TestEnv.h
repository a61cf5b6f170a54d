// A private world for one test: a temporary home, settings store, data
// folder and ODBC configuration, and a fresh database file built from the
// shipped schema and seed.
#pragma once

#include <filesystem>
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

class TempWorld {
public:
    // Points HOME, XDG_CONFIG_HOME, XDG_DATA_HOME and the ODBC driver
    // manager's user file (ODBCINI) into a new temporary folder, and its
    // system folder (ODBCSYSINI, ODBCINSTINI) at the test program's own.
    TempWorld();
    ~TempWorld();
    const std::filesystem::path& root() const { return root_; }
    std::filesystem::path workDir() const { return root_ / "home" / "Fishes"; }
    std::filesystem::path databaseFile() const { return db::embeddedDatabasePath(); }
    std::filesystem::path settingsFile() const {
        return root_ / "config" / "Local AppWizard-Generated Applications" / "Reedmere.conf";
    }
    // ODBCSYSINI: the test program's system-wide odbc.ini (empty) and odbcinst.ini.
    static const std::filesystem::path& systemOdbcDir();

private:
    std::filesystem::path root_;
    std::string saved_[kSavedVars];
};

// A world with a database (seed only, unless starter is true) and a created document.
class DocWorld : public TempWorld {
public:
    explicit DocWorld(bool starter = false);
    db::CFishesDoc doc;
    db::Connection& conn() { return *doc.db; }
    // Runs raw engine SQL on the document's connection.
    void exec(const std::string& sql) { doc.db->execute(sql); }
    // The first column of the first row of a query, as text ("" for none).
    std::string scalar(const std::string& sql);
};

}  // namespace testenv
