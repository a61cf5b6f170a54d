// A large farm against its limits: 100,000 lots in 300 tanks, 10,000
// spawnings and 20,000 expenses over a 50,000-taxon catalogue, and a
// 200,000-taxon catalogue alone. Each figure is a median and is printed with
// its ratio to its limit (below 1 is within it).
//
//   start          a fresh process connecting and reading every table (limit 1 s)
//   peak memory    that process's maximum resident size (limit 200 MB)
//   lots "All"     the lot dialog's list of every lot (limit 100 ms)
//   balance        a year's balance, lists and totals (limit 100 ms)
//   incubator      the archive of every spawning (limit 100 ms)
//   species pages  pages a second into a new folder (at least 5,000), and the
//                  share that is of a plain fopen/fwrite/rename loop writing
//                  the same bytes in the same run
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <sql.h>
#include <sqlext.h>
#include <sqlite3.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "BenchCatalogue.h"
#include "DataDir.h"
#include "common/TestEnv.h"
#include "core/Settings.h"
#include "farm/Balance.h"
#include "farm/Incubator.h"
#include "farm/LotBook.h"
#include "platform/Prompter.h"
#include "site/SpeciesPage.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr const char* kOpenDocumentArg = "--open-document";
constexpr int kRuns = 5;
constexpr int kPages = 5000;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

template <class Work>
double medianMs(Work work) {
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        const auto start = Clock::now();
        work();
        times.push_back(msSince(start));
    }
    return median(times);
}

void printLimit(const char* what, double value, const char* unit, double limit, bool atLeast = false) {
    const double ratio = atLeast ? limit / value : value / limit;
    std::printf("  %-44s %12.1f %-8s limit %8.0f  ratio %5.2f %s\n", what, value, unit, limit, ratio,
                ratio <= 1.0 ? "ok" : "OVER");
    std::fflush(stdout);
}

// This process's own high-water mark. Not getrusage: the kernel carries
// ru_maxrss over an exec, and posix_spawn runs the exec on the parent's
// memory, so the child would report the parent's peak (the generated
// catalogue) instead of its own.
long peakResidentKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

// The child's side: time to a ready document, then the peak resident size.
int openDocumentOnce() {
    const auto start = Clock::now();
    // The parent's world is not registered in this process: allow its
    // temporary database file and nothing else.
    const db::DataSourceChoice source = db::chooseDataSource();
    const std::string temp = fs::temp_directory_path().string();
    if (!source.embedded || source.file.string().compare(0, temp.size(), temp) != 0) return 2;
    db::setConnectionGuard([allowed = source.connectionString](const std::string& cs) {
        if (cs != allowed) std::abort();
    });
    db::CFishesDoc doc;
    doc.create(source, nullptr);
    const double ms = msSince(start);
    std::printf("%.3f %ld\n", ms, peakResidentKb());
    return doc.taxa->rowCount() > 0 ? 0 : 1;
}

