// The business report "all" over ten years of a generated farm (10,000
// lots, 20,000 expenses, 300 tanks) and the commercial report over 2,000
// living species, written into a temporary work directory from the shipped
// template.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "BenchCatalogue.h"
#include "DataDir.h"
#include "common/TestEnv.h"
#include "core/Dates.h"
#include "platform/Prompter.h"
#include "reports/CommercialReport.h"
#include "reports/PeriodReport.h"

namespace {

namespace fs = std::filesystem;

constexpr int kLivingSpecies = 2000;
constexpr int kFirstYear = 2016;  // ten years up to December 2025

bench::FarmShape farmShape() {
    bench::FarmShape shape;
    shape.tanks = 300;
    shape.lots = 10000;
    shape.spawnings = 0;
    shape.expenses = 20000;
    shape.livingSpecies = kLivingSpecies;
    shape.priceCards = kLivingSpecies / 2;
    shape.firstYear = kFirstYear;
    shape.years = 10;
    return shape;
}

struct World {
    testenv::TempWorld world;
    fs::path workDir;
    World() {
        db::createEmbeddedDatabase(world.databaseFile(), false);
        db::Connection c;
        c.open(db::chooseDataSource().connectionString);
        const bench::GeneratedCatalogue cat = bench::generateCatalogue(c, 5000);
        bench::generateFarm(c, cat, farmShape());
        workDir = world.root() / "work";
        fs::create_directories(workDir / "Reports");
        fs::copy_file(fs::path(REEDMERE_DATA_DIR) / "site" / "blank.html", workDir / "blank.html",
                      fs::copy_options::overwrite_existing);
    }
};

World& world() {
    static World w;
    return w;
}

template <class MakeReport>
void run(benchmark::State& state, MakeReport make) {
    World& w = world();
    db::CFishesDoc doc;
    doc.create(db::chooseDataSource(), nullptr);
    platform::ScriptedPrompter prompter;
    reports::ReportContext context;
    context.doc = &doc;
    context.env.workDir = w.workDir.string();
    context.env.wwwServer = "http://www.reedmere.org";
    context.env.prompter = &prompter;
    context.env.clock = [] { return core::localDate(15, 12, kFirstYear + 9); };
    context.env.launch = [](const std::string&) { return true; };
    context.farmName = "Reed";
    context.emptyTankName = "Temporary";
    std::int64_t items = 0;
    for (auto _ : state) {
        auto report = make(context);
        if (!reports::writeAndShow(*report, context.env, [&](const std::string&) { ++items; }))
            state.SkipWithError("page not written");
    }
    state.counters["items"] = benchmark::Counter(static_cast<double>(items), benchmark::Counter::kAvgIterations);
}

void BM_PeriodReportAll(benchmark::State& state) {
    run(state, [](const reports::ReportContext& c) { return reports::periodReport(c, "all"); });
}

void BM_CommercialReport(benchmark::State& state) {
    run(state, [](const reports::ReportContext& c) { return reports::commercialReport(c); });
}

BENCHMARK(BM_PeriodReportAll)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_CommercialReport)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();
