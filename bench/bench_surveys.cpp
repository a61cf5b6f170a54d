// The whole generated site of the benchmark catalogue at 1,000, 5,000 and
// 20,000 species: the htm-stair from the class root, "Families surveys",
// the taxonomy survey and the "Taxonomy report" (main page and high-taxonomy
// pages), into a fresh work directory each round.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <memory>

#include "BenchCatalogue.h"
#include "DataDir.h"
#include "common/TestEnv.h"
#include "platform/Prompter.h"
#include "site/MainPage.h"
#include "site/Surveys.h"

namespace {

namespace fs = std::filesystem;

// The generator makes about 191 rows for every 150 species.
int taxaFor(int species) { return species * 191 / 150 + 40; }

struct World {
    testenv::TempWorld world;
    bench::GeneratedCatalogue cat;
    explicit World(int species) {
        db::createEmbeddedDatabase(world.databaseFile(), false);
        db::Connection c;
        c.open(db::chooseDataSource().connectionString);
        cat = bench::generateCatalogue(c, taxaFor(species));
    }
};

fs::path freshWorkDir(const World& w, int n) {
    fs::path dir = w.world.root() / ("work" + std::to_string(n));
    fs::create_directories(dir / "Classes" / "Pisces" / "Images");
    fs::copy_file(fs::path(REEDMERE_DATA_DIR) / "site" / "blank.html", dir / "blank.html",
                  fs::copy_options::overwrite_existing);
    return dir;
}

void BM_WholeSite(benchmark::State& state) {
    // One database at a time: the world's settings and data folders are process-wide.
    static std::unique_ptr<World> world;
    static int worldSpecies = 0;
    const int species = static_cast<int>(state.range(0));
    if (worldSpecies != species) {
        world.reset();
        world = std::make_unique<World>(species);
        worldSpecies = species;
    }
    db::CFishesDoc doc;
    doc.create(db::chooseDataSource(), nullptr);
    platform::ScriptedPrompter prompter;
    site::SiteEnv env;
    env.wwwServer = "http://www.reedmere.org/";
    env.eMail = "breeder@reedmere.org";
    env.prompter = &prompter;
    env.launch = [](const std::string&) { return true; };
    std::int64_t pages = 0;
    int n = 0;
    using Clock = std::chrono::steady_clock;
    auto seconds = [](Clock::duration d) { return std::chrono::duration<double>(d).count(); };
    double stair = 0, surveys = 0, survey = 0, mainPage = 0;
    for (auto _ : state) {
        state.PauseTiming();
        env.workDir = freshWorkDir(*world, ++n).string();
        state.ResumeTiming();
        auto t0 = Clock::now();
        pages += site::writeDescendantPages(doc, env, 14, "Class", {}).pages;
        auto t1 = Clock::now();
        pages += site::writeFamilySurveys(doc, env, {}).pages;
        auto t2 = Clock::now();
        pages += site::writeTaxonomySurvey(doc, env, 14, {}).pages;
        auto t3 = Clock::now();
        int taxa = 0;
        if (site::writeMainPage(doc, env, [&](const std::string&) { ++taxa; })) pages += 1 + taxa;
        auto t4 = Clock::now();
        stair += seconds(t1 - t0);
        surveys += seconds(t2 - t1);
        survey += seconds(t3 - t2);
        mainPage += seconds(t4 - t3);
    }
    state.counters["stair_s"] = stair;
    state.counters["families_s"] = surveys;
    state.counters["survey_s"] = survey;
    state.counters["main_s"] = mainPage;
    if (!prompter.shown().empty()) state.SkipWithError(prompter.lastText().c_str());
    state.counters["species"] = static_cast<double>(world->cat.species.size());
    state.counters["pages"] = static_cast<double>(pages) / static_cast<double>(state.iterations());
    state.counters["pages/s"] = benchmark::Counter(static_cast<double>(pages), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_WholeSite)->Arg(1000)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
