// The catalogue on a 50,000-taxon class: showing a species' path, one path
// step, and the Find fill by Latin and by common names, both through the
// model and through the Fishcatal dialog (offscreen).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>

#include "BenchCatalogue.h"
#include "ui/catalogue/CComboTaxon.h"
#include "catalogue/CatalogueModel.h"
#include "ui/catalogue/Fishcatal.h"
#include "common/TestEnv.h"

namespace {

struct World {
    testenv::TempWorld world;
    bench::GeneratedCatalogue cat;
    db::CFishesDoc doc;
    World() {
        db::createEmbeddedDatabase(world.databaseFile(), false);
        {
            db::Connection c;
            c.open(db::chooseDataSource().connectionString);
            cat = bench::generateCatalogue(c, 50000);
        }
        doc.create(db::chooseDataSource(), nullptr);
    }
};

World& world() {
    static World w;
    return w;
}

catalogue::ChooserRequest fishes(int start) { return {"Fishes catalog", "Class Pisces", 14, start}; }

void BM_ModelShowSpecies(benchmark::State& state) {
    World& w = world();
    catalogue::CatalogueModel m(w.doc, 14, 0);
    std::size_t i = 0;
    for (auto _ : state) m.show(w.cat.species[i++ * 7919 % w.cat.species.size()]);
}
BENCHMARK(BM_ModelShowSpecies)->Unit(benchmark::kMillisecond);

void BM_ModelChooseGenus(benchmark::State& state) {
    World& w = world();
    catalogue::CatalogueModel m(w.doc, 14, 0);
    m.show(w.cat.species[w.cat.species.size() / 2]);
    const int row = m.rowOfLevel(512);
    const int n = static_cast<int>(m.rows()[static_cast<std::size_t>(row)].path.size());
    int i = 0;
    for (auto _ : state) m.choosePath(row, i++ % n);
}
BENCHMARK(BM_ModelChooseGenus)->Unit(benchmark::kMillisecond);

void BM_ModelFindLatin(benchmark::State& state) {
    World& w = world();
    catalogue::CatalogueModel m(w.doc, 14, 0);
    for (auto _ : state) m.fillFind(false);
}
BENCHMARK(BM_ModelFindLatin)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_ModelFindCommon(benchmark::State& state) {
    World& w = world();
    catalogue::CatalogueModel m(w.doc, 14, 0);
    for (auto _ : state) m.fillFind(true);
}
BENCHMARK(BM_ModelFindCommon)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_DialogOpenOnSpecies(benchmark::State& state) {
    World& w = world();
    core::Settings s;
    platform::ScriptedPrompter p;
    std::size_t i = 0;
    for (auto _ : state) {
        Fishcatal d(w.doc, s, p, fishes(w.cat.species[i++ * 7919 % w.cat.species.size()]));
        benchmark::DoNotOptimize(d.currentTaxon());
    }
}
BENCHMARK(BM_DialogOpenOnSpecies)->Unit(benchmark::kMillisecond);

void BM_DialogPathStep(benchmark::State& state) {
    World& w = world();
    core::Settings s;
    platform::ScriptedPrompter p;
    Fishcatal d(w.doc, s, p, fishes(w.cat.species[w.cat.species.size() / 2]));
    CComboTaxon* genus = d.pathCombo(d.model().rowOfLevel(512));
    const int n = genus->count();
    int i = 0;
    for (auto _ : state) emit genus->activated(i++ % n);
}
BENCHMARK(BM_DialogPathStep)->Unit(benchmark::kMillisecond);

void BM_DialogFindFill(benchmark::State& state) {
    World& w = world();
    core::Settings s;
    platform::ScriptedPrompter p;
    Fishcatal d(w.doc, s, p, fishes(14));
    for (auto _ : state) {
        d.enableFind()->setChecked(true);  // fills every find combo
        state.PauseTiming();
        d.enableFind()->setChecked(false);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DialogFindFill)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
