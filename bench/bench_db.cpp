// The document on a 50,000-taxon catalogue: creation (every table read
// whole) and one catalogue step (the children of a taxon), on SQLite, or
// on PostgreSQL when REEDMERE_TEST_PG names a running private cluster
// (scripts/pg-cluster start DIR).
#include <benchmark/benchmark.h>

#include "BenchCatalogue.h"
#include "common/TestEnv.h"

namespace {

struct World {
    testenv::TempWorld world;
    bench::GeneratedCatalogue cat;
    World() {
        if (testenv::usingPostgres()) world.definePostgresDataSource(false);
        else db::createEmbeddedDatabase(world.databaseFile(), false);
        db::Connection c;
        db::connect(c, db::chooseDataSource());
        cat = bench::generateCatalogue(c, 50000);
        if (c.engine() == db::Engine::PostgreSQL) c.execute("ANALYZE");
    }
};

World& world() {
    static World w;
    return w;
}

void BM_CreateDocument(benchmark::State& state) {
    world();
    for (auto _ : state) {
        db::CFishesDoc doc;
        doc.create(db::chooseDataSource(), nullptr);
        benchmark::DoNotOptimize(doc.taxa->rowCount());
    }
}
BENCHMARK(BM_CreateDocument)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_RequeryChildren(benchmark::State& state) {
    World& w = world();
    db::CFishesDoc doc;
    doc.create(db::chooseDataSource(), nullptr);
    std::size_t i = 0;
    for (auto _ : state) {
        std::int32_t parent = w.cat.genera[i++ % w.cat.genera.size()];
        doc.taxa->setFilter("Of_cod=" + std::to_string(parent));
        doc.taxa->requery();
        benchmark::DoNotOptimize(doc.taxa->rowCount());
    }
}
BENCHMARK(BM_RequeryChildren)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
