// "Clear database" on a real database file.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "farm/ClearDatabase.h"
#include "FarmWorld.h"

using farmtest::FarmWorld;

namespace {

struct ClearWorld : FarmWorld {
    platform::ScriptedPrompter prompter;
    platform::RecordingLog log;
    int emptied = 0;
    std::filesystem::path copy;
    std::vector<bool> busyCalls;
    bool clear() {
        farm::ClearTarget target{doc, prompter, log, [this] {
                                     ++emptied;
                                     log.lines.clear();
                                 },
                                 databaseFile()};
        target.busy = [this](bool on) { busyCalls.push_back(on); };
        bool done = farm::clearDatabase(target);
        copy = target.copyWritten;
        return done;
    }
    int backups() {
        int n = 0;
        for (auto& e : std::filesystem::directory_iterator(databaseFile().parent_path()))
            if (e.path().filename().string().rfind("Reedmere-before-clear-", 0) == 0) ++n;
        return n;
    }
};

}  // namespace

TEST(ClearDatabase, NoKeepsEverything) {
    if (testenv::usingPostgres()) GTEST_SKIP() << "SQLite only: the copy of the database file";
    ClearWorld w;
    int t = w.tank(600, 300, 350, "show");
    w.lot({w.species, t, 3});
    w.prompter.answerNext(platform::Answer::No);
    EXPECT_FALSE(w.clear());
    EXPECT_EQ(w.prompter.lastText(), farm::kClearQuestion);
    EXPECT_EQ(w.count("My fishes"), 2);
    EXPECT_EQ(w.backups(), 0);
    EXPECT_TRUE(w.busyCalls.empty());
}

TEST(ClearDatabase, DeletesTheFarmAfterCopyingTheFile) {
    if (testenv::usingPostgres()) GTEST_SKIP() << "SQLite only: the copy of the database file";
    ClearWorld w;
    int t = w.tank(600, 300, 350, "show");
    int soldTank = w.tank(600, 300, 350, "sold", farmtest::stamp("2026-02-01"));
    FarmWorld::Lot parent{w.species, t, 0, 1, 0, "dad"};
    parent.place = "Shop";
    int father = w.lot(parent);
    parent.other = "mum";
    int mother = w.lot(parent);
    int sp = w.spawning(father, mother);
    FarmWorld::Lot young{w.species, t, 30, 0, 0, "young"};
    young.ofFry = sp;
    young.place = "Farm";
    w.lot(young);
    int stray = w.spawning(999, 998);
    w.exec("INSERT INTO \"Journal\" (\"Of_aqua\",\"Date\",\"Volume_wc\") VALUES (" + std::to_string(t) + "," +
           farmtest::stamp("2026-02-02") + ",10)");
    w.exec("INSERT INTO \"Sent\" (\"Type\",\"Count\",\"Date\",\"Comment\",\"Price\") VALUES (1,1," +
           farmtest::stamp("2026-02-02") + ",'flakes',300)");
    w.exec("INSERT INTO \"Price\" (\"Of_cod\",\"Size_l\") VALUES (" + std::to_string(w.species) + ",'40')");

    w.prompter.answerNext(platform::Answer::Yes);
    ASSERT_TRUE(w.clear());
    EXPECT_EQ(w.backups(), 1);
    EXPECT_EQ(w.busyCalls, (std::vector<bool>{true, false}));
    EXPECT_EQ(w.count("My fishes"), 1);
    EXPECT_EQ(w.count("My fishes", "\"Cod\"=5"), 1);
    EXPECT_EQ(w.count("Incubator", "\"Cod\"=" + std::to_string(sp)), 0);
    EXPECT_EQ(w.count("Incubator", "\"Cod\"=" + std::to_string(stray)), 1);
    EXPECT_EQ(w.count("Incubator", "\"Cod\"=2"), 1);
    EXPECT_EQ(w.count("Aquariums"), 2);
    EXPECT_EQ(w.count("Aquariums", "\"Cod\"=" + std::to_string(soldTank)), 1);
    EXPECT_EQ(w.count("Senttype"), 0);
    EXPECT_EQ(w.count("Sent"), 0);
    EXPECT_EQ(w.count("Price"), 0);
    EXPECT_EQ(w.count("Journal"), 1);
    EXPECT_EQ(w.emptied, 5);
    // The last phase's lines stay, under the line naming the copy.
    ASSERT_EQ(w.log.lines.size(), 2u);
    EXPECT_EQ(w.log.lines[1], "40");
    EXPECT_EQ(w.log.lines[0], farm::clearCopyLine(w.copy));
    EXPECT_EQ(w.copy.parent_path(), w.databaseFile().parent_path());

    // The copy still holds the farm.
    db::Connection c;
    c.open("DRIVER=SQLite3;Database=" + w.copy.string() + ";NoWCHAR=1");
    std::int64_t lots = 0;
    c.query("SELECT COUNT(*) FROM \"My fishes\"", {db::ColumnKind::Integer},
            [&](std::vector<db::Value>& row) { lots = std::get<std::int64_t>(row[0]); });
    EXPECT_EQ(lots, 4);
}

TEST(ClearDatabase, LotsAreAnnouncedParentBeforeOffspring) {
    ClearWorld w;
    int t = w.tank(600, 300, 350, "show");
    FarmWorld::Lot parent{w.species, t, 0, 1, 0, "dad"};
    parent.place = "Shop";
    int father = w.lot(parent);
    FarmWorld::Lot young{w.species, t, 30, 0, 0, "young"};
    young.ofFry = w.spawning(father, father);
    young.place = "Farm";
    w.lot(young);
    std::vector<std::string> lotLines;
    platform::RecordingLog log;
    w.prompter.answerNext(platform::Answer::Yes);
    farm::ClearTarget target{w.doc, w.prompter, log, [&] {
                                 if (lotLines.empty() && !log.lines.empty()) lotLines = log.lines;
                                 log.lines.clear();
                             },
                             std::nullopt};
    ASSERT_TRUE(farm::clearDatabase(target));
    EXPECT_TRUE(target.copyWritten.empty());
    // Newest first: the offspring was announced after its parent.
    EXPECT_EQ(lotLines, (std::vector<std::string>{"Farm young", "Shop dad"}));
}

TEST(ClearDatabase, ALoopInTheGenealogyEnds) {
    ClearWorld w;
    int t = w.tank(600, 300, 350, "show");
    int a = w.lot({w.species, t, 0, 1, 0, "a"});
    FarmWorld::Lot child{w.species, t, 0, 0, 1, "b"};
    child.ofFry = w.spawning(a, a);
    int b = w.lot(child);
    // Damaged data: the parent is recorded as born of its own offspring.
    int back = w.spawning(b, b);
    w.exec("UPDATE \"My fishes\" SET \"Of_fry\"=" + std::to_string(back) + " WHERE \"Cod\"=" + std::to_string(a));
    w.prompter.answerNext(platform::Answer::Yes);
    farm::ClearTarget target{w.doc, w.prompter, w.log, nullptr, std::nullopt};
    ASSERT_TRUE(farm::clearDatabase(target));
    EXPECT_EQ(w.count("My fishes"), 1);
    EXPECT_EQ(w.count("Incubator"), 1);
}
