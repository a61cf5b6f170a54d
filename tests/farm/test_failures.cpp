// Farm operations of more than one row, each step made to fail in turn by a
// trigger: every count, row and shown line stays as it was.
#include <gtest/gtest.h>

#include "farm/ClearDatabase.h"
#include "farm/Incubator.h"
#include "farm/LotBook.h"
#include "farm/WaterJournal.h"
#include "FarmWorld.h"

using farm::Counts;
using farm::MoveKind;
using farmtest::FarmWorld;

namespace {

void injectFailure(FarmWorld& w, const std::string& when, const std::string& table,
                   const std::string& condition = "") {
    w.exec("CREATE TRIGGER injected BEFORE " + when + " ON \"" + table + "\"" +
           (condition.empty() ? "" : " WHEN " + condition) + " BEGIN SELECT RAISE(ABORT,'injected failure'); END");
}

void expectInjected(const std::function<void()>& operation) {
    try {
        operation();
        ADD_FAILURE() << "the injected failure did not reach the caller";
    } catch (const db::DbError& e) {
        EXPECT_NE(std::string(e.what()).find("injected failure"), std::string::npos) << e.what();
    }
}

struct LotsWorld : FarmWorld {
    core::Settings settings;
    int tankA = tank(600, 300, 350, "show");
    int tankB = tank(400, 300, 300, "quarantine");
    farm::LotBook book{doc, settings};

    void select(int cod) {
        auto line = book.lineOf(cod);
        ASSERT_TRUE(line.has_value()) << "lot " << cod << " not listed";
        ASSERT_TRUE(book.selectLine(*line));
    }
    // Every lot row as "cod:fries/males/females@tank sold" in code order.
    std::string lotRows() {
        std::string out;
        db::My_Fish r(*doc.db);
        r.setFilter("Of_fish<>14");
        r.setSort("Cod");
        r.requery();
        for (; !r.isEOF(); r.moveNext())
            out += std::to_string(r.m_Cod) + ":" + std::to_string(r.m_Number_fries) + "/" +
                   std::to_string(r.m_Number_male) + "/" + std::to_string(r.m_Number_female) + "@" +
                   std::to_string(r.m_Of_aquarium) + " sold " + std::to_string(r.m_Saled) + "; ";
        return out;
    }
    // What the shared lot record object shows for a lot.
    Counts shown(int cod) {
        db::My_Fish& r = *doc.lots;
        for (r.moveFirst(); !r.isEOF(); r.moveNext())
            if (r.m_Cod == cod) return {r.m_Number_fries, r.m_Number_male, r.m_Number_female};
        return {-1, -1, -1};
    }
};

}  // namespace

TEST(FarmFailures, ASecondSaleGiftOrLossWhoseNewRowFailsLeavesTheLotWhole) {
    for (MoveKind kind : {MoveKind::Sold, MoveKind::Gifted, MoveKind::Lost, MoveKind::New}) {
        LotsWorld w;
        FarmWorld::Lot l{w.species, w.tankA, 10, 2, 2};
        l.saled = 1;
        l.died = 1;
        l.gifted = 1;
        const int cod = w.lot(l);
        w.book.show(farm::lotFilter(farm::LotView::All, 0, ""));
        w.select(cod);
        const std::string before = w.lotRows();
        injectFailure(w, "INSERT", "My fishes");
        expectInjected([&] { w.book.move(kind, {4, 0, 1}, 300); });
        EXPECT_EQ(w.lotRows(), before) << farm::moveTitle(kind);
        EXPECT_EQ(w.shown(cod), (Counts{10, 2, 2})) << "the record object shows the rolled-back counts";
        // Mended, the same movement goes through once.
        w.exec("DROP TRIGGER injected");
        w.book.show(farm::lotFilter(farm::LotView::All, 0, ""));
        w.select(cod);
        EXPECT_EQ(w.book.move(kind, {4, 0, 1}, 300), farm::MoveOutcome::Done);
        EXPECT_EQ(w.lotColumn(cod, "Number_fries"), "6");
        EXPECT_EQ(w.count("My fishes", "\"Of_fish\"<>14"), 2);
    }
}

TEST(FarmFailures, ATransferWhoseLastStepFailsLeavesOneLotInItsTank) {
    LotsWorld w;
    const int cod = w.lot({w.species, w.tankA, 14, 3, 3});
    w.book.show(farm::lotFilter(farm::LotView::All, 0, ""));
    w.select(cod);
    const std::string before = w.lotRows();
    injectFailure(w, "UPDATE", "My fishes", "NEW.\"Of_aquarium\"=" + std::to_string(w.tankB));
    expectInjected([&] { w.book.transfer({6, 0, 0}, w.tankB); });
    EXPECT_EQ(w.lotRows(), before);
    EXPECT_EQ(w.shown(cod), (Counts{14, 3, 3}));
    EXPECT_NE(w.settings.Default_aquarium, w.tankB);

    // The reduced lot's write failing in the same way.
    w.exec("DROP TRIGGER injected");
    injectFailure(w, "UPDATE", "My fishes");
    w.book.show(farm::lotFilter(farm::LotView::All, 0, ""));
    w.select(cod);
    expectInjected([&] { w.book.transfer({6, 0, 0}, w.tankB); });
    EXPECT_EQ(w.lotRows(), before);
}

