#include "db/DataSource.h"

#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>
#include <utility>
#include <vector>

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

// The counters of the schema: table and counter column, in schema order.
std::vector<std::pair<std::string, std::string>> counters(const std::string& schema) {
    std::vector<std::pair<std::string, std::string>> found;
    static const std::regex table(R"re(CREATE TABLE "([^"]+)")re");
    static const std::regex counter(R"re("([A-Za-z_]+)"\s+INTEGER PRIMARY KEY AUTOINCREMENT)re");
    std::string current;
    std::istringstream lines(schema);
    for (std::string line; std::getline(lines, line);) {
        std::smatch m;
        if (std::regex_search(line, m, table)) current = m[1];
        else if (std::regex_search(line, m, counter)) found.emplace_back(current, m[1]);
    }
    return found;
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

std::string shippedSchemaText() { return readFile(shippedDataDir() / "schema" / "schema.sql"); }

// Statements that answer whether the connection's database holds any table.
std::string tableCountSql(Engine engine) {
    if (engine == Engine::SQLite) return "SELECT COUNT(*) FROM sqlite_master WHERE type='table'";
    return "SELECT COUNT(*) FROM information_schema.tables WHERE table_schema=current_schema()";
}

}  // namespace

std::string schemaScript(Engine engine) {
    std::string schema = shippedSchemaText();
    if (engine != Engine::PostgreSQL) return schema;
    // Texts compare and sort without regard to case, as on the desktop engine;
    // the collation keeps the SQLite schema's name, so the columns read the same.
    return "CREATE COLLATION IF NOT EXISTS nocase (provider = icu, locale = 'und-u-ks-level2', "
           "deterministic = false);\n" +
           replaced(schema, "INTEGER PRIMARY KEY AUTOINCREMENT", "SERIAL PRIMARY KEY");
}

std::string seedScript(Engine) { return readFile(shippedDataDir() / "schema" / "seed.sql"); }

void moveCountersPastRows(Connection& c) {
    if (c.engine() != Engine::PostgreSQL) return;  // SQLite's counters follow explicit codes themselves
    for (const auto& [table, column] : counters(shippedSchemaText()))
        c.execute("SELECT setval(pg_get_serial_sequence('\"" + table + "\"', '" + column + "'), COALESCE((SELECT MAX(\"" +
                  column + "\") FROM \"" + table + "\"), 0) + 1, false)");
}

bool hasTables(Connection& c) {
    std::int64_t count = 0;
    c.query(tableCountSql(c.engine()), {ColumnKind::Integer}, [&](std::vector<Value>& row) {
        if (std::holds_alternative<std::int64_t>(row[0])) count = std::get<std::int64_t>(row[0]);
    });
    return count > 0;
}

void initialiseDataSource(Connection& c, bool withStarterCatalogue) {
    if (hasTables(c))
        throw DbError("The data source already has tables; nothing was changed.\n"
                      "Only an empty data source can be initialised.");
    Transaction t(c);
    c.executeScript(schemaScript(c.engine()));
    c.executeScript(seedScript(c.engine()));
    moveCountersPastRows(c);
    if (withStarterCatalogue) {
        loadShippedStarterCatalogue(c);
        moveCountersPastRows(c);
    }
    t.commit();
}

bool initialiseUserDataSource(platform::Prompter& prompter) {
    const DataSourceChoice source = chooseDataSource();
    if (source.embedded) {
        prompter.tell("No ODBC data source \"Reedmere\" is defined; the program uses its own database file "
                      "and has nothing to initialise.",
                      platform::MessageKind::Warning);
        return false;
    }
    Connection c;
    connect(c, source);
    if (hasTables(c)) {
        prompter.tell("The data source \"" + source.name +
                          "\" already has tables: it is left as it is.\nOnly an empty data source can be initialised.",
                      platform::MessageKind::Warning);
        return false;
    }
    if (!platform::confirmed(prompter)) return false;
    initialiseDataSource(c);
    prompter.tell("The data source \"" + source.name +
                  "\" now holds the tables, the seed data and the starter catalogue.\n"
                  "Start the program again to work with it.");
    return true;
}

bool isEmptyUserDataSource(const DataSourceChoice& source) {
    if (source.embedded) return false;
    try {
        Connection c;
        connect(c, source);
        return !hasTables(c);
    } catch (const DbError&) {
        return false;
    }
}

void createEmbeddedDatabase(const fs::path& file, bool withStarterCatalogue) {
    std::error_code ec;
    fs::create_directories(file.parent_path(), ec);
    fs::path partial = file;
    partial += ".new";
    fs::remove(partial, ec);
    try {
        Connection c;
        c.open("DRIVER=SQLite3;Database=" + partial.string() + ";NoWCHAR=1;Timeout=" + std::to_string(kLockTimeoutMs));
        initialiseDataSource(c, withStarterCatalogue);
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
