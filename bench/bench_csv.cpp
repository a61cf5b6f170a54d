// The spreadsheet export of 100,000 lots over a generated 5,000-taxon
// catalogue in 300 tanks, and a backup of that database (VACUUM INTO).
#include <benchmark/benchmark.h>

#include <filesystem>

#include "BenchCatalogue.h"
#include "common/TestEnv.h"
#include "core/Dates.h"
#include "db/Backup.h"
#include "farm/CsvExport.h"

namespace {

namespace fs = std::filesystem;

constexpr int kTanks = 300;
constexpr int kLots = 100000;

db::Timestamp day(int d, int m, int y) { return {core::localDate(d, m, y)}; }

void generateLots(db::Connection& c, const bench::GeneratedCatalogue& cat) {
    db::Transaction t(c);
    for (int i = 0; i < kTanks; ++i)
        c.execute("INSERT INTO \"Aquariums\" (\"Cod\",\"In_liters\",\"Other\",\"Size_height\",\"Size_length\","
                  "\"Size_width\",\"Date\",\"Date_out\",\"Price\",\"Price_out\") VALUES (?,?,?,0,0,0,?,?,1000,0)",
                  {std::int64_t(1000 + i), std::int64_t(20 + i % 200), "Rack, " + std::to_string(i / 10),
                   day(1 + i % 28, 1, 2025), day(1, 1, 1980)});
    for (int i = 0; i < kLots; ++i) {
        const db::Timestamp firstEat = day(1 + i % 28, 1 + i % 12, 2025);
        c.execute("INSERT INTO \"My fishes\" (\"Cod\",\"Number_female\",\"Number_fries\",\"Number_male\","
                  "\"Of_aquarium\",\"Of_fish\",\"Of_fry\",\"Other\",\"Place_birth\",\"Date_first_eat\",\"Date_mf\","
                  "\"Date_dye\",\"Date_gift\",\"Date_sale\",\"Died\",\"Gifted\",\"Income\",\"Outgo\",\"Saled\","
                  "\"Forsale\",\"Price\",\"Size\") VALUES (?,?,?,?,?,?,2,?,?,?,?,?,?,?,?,0,?,400,?,0,0,?)",
                  {std::int64_t(10000 + i), std::int64_t(1 + i % 4), std::int64_t(i % 30), std::int64_t(i % 5),
                   std::int64_t(1000 + i % kTanks), std::int64_t(cat.species[i % cat.species.size()]),
                   std::string(i % 4 ? "" : "wild \"red\", Ленинград"), std::string("Reed"), firstEat, firstEat,
                   day(1, 1, 1980), day(1, 1, 1980), day(1 + i % 28, 1 + (i + 5) % 12, 2025), std::int64_t(i % 3),
                   std::int64_t(i % 7 ? 0 : 150), std::int64_t(i % 6), std::int64_t(i % 5)});
    }
    t.commit();
}

struct World {
    testenv::TempWorld world;
    World() {
        db::createEmbeddedDatabase(world.databaseFile(), false);
        db::Connection c;
        c.open(db::chooseDataSource().connectionString);
        generateLots(c, bench::generateCatalogue(c, 5000));
    }
};

World& world() {
    static World w;
    return w;
}

void BM_ExportLots(benchmark::State& state) {
    World& w = world();
    db::CFishesDoc doc;
    doc.create(db::chooseDataSource(), nullptr);
    std::size_t rows = 0;
    for (auto _ : state) rows = farm::exportLots(doc, "Temporary", w.world.root() / "lots.csv");
    state.counters["lots"] = static_cast<double>(rows);
    state.counters["MB"] = static_cast<double>(fs::file_size(w.world.root() / "lots.csv")) / 1e6;
}

void BM_Backup(benchmark::State& state) {
    World& w = world();
    db::CFishesDoc doc;
    doc.create(db::chooseDataSource(), nullptr);
    for (auto _ : state) db::writeBackup(*doc.db, w.world.root() / "b.rmbackup", "", 0);
    state.counters["MB"] = static_cast<double>(fs::file_size(w.world.root() / "b.rmbackup")) / 1e6;
}

}  // namespace

BENCHMARK(BM_ExportLots)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Backup)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_MAIN();
