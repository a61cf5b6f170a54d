// Genealogy trees, the spawnings of a parent, the plan of spawnings and the
// species chooser list, on a real database file.
#include <gtest/gtest.h>

#include "FarmWorld.h"
#include "farm/Genealogy.h"
#include "farm/SpawningPlan.h"

namespace {

using farmtest::stamp;

struct FamilyWorld : farmtest::FarmWorld {
    int tank63 = tank(600, 300, 350, "breeding");

    int spawn(int father, int mother, const std::string& laid, int eggs = 100, int larvae = 80, int out = 60) {
        exec("INSERT INTO \"Incubator\" (\"Number_eggs\",\"Number_fries\",\"Of_father\",\"Of_mother\",\"Fries_out\","
             "\"Date_eggs\",\"Date_fries\",\"Of_incubator\") VALUES (" +
             std::to_string(eggs) + "," + std::to_string(larvae) + "," + std::to_string(father) + "," +
             std::to_string(mother) + "," + std::to_string(out) + "," + stamp(laid) + "," + stamp(laid) + ",0)");
        return lastId();
    }
    int born(int spawning, const std::string& day, const std::string& other = "") {
        Lot l{species, tank63, 10};
        l.ofFry = spawning;
        l.firstEat = day;
        l.other = other;
        l.place = "Reed Mere farm";
        return lot(l);
    }
    int bought(const std::string& other, const std::string& place, int taxon = 0) {
        Lot l{taxon ? taxon : species, tank63, 0, 1, 1};
        l.other = other;
        l.place = place;
        return lot(l);
    }
};

std::vector<std::string> texts(const std::vector<farm::GenealogyNode>& nodes) {
    std::vector<std::string> out;
    for (const auto& n : nodes) out.push_back(n.text);
    return out;
}

TEST(Genealogy, NodeTextNamesOriginAndTokens) {
    FamilyWorld w;
    EXPECT_EQ(farm::genealogyText(w.doc, w.bought("red", "Shop")), "01.03.2026: Apistogramma agassizii (red from Shop)");
    EXPECT_EQ(farm::genealogyText(w.doc, w.bought("red", "")), "01.03.2026: Apistogramma agassizii (red)");
    EXPECT_EQ(farm::genealogyText(w.doc, w.bought("", "Shop")), "01.03.2026: Apistogramma agassizii (from Shop)");
    EXPECT_EQ(farm::genealogyText(w.doc, w.bought("", "", w.subspecies)), "01.03.2026: Apistogramma agassizii fire");
}

TEST(Genealogy, BoughtLotHasATreeOfOneNode) {
    FamilyWorld w;
    int lot = w.bought("red", "Shop");
    farm::GenealogyNode tree = farm::ancestorTree(w.doc, lot);
    EXPECT_EQ(tree.text, "01.03.2026: Apistogramma agassizii (red from Shop)");
    EXPECT_TRUE(tree.children.empty());
}

TEST(Genealogy, FathersBranchComesFirstWithAllItsAncestors) {
    FamilyWorld w;
    int grandfather = w.bought("gf", "Shop");
    int grandmother = w.bought("gm", "Club");
    int s1 = w.spawn(grandfather, grandmother, "2026-01-01");
    int father = w.born(s1, "2026-01-20", "F");
    int mother = w.bought("M", "Club");
    int s2 = w.spawn(father, mother, "2026-02-01");
    int child = w.born(s2, "2026-02-20");

    farm::GenealogyNode tree = farm::ancestorTree(w.doc, child);
    EXPECT_EQ(tree.text, "20.02.2026: Apistogramma agassizii (from Reed Mere farm)");
    ASSERT_EQ(tree.children.size(), 2u);
    EXPECT_EQ(tree.children[0].text, "20.01.2026: Apistogramma agassizii (F from Reed Mere farm)");
    EXPECT_EQ(tree.children[1].text, "01.03.2026: Apistogramma agassizii (M from Club)");
    EXPECT_EQ(texts(tree.children[0].children),
              (std::vector<std::string>{"01.03.2026: Apistogramma agassizii (gf from Shop)",
                                        "01.03.2026: Apistogramma agassizii (gm from Club)"}));
    EXPECT_TRUE(tree.children[1].children.empty());
    EXPECT_TRUE(tree.children[0].children[0].children.empty());
}

TEST(Genealogy, BranchEndsAtMissingRowsAndRepeatedLots) {
    FamilyWorld w;
    // A spawning that no longer exists, and one whose father lot was deleted.
    EXPECT_TRUE(farm::ancestorTree(w.doc, w.born(999, "2026-01-01")).children.empty());
    int mother = w.bought("M", "");
    int orphan = w.born(w.spawn(4321, mother, "2026-01-01"), "2026-01-10");
    farm::GenealogyNode half = farm::ancestorTree(w.doc, orphan);
    EXPECT_EQ(texts(half.children), (std::vector<std::string>{"01.03.2026: Apistogramma agassizii (M)"}));

    // Damaged data: a lot that is its own father is shown, not expanded again.
    int looped = w.born(0, "2026-01-15", "L");
    int s = w.spawn(looped, mother, "2026-01-02");
    w.exec("UPDATE \"My fishes\" SET \"Of_fry\"=" + std::to_string(s) + " WHERE \"Cod\"=" + std::to_string(looped));
    farm::GenealogyNode tree = farm::ancestorTree(w.doc, looped);
    ASSERT_EQ(tree.children.size(), 2u);
    EXPECT_EQ(tree.children[0].text, tree.text);
    EXPECT_TRUE(tree.children[0].children.empty());
}

TEST(Genealogy, LotThatWasNeverAParent) {
    FamilyWorld w;
    int lot = w.bought("", "");
    w.spawn(w.bought("x", ""), w.bought("y", ""), "2026-01-01");
    EXPECT_EQ(farm::spawningsWith(w.doc, lot), (std::vector<std::string>{"Spawnings not detected"}));
}

TEST(Genealogy, FatherOfTwoSpawningsShowsBothWithTotals) {
    FamilyWorld w;
    int father = w.bought("F", "");
    int m1 = w.bought("blue", "");
    int m2 = w.bought("", "");
    w.spawn(father, m2, "2026-02-10", 30, 20, 10);
    w.spawn(father, m1, "2026-01-05", 100, 80, 60);
    auto lines = farm::spawningsWith(w.doc, father);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "05.01.2026: Apistogramma agassizii (blue) - 100 eggs, 80 larvas, 60 fries");
    EXPECT_EQ(lines[1], "10.02.2026: Apistogramma agassizii () - 30 eggs, 20 larvas, 10 fries");
    EXPECT_EQ(lines[2], "----------------------------");
    EXPECT_EQ(lines[3], "In all: 130 eggs, 100 larvas, 70 fries");

