// The runner's biggest farm pages over a generated farm: 10,000 lots in 300
// tanks with 5,000 spawnings, the fishes report and the sold report written
// into a temporary work directory from the shipped template.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QEventLoop>

#include <filesystem>

#include "BenchCatalogue.h"
#include "DataDir.h"
#include "common/TestEnv.h"
#include "core/Dates.h"
#include "platform/Prompter.h"
#include "reports/FarmReports.h"
#include "reports/MovementReports.h"
#include "reports/ReportRunner.h"

namespace {

namespace fs = std::filesystem;

bench::FarmShape farmShape() {
    bench::FarmShape shape;
    shape.tanks = 300;
    shape.lots = 10000;
    shape.spawnings = 5000;
    return shape;
}

struct World {
    testenv::TempWorld world;
    fs::path workDir;
    World() {
        db::createEmbeddedDatabase(world.databaseFile(), false);
        db::Connection c;
        c.open(db::chooseDataSource().connectionString);
        bench::generateFarm(c, bench::generateCatalogue(c, 5000), farmShape());
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

reports::ReportContext contextFor(World& w, db::CFishesDoc& doc, platform::Prompter& prompter) {
    reports::ReportContext context;
    context.doc = &doc;
    context.env.workDir = w.workDir.string();
    context.env.wwwServer = "http://www.reedmere.org";
    context.env.prompter = &prompter;
    context.env.launch = [](const std::string&) { return true; };
    context.farmName = "Reed";
    context.emptyTankName = "Temporary";
    return context;
}

template <class MakeReport>
void run(benchmark::State& state, MakeReport make) {
    World& w = world();
    db::CFishesDoc doc;
    doc.create(db::chooseDataSource(), nullptr);
    platform::ScriptedPrompter prompter;
    reports::ReportContext context = contextFor(w, doc, prompter);
    std::int64_t items = 0;
    for (auto _ : state) {
        auto report = make(context);
        if (!reports::writeAndShow(*report, context.env, [&](const std::string&) { ++items; }))
            state.SkipWithError("page not written");
    }
    state.counters["items"] = benchmark::Counter(static_cast<double>(items), benchmark::Counter::kAvgIterations);
}

void BM_FishesReport(benchmark::State& state) {
    run(state, [](const reports::ReportContext& c) { return reports::fishesReport(c); });
}

void BM_SoldReport(benchmark::State& state) {
    run(state, [](const reports::ReportContext& c) {
        return std::make_shared<reports::MovementReport>(c, reports::Movement::Sold,
                                                         farm::balancePeriod("01.01.2025", "01.01.2025", "31.12.2025"));
    });
}

// Counts the lines; the cost measured is the worker's and the crossing of
// every line to the interface thread.
class CountingLog : public platform::Log {
public:
    void line(const std::string&) override { ++lines; }
    void clear() override { lines = 0; }
    std::int64_t lines = 0;
};

// The whole run as the main window starts it: the page off the interface
// thread, each of its log lines delivered to this thread and waited for.
void BM_FishesReportThroughRunner(benchmark::State& state) {
    static int argc = 1;
    static char name[] = "bench_reports";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    World& w = world();
    db::CFishesDoc doc;
    doc.create(db::chooseDataSource(), nullptr);
    platform::ScriptedPrompter prompter;
    CountingLog log;
    platform::BackgroundWork work(prompter, log);
    reports::ReportRunner runner(work, log);
    reports::ReportContext context = contextFor(w, doc, prompter);
    for (auto _ : state) {
        QEventLoop loop;
        QObject::connect(&work, &platform::BackgroundWork::busyChanged, &loop, [&](bool busy) {
            if (!busy) loop.quit();
        });
        if (!reports::startFishesReport(runner, context)) state.SkipWithError("not started");
        loop.exec();
    }
    state.counters["lines"] = benchmark::Counter(static_cast<double>(log.lines));
}

BENCHMARK(BM_FishesReport)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_SoldReport)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_FishesReportThroughRunner)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();
