// Species pages of a generated catalogue: 5,000 species, each with a card,
// two links, a description and a habitat, written into a temporary work
// directory from the shipped template.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "BenchCatalogue.h"
#include "common/TestEnv.h"
#include "platform/Prompter.h"
#include "site/SpeciesPage.h"

namespace {

namespace fs = std::filesystem;

constexpr int kSpecies = 5000;

struct World {
    testenv::TempWorld world;
    bench::GeneratedCatalogue cat;
    World() {
        db::createEmbeddedDatabase(world.databaseFile(), false);
        db::Connection c;
        c.open(db::chooseDataSource().connectionString);
        cat = bench::generateCatalogue(c, 50000);
        bench::generateSpeciesDetails(c, cat, kSpecies);
        fs::create_directories(world.workDir() / "Classes" / "Pisces" / "Images");
        fs::copy_file(fs::path(REEDMERE_DATA_DIR) / "site" / "blank.html", world.workDir() / "blank.html",
                      fs::copy_options::overwrite_existing);
    }
};

World& world() {
    static World w;
    return w;
}

void BM_SpeciesPages(benchmark::State& state) {
    World& w = world();
    db::CFishesDoc doc;
    doc.create(db::chooseDataSource(), nullptr);
    platform::ScriptedPrompter prompter;
    site::SiteEnv env;
    env.workDir = w.world.workDir().string();
    env.wwwServer = "http://www.reedmere.org";
    env.eMail = "breeder@reedmere.org";
    env.prompter = &prompter;
    std::int64_t pages = 0;
    for (auto _ : state) {
        site::SpeciesPages writer(doc, env);
        for (int i = 0; i < kSpecies; ++i)
            if (writer.write(w.cat.species[static_cast<std::size_t>(i)])) ++pages;
    }
    if (!prompter.shown().empty()) state.SkipWithError(prompter.lastText().c_str());
    state.counters["pages/s"] = benchmark::Counter(static_cast<double>(pages), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SpeciesPages)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
