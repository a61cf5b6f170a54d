// Species pages of a generated catalogue: 5,000 species, each with a card,
// two links, a description and a habitat, written into a temporary work
// directory from the shipped template.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "DataDir.h"
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
    }
};

World& world() {
    static World w;
    return w;
}

// A work directory holding the template and the Pisces class directory.
fs::path freshWorkDir(const World& w, int n) {
    fs::path dir = w.world.root() / ("work" + std::to_string(n));
    fs::create_directories(dir / "Classes" / "Pisces" / "Images");
    fs::copy_file(fs::path(REEDMERE_DATA_DIR) / "site" / "blank.html", dir / "blank.html",
                  fs::copy_options::overwrite_existing);
    return dir;
}

void run(benchmark::State& state, bool fresh) {
    World& w = world();
    db::CFishesDoc doc;
    doc.create(db::chooseDataSource(), nullptr);
    platform::ScriptedPrompter prompter;
    site::SiteEnv env;
    env.wwwServer = "http://www.reedmere.org";
    env.eMail = "breeder@reedmere.org";
    env.prompter = &prompter;
    env.workDir = freshWorkDir(w, 0).string();
    std::int64_t pages = 0;
    int n = 0;
    for (auto _ : state) {
        if (fresh) {
            state.PauseTiming();
            env.workDir = freshWorkDir(w, ++n).string();
            state.ResumeTiming();
        }
        site::SpeciesPages writer(doc, env);
        for (int i = 0; i < kSpecies; ++i)
            if (writer.write(w.cat.species[static_cast<std::size_t>(i)])) ++pages;
    }
    if (!prompter.shown().empty()) state.SkipWithError(prompter.lastText().c_str());
    state.counters["pages/s"] = benchmark::Counter(static_cast<double>(pages), benchmark::Counter::kIsRate);
}

// Into a new work directory each time, as a first generation of the site.
void BM_SpeciesPages(benchmark::State& state) { run(state, true); }
BENCHMARK(BM_SpeciesPages)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// Over the pages of the previous round: every page replaces an older one.
void BM_SpeciesPagesRewrite(benchmark::State& state) { run(state, false); }
BENCHMARK(BM_SpeciesPagesRewrite)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
