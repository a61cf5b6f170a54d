// The synonym list of a taxon and the moves of "Changing of taxon " on a
// real database.
#include <gtest/gtest.h>

#include "catalogue/EditingWorld.h"
#include "catalogue/SynonymList.h"
#include "catalogue/TaxonMove.h"

using namespace catalogue;
using editingtest::EditingWorld;
using editingtest::readFile;
using editingtest::writeFile;
using testtaxa::addCommon;
using testtaxa::addTaxon;

namespace {

std::string str(std::int64_t v) { return std::to_string(v); }

std::vector<std::string> strings(std::initializer_list<const char*> list) { return {list.begin(), list.end()}; }

}  // namespace

TEST(SynonymList, LinesShowAuthorAndEnglishNameAndTheCaptions) {
    EditingWorld w;
    std::int32_t gymno = addTaxon(w.doc, "Gymnocharacinus", 512 + kSynonymOffset, w.tetras.paracheirodon, 14, "Steindachner, 1903");
    addCommon(w.doc, gymno, "Naked tetra", 0);
    addCommon(w.doc, w.tetras.cheirodon, "Хейродон", 1);
    SynonymList list(w.doc, 1, *findTaxon(w.doc, w.tetras.paracheirodon), "Genus");
    EXPECT_EQ(list.caption(), "Synonyms for Genus Paracheirodon");
    EXPECT_EQ(list.newHeading(), "New synonym for Genus Paracheirodon");
    EXPECT_EQ(list.lines(), strings({"Cheirodon", "Gymnocharacinus Steindachner, 1903 (Naked tetra)"}));
    EXPECT_EQ(list.editHeading(1), "Edit synonym Gymnocharacinus");
    NameFields f = list.fieldsOf(1);
    EXPECT_EQ(f.latin, "Gymnocharacinus");
    EXPECT_EQ(f.describer, "Steindachner");
    EXPECT_EQ(f.year, "1903");
    EXPECT_EQ(f.common, "");  // no name in the interface language
    EXPECT_EQ(list.fieldsOf(0).common, "Хейродон");
}

TEST(SynonymList, NewSynonymLandsAtItsSortedPosition) {
    EditingWorld w;
    addTaxon(w.doc, "Zeta", 512 + kSynonymOffset, w.tetras.paracheirodon);
    SynonymList list(w.doc, 0, *findTaxon(w.doc, w.tetras.paracheirodon), "Genus");
    std::optional<std::size_t> at = list.add({"Lamprocheirodon  ", "Cardinal", "Géry", "1960"});
    ASSERT_EQ(at, 1u);
    EXPECT_EQ(list.lines(), strings({"Cheirodon", "Lamprocheirodon Géry, 1960 (Cardinal)", "Zeta"}));
    const std::string cod = str(list.synonyms()[1].cod);
    EXPECT_EQ(w.scalar("SELECT Classific FROM Reedmere WHERE Cod=" + cod), str(512 + kSynonymOffset));
    EXPECT_EQ(w.scalar("SELECT Of_cod FROM Reedmere WHERE Cod=" + cod), str(w.tetras.paracheirodon));
    EXPECT_EQ(w.scalar("SELECT Class FROM Reedmere WHERE Cod=" + cod), "14");
    EXPECT_EQ(w.scalar("SELECT Lat_name FROM Reedmere WHERE Cod=" + cod), "Lamprocheirodon");
    EXPECT_EQ(w.count("Common", "Of_fish=" + cod + " AND Language=0 AND Name='Cardinal'"), "1");
    EXPECT_EQ(w.count("Reedmere", "Author='??????????" "'"), "0");
    EXPECT_EQ(list.add({"  ", "", "", ""}), std::nullopt);
    EXPECT_EQ(list.lines().size(), 3u);
    // The list read again agrees with the lines kept.
    SynonymList again(w.doc, 0, *findTaxon(w.doc, w.tetras.paracheirodon), "Genus");
    EXPECT_EQ(again.lines(), list.lines());
}

