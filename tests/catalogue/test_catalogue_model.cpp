// The catalogue rows of a class: levels shown, layout digits, the path,
// insertion parents and Find, on a real database.
#include <gtest/gtest.h>

#include "catalogue/CatalogueModel.h"
#include "catalogue/HighTaxonomy.h"
#include "catalogue/TestTaxa.h"
#include "common/TestEnv.h"

using namespace catalogue;
using testtaxa::addCommon;
using testtaxa::addTaxon;

namespace {

std::vector<std::string> pathNames(const CatalogueRow& row) {
    std::vector<std::string> names;
    for (const Taxon& t : row.path) names.push_back(t.latName);
    return names;
}

const CatalogueRow& rowAt(const CatalogueModel& m, std::int32_t level) {
    int r = m.rowOfLevel(level);
    EXPECT_GE(r, 0) << level;
    return m.rows().at(static_cast<std::size_t>(r));
}

}  // namespace

TEST(CatalogueRows, UserClassStringShowsElevenLevelsWithReachInShownRows) {
    testenv::DocWorld w;
    std::int32_t cls = addTaxon(w.doc, "Gastropoda", kClassLevel, 3, 0, "1111010011011110");
    CatalogueModel m(w.doc, cls, 0);
    std::vector<std::int32_t> levels, g, u;
    for (const CatalogueRow& r : m.rows()) {
        levels.push_back(r.layout.level);
        g.push_back(r.layout.g);
        u.push_back(r.layout.u);
    }
    EXPECT_EQ(levels, (std::vector<std::int32_t>{131072, 65536, 32768, 16384, 4096, 512, 256, 64, 32, 16, 8}));
    // 8192, 2048, 1024 and 128 are hidden: a row reaches only the shown rows its levels cover.
    EXPECT_EQ(g, (std::vector<std::int32_t>{3, 2, 2, 1, 1, 2, 2, 3, 2, 1, 0}));
    EXPECT_EQ(u, (std::vector<std::int32_t>{1, 2, 3, 3, 3, 3, 3, 3, 3, 3, 3}));
    EXPECT_EQ(m.rows()[4].label, "Family");
    CatalogueModel ru(w.doc, cls, 1);
    EXPECT_EQ(ru.rows()[4].label, "Семейство");
    EXPECT_FALSE(hasMenuEntry("1111010011011110"));
    EXPECT_TRUE(hasMenuEntry("1111010011011111"));
}

TEST(CatalogueRows, ShortVisibilityStringGivesNoRows) {
    testenv::DocWorld w;
    std::int32_t cls = addTaxon(w.doc, "Bivalvia", kClassLevel, 3, 0, "1");
    CatalogueModel m(w.doc, cls, 0);
    EXPECT_TRUE(m.rows().empty());
    m.show(cls);  // nothing to fill, nothing to break
    EXPECT_EQ(m.current().cod, cls);
    EXPECT_TRUE(shownLevels("").empty());
    EXPECT_TRUE(shownLevels("01").empty());  // the last character is the menu flag
    EXPECT_EQ(shownLevels("0110"), (std::vector<std::int32_t>{65536, 32768}));
}

TEST(CatalogueRows, HiddenLevelLowersTheReachOfTheRowsAbove) {
    LevelTable levels = {{131072, {"A", "", 131}}, {65536, {"B", "", 132}}, {32768, {"C", "", 133}},
                         {16384, {"D", "", 133}}};
    // 65536 hidden: the first row reached 65536, 32768 and 16384, now the two shown ones.
    std::vector<RowLayout> rows = catalogueLayout("10110", levels);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].g, 2);
    EXPECT_EQ(rows[1].level, 32768);
    EXPECT_EQ(rows[1].u, 2);  // capped by the rows there are
}

TEST(CataloguePath, ShowingASpeciesFillsSiblingsAndInsertionParents) {
    testenv::DocWorld w;
    testtaxa::Tetras t(w.doc);
    addCommon(w.doc, t.innesi, "Neon tetra", 0);
    CatalogueModel m(w.doc, 14, 0);
    m.show(t.innesi);
    const CatalogueRow& species = rowAt(m, 64);
    EXPECT_EQ(pathNames(species), (std::vector<std::string>{"axelrodi", "innesi", "simulans"}));
    EXPECT_EQ(species.selected, 1);
    EXPECT_EQ(species.counter, 3);
    const CatalogueRow& genus = rowAt(m, 512);
    EXPECT_EQ(pathNames(genus), (std::vector<std::string>{"Hyphessobrycon", "Paracheirodon"}));  // no synonym
    EXPECT_EQ(genus.selected, 1);
    EXPECT_EQ(pathNames(rowAt(m, 65536)), std::vector<std::string>{"Characiformes"});
    EXPECT_TRUE(rowAt(m, 32768).path.empty());
    // Each row inserts under the parent of the taxon whose layout covers it.
    EXPECT_EQ(species.insertionParent, t.paracheirodon);
    EXPECT_EQ(rowAt(m, 256).insertionParent, t.paracheirodon);
    EXPECT_EQ(genus.insertionParent, t.family);
    EXPECT_EQ(rowAt(m, 4096).insertionParent, t.order);
    EXPECT_EQ(rowAt(m, 65536).insertionParent, t.superorder);
    EXPECT_EQ(rowAt(m, 131072).insertionParent, 14);
    EXPECT_TRUE(rowAt(m, 8).openForAdding);  // the species row reaches three rows down
    EXPECT_EQ(m.title("Fishes catalog"), "Fishes catalog (Default is Species innesi)");
    EXPECT_EQ(m.fullName(), "Paracheirodon innesi Myers, 1936 (Neon tetra)");
    CatalogueModel ru(w.doc, 14, 1);
    ru.show(t.innesi);
    EXPECT_EQ(ru.fullName(), "Paracheirodon innesi Myers, 1936");  // English name only
    EXPECT_EQ(ru.title("Каталог"), "Каталог (Default is Вид innesi)");
}