    // The lines as a mother, with the father as partner, follow those as a father.
    int other = w.bought("S", "");
    w.spawn(m1, other, "2026-03-01", 5, 4, 3);
    lines = farm::spawningsWith(w.doc, m1);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "01.03.2026: Apistogramma agassizii (S) - 5 eggs, 4 larvas, 3 fries");
    EXPECT_EQ(lines[1], "05.01.2026: Apistogramma agassizii (F) - 100 eggs, 80 larvas, 60 fries");
    EXPECT_EQ(lines[3], "In all: 105 eggs, 84 larvas, 63 fries");
}

TEST(SpawningPlan, LastMonthFromTheClampedDay) {
    FamilyWorld w;
    EXPECT_EQ(farm::planStart({31, 3, 2007}).day, 28u);
    EXPECT_EQ(farm::planStart({31, 3, 2007}).month, 2u);
    EXPECT_EQ(farm::planStart({10, 1, 2007}).month, 12u);
    EXPECT_EQ(farm::planStart({10, 1, 2007}).year, 2006u);
    int father = w.bought("F", "");
    int mother = w.bought("M", "");
    int small = w.tank(300, 200, 200, "small");  // 12 litres
    int other = w.lot({w.shrimp, small, 0, 0, 3, "cherry"});
    w.spawn(father, mother, "2007-02-27");
    w.spawn(father, mother, "2007-02-28");
    w.spawn(father, other, "2007-03-15");
    w.spawn(father, 9999, "2007-03-20");
    auto plan = farm::spawningPlan(w.doc, {31, 3, 2007});
    ASSERT_EQ(plan.size(), 3u);
    EXPECT_EQ(plan[0], "28.02.2007: Apistogramma agassizii (M) 63 litres");
    EXPECT_EQ(plan[1], "15.03.2007: Neocaridina davidi (cherry) 12 litres");
    EXPECT_EQ(plan[2].substr(0, 12), "20.03.2007: ");
    EXPECT_EQ(plan[2].substr(plan[2].size() - 9), " 0 litres");
}

TEST(SpawningPlan, SpeciesChooserHasOneEntryPerSpecies) {
    FamilyWorld w;
    w.bought("a", "");
    w.bought("b", "");
    w.lot({w.shrimp, w.tank63, 5});
    w.lot({w.moss, w.tank63});  // nothing living
    auto living = farm::farmSpecies(w.doc, farm::SpeciesChoice::Living);
    ASSERT_EQ(living.size(), 2u);
    EXPECT_EQ(living[0].name, "Apistogramma agassizii");
    EXPECT_EQ(living[0].taxon, w.species);
    EXPECT_EQ(living[1].name, "Neocaridina davidi");
    EXPECT_EQ(living[1].taxon, w.shrimp);
    auto all = farm::farmSpecies(w.doc, farm::SpeciesChoice::All);
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[2].name, "Vesicularia dubyana");
    for (const auto& e : all) EXPECT_NE(e.taxon, 14);  // never the reserved lot's class
}

}  // namespace