TEST(SynonymList, EditRenamesKeepsAnEmptiedCommonNameAndResorts) {
    EditingWorld w;
    addCommon(w.doc, w.tetras.cheirodon, "Old name", 0);
    addTaxon(w.doc, "Mimagoniates", 512 + kSynonymOffset, w.tetras.paracheirodon);
    SynonymList list(w.doc, 0, *findTaxon(w.doc, w.tetras.paracheirodon), "Genus");
    std::optional<std::size_t> at = list.edit(0, {"Xenocheirodon", "", "Eigenmann", "1915"});
    ASSERT_EQ(at, 1u);
    EXPECT_EQ(list.lines(), strings({"Mimagoniates", "Xenocheirodon Eigenmann, 1915 (Old name)"}));
    EXPECT_EQ(w.scalar("SELECT Author FROM Reedmere WHERE Cod=" + str(w.tetras.cheirodon)), "Eigenmann, 1915");
    EXPECT_EQ(list.edit(1, {"", "", "", ""}), std::nullopt);
    EXPECT_EQ(w.scalar("SELECT Lat_name FROM Reedmere WHERE Cod=" + str(w.tetras.cheirodon)), "Xenocheirodon");
}

TEST(SynonymList, DeleteTakesTheSynonymAndItsNames) {
    EditingWorld w;
    addCommon(w.doc, w.tetras.cheirodon, "Old name", 0);
    SynonymList list(w.doc, 0, *findTaxon(w.doc, w.tetras.paracheirodon), "Genus");
    list.remove(0);
    EXPECT_TRUE(list.lines().empty());
    EXPECT_EQ(w.count("Reedmere", "Cod=" + str(w.tetras.cheirodon)), "0");
    EXPECT_EQ(w.count("Common", "Of_fish=" + str(w.tetras.cheirodon)), "0");
    EXPECT_EQ(w.count("Reedmere", "Cod=" + str(w.tetras.paracheirodon)), "1");
}

class MoveTest : public ::testing::Test {
protected:
    EditingWorld w;
    CatalogueModel model{w.doc, 14, 0};
    Taxon innesi() { return *findTaxon(w.doc, w.tetras.innesi); }
    std::string column(const char* name, std::int32_t cod) {
        return w.scalar(std::string("SELECT ") + name + " FROM Reedmere WHERE Cod=" + str(cod));
    }
};

TEST_F(MoveTest, OpeningListsTheLevelsThePlacesAndTheParentWithItsSiblings) {
    model.show(w.tetras.innesi);
    TaxonMove move(w.ctx, model, innesi());
    EXPECT_EQ(move.caption(), "Changing of taxon innesi");
    EXPECT_EQ(move.levelTexts(), strings({"Subgenus innesi", "Species innesi"}));
    EXPECT_EQ(move.levelIndex(), 1);
    EXPECT_EQ(move.belongsTexts(), strings({"Subgenus", "Genus", "Family", "Synonym of"}));
    EXPECT_EQ(move.belongsIndex(), 1);
    EXPECT_EQ(move.candidateTexts(), strings({"Hyphessobrycon", "Paracheirodon"}));
    EXPECT_EQ(move.candidateIndex(), 1);
}

TEST_F(MoveTest, SynonymOfAddsTheOffsetAndSetsTheAcceptedTaxon) {
    std::int32_t old = addTaxon(w.doc, "Hyphessobrycon innesi", 64 + kSynonymOffset, w.tetras.innesi);
    writeFile(w.page(w.tetras.axelrodi), "stale");
    model.show(w.tetras.innesi);
    TaxonMove move(w.ctx, model, innesi());
    ASSERT_TRUE(move.chooseBelongs(3));
    EXPECT_EQ(move.candidateTexts(), strings({"axelrodi", "simulans"}));
    EXPECT_EQ(move.candidateIndex(), -1);
    move.chooseCandidate(0);
    EXPECT_EQ(column("Classific", w.tetras.innesi), str(64 + kSynonymOffset));
    EXPECT_EQ(column("Of_cod", w.tetras.innesi), str(w.tetras.axelrodi));
    move.accept();
    // Its own synonym now belongs to the taxon it became a synonym of.
    EXPECT_EQ(column("Of_cod", old), str(w.tetras.axelrodi));
    EXPECT_EQ(column("Classific", old), str(64 + kSynonymOffset));
    EXPECT_NE(readFile(w.page(w.tetras.axelrodi)), "stale");
    model.show(w.tetras.innesi);
    EXPECT_EQ(model.current().cod, w.tetras.axelrodi);
    EXPECT_EQ(model.synonymNames().size(), 2u);
}