TEST(CataloguePath, ChoosingAnEntryEmptiesTheRowsBelowAndListsChildren) {
    testenv::DocWorld w;
    testtaxa::Tetras t(w.doc);
    CatalogueModel m(w.doc, 14, 0);
    m.show(t.innesi);
    m.choosePath(m.rowOfLevel(512), 0);
    EXPECT_EQ(m.current().cod, t.hyphesso);
    EXPECT_EQ(pathNames(rowAt(m, 64)), std::vector<std::string>{"amandae"});
    EXPECT_EQ(rowAt(m, 64).selected, -1);
    EXPECT_EQ(rowAt(m, 64).insertionParent, t.hyphesso);
    EXPECT_EQ(rowAt(m, 512).selected, 0);
    EXPECT_TRUE(m.synonymNames().empty());
    m.choosePath(m.rowOfLevel(512), 1);
    EXPECT_EQ(m.synonymNames(), std::vector<std::string>{"Cheirodon"});
    EXPECT_EQ(pathNames(rowAt(m, 64)), (std::vector<std::string>{"axelrodi", "innesi", "simulans"}));
    m.choosePath(m.rowOfLevel(512), 7);  // past the end: nothing changes
    EXPECT_EQ(m.current().cod, t.paracheirodon);
}

TEST(CataloguePath, StartingTaxaOutsideTheClassShowTheRoot) {
    testenv::DocWorld w;
    testtaxa::Tetras t(w.doc);
    std::int32_t anubias = addTaxon(w.doc, "Anubias", 512, 12129, 12129);
    CatalogueModel m(w.doc, 14, 0);
    m.show(anubias);
    EXPECT_EQ(m.current().cod, 14);
    EXPECT_EQ(pathNames(rowAt(m, 131072)), std::vector<std::string>{"Ostariophysi"});
    EXPECT_EQ(rowAt(m, 131072).insertionParent, 14);
    EXPECT_FALSE(rowAt(m, 131072).openForAdding);
    m.show(999999);
    EXPECT_EQ(m.current().cod, 14);
    EXPECT_EQ(m.title("Fishes catalog"), "Fishes catalog (Default is Class Pisces)");
    m.show(t.cheirodon);  // a synonym stands for its accepted taxon
    EXPECT_EQ(m.current().cod, t.paracheirodon);
}

TEST(CatalogueFind, LatinListsMarkSynonymsAndLeadToTheAcceptedTaxon) {
    testenv::DocWorld w;
    testtaxa::Tetras t(w.doc);
    addTaxon(w.doc, "heterorhabdus", 128, t.hyphesso);  // a hidden level: no row
    addTaxon(w.doc, "Anubias", 512, 12129, 12129);       // another class
    CatalogueModel m(w.doc, 14, 0);
    m.show(14);
    m.fillFind(false);
    const CatalogueRow& genus = rowAt(m, 512);
    EXPECT_EQ(genus.findTexts, (std::vector<std::string>{"Unknown", "Cheirodon (syn)", "Hyphessobrycon", "Paracheirodon"}));
    EXPECT_EQ(genus.counter, 3);
    EXPECT_EQ(rowAt(m, 131072).findTexts, std::vector<std::string>{"Unknown"});
    EXPECT_EQ(rowAt(m, 64).findTexts.size(), 5u);
    m.chooseFind(m.rowOfLevel(512), 1);
    EXPECT_EQ(m.current().cod, t.paracheirodon);
    EXPECT_EQ(rowAt(m, 512).selected, 1);
    m.chooseFind(m.rowOfLevel(64), 0);  // "Unknown" does nothing
    EXPECT_EQ(m.current().cod, t.paracheirodon);
    m.clearFind();
    EXPECT_TRUE(rowAt(m, 512).findTexts.empty());
}