// Starts this program again to open the document; the world's environment
// (home, settings, ODBC files) is inherited.
bool startInChild(double& ms, long& peakKb) {
    int out[2];
    if (pipe(out) != 0) return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::string self = fs::read_symlink("/proc/self/exe").string();
    char* argv[] = {self.data(), const_cast<char*>(kOpenDocumentArg), nullptr};
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, self.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    std::string text;
    char buf[256];
    for (ssize_t n; (n = read(out[0], buf, sizeof buf)) > 0;) text.append(buf, static_cast<std::size_t>(n));
    close(out[0]);
    int status = 0;
    if (rc != 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return false;
    return std::sscanf(text.c_str(), "%lf %ld", &ms, &peakKb) == 2;
}

std::size_t sqliteAlone(const fs::path& file, const std::string& sql);

// Every SELECT a start sends (the second objects read nothing), stepped by
// SQLite alone: the engine's share of the start.
void measureStartFloor() {
    db::CFishesDoc doc;
    doc.create(db::chooseDataSource(), nullptr);
    const std::vector<const db::Recordset*> read = {
        doc.taxa.get(),   doc.commonNames.get(),  doc.lots.get(),         doc.tanks.get(),      doc.spawnings.get(),
        doc.ranks.get(),  doc.habitats.get(),     doc.expenses.get(),     doc.expenseKinds.get(), doc.animalCards.get(),
        doc.plantCards.get(), doc.prices.get(), doc.descriptions.get(), doc.journal.get(),    doc.links.get()};
    const fs::path file = db::chooseDataSource().file;
    const double ms = medianMs([&] {
        for (const db::Recordset* r : read) sqliteAlone(file, r->selectStatement());
    });
    printLimit("  its SELECTs, SQLite alone", ms, "ms", 1000);
}

void measureStart(const char* label) {
    std::vector<double> times;
    long peak = 0;
    for (int i = 0; i < kRuns; ++i) {
        double ms = 0;
        long kb = 0;
        if (!startInChild(ms, kb)) {
            std::printf("  %s: the child process failed\n", label);
            return;
        }
        times.push_back(ms);
        peak = std::max(peak, kb);
    }
    printLimit((std::string("start to document ready, ") + label).c_str(), median(times), "ms", 1000);
    printLimit((std::string("peak memory, ") + label).c_str(), static_cast<double>(peak) / 1024.0, "MB", 200);
    measureStartFloor();
}

// A copy of the generated database where the variable names a file, to
// profile one start alone: --open-document with XDG_DATA_HOME pointing at it.
void keepCopy(const char* variable, const fs::path& database) {
    if (const char* to = std::getenv(variable)) fs::copy_file(database, to, fs::copy_options::overwrite_existing);
}

// The floor under the lot list: its SELECT stepped by SQLite alone (every
// cell read), then fetched through the ODBC driver alone (every column bound
// as text, 256 rows a fetch, as the driver converts anyway), against the
// limit the list has.
std::size_t sqliteAlone(const fs::path& file, const std::string& sql) {
    sqlite3* handle = nullptr;
    std::size_t rows = 0, bytes = 0;
    if (sqlite3_open_v2(file.c_str(), &handle, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(handle, sql.c_str(), -1, &st, nullptr) == SQLITE_OK) {
            const int columns = sqlite3_column_count(st);
            while (sqlite3_step(st) == SQLITE_ROW) {
                ++rows;
                for (int i = 0; i < columns; ++i)
                    if (sqlite3_column_type(st, i) == SQLITE_TEXT) bytes += static_cast<std::size_t>(sqlite3_column_bytes(st, i));
                    else bytes += static_cast<std::size_t>(sqlite3_column_int64(st, i) & 1);
            }
        }
        sqlite3_finalize(st);
    }
    sqlite3_close(handle);
    return rows + (bytes == SIZE_MAX ? 1 : 0);
}

std::size_t odbcAlone(const std::string& connectionString, const std::string& sql) {
    constexpr SQLULEN kBlock = 256;
    constexpr SQLLEN kWidth = 256;
    SQLHENV env = nullptr;
    SQLHDBC dbc = nullptr;
    SQLHSTMT st = nullptr;
    std::size_t rows = 0;
    SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env);
    SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    SQLAllocHandle(SQL_HANDLE_DBC, env, &dbc);
    std::string cs = connectionString;
    if (SQL_SUCCEEDED(SQLDriverConnect(dbc, nullptr, reinterpret_cast<SQLCHAR*>(cs.data()), SQL_NTS, nullptr, 0,
                                       nullptr, SQL_DRIVER_NOPROMPT))) {
        SQLAllocHandle(SQL_HANDLE_STMT, dbc, &st);
        std::string text = sql;
        if (SQL_SUCCEEDED(SQLExecDirect(st, reinterpret_cast<SQLCHAR*>(text.data()), SQL_NTS))) {
            SQLSMALLINT columns = 0;
            SQLNumResultCols(st, &columns);
            std::vector<std::vector<char>> cells(static_cast<std::size_t>(columns),
                                                 std::vector<char>(kBlock * kWidth));
            std::vector<std::vector<SQLLEN>> lengths(static_cast<std::size_t>(columns), std::vector<SQLLEN>(kBlock));
            SQLULEN fetched = 0;
            SQLSetStmtAttr(st, SQL_ATTR_ROW_ARRAY_SIZE, reinterpret_cast<SQLPOINTER>(kBlock), 0);
            SQLSetStmtAttr(st, SQL_ATTR_ROWS_FETCHED_PTR, &fetched, 0);
            for (SQLSMALLINT i = 0; i < columns; ++i)
                SQLBindCol(st, static_cast<SQLUSMALLINT>(i + 1), SQL_C_CHAR, cells[static_cast<std::size_t>(i)].data(),
                           kWidth, lengths[static_cast<std::size_t>(i)].data());
            while (SQL_SUCCEEDED(SQLFetch(st))) rows += fetched;
        }
        SQLFreeHandle(SQL_HANDLE_STMT, st);
        SQLDisconnect(dbc);
    }
    SQLFreeHandle(SQL_HANDLE_DBC, dbc);
    SQLFreeHandle(SQL_HANDLE_ENV, env);
    return rows;
}