TEST_F(MoveTest, CancelRestoresLevelAndParent) {
    model.show(w.tetras.innesi);
    TaxonMove move(w.ctx, model, innesi());
    move.chooseLevel(0);
    EXPECT_EQ(column("Classific", w.tetras.innesi), "256");
    ASSERT_TRUE(move.chooseBelongs(0));  // Genus, above the subgenus row
    EXPECT_EQ(move.candidateTexts(), strings({"Hyphessobrycon", "Paracheirodon"}));
    move.chooseCandidate(0);
    EXPECT_EQ(column("Of_cod", w.tetras.innesi), str(w.tetras.hyphesso));
    move.cancel();
    EXPECT_EQ(column("Classific", w.tetras.innesi), "64");
    EXPECT_EQ(column("Of_cod", w.tetras.innesi), str(w.tetras.paracheirodon));
}

TEST_F(MoveTest, ANewParentAndAllKeepingTheChosenName) {
    std::int32_t lebias = addTaxon(w.doc, "Lebiasinidae", 4096, w.tetras.order);
    std::int32_t nannostomus = addTaxon(w.doc, "Nannostomus", 512, lebias);
    addTaxon(w.doc, "Rivulus", 512, 14, 12129);  // another class's genus is never offered
    writeFile(w.page(w.tetras.paracheirodon), "stale");
    writeFile(w.page(w.tetras.hyphesso), "stale");
    model.show(w.tetras.innesi);
    TaxonMove move(w.ctx, model, innesi());
    ASSERT_TRUE(move.chooseBelongs(1));
    EXPECT_EQ(move.candidateTexts(), strings({"Hyphessobrycon", "Paracheirodon"}));
    move.chooseCandidate(0);
    move.setAll(true);
    EXPECT_EQ(move.candidateTexts(), strings({"Hyphessobrycon", "Nannostomus", "Paracheirodon"}));
    EXPECT_EQ(move.candidateIndex(), 0);
    move.chooseCandidate(1);
    move.setAll(false);
    EXPECT_EQ(move.candidateIndex(), -1);  // Nannostomus is not under Characidae
    move.setAll(true);
    EXPECT_EQ(move.candidateIndex(), 1);
    move.accept();
    EXPECT_EQ(column("Of_cod", w.tetras.innesi), str(nannostomus));
    EXPECT_NE(readFile(w.page(w.tetras.paracheirodon)), "stale");
    EXPECT_EQ(readFile(w.page(w.tetras.hyphesso)), "stale");  // chosen on the way, not kept
}

TEST_F(MoveTest, ALevelChangeCarriesTheSynonyms) {
    std::int32_t old = addTaxon(w.doc, "Hyphessobrycon innesi", 64 + kSynonymOffset, w.tetras.innesi);
    model.show(w.tetras.innesi);
    TaxonMove move(w.ctx, model, innesi());
    move.chooseLevel(0);
    EXPECT_EQ(move.belongsTexts(), strings({"Genus", "Family", "Infraorder", "Synonym of"}));
    EXPECT_EQ(move.belongsIndex(), 0);
    move.accept();
    EXPECT_EQ(column("Classific", w.tetras.innesi), "256");
    EXPECT_EQ(column("Classific", old), str(256 + kSynonymOffset));
    EXPECT_EQ(column("Of_cod", old), str(w.tetras.innesi));
}

TEST_F(MoveTest, ATaxonWithChildrenCannotBecomeASynonym) {
    model.show(w.tetras.paracheirodon);
    TaxonMove move(w.ctx, model, *findTaxon(w.doc, w.tetras.paracheirodon));
    const int synonym = static_cast<int>(move.belongsTexts().size()) - 1;
    EXPECT_FALSE(move.chooseBelongs(synonym));
    EXPECT_EQ(w.prompter.lastText(),
              "Paracheirodon still has 3 taxa below it and cannot become a synonym.\nMove them first.");
    EXPECT_NE(move.belongsIndex(), synonym);
    EXPECT_EQ(column("Classific", w.tetras.paracheirodon), "512");
}