TEST(CatalogueFind, EqualCommonNamesAreToldApartByTheirOrder) {
    testenv::DocWorld w;
    testtaxa::Tetras t(w.doc);
    addCommon(w.doc, t.innesi, "Неон", 1);
    addCommon(w.doc, t.simulans, "Неон", 1);
    addCommon(w.doc, t.axelrodi, "Кардинал", 1);
    addCommon(w.doc, t.amandae, "Ember tetra", 0);
    addCommon(w.doc, t.cheirodon, "Синоним", 1);  // synonyms are not listed by common name
    CatalogueModel m(w.doc, 14, 1);
    m.show(14);
    m.fillFind(true);
    const int row = m.rowOfLevel(64);
    EXPECT_EQ(rowAt(m, 64).findTexts, (std::vector<std::string>{"Unknown", "Кардинал", "Неон", "Неон"}));
    EXPECT_EQ(rowAt(m, 512).findTexts, std::vector<std::string>{"Unknown"});
    // The n-th "Неон" is the n-th record of that name in Name order.
    db::Common& c = *w.doc.commonNames;
    c.setFilter("Language=1 AND Name='Неон'");
    c.requery();
    std::int32_t first = c.m_Of_fish;
    c.moveNext();
    std::int32_t second = c.m_Of_fish;
    ASSERT_NE(first, second);
    m.chooseFind(row, 3);
    EXPECT_EQ(m.current().cod, second);
    m.chooseFind(row, 2);
    EXPECT_EQ(m.current().cod, first);
}

TEST(HighTaxonomy, TreeStopsAtTheClassesAndShowsCommonNames) {
    testenv::DocWorld w;
    testtaxa::Tetras t(w.doc);
    addTaxon(w.doc, "Gastropoda", kClassLevel, 4, 0, "1111010011011111");
    addTaxon(w.doc, "Biota syn", kRootLevel + kSynonymOffset, 1, 0);  // the root's synonym is no child
    TreeNode root = highTaxonomyTree(w.doc, 0);
    EXPECT_EQ(root.label, "Biota");
    ASSERT_EQ(root.children.size(), 2u);
    const TreeNode& animalia = root.children[0];
    EXPECT_EQ(animalia.label, "Animalia (Animals)");
    const TreeNode& chordata = animalia.children.at(1);
    EXPECT_EQ(chordata.label, "Chordata (Chordates)");
    const TreeNode& vertebrata = chordata.children.at(0);
    std::vector<std::string> classes;
    for (const TreeNode& n : vertebrata.children) classes.push_back(n.label);
    EXPECT_EQ(classes, (std::vector<std::string>{"Gastropoda", "Pisces (Fishes)"}));  // menu flag or not
    EXPECT_TRUE(vertebrata.children[1].children.empty());  // Ostariophysi is the catalogue's
    TreeNode ru = highTaxonomyTree(w.doc, 1);
    EXPECT_EQ(ru.children[0].label, "Animalia (Животные)");
}

TEST(HighTaxonomy, ClassConfigurationAndNewButtons) {
    testenv::DocWorld w;
    LevelTable levels = readLevels(w.doc);
    std::vector<LevelSwitch> s = levelSwitches(levels, "1111010011011110", 0);
    ASSERT_EQ(s.size(), 15u);
    EXPECT_EQ(s[0].label, "Superorder");
    EXPECT_EQ(s[14].label, "Strain");
    EXPECT_FALSE(s[4].shown);  // 8192
    std::vector<bool> shown;
    for (const LevelSwitch& l : s) shown.push_back(l.shown);
    shown[4] = true;
    EXPECT_EQ(visibilityString(shown, true), "1111110011011111");
    EXPECT_EQ(withMenuFlag("1111010011011110", true), "1111010011011111");
    storeVisibility(w.doc, 12176, "1111010011011111");
    EXPECT_EQ(findTaxon(w.doc, 12176)->author, "1111010011011111");
    storeVisibility(w.doc, 4, "0");  // not a class: untouched
    EXPECT_EQ(findTaxon(w.doc, 4)->author, "Lamarck, 1801");

    std::vector<NewButton> b = newButtons(levels, 524288, 0);  // Superclass: g = 2
    EXPECT_EQ(b[0].caption, "New Superorder");
    EXPECT_TRUE(b[0].enabled);
    EXPECT_EQ(b[0].level, 131072);
    EXPECT_EQ(b[1].caption, "New Class");
    EXPECT_FALSE(b[2].enabled);
    b = newButtons(levels, kRootLevel, 1);  // g = 3
    EXPECT_EQ(b[0].caption, "New Подцарство");
    EXPECT_EQ(b[2].caption, "New Домен");
    b = newButtons(levels, kClassLevel, 0);
    EXPECT_EQ(b[0].caption, "New Superorder");
    EXPECT_FALSE(b[1].enabled);
}
