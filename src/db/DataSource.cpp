#include "db/DataSource.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "DataDir.h"
#include "db/SchemaUpgrade.h"
#include "db/StarterCatalogueHook.h"

namespace db {

namespace fs = std::filesystem;

fs::path embeddedDatabasePath() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    fs::path base;
    if (xdg && *xdg) base = xdg;
    else base = fs::path(std::getenv("HOME") ? std::getenv("HOME") : ".") / ".local" / "share";
    return base / "Reedmere" / "Reedmere.db";
}

fs::path shippedDataDir() {
    // An installed program may have been moved with its prefix: look beside it first.
    static const fs::path dir = [] {
        std::error_code ec;
        fs::path installed = fs::read_symlink("/proc/self/exe", ec).parent_path() / REEDMERE_INSTALLED_DATA_DIR;
        if (!ec && fs::exists(installed / "schema" / "schema.sql", ec)) return installed.lexically_normal();
        return fs::path(REEDMERE_DATA_DIR);
    }();
    return dir;
}

DataSourceChoice chooseDataSource() {
    DataSourceChoice choice;
    if (dataSourceExists("Reedmere")) {
        choice.connectionString = "DSN=Reedmere";
        choice.name = "Reedmere";
        return choice;
    }
    choice.embedded = true;
    choice.file = embeddedDatabasePath();
    choice.connectionString = "DRIVER=SQLite3;Database=" + choice.file.string() +
                              ";NoWCHAR=1;SyncPragma=NORMAL;Timeout=" + std::to_string(kLockTimeoutMs);
    choice.name = choice.file.string();
    return choice;
}

namespace {

std::string readFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    if (!in) throw DbError("Cannot read " + p.string());
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace

void createEmbeddedDatabase(const fs::path& file, bool withStarterCatalogue) {
    std::error_code ec;
    fs::create_directories(file.parent_path(), ec);
    fs::path partial = file;
    partial += ".new";
    fs::remove(partial, ec);
    try {
        Connection c;
        c.open("DRIVER=SQLite3;Database=" + partial.string() + ";NoWCHAR=1;Timeout=" + std::to_string(kLockTimeoutMs));
        Transaction t(c);
        c.executeScript(readFile(shippedDataDir() / "schema" / "schema.sql"));
        c.executeScript(readFile(shippedDataDir() / "schema" / "seed.sql"));
        if (withStarterCatalogue) loadShippedStarterCatalogue(c);
        t.commit();
        c.close();
    } catch (...) {
        fs::remove(partial, ec);
        throw;
    }
    fs::rename(partial, file);
}

fs::path instanceLockFile(const DataSourceChoice& source) {
    if (source.embedded) {
        fs::path lock = source.file;
        lock += ".lock";
        return lock;
    }
    return embeddedDatabasePath().parent_path() / ("DSN-" + source.name + ".lock");
}

void connect(Connection& c, const DataSourceChoice& source) {
    try {
        if (source.embedded && !fs::exists(source.file)) createEmbeddedDatabase(source.file);
        c.open(source.connectionString);
        if (source.embedded) upgradeEmbeddedSchema(c);
    } catch (const std::exception& e) {
        throw DbError("Cannot connect to the data source " + source.name + ":\n" + e.what());
    }
}

}  // namespace db
