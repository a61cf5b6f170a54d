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

constexpr int kTanks = 300;
constexpr int kLots = 10000;
constexpr int kExpenses = 20000;
constexpr int kLivingSpecies = 2000;
constexpr int kFirstYear = 2016;  // ten years up to December 2025

db::Timestamp day(int d, int m, int y) { return {core::localDate(d, m, y)}; }
// Day i of a ten-year span, spread over every month.
db::Timestamp spread(int i) { return day(1 + i % 28, 1 + i % 12, kFirstYear + (i / 12) % 10); }

void generateFarm(db::Connection& c, const bench::GeneratedCatalogue& cat) {
    db::Transaction t(c);
    for (int i = 0; i < kTanks; ++i)
        c.execute("INSERT INTO \"Aquariums\" (\"Cod\",\"In_liters\",\"Other\",\"Size_height\",\"Size_length\","
                  "\"Size_width\",\"Date\",\"Date_out\",\"Price\",\"Price_out\") VALUES (?,?,'',0,0,0,?,?,?,?)",
                  {std::int64_t(1000 + i), std::int64_t(i % 10 ? 20 + i % 200 : 0), spread(i),
                   i % 5 ? day(1, 1, 1980) : spread(i + 7), std::int64_t(5000 + i), std::int64_t(i % 5 ? 0 : 2000)});
    for (int i = 0; i < kLots; ++i) {
        const bool bought = i % 3 == 0;
        const bool living = i % 7 != 0;  // every species keeps some living lots
        c.execute("INSERT INTO \"My fishes\" (\"Cod\",\"Number_female\",\"Number_fries\",\"Number_male\","
                  "\"Of_aquarium\",\"Of_fish\",\"Of_fry\",\"Other\",\"Place_birth\",\"Date_first_eat\",\"Date_mf\","
                  "\"Date_dye\",\"Date_gift\",\"Date_sale\",\"Died\",\"Gifted\",\"Income\",\"Outgo\",\"Saled\","
                  "\"Forsale\",\"Price\",\"Size\") VALUES (?,?,?,?,?,?,2,'',?,?,?,?,?,?,?,?,?,400,?,0,0,?)",
                  {std::int64_t(10000 + i), std::int64_t(living ? 1 + i % 4 : 0),
                   std::int64_t(living ? i % 30 : 0), std::int64_t(living ? i % 5 : 0),
                   std::int64_t(1000 + i % kTanks), std::int64_t(cat.species[i % kLivingSpecies]),
                   std::string(bought ? "Market" : "Reed"), spread(i), spread(i), spread(i + 3), spread(i + 4),
                   spread(i + 5), std::int64_t(i % 3), std::int64_t(i % 2), std::int64_t(bought ? 150 : 0),
                   std::int64_t(i % 6), std::int64_t(i % 5)});
    }
    for (int i = 0; i < kExpenses; ++i)
        c.execute("INSERT INTO \"Sent\" (\"Type\",\"Count\",\"Date\",\"Comment\",\"Price\") VALUES (?,?,?,'',?)",
                  {std::int64_t(1 + i % 6), std::int64_t(1 + i % 3), spread(i), std::int64_t(100 + i % 900)});
    for (int i = 0; i < kLivingSpecies; i += 2)
        c.execute("INSERT INTO \"Price\" (\"Of_cod\",\"Price_s\",\"Price_s_ws\",\"Price_sm\",\"Price_sm_ws\","
                  "\"Price_m\",\"Price_m_ws\",\"Price_ml\",\"Price_ml_ws\",\"Price_l\",\"Price_l_ws\",\"Size_l\","
                  "\"Size_m\",\"Size_ml\",\"Size_s\",\"Size_sm\") VALUES (?,0,0,0,0,0,0,0,0,0,0,'40','20','30','10','15')",
                  {std::int64_t(cat.species[i])});
    t.commit();
}

struct World {
    testenv::TempWorld world;
    fs::path workDir;
    World() {
        db::createEmbeddedDatabase(world.databaseFile(), false);
        db::Connection c;
        c.open(db::chooseDataSource().connectionString);
        const bench::GeneratedCatalogue cat = bench::generateCatalogue(c, 5000);
        if (cat.species.size() < kLivingSpecies) throw std::runtime_error("too few species generated");
        generateFarm(c, cat);
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