TEST(FarmFailures, ANewLotWhoseMarkerCannotBeClearedIsNotAdded) {
    LotsWorld w;
    w.book.show(farm::lotFilter(farm::LotView::All, 0, ""));
    injectFailure(w, "UPDATE", "My fishes");
    expectInjected([&] { w.book.addLot(w.species, w.tankA); });
    EXPECT_EQ(w.count("My fishes", "\"Of_fish\"<>14"), 0);
    EXPECT_EQ(w.count("My fishes", "\"Other\"='NEW!'"), 0);
}

TEST(FarmFailures, AnIncubatorTransferThatCannotCloseTheSpawningMakesNoFries) {
    LotsWorld w;
    const int father = w.lot({w.species, w.tankA, 0, 1, 0});
    const int mother = w.lot({w.species, w.tankA, 0, 0, 1});
    w.exec("INSERT INTO \"Incubator\" (\"Number_eggs\",\"Number_fries\",\"Of_father\",\"Of_mother\",\"Fries_out\","
           "\"Date_eggs\",\"Date_fries\",\"Of_incubator\") VALUES (100,40," +
           std::to_string(father) + "," + std::to_string(mother) + ",0," + farmtest::stamp("2026-02-01") + "," +
           farmtest::stamp("2026-02-05") + ",0)");
    const int spawning = w.lastId();
    farm::IncubatorBook book(w.doc, w.settings);
    book.showOpen();
    auto select = [&] {
        auto line = book.lineOf(spawning);

        ASSERT_TRUE(line && book.selectLine(*line));
    };
    select();
    injectFailure(w, "UPDATE", "Incubator");
    expectInjected([&] { book.transfer(30, w.tankB, w.species); });
    EXPECT_EQ(w.count("My fishes", "\"Of_fry\"=" + std::to_string(spawning)), 0);
    EXPECT_EQ(w.scalar("SELECT \"Fries_out\" FROM \"Incubator\" WHERE \"Cod\"=" + std::to_string(spawning)), "0");

    // Mended, "Transfer" makes the fries once.
    w.exec("DROP TRIGGER injected");
    book.showOpen();
    select();
    ASSERT_TRUE(book.transfer(30, w.tankB, w.species).has_value());
    EXPECT_EQ(w.count("My fishes", "\"Of_fry\"=" + std::to_string(spawning)), 1);
    EXPECT_EQ(w.scalar("SELECT \"Fries_out\" FROM \"Incubator\" WHERE \"Cod\"=" + std::to_string(spawning)), "30");
}

TEST(FarmFailures, AClearThatFailsAtItsLastStepDeletesNothing) {
    LotsWorld w;
    platform::ScriptedPrompter prompter;
    platform::RecordingLog log;
    const int parent = w.lot({w.species, w.tankA, 0, 1, 0});
    w.lot({w.species, w.tankA, 5});
    w.exec("INSERT INTO \"Price\" (\"Of_cod\") VALUES (" + std::to_string(w.species) + ")");
    const int lots = w.count("My fishes"), tanks = w.count("Aquariums"), kinds = w.count("Senttype");
    injectFailure(w, "DELETE", "Price");
    prompter.answerNext(platform::Answer::Yes);
    farm::ClearTarget target{w.doc, prompter, log, nullptr, std::nullopt};
    expectInjected([&] { farm::clearDatabase(target); });
    EXPECT_EQ(w.count("My fishes"), lots);
    EXPECT_EQ(w.count("Aquariums"), tanks);
    EXPECT_EQ(w.count("Senttype"), kinds);
    EXPECT_EQ(w.count("Price"), 1);
    // The shared record objects show the rows that are still there.
    w.doc.expenseKinds->moveFirst();
    EXPECT_FALSE(w.doc.expenseKinds->isEOF());
    EXPECT_EQ(w.doc.expenseKinds->rowCount(), static_cast<std::size_t>(kinds));
    EXPECT_FALSE(w.doc.expenseKinds->isDeleted());
    w.doc.tanks->setFilter("Cod=" + std::to_string(w.tankA));
    w.doc.tanks->requery();
    EXPECT_FALSE(w.doc.tanks->isEOF());
    (void)parent;
}

TEST(FarmFailures, APhTypedLikeTheOldMarkerSurvivesANewJournalEntry) {
    FarmWorld w;
    const int t = w.tank(600, 300, 350, "a");
    farm::WaterJournal journal(w.doc);
    journal.show(t);
    journal.addEntry();
    journal.change([](db::CJournal& e) { e.m_pH = "NEW!"; });
    const std::size_t line = journal.addEntry();
    EXPECT_EQ(w.scalar("SELECT \"pH\" FROM \"Journal\" ORDER BY \"Row_id\" LIMIT 1"), "NEW!") << "the typed pH";
    EXPECT_EQ(w.scalar("SELECT \"pH\" FROM \"Journal\" ORDER BY \"Row_id\" DESC LIMIT 1"), "") << "the new entry";
    ASSERT_TRUE(journal.selectLine(line));
    EXPECT_EQ(journal.entry().m_pH, "");
}
