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

constexpr int kTanks = 300;
constexpr int kLots = 10000;
constexpr int kSpawnings = 5000;

db::Timestamp day(int d, int m, int y) { return {core::localDate(d, m, y)}; }

void generateFarm(db::Connection& c, const bench::GeneratedCatalogue& cat) {
    db::Transaction t(c);
    for (int i = 0; i < kTanks; ++i)
        c.execute("INSERT INTO \"Aquariums\" (\"Cod\",\"In_liters\",\"Other\",\"Size_height\",\"Size_length\","
                  "\"Size_width\",\"Date\",\"Date_out\",\"Price\",\"Price_out\") VALUES (?,?,?,0,0,0,?,?,1000,0)",
                  {std::int64_t(1000 + i), std::int64_t(20 + i % 200), "Rack " + std::to_string(i / 10),
                   day(1 + i % 28, 1, 2025), day(1, 1, 1980)});
    for (int i = 0; i < kLots; ++i) {
        const bool bought = i % 3 == 0;
        const bool emptied = i % 7 == 0;
        const db::Timestamp firstEat = day(1 + i % 28, 1 + i % 12, 2025);
        c.execute("INSERT INTO \"My fishes\" (\"Cod\",\"Number_female\",\"Number_fries\",\"Number_male\","
                  "\"Of_aquarium\",\"Of_fish\",\"Of_fry\",\"Other\",\"Place_birth\",\"Date_first_eat\",\"Date_mf\","
                  "\"Date_dye\",\"Date_gift\",\"Date_sale\",\"Died\",\"Gifted\",\"Income\",\"Outgo\",\"Saled\","
                  "\"Forsale\",\"Price\",\"Size\") VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,0,0,?)",
                  {std::int64_t(10000 + i), std::int64_t(emptied ? 0 : 1 + i % 4),
                   std::int64_t(emptied ? 0 : i % 30), std::int64_t(emptied ? 0 : i % 5),
                   std::int64_t(1000 + i % kTanks), std::int64_t(cat.species[i % cat.species.size()]),
                   std::int64_t(bought ? 2 : 20000 + i % kSpawnings), std::string(i % 4 ? "" : "wild"),
                   std::string(bought ? "Market" : "Reed"), firstEat, firstEat, day(1 + i % 28, 1 + (i + 3) % 12, 2025),
                   day(1, 1, 1980), day(1 + i % 28, 1 + (i + 5) % 12, 2025), std::int64_t(i % 3), std::int64_t(0),
                   std::int64_t(bought ? 150 : 0), std::int64_t(400), std::int64_t(i % 6), std::int64_t(i % 5)});
    }
    for (int i = 0; i < kSpawnings; ++i)
        c.execute("INSERT INTO \"Incubator\" (\"Cod\",\"Number_eggs\",\"Number_fries\",\"Of_father\",\"Of_mother\","
                  "\"Fries_out\",\"Date_eggs\",\"Date_fries\",\"Of_incubator\") VALUES (?,100,60,?,?,40,?,?,?)",
                  {std::int64_t(20000 + i), std::int64_t(10000 + (2 * i) % kLots),
                   std::int64_t(10000 + (2 * i + 1) % kLots), day(1 + i % 28, 1 + i % 12, 2025),
                   day(1 + i % 28, 1 + i % 12, 2025), std::int64_t(i % 10)});
    t.commit();
}

struct World {
    testenv::TempWorld world;
    fs::path workDir;
    World() {
        db::createEmbeddedDatabase(world.databaseFile(), false);
        db::Connection c;
        c.open(db::chooseDataSource().connectionString);
        generateFarm(c, bench::generateCatalogue(c, 5000));
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