void measureFloors(db::My_Fish& lots, const std::string& filter) {
    lots.setFilter(filter);
    lots.setSort("Date_first_eat, Cod");
    const std::string sql = lots.selectStatement();
    const db::DataSourceChoice source = db::chooseDataSource();
    std::size_t rows = 0;
    double ms = medianMs([&] { rows = sqliteAlone(source.file, sql); });
    printLimit(("  its SELECT, SQLite alone (" + std::to_string(rows) + " rows)").c_str(), ms, "ms", 100);
    ms = medianMs([&] { rows = odbcAlone(source.connectionString, sql); });
    printLimit(("  its SELECT, the ODBC driver alone (" + std::to_string(rows) + ")").c_str(), ms, "ms", 100);
    ms = medianMs([&] {
        lots.requery();
        rows = lots.rowCount();
    });
    printLimit(("  its record object's requery (" + std::to_string(rows) + ")").c_str(), ms, "ms", 100);
}

fs::path freshWorkDir(const fs::path& root, const std::string& name) {
    fs::path dir = root / name;
    fs::create_directories(dir / "Classes" / "Pisces" / "Images");
    fs::copy_file(fs::path(REEDMERE_DATA_DIR) / "site" / "blank.html", dir / "blank.html",
                  fs::copy_options::overwrite_existing);
    return dir;
}

struct PageBytes {
    std::string name;
    std::string bytes;
};

std::vector<PageBytes> readPages(const fs::path& folder) {
    std::vector<PageBytes> pages;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        pages.push_back({entry.path().filename().string(),
                         std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>())});
    }
    return pages;
}

// The same bytes as the page writer's, each written beside its place and renamed over it.
double plainWriteRate(const std::vector<PageBytes>& pages, const fs::path& folder) {
    fs::create_directories(folder);
    const auto start = Clock::now();
    for (const PageBytes& p : pages) {
        const std::string final = (folder / p.name).string();
        const std::string temp = final + ".tmp";
        std::FILE* f = std::fopen(temp.c_str(), "wb");
        if (!f) return 0;
        std::fwrite(p.bytes.data(), 1, p.bytes.size(), f);
        std::fclose(f);
        std::rename(temp.c_str(), final.c_str());
    }
    return static_cast<double>(pages.size()) / (msSince(start) / 1000.0);
}

