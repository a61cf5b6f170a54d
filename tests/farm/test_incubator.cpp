// Spawnings in the incubator on a real database file.
#include <gtest/gtest.h>

#include "FarmWorld.h"
#include "core/Settings.h"
#include "core/Dates.h"
#include "farm/Incubator.h"

namespace {

using farmtest::stamp;

struct IncubatorWorld : farmtest::FarmWorld {
    core::Settings settings;
    farm::IncubatorBook book{doc, settings};
    int tank20 = tank(600, 300, 350, "breeding");
    int father = lot({species, tank20, 0, 1, 0, "red"});
    int mother = lot({species, tank20, 0, 0, 1, ""});

    IncubatorWorld() { settings.Fishbreeder = "Reed Mere farm"; }

    int spawning(int eggs, int larvae, int out, const std::string& laid, const std::string& hatched,
                 int incubator = 0) {
        exec("INSERT INTO \"Incubator\" (\"Number_eggs\",\"Number_fries\",\"Of_father\",\"Of_mother\",\"Fries_out\","
             "\"Date_eggs\",\"Date_fries\",\"Of_incubator\") VALUES (" +
             std::to_string(eggs) + "," + std::to_string(larvae) + "," + std::to_string(father) + "," +
             std::to_string(mother) + "," + std::to_string(out) + "," + stamp(laid) + "," +
             (hatched.empty() ? farmtest::kNotSet : stamp(hatched)) + "," + std::to_string(incubator) + ")");
        return lastId();
    }
    std::string column(int cod, const std::string& c) {
        return scalar("SELECT \"" + c + "\" FROM \"Incubator\" WHERE \"Cod\"=" + std::to_string(cod));
    }
    bool select(int cod) {
        auto line = book.lineOf(cod);
        return line && book.selectLine(*line);
    }
};

TEST(Incubator, ArchiveStartsAreClampedLikeTheLotArchive) {
    using farm::spawningArchiveFilter;
    EXPECT_EQ(spawningArchiveFilter("month", {31, 3, 2007}), "Fries_out>=0 AND Date_eggs>=#2/28/2007#");
    EXPECT_EQ(spawningArchiveFilter("month", {15, 1, 2007}), "Fries_out>=0 AND Date_eggs>=#12/15/2006#");
    EXPECT_EQ(spawningArchiveFilter("quarter", {31, 7, 2007}), "Fries_out>=0 AND Date_eggs>=#4/30/2007#");
    EXPECT_EQ(spawningArchiveFilter("quarter", {30, 5, 2008}), "Fries_out>=0 AND Date_eggs>=#2/28/2008#");
    EXPECT_EQ(spawningArchiveFilter("year", {29, 2, 2008}), "Fries_out>=0 AND Date_eggs>=#2/28/2007#");
    EXPECT_EQ(spawningArchiveFilter("all", {29, 2, 2008}), "Fries_out>=0");
}

TEST(Incubator, OpenListLinesAndTotals) {
    IncubatorWorld w;
    int eggsOnly = w.spawning(120, 0, 0, "2026-03-02", "2026-03-02");
    int hatched = w.spawning(80, 60, 0, "2026-03-01", "2026-03-04", 2);
    w.spawning(50, 40, 30, "2026-02-01", "2026-02-04");  // transferred
    w.spawning(70, 0, 0, "2026-02-02", "");              // written off
    w.book.showOpen();
    ASSERT_EQ(w.book.lines().size(), 2u);
    EXPECT_EQ(w.book.lines()[0].cod, eggsOnly);
    EXPECT_EQ(w.book.lines()[0].text, "02.03.2026: Apistogramma agassizii (red) x Apistogramma agassizii ()");
    EXPECT_EQ(w.book.lines()[1].cod, hatched);  // incubator 2 sorts after incubator 0
    EXPECT_EQ(w.book.lines()[1].text.substr(0, 15), "2* 01.03.2026: ");
    EXPECT_EQ(w.book.totals().eggs, 120);  // the hatched spawning's eggs no longer count
    EXPECT_EQ(w.book.totals().larvae, 60);
    EXPECT_EQ(w.book.totals().transferred, 0);

    // Larvae appear in the first: its eggs leave the total; and return with 0.
    ASSERT_TRUE(w.select(eggsOnly));
    w.book.setLarvae(90);
    EXPECT_EQ(w.book.totals().eggs, 0);
    EXPECT_EQ(w.book.totals().larvae, 150);
    w.book.setLarvae(0);
    EXPECT_EQ(w.book.totals().eggs, 120);
    EXPECT_EQ(w.column(eggsOnly, "Number_fries"), "0");

    // A new incubator number moves the line; so does an earlier eggs date.
    w.book.setIncubator(3);
    EXPECT_EQ(*w.book.selectedLine(), 1u);
    EXPECT_EQ(w.book.lines()[1].text.substr(0, 3), "3* ");
    ASSERT_TRUE(w.select(hatched));
    w.book.setIncubator(4);
    w.book.setEggsDate(core::localDate(1, 1, 2026));
    EXPECT_EQ(w.book.lines()[1].cod, hatched);
    w.book.setIncubator(0);
    EXPECT_EQ(w.book.lines()[0].cod, hatched);
    EXPECT_EQ(w.column(hatched, "Date_eggs"), "2026-01-01 00:00:00.000");
}

TEST(Incubator, NewSpawningNeedsTwoParentsAndOneEggToTransfer) {
    IncubatorWorld w;
    w.book.showOpen();
    EXPECT_FALSE(w.book.addSpawning(w.father, w.father));
    EXPECT_FALSE(w.book.addSpawning(0, w.mother));
    EXPECT_EQ(w.count("Incubator"), 1);

    auto cod = w.book.addSpawning(w.father, w.mother);
    ASSERT_TRUE(cod);
    ASSERT_TRUE(w.book.selectedLine());
    EXPECT_EQ(w.book.lines()[*w.book.selectedLine()].cod, *cod);
    EXPECT_EQ(w.column(*cod, "Number_eggs"), "0");
    EXPECT_EQ(w.count("Incubator", "Number_eggs=-1"), 0);
    EXPECT_EQ(w.column(*cod, "Date_eggs").substr(0, 10), w.column(*cod, "Date_fries").substr(0, 10));
    EXPECT_FALSE(w.book.canTransfer());
    EXPECT_FALSE(w.book.hasOffspring());
    w.book.setEggs(1);
    EXPECT_TRUE(w.book.canTransfer());
    EXPECT_EQ(w.book.totals().eggs, 1);

    // New parents for it, by the same rule.
    int other = w.lot({w.species, w.tank20, 0, 0, 1, "blue"});
    EXPECT_FALSE(w.book.precise(other, other));
    EXPECT_TRUE(w.book.precise(w.father, other));
    EXPECT_EQ(w.column(*cod, "Of_mother"), std::to_string(other));
    EXPECT_NE(w.book.lines()[*w.book.selectedLine()].text.find(" x Apistogramma agassizii (blue)"),
              std::string::npos);
}

TEST(Incubator, EggsWithoutLarvaeDateCannotBeTransferred) {
    IncubatorWorld w;
    int s = w.spawning(40, 0, 0, "2026-03-01", "");
    w.book.showArchive("all", {10, 3, 2026});
    ASSERT_TRUE(w.select(s));
    EXPECT_FALSE(w.book.canTransfer());
    EXPECT_FALSE(w.book.transfer(10, w.tank20, w.species));
    EXPECT_EQ(w.count("My fishes", "Of_fry=" + std::to_string(s)), 0);
    w.book.setLarvaeDate(core::localDate(4, 3, 2026));
    EXPECT_TRUE(w.book.canTransfer());
}

TEST(Incubator, FifteenSurvivorsBecomeALotForSale) {
    IncubatorWorld w;
    int s = w.spawning(200, 20, 0, "2026-03-01", "2026-03-04");
    w.book.showOpen();
    ASSERT_TRUE(w.select(s));
    EXPECT_EQ(std::string(w.book.transferCaption()), "How many fries have survived?");
    EXPECT_EQ(w.book.transferProposal(), 20);
    auto lot = w.book.transfer(15, w.tank20, w.subspecies);
    ASSERT_TRUE(lot);
    EXPECT_EQ(w.count("My fishes", "Of_fry=" + std::to_string(s)), 1);
    EXPECT_EQ(w.lotColumn(*lot, "Number_fries"), "15");
    EXPECT_EQ(w.lotColumn(*lot, "Number_male"), "0");
    EXPECT_EQ(w.lotColumn(*lot, "Forsale"), "1");
    EXPECT_EQ(w.lotColumn(*lot, "Of_aquarium"), std::to_string(w.tank20));
    EXPECT_EQ(w.lotColumn(*lot, "Of_fish"), std::to_string(w.subspecies));
    EXPECT_EQ(w.lotColumn(*lot, "Place_birth"), "Reed Mere farm");
    EXPECT_EQ(w.lotColumn(*lot, "Date_sale"), "1980-01-01 00:00:00.000");
    EXPECT_EQ(w.lotColumn(*lot, "Other"), "");
    EXPECT_EQ(w.column(s, "Fries_out"), "15");
    EXPECT_EQ(w.settings.Default_fish, w.subspecies);
    // Closed: it leaves the open list and the totals.
    EXPECT_TRUE(w.book.lines().empty());
    EXPECT_FALSE(w.book.hasSpawning());
    EXPECT_EQ(w.book.totals().larvae, 0);
}

TEST(Incubator, FriesAreNeverNamedByAGenus) {
    IncubatorWorld w;
    int s = w.spawning(200, 20, 0, "2026-03-01", "2026-03-04");
    w.book.showOpen();
    ASSERT_TRUE(w.select(s));
    EXPECT_FALSE(w.book.transfer(15, w.tank20, w.genus));
    EXPECT_EQ(w.count("My fishes", "Of_fry=" + std::to_string(s)), 0);
    EXPECT_EQ(w.column(s, "Fries_out"), "0");
    EXPECT_TRUE(w.book.canTransfer());
}

TEST(Incubator, NoSurvivorsOfBadParentsWritesOffWithoutALot) {
    IncubatorWorld w;
    int s = w.spawning(200, 0, 0, "2026-03-01", "2026-03-01");
    w.book.showOpen();
    ASSERT_TRUE(w.select(s));
    EXPECT_EQ(std::string(w.book.transferCaption()), "Are there bad parents?");
    EXPECT_EQ(w.book.transferProposal(), 0);
    EXPECT_FALSE(w.book.transfer(0, 0, 0));
    EXPECT_EQ(w.column(s, "Date_fries"), "1980-01-01 00:00:00.000");
    EXPECT_EQ(w.column(s, "Fries_out"), "0");
    EXPECT_EQ(w.count("My fishes", "Of_fry=" + std::to_string(s)), 0);
    EXPECT_TRUE(w.book.lines().empty());
    EXPECT_EQ(w.book.totals().eggs, 0);
}

TEST(Incubator, ArchiveKeepsATransferredSpawningListed) {
    IncubatorWorld w;
    int old = w.spawning(10, 5, 5, "2025-12-01", "2025-12-04");
    int s = w.spawning(90, 30, 0, "2026-03-01", "2026-03-04");
    w.book.showArchive("quarter", {10, 3, 2026});  // from 10.12.2025
    EXPECT_TRUE(w.book.archive());
    EXPECT_TRUE(w.book.eggsDateLocked());
    ASSERT_EQ(w.book.lines().size(), 1u);
    ASSERT_TRUE(w.select(s));
    auto lot = w.book.transfer(25, w.tank20, w.species);
    ASSERT_TRUE(lot);
    ASSERT_EQ(w.book.lines().size(), 1u);
    EXPECT_EQ(*w.book.selectedLine(), 0u);
    EXPECT_EQ(w.book.totals().transferred, 25);
    EXPECT_TRUE(w.book.hasOffspring());
    EXPECT_EQ(*w.book.offspringTank(), w.tank20);
    EXPECT_FALSE(w.book.canTransfer());

    // The whole archive has the old one too, never the reserved spawning.
    w.book.showArchive("all", {10, 3, 2026});
    EXPECT_FALSE(w.book.eggsDateLocked());
    ASSERT_EQ(w.book.lines().size(), 2u);
    EXPECT_EQ(w.book.lines()[0].cod, old);
    EXPECT_FALSE(w.book.lineOf(2));
    EXPECT_EQ(w.book.totals().transferred, 30);
    w.book.showOpen();
    EXPECT_TRUE(w.book.lines().empty());
}

TEST(Incubator, DeleteKeepsTheOffspring) {
    IncubatorWorld w;
    int s = w.spawning(90, 30, 0, "2026-03-01", "2026-03-04");
    w.spawning(50, 0, 0, "2026-03-02", "2026-03-02");
    w.book.showOpen();
    ASSERT_TRUE(w.select(s));
    auto lot = w.book.transfer(25, w.tank20, w.species);
    w.book.showArchive("all", {10, 3, 2026});
    ASSERT_TRUE(w.select(s));
    w.book.deleteSelected();
    EXPECT_FALSE(w.book.hasSpawning());
    EXPECT_EQ(w.book.lines().size(), 1u);
    EXPECT_EQ(w.count("Incubator", "Cod=" + std::to_string(s)), 0);
    EXPECT_EQ(w.lotColumn(*lot, "Of_fry"), std::to_string(s));
    // Nothing selected: the operations do nothing.
    w.book.setEggs(5);
    w.book.deleteSelected();
    EXPECT_EQ(w.book.lines().size(), 1u);
    EXPECT_FALSE(w.book.canTransfer());
}

TEST(Incubator, SelectionSurvivesAnotherUserOfTheRows) {
    IncubatorWorld w;
    int a = w.spawning(10, 0, 0, "2026-03-01", "2026-03-01");
    int b = w.spawning(20, 0, 0, "2026-03-02", "2026-03-02");
    w.book.showOpen();
    ASSERT_TRUE(w.select(b));
    // Another dialog filters the shared record object differently.
    w.doc.spawnings->setFilter("Cod=" + std::to_string(a));
    w.doc.spawnings->requery();
    w.book.setEggs(33);
    EXPECT_EQ(w.column(b, "Number_eggs"), "33");
    EXPECT_EQ(w.column(a, "Number_eggs"), "10");
}

}  // namespace
