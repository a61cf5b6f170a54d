// Class roots under any level configuration, moves that keep the tree in
// order and inside its class, and the plant stair on plant cards only.
#include <gtest/gtest.h>

#include <algorithm>

#include "catalogue/CatalogueModel.h"
#include "catalogue/EditingWorld.h"
#include "catalogue/PlantCard.h"
#include "catalogue/PropertyStair.h"
#include "catalogue/TaxonMove.h"

using namespace catalogue;
using testtaxa::addTaxon;

namespace {

constexpr std::int32_t kCrustacea = 10420;

void setVisibility(testenv::DocWorld& w, std::int32_t cls, const std::string& visibility) {
    w.exec("UPDATE \"Reedmere\" SET \"Author\"='" + visibility + "' WHERE \"Cod\"=" + std::to_string(cls));
}

std::vector<std::string> names(const CatalogueRow& row) {
    std::vector<std::string> out;
    for (const Taxon& t : row.path) out.push_back(t.latName);
    return out;
}

}  // namespace

TEST(ClassRoot, AnEmptyClassTakesItsFirstTaxonWhateverLevelsItHides) {
    testenv::DocWorld w;
    for (const char* visibility : {"1111010011011110", "0111010011011110", "0000000011011110", "0000000000000011"}) {
        setVisibility(w, kCrustacea, visibility);
        CatalogueModel m(w.doc, kCrustacea, 0);
        m.show(kCrustacea);
        ASSERT_FALSE(m.rows().empty()) << visibility;
        EXPECT_EQ(addParent(m, 0), std::optional<std::int32_t>(kCrustacea)) << visibility;
        EXPECT_FALSE(addParent(m, 1).has_value()) << visibility;
    }
}

TEST(ClassRoot, HiddenTopLevelsShowTheTaxaBelowThem) {
    testenv::DocWorld w;
    setVisibility(w, kCrustacea, "0011010011011110");  // superorders and orders hidden
    std::int32_t eucarida = addTaxon(w.doc, "Eucarida", 131072, kCrustacea, kCrustacea);
    std::int32_t decapoda = addTaxon(w.doc, "Decapoda", 65536, eucarida, kCrustacea);
    addTaxon(w.doc, "Pleocyemata", 32768, decapoda, kCrustacea);
    addTaxon(w.doc, "Dendrobranchiata", 32768, decapoda, kCrustacea);
    addTaxon(w.doc, "Isopoda", 32768, kCrustacea, kCrustacea);  // one straight under the class
    CatalogueModel m(w.doc, kCrustacea, 0);
    m.show(kCrustacea);
    ASSERT_EQ(m.rows().front().layout.level, 32768);
    std::vector<std::string> shown = names(m.rows().front());
    std::sort(shown.begin(), shown.end());
    EXPECT_EQ(shown, (std::vector<std::string>{"Dendrobranchiata", "Isopoda", "Pleocyemata"}));
    EXPECT_EQ(m.rows().front().insertionParent, kCrustacea);
    m.choosePath(0, 0);
    EXPECT_NE(m.current().cod, kCrustacea);
}

TEST(TaxonMoveLevels, UnderAHiddenLevelOnlyLevelsBetweenParentAndChildrenAreOffered) {
    editingtest::EditingWorld w;
    std::int32_t superfamily = addTaxon(w.doc, "Characoidea", 8192, w.tetras.order);  // hidden in Pisces
    std::int32_t lebias = addTaxon(w.doc, "Lebiasinidae", 4096, superfamily);
    addTaxon(w.doc, "Nannostomus", 512, lebias);
    CatalogueModel m(w.doc, 14, 0);
    m.show(lebias);
    TaxonMove move(w.ctx, m, *findTaxon(w.doc, lebias));
    EXPECT_EQ(move.levelTexts(), std::vector<std::string>{"Family Lebiasinidae"});
    EXPECT_EQ(move.levelIndex(), 0);
    move.chooseLevel(0);  // the level it has: nothing to write
    EXPECT_EQ(w.scalar("SELECT Classific FROM Reedmere WHERE Cod=" + std::to_string(lebias)), "4096");
    EXPECT_EQ(w.scalar("SELECT Of_cod FROM Reedmere WHERE Cod=" + std::to_string(lebias)), std::to_string(superfamily));
}

