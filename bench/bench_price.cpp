// The price lists over 3,000 species with living lots (20,000 lots, most
// with a price card, a habitat and a common name, open spawnings for the
// review list), the farm's bulletin file, and "Make bulletin" over 50
// breeder files of 500 lines each.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <functional>
#include <fstream>

#include "BenchCatalogue.h"
#include "DataDir.h"
#include "common/TestEnv.h"
#include "core/Dates.h"
#include "platform/Prompter.h"
#include "reports/Bulletin.h"
#include "reports/PriceList.h"

namespace {

namespace fs = std::filesystem;

constexpr int kSpecies = 3000;
constexpr int kLots = 20000;
constexpr int kBreederFiles = 50;
constexpr int kLinesPerFile = 500;

db::Timestamp day(int d, int m, int y) { return {core::localDate(d, m, y)}; }

void generateStock(db::Connection& c, const std::vector<std::int32_t>& species) {
    static const char* const kHabitats[] = {"17", "18,5", "19", "23", "79", "124", "3", ""};
    db::Transaction t(c);
    c.execute("INSERT INTO \"Aquariums\" (\"Cod\",\"In_liters\",\"Other\",\"Size_height\",\"Size_length\","
              "\"Size_width\",\"Date\",\"Date_out\",\"Price\",\"Price_out\") VALUES (1000,200,'Rack',0,0,0,?,?,0,0)",
              {day(1, 1, 2025), day(1, 1, 1980)});
    for (int i = 0; i < kSpecies; ++i) {
        const std::int64_t taxon = species[i];
        if (i % 30 != 0)  // every thirtieth species has no card
            c.execute("INSERT INTO \"Price\" (\"Of_cod\",\"Price_s\",\"Price_s_ws\",\"Price_sm\",\"Price_sm_ws\","
                      "\"Price_m\",\"Price_m_ws\",\"Price_ml\",\"Price_ml_ws\",\"Price_l\",\"Price_l_ws\",\"Size_l\","
                      "\"Size_m\",\"Size_ml\",\"Size_s\",\"Size_sm\") VALUES (?,100,60,150,90,250,180,400,300,900,700,"
                      "'40-50','20-25','30-35','10-15','15-20')",
                      {taxon});
        c.execute("INSERT INTO \"Fishes\" (\"Habitat\",\"Of_fish\") VALUES (?,?)", {std::string(kHabitats[i % 8]), taxon});
        c.execute("INSERT INTO \"Common\" (\"Of_fish\",\"Name\",\"Language\") VALUES (?,?,0)",
                  {taxon, "Fish number " + std::to_string(i)});
    }
    for (int i = 0; i < kLots; ++i) {
        const int size = i % 5;
        const bool adults = size == 4;
        c.execute("INSERT INTO \"My fishes\" (\"Cod\",\"Number_female\",\"Number_fries\",\"Number_male\","
                  "\"Of_aquarium\",\"Of_fish\",\"Of_fry\",\"Other\",\"Place_birth\",\"Date_first_eat\",\"Date_mf\","
                  "\"Date_dye\",\"Date_gift\",\"Date_sale\",\"Died\",\"Gifted\",\"Income\",\"Outgo\",\"Saled\","
                  "\"Forsale\",\"Price\",\"Size\") VALUES (?,?,?,?,1000,?,2,'','',?,?,?,?,?,0,0,0,0,0,?,?,?)",
                  {std::int64_t(10000 + i), std::int64_t(adults ? 1 + i % 3 : 0), std::int64_t(adults ? i % 2 : 5 + i % 40),
                   std::int64_t(adults ? 1 + i % 2 : 0), std::int64_t(species[i % kSpecies]), day(1, 1 + i % 12, 2025),
                   day(1, 1 + i % 12, 2025), day(1, 1, 1980), day(1, 1, 1980), day(1, 1, 1980),
                   std::int64_t(i % 3 != 0), std::int64_t(500 + i % 700), std::int64_t(size)});
    }
    // An open spawning for every adult lot, fathered by it.
    for (int i = 4, n = 0; i < kLots; i += 5, ++n)
        c.execute("INSERT INTO \"Incubator\" (\"Cod\",\"Number_eggs\",\"Number_fries\",\"Of_father\",\"Of_mother\","
                  "\"Fries_out\",\"Date_eggs\",\"Date_fries\",\"Of_incubator\") VALUES (?,100,60,?,?,0,?,?,0)",
                  {std::int64_t(30000 + n), std::int64_t(10000 + i), std::int64_t(10000 + i), day(1, 2, 2026),
                   day(5, 2, 2026)});
    t.commit();
}

void generateBreederFiles(const fs::path& folder, const std::vector<std::int32_t>& species) {
    for (int f = 0; f < kBreederFiles; ++f) {
        std::ofstream out(folder / (std::to_string(f + 1) + ".bul"), std::ios::binary);
        out << "01.03.2026,Farm " << f << "\r\n[14]\r\n";
        for (int l = 1; l < kLinesPerFile; ++l) {
            if (l == kLinesPerFile - 50) out << "[12129]\r\n";
            out << species[(f * 37 + l) % species.size()] << ",10-15|" << l % 40 << "|1.00-0.60 \x88,,"
                << "25-30|12|2.50-1.80 \x88,,40-50|3|12.00-9.00 \x88\r\n";
        }
    }
}

struct World {
    testenv::TempWorld world;
    fs::path workDir;
    World() {
        db::createEmbeddedDatabase(world.databaseFile(), false);
        db::Connection c;
        c.open(db::chooseDataSource().connectionString);
        bench::GeneratedCatalogue cat = bench::generateCatalogue(c, 9000);
        if (cat.species.size() < static_cast<std::size_t>(kSpecies)) throw std::runtime_error("too few species");
        cat.species.resize(kSpecies);
        generateStock(c, cat.species);
        workDir = world.root() / "work";
        fs::create_directories(workDir / "Reports");
        fs::create_directories(workDir / "Bulletin");
        for (const char* name : {"for_price.html", "for_priceall.html", "for_bul.html"})
            fs::copy_file(fs::path(REEDMERE_DATA_DIR) / "site" / name, workDir / name,
                          fs::copy_options::overwrite_existing);
        generateBreederFiles(workDir / "Bulletin", cat.species);
    }
};

World& world() {
    static World w;
    return w;
}

struct Run {
    db::CFishesDoc doc;
    platform::ScriptedPrompter prompter;
    reports::ReportContext context;
    Run() {
        World& w = world();
        doc.create(db::chooseDataSource(), nullptr);
        context.doc = &doc;
        context.env.workDir = w.workDir.string();
        context.env.wwwServer = "http://www.reedmere.org";
        context.env.prompter = &prompter;
        context.env.launch = [](const std::string&) { return true; };
        context.farmName = "Reed";
    }
};

void runReport(benchmark::State& state, const std::function<std::shared_ptr<reports::Report>(const reports::ReportContext&)>& make) {
    Run run;
    std::int64_t items = 0;
    for (auto _ : state) {
        auto report = make(run.context);
        if (!reports::writeAndShow(*report, run.context.env, [&](const std::string&) { ++items; }))
            state.SkipWithError("not written");
    }
    state.counters["species"] = benchmark::Counter(static_cast<double>(items), benchmark::Counter::kAvgIterations);
}

void BM_PriceList(benchmark::State& state) {
    runReport(state, [](const reports::ReportContext& c) { return reports::priceList(c, reports::PriceListKind::Customers); });
}

void BM_ReviewPriceList(benchmark::State& state) {
    runReport(state, [](const reports::ReportContext& c) { return reports::priceList(c, reports::PriceListKind::Review); });
}

void BM_BulletinFile(benchmark::State& state) {
    runReport(state, [](const reports::ReportContext& c) { return reports::bulletinFile(c, 99); });
    fs::remove(world().workDir / "Bulletin" / "99.bul");  // not one of the 50 breeders
}

void BM_MakeBulletin(benchmark::State& state) {
    Run run;
    for (auto _ : state)
        if (!reports::makeBulletin(run.context)) state.SkipWithError("not written");
    state.counters["bytes"] = benchmark::Counter(
        static_cast<double>(fs::file_size(world().workDir / "Bulletin" / "bulletin.html")));
}

BENCHMARK(BM_PriceList)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ReviewPriceList)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_BulletinFile)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_MakeBulletin)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();