void measurePages(const fs::path& root, const bench::GeneratedCatalogue& cat) {
    db::CFishesDoc doc;
    doc.create(db::chooseDataSource(), nullptr);
    platform::ScriptedPrompter prompter;
    site::SiteEnv env;
    env.wwwServer = "http://www.reedmere.org";
    env.eMail = "breeder@reedmere.org";
    env.prompter = &prompter;
    // The file system's speed at creating files swings with what was deleted
    // lately, and the first writer into it after a deletion pays for it: the
    // plain loop and the page writer take turns at going first.
    std::vector<double> pageRates, plainRates;
    std::vector<PageBytes> pages;
    for (int run = 0; run < 4; ++run) {
        const bool plainFirst = run % 2 == 1;
        const fs::path plainDir = root / ("plain" + std::to_string(run));
        if (plainFirst) plainRates.push_back(plainWriteRate(pages, plainDir));
        const fs::path dir = freshWorkDir(root, "pages" + std::to_string(run));
        env.workDir = dir.string();
        site::SpeciesPages writer(doc, env);
        int written = 0;
        const auto start = Clock::now();
        for (int i = 0; i < kPages; ++i)
            if (writer.write(cat.species[static_cast<std::size_t>(i)])) ++written;
        pageRates.push_back(written / (msSince(start) / 1000.0));
        if (pages.empty()) pages = readPages(dir / "Classes" / "Pisces");
        if (!plainFirst) plainRates.push_back(plainWriteRate(pages, plainDir));
        if (written != kPages || static_cast<int>(pages.size()) < kPages) {
            std::printf("  species pages: only %d written\n", written);
            return;
        }
    }
    const double rate = median(pageRates), plain = median(plainRates);
    printLimit("species pages into a new folder", rate, "pages/s", 5000, true);
    std::printf("  %-44s %12.1f %-8s the pages are %.0f%% of it\n", "plain fopen/fwrite/rename of the same bytes",
                plain, "pages/s", 100.0 * rate / plain);
}

void largeFarm() {
    testenv::TempWorld world;
    db::createEmbeddedDatabase(world.databaseFile(), false);
    bench::GeneratedCatalogue cat;
    {
        const auto start = Clock::now();
        db::Connection c;
        c.open(db::chooseDataSource().connectionString);
        cat = bench::generateCatalogue(c, 50000);
        bench::FarmShape shape;
        shape.tanks = 300;
        shape.lots = 100000;
        shape.spawnings = 10000;
        shape.expenses = 20000;
        bench::generateFarm(c, cat, shape);
        bench::generateSpeciesDetails(c, cat, kPages);
        std::printf("farm of 100,000 lots over 50,000 taxa (generated in %.1f s)\n", msSince(start) / 1000.0);
    }
    keepCopy("REEDMERE_BENCH_KEEP_FARM", world.databaseFile());
    measureStart("large farm");

    db::CFishesDoc doc;
    doc.create(db::chooseDataSource(), nullptr);
    core::Settings settings;
    {
        farm::LotBook book(doc, settings);
        const std::string all = farm::lotFilter(farm::LotView::All, 0, "");
        std::size_t lines = 0;
        const double ms = medianMs([&] {
            book.show(all);
            lines = book.lines().size();
        });
        printLimit(("lot dialog \"All\" (" + std::to_string(lines) + " lines)").c_str(), ms, "ms", 100);
        measureFloors(*doc.lots, all);
    }
    {
        farm::Balance balance(doc, settings);
        std::size_t rows = 0;
        const double ms = medianMs([&] {
            rows = balance.refresh(farm::RefreshMode::Full, "01.01.2025", "31.12.2025", farm::BalanceViews{}).rows.size();
        });
        printLimit(("balance over a year (" + std::to_string(rows) + " rows)").c_str(), ms, "ms", 100);
    }
    {
        farm::IncubatorBook book(doc, settings);
        std::size_t lines = 0;
        const double ms = medianMs([&] {
            book.showArchive("all", core::DayMonthYear{15, 12, 2025});
            lines = book.lines().size();
        });
        printLimit(("incubator archive (" + std::to_string(lines) + " spawnings)").c_str(), ms, "ms", 100);
    }
    measurePages(world.root(), cat);
}

void largeCatalogue() {
    testenv::TempWorld world;
    db::createEmbeddedDatabase(world.databaseFile(), false);
    {
        const auto start = Clock::now();
        db::Connection c;
        c.open(db::chooseDataSource().connectionString);
        bench::generateCatalogue(c, 200000);
        std::printf("catalogue of 200,000 taxa (generated in %.1f s)\n", msSince(start) / 1000.0);
    }
    keepCopy("REEDMERE_BENCH_KEEP_CATALOGUE", world.databaseFile());
    measureStart("200,000 taxa");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], kOpenDocumentArg) == 0) return openDocumentOnce();
    largeFarm();
    largeCatalogue();
    return 0;
}