TEST(TaxonMoveLevels, ChildrenBoundTheLevelsFromBelow) {
    editingtest::EditingWorld w;
    setVisibility(w, 14, "1111111111111110");  // every level shown
    std::int32_t superfamily = addTaxon(w.doc, "Characoidea", 8192, w.tetras.order);
    std::int32_t lebias = addTaxon(w.doc, "Lebiasinidae", 4096, superfamily);
    CatalogueModel m(w.doc, 14, 0);
    m.show(lebias);
    EXPECT_EQ(TaxonMove(w.ctx, m, *findTaxon(w.doc, lebias)).levelTexts(),
              (std::vector<std::string>{"Family Lebiasinidae", "Subfamily Lebiasinidae", "Tribe Lebiasinidae"}));
    addTaxon(w.doc, "Pyrrhulininae", 2048, lebias);
    m.show(lebias);
    EXPECT_EQ(TaxonMove(w.ctx, m, *findTaxon(w.doc, lebias)).levelTexts(),
              std::vector<std::string>{"Family Lebiasinidae"});
}

TEST(TaxonMoveClass, ATopTaxonIsOfferedOnlyItsOwnClass) {
    editingtest::EditingWorld w;
    std::int32_t rosidae = addTaxon(w.doc, "Rosidae", 131072, 12127, 12127);
    CatalogueModel m(w.doc, 12127, 0);
    m.show(rosidae);
    TaxonMove move(w.ctx, m, *findTaxon(w.doc, rosidae));
    EXPECT_EQ(move.candidateTexts(), std::vector<std::string>{"Dicotyledones"});  // not Monocotyledones
    move.setAll(true);
    for (const std::string& text : move.candidateTexts()) EXPECT_NE(text, "Monocotyledones");
}

TEST(PlantStair, CopiesPlantCardsDownTwoLevelsAndMakesNoAnimalCard) {
    testenv::DocWorld w;
    std::int32_t genus = addTaxon(w.doc, "Vesicularia", 512, 12329, 12329);
    std::int32_t species = addTaxon(w.doc, "dubyana", 64, genus, 12329);
    std::int32_t form = addTaxon(w.doc, "minima", 32, species, 12329);
    openPlantCard(w.doc, genus);
    db::Plants& g = *w.doc.plantCards;
    g.edit();
    g.m_Height = "5-10";
    g.m_Root = "rhizoids";
    g.m_Habitat = "3,7";
    g.m_Season = 4;
    g.m_Keep_cond = "20-28|6-7|4|2|high|low||0|10100";
    g.update();
    openPlantCard(w.doc, species);
    db::Plants& s = *w.doc.plantCards;
    s.edit();
    s.m_Keep_cond = "18|5|9|9|dry|dim|1|5|00000";
    s.m_Root = "own";
    s.update();

    PlantStairChoice ch;
    ch.height = ch.habitat = ch.season = true;
    ch.keepGroup = true;
    ch.keep[kPlantTemperature] = ch.keep[kPlantMethods] = true;
    EXPECT_EQ(copyPlantDown(w.doc, genus, ch, 0), 2);

    auto column = [&](std::int32_t cod, const char* name) {
        return w.scalar(std::string("SELECT \"") + name + "\" FROM \"Plants\" WHERE \"Of_cod\"=" + std::to_string(cod));
    };
    for (std::int32_t cod : {species, form}) {
        EXPECT_EQ(column(cod, "Height"), "5-10");
        EXPECT_EQ(column(cod, "Habitat"), "3,7");
        EXPECT_EQ(column(cod, "Season"), "4");
    }
    EXPECT_EQ(column(species, "Keep_cond"), "20-28|5|9|9|dry|dim|1|5|10100");
    EXPECT_EQ(column(species, "Root"), "own");  // not chosen
    EXPECT_EQ(column(form, "Keep_cond"), "20-28||||||||10100");  // a new card: the chosen pieces only
    EXPECT_EQ(w.scalar("SELECT COUNT(*) FROM \"Fishes\""), "0");
    EXPECT_EQ(w.scalar("SELECT COUNT(*) FROM \"Plants\""), "3");
}
