#include "common/TestEnv.h"

#include <QSettings>

#include "db/Dialect.h"
#include <gtest/gtest.h>
#include <unistd.h>
#include <QString>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <regex>
#include <set>
#include <sstream>
#include <stdexcept>

namespace testenv {

namespace fs = std::filesystem;

namespace {

// Everything the process environment gives the settings store, the data
// folder and the ODBC driver manager; each world replaces or removes them all.
const char* kVars[kSavedVars] = {"HOME",        "XDG_CONFIG_HOME", "XDG_DATA_HOME", "ODBCINI",    "TZ",
                                 "ODBCSYSINI",  "ODBCINSTINI",     "ODBCSEARCH",    "ODBCINST",   "ODBCINSTUI"};
const char* kUnset = "\x01";

std::mutex& rootsMutex() {
    static std::mutex m;
    return m;
}
std::set<fs::path>& liveRoots() {
    static std::set<fs::path> roots;
    return roots;
}

bool under(const fs::path& path, const fs::path& root) {
    fs::path p = path.lexically_normal();
    auto r = root.lexically_normal();
    auto mismatch = std::mismatch(r.begin(), r.end(), p.begin(), p.end());
    return mismatch.first == r.end();
}

bool insideLiveWorld(const std::string& path) {
    if (path.empty() || path[0] != '/') return false;
    std::lock_guard<std::mutex> lock(rootsMutex());
    for (const fs::path& root : liveRoots())
        if (under(path, root)) return true;
    return false;
}

// The value of key in an ODBC connection string ("" when absent).
std::string attribute(const std::string& cs, const std::string& key) {
    std::istringstream in(cs);
    std::string part;
    while (std::getline(in, part, ';')) {
        std::size_t eq = part.find('=');
        if (eq == std::string::npos) continue;
        std::string k = part.substr(0, eq);
        for (char& ch : k) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        if (k == key) return part.substr(eq + 1);
    }
    return {};
}

const char* pgClusterDir() {
    const char* v = std::getenv("REEDMERE_TEST_PG");
    return v && *v ? v : nullptr;
}

// The private cluster's port, written by scripts/pg-cluster ("" when it did not start).
const std::string& pgPort() {
    static const std::string port = [] {
        std::string p;
        if (pgClusterDir()) std::ifstream(fs::path(pgClusterDir()) / "port") >> p;
        return p;
    }();
    return port;
}

// A connection string that reaches the private cluster and nothing else.
bool privateCluster(const std::string& cs) {
    return !pgPort().empty() && attribute(cs, "DRIVER").find("PostgreSQL") != std::string::npos &&
           attribute(cs, "SERVERNAME") == "127.0.0.1" && attribute(cs, "PORT") == pgPort();
}

}  // namespace

bool usingPostgres() { return pgClusterDir() != nullptr; }

std::string postgresConnectionString(const std::string& database) {
    return "DRIVER={PostgreSQL Unicode};Servername=127.0.0.1;Port=" + pgPort() + ";Database=" + database +
           ";Username=reedmere_test";
}

std::string isolationBreach(const std::string& connectionString) {
    if (!attribute(connectionString, "FILEDSN").empty()) return "a file data source";
    if (!attribute(connectionString, "DSN").empty()) {
        // The system folder is this process's own (see below); inside a world
        // every data source the driver manager can find is one the test wrote.
        const char* user = std::getenv("ODBCINI");
        if (!user || !insideLiveWorld(user)) return "a data source read outside the test's folder (ODBCINI)";
        return {};
    }
    if (privateCluster(connectionString)) return {};
    const std::string file = attribute(connectionString, "DATABASE");
    if (!insideLiveWorld(file)) return "the database file \"" + file + "\" outside every test folder";
    return {};
}

namespace {

// The drivers the machine has, without any data source of its own.
void writeDriverList(const fs::path& systemDir) {
    const char* sysIni = std::getenv("ODBCSYSINI");
    const char* instIni = std::getenv("ODBCINSTINI");
    fs::path from = fs::path(sysIni && *sysIni ? sysIni : "/etc") / (instIni && *instIni ? instIni : "odbcinst.ini");
    std::ifstream in(from);
    std::ofstream out(systemDir / "odbcinst.ini");
    if (in) out << in.rdbuf();
    else out << "[SQLite3]\nDescription=SQLite3 ODBC Driver\nDriver=libsqlite3odbc.so\n";
    std::ofstream(systemDir / "odbc.ini").close();
}

fs::path& processSystemDir() {
    static fs::path dir;
    return dir;
}

void removeProcessSystemDir() {
    std::error_code ec;
    if (!processSystemDir().empty()) fs::remove_all(processSystemDir(), ec);
}

// Runs before any test. The driver manager reads ODBCSYSINI once per process
// and keeps it, so it is pinned here to a folder of this process that lists
// the drivers and no data source: the machine's system-wide data sources
// are never seen, whatever a test sets later. A connection the test did not
// create ends the test program, whoever would catch an exception.
const bool isolated = [] {
    std::string tmpl = (fs::temp_directory_path() / "reedmere-odbc-XXXXXX").string();
    if (!mkdtemp(tmpl.data())) {
        std::fprintf(stderr, "TEST ISOLATION: no temporary folder for the ODBC configuration\n");
        std::abort();
    }
    processSystemDir() = tmpl;
    writeDriverList(processSystemDir());
    std::atexit(removeProcessSystemDir);
    setenv("ODBCSYSINI", processSystemDir().c_str(), 1);
    setenv("ODBCINSTINI", "odbcinst.ini", 1);
    for (const char* v : {"ODBCSEARCH", "ODBCINST", "ODBCINSTUI"}) unsetenv(v);
    setenv("ODBCINI", (processSystemDir() / "odbc.ini").c_str(), 1);
    db::dataSourceExists("Reedmere");  // the driver manager takes the system folder now
    db::setConnectionGuard([](const std::string& cs) {
        std::string breach = isolationBreach(cs);
        if (breach.empty()) return;
        std::fprintf(stderr, "TEST ISOLATION BROKEN: the program would open %s: %s\n", breach.c_str(), cs.c_str());
        std::fflush(stderr);
        std::abort();
    });
    return true;
}();

// A PostgreSQL run whose cluster did not start skips every test, saying so;
// where the runs are required (CI) it fails instead.
class PostgresAvailability : public ::testing::Environment {
public:
    void SetUp() override {
        if (!usingPostgres() || !pgPort().empty()) return;
        const char* required = std::getenv("REEDMERE_REQUIRE_PG");
        if (required && std::string(required) == "1")
            FAIL() << "PostgreSQL is required (REEDMERE_REQUIRE_PG=1) but no cluster runs in " << pgClusterDir();
        GTEST_SKIP() << "PostgreSQL could not be started (see scripts/pg-cluster): PostgreSQL runs are skipped";
    }
};
const bool availabilityChecked = (::testing::AddGlobalTestEnvironment(new PostgresAvailability), true);

db::Connection& adminConnection() {
    // Kept for the whole test program; never closed before exit.
    static db::Connection* admin = [] {
        auto* c = new db::Connection;
        c->open(postgresConnectionString("postgres"));
        return c;
    }();
    return *admin;
}

bool readyTemplate(const std::string& name) {
    bool ready = false;
    adminConnection().query("SELECT shobj_description(oid, 'pg_database') FROM pg_database WHERE datname=?",
                            {db::ColumnKind::Text},
                            [&](std::vector<db::Value>& row) {
                                ready = std::holds_alternative<std::string>(row[0]) &&
                                        std::get<std::string>(row[0]) == "ready";
                            },
                            {name});
    return ready;
}

// The prepared database every world of the kind is copied from; the first
// test program to need it builds it while the others wait.
std::string templateDatabase(bool starter) {
    const std::string name = starter ? "reedmere_starter" : "reedmere_seed";
    db::Connection& admin = adminConnection();
    admin.execute("SELECT pg_advisory_lock(2026)");
    try {
        if (!readyTemplate(name)) {
            admin.execute("DROP DATABASE IF EXISTS \"" + name + "\"");
            admin.execute("CREATE DATABASE \"" + name + "\"");
            {
                db::Connection c;
                c.open(postgresConnectionString(name));
                db::initialiseDataSource(c, starter);
                // Tests read the new counter the way SQLite gives it.
                c.execute("CREATE FUNCTION last_insert_rowid() RETURNS bigint LANGUAGE sql AS 'SELECT lastval()'");
            }
            admin.execute("COMMENT ON DATABASE \"" + name + "\" IS 'ready'");
        }
    } catch (...) {
        admin.execute("SELECT pg_advisory_unlock(2026)");
        throw;
    }
    admin.execute("SELECT pg_advisory_unlock(2026)");
    return name;
}

}  // namespace

namespace {

// A new database of the private cluster, a copy of the template named. The
// driver manager keeps what it read of odbc.ini for a while, so every world
// of this process names the same database: the one of the world before is
// dropped with it.
std::string newPostgresDatabase(const std::string& templateName) {
    if (pgPort().empty()) throw std::runtime_error("no private PostgreSQL cluster runs");
    const std::string name = "rt_" + std::to_string(getpid());
    adminConnection().execute("DROP DATABASE IF EXISTS \"" + name + "\" WITH (FORCE)");
    adminConnection().execute("CREATE DATABASE \"" + name + "\" TEMPLATE \"" + templateName + "\"");
    return name;
}

}  // namespace

void TempWorld::defineEmptyDataSource() {
    if (!usingPostgres()) {
        std::ofstream(root_ / "odbc.ini") << "[Reedmere]\nDriver=SQLite3\nDatabase=" << (root_ / "empty.db").string()
                                         << "\nNoWCHAR=1\n";
        return;
    }
    const std::string name = newPostgresDatabase("template0");
    pgDatabase_ = name;
    std::ofstream ini(root_ / "odbc.ini");
    ini << "[Reedmere]\nDriver=PostgreSQL Unicode\nServername=127.0.0.1\nPort=" << pgPort()
        << "\nDatabase=" << name << "\nUsername=reedmere_test\n";
}

void TempWorld::definePostgresDataSource(bool starter) {
    const std::string name = newPostgresDatabase(templateDatabase(starter));
    pgDatabase_ = name;
    std::ofstream ini(root_ / "odbc.ini");
    ini << "[Reedmere]\nDriver=PostgreSQL Unicode\nServername=127.0.0.1\nPort=" << pgPort()
        << "\nDatabase=" << name << "\nUsername=reedmere_test\n";
}

const std::filesystem::path& TempWorld::systemOdbcDir() { return processSystemDir(); }

TempWorld::TempWorld() {
    (void)isolated;
    (void)availabilityChecked;
    for (int i = 0; i < kSavedVars; ++i) {
        const char* v = std::getenv(kVars[i]);
        saved_[i] = v ? v : std::string(kUnset);
    }
    std::string tmpl = (fs::temp_directory_path() / "reedmere-test-XXXXXX").string();
    if (!mkdtemp(tmpl.data())) throw std::runtime_error("mkdtemp failed");
    root_ = tmpl;
    fs::create_directories(root_ / "home");
    fs::create_directories(root_ / "config");
    fs::create_directories(root_ / "data");
    std::ofstream(root_ / "odbc.ini").close();
    {
        std::lock_guard<std::mutex> lock(rootsMutex());
        liveRoots().insert(root_);
    }
    setenv("HOME", (root_ / "home").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (root_ / "config").c_str(), 1);
    setenv("XDG_DATA_HOME", (root_ / "data").c_str(), 1);
    setenv("ODBCINI", (root_ / "odbc.ini").c_str(), 1);
    setenv("ODBCSYSINI", systemOdbcDir().c_str(), 1);
    setenv("ODBCINSTINI", "odbcinst.ini", 1);
    for (const char* v : {"ODBCSEARCH", "ODBCINST", "ODBCINSTUI"}) unsetenv(v);
    // Qt reads the settings location once per process; point it here for every world.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString((root_ / "config").string()));
}

TempWorld::~TempWorld() {
    if (!pgDatabase_.empty()) {
        try {
            adminConnection().execute("DROP DATABASE IF EXISTS \"" + pgDatabase_ + "\" WITH (FORCE)");
        } catch (const std::exception& e) {
            std::fprintf(stderr, "Could not drop the test database %s: %s\n", pgDatabase_.c_str(), e.what());
        }
    }
    for (int i = 0; i < kSavedVars; ++i) {
        if (saved_[i] == kUnset) unsetenv(kVars[i]);
        else setenv(kVars[i], saved_[i].c_str(), 1);
    }
    {
        std::lock_guard<std::mutex> lock(rootsMutex());
        liveRoots().erase(root_);
    }
    std::error_code ec;
    fs::remove_all(root_, ec);
}

DocWorld::DocWorld(bool starter) {
    if (usingPostgres()) definePostgresDataSource(starter);
    else db::createEmbeddedDatabase(databaseFile(), starter);
    doc.create(db::chooseDataSource(), nullptr);
}

void DocWorld::exec(const std::string& sql) {
    if (conn().engine() != db::Engine::PostgreSQL) {
        conn().execute(sql);
        return;
    }
    static const std::regex create(
        R"re(CREATE TRIGGER (\w+) BEFORE (\w+) ON ("[^"]+")(?: WHEN (.*))? BEGIN SELECT RAISE\(ABORT, *'([^']*)'\); END)re");
    static const std::regex drop(R"re(DROP TRIGGER (\w+))re");
    std::smatch m;
    if (std::regex_match(sql, m, create)) {
        const std::string name = m[1], function = std::string(m[1]) + "_raises";
        conn().execute("CREATE OR REPLACE FUNCTION " + function + "() RETURNS trigger LANGUAGE plpgsql AS "
                       "$$BEGIN RAISE EXCEPTION '" + std::string(m[5]) + "'; END$$");
        std::string condition = m[4].matched ? " WHEN (" + db::toEngineSql(m[4], db::Engine::PostgreSQL) + ")" : "";
        conn().execute("CREATE TRIGGER " + name + " BEFORE " + std::string(m[2]) + " ON " + std::string(m[3]) +
                       " FOR EACH ROW" + condition + " EXECUTE FUNCTION " + function + "()");
        triggerTables_[name] = m[3];
        return;
    }
    if (std::regex_match(sql, m, drop) && triggerTables_.count(m[1])) {
        conn().execute(sql + " ON " + triggerTables_[m[1]]);
        triggerTables_.erase(m[1]);
        return;
    }
    // Raw SQL of the tests names tables and columns bare, as SQLite takes them.
    conn().execute(db::toEngineSql(sql, db::Engine::PostgreSQL));
}

std::string DocWorld::scalar(const std::string& sql) {
    std::string out;
    bool first = true;
    const bool pg = doc.db->engine() == db::Engine::PostgreSQL;
    doc.db->query(pg ? db::toEngineSql(sql, db::Engine::PostgreSQL) : sql, {db::ColumnKind::Text}, [&](std::vector<db::Value>& row) {
        if (!first) return;
        first = false;
        if (std::holds_alternative<std::string>(row[0])) out = std::get<std::string>(row[0]);
    });
    // PostgreSQL gives a timestamp without the milliseconds the SQLite driver
    // stores; the tests compare SQLite's text form.
    static const std::regex timestamp(R"((\d{4}-\d\d-\d\d \d\d:\d\d:\d\d)(?![.\d]))");
    return pg ? std::regex_replace(out, timestamp, "$1.000") : out;
}

}  // namespace testenv
