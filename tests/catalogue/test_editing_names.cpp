// The Latin name of a new or renamed taxon: its normal form, the author
// split and join, and the duplicate questions among siblings and branches.
#include <gtest/gtest.h>

#include "catalogue/NameCheck.h"
#include "catalogue/EditingWorld.h"

using namespace catalogue;
using editingtest::EditingWorld;
using editingtest::TypedName;
using platform::Answer;
using testtaxa::addTaxon;

namespace {

constexpr int kSpeciesRow = 7, kGenusRow = 5;

std::size_t occurrences(const std::string& text, const std::string& part) {
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

}  // namespace

TEST(LatinNames, FirstLetterFollowsTheLevelAndTrailingBlanksGo) {
    EXPECT_EQ(normaliseLatinName("Innesi", 64), "innesi");
    EXPECT_EQ(normaliseLatinName("Innesi", 8), "innesi");
    EXPECT_EQ(normaliseLatinName("paracheirodon", 512), "Paracheirodon");
    EXPECT_EQ(normaliseLatinName("paracheirodon", 128), "Paracheirodon");
    EXPECT_EQ(normaliseLatinName("Characidae", 4096), "Characidae");
    EXPECT_EQ(trimTrailingBlanks("innesi   "), "innesi");
    EXPECT_EQ(trimTrailingBlanks("   "), "");
    EXPECT_EQ(trimTrailingBlanks(" sp. "), " sp.");
}

TEST(LatinNames, AuthorSplitsAtTheFirstCommaAndJoinsWithCommaBlank) {
    std::string describer, year;
    splitAuthor("Myers, 1936", describer, year);
    EXPECT_EQ(describer, "Myers");
    EXPECT_EQ(year, "1936");
    splitAuthor(", ", describer, year);
    EXPECT_EQ(describer, "");
    EXPECT_EQ(year, "");
    splitAuthor("Valenciennes, in Cuvier, 1846", describer, year);
    EXPECT_EQ(describer, "Valenciennes");
    EXPECT_EQ(year, "in Cuvier, 1846");
    splitAuthor("Linnaeus", describer, year);
    EXPECT_EQ(describer, "Linnaeus");
    EXPECT_EQ(year, "");
    EXPECT_EQ(joinAuthor("", ""), ", ");
    EXPECT_EQ(joinAuthor("Géry", "1960"), "Géry, 1960");
}

TEST(NameCheck, CaseIsNormalisedBothWaysWhenAdding) {
    EditingWorld w;
    CatalogueModel m(w.doc, 14, 0);
    m.show(w.tetras.paracheirodon);
    TypedName species{{"Simplex  ", "", "", ""}};
    ASSERT_TRUE(addTaxon(w.ctx, m, kSpeciesRow, species.dialog()));
    EXPECT_EQ(m.current().latName, "simplex");
    m.show(w.tetras.family);
    TypedName genus{{"nematobrycon", "", "", ""}};
    ASSERT_TRUE(addTaxon(w.ctx, m, kGenusRow, genus.dialog()));
    EXPECT_EQ(m.current().latName, "Nematobrycon");
    EXPECT_EQ(w.count("Reedmere", "Lat_name='Nematobrycon' AND Classific=512"), "1");
    EXPECT_TRUE(w.prompter.shown().empty());
}

TEST(NameCheck, SiblingOfTheSameNameAsksAndYesGoesThere) {
    EditingWorld w;
    CatalogueModel m(w.doc, 14, 0);
    m.show(w.tetras.paracheirodon);
    w.prompter.answerNext(Answer::Yes);
    TypedName typed{{"Axelrodi", "", "", ""}};
    EXPECT_FALSE(addTaxon(w.ctx, m, kSpeciesRow, typed.dialog()));
    EXPECT_EQ(w.prompter.lastText(), "Species axelrodi already exists!\nDo you wanna allow there?");
    EXPECT_EQ(m.current().cod, w.tetras.axelrodi);
    EXPECT_EQ(w.count("Reedmere", "Lat_name='axelrodi'"), "1");

    m.show(w.tetras.paracheirodon);
    w.prompter.answerNext(Answer::No);
    EXPECT_FALSE(addTaxon(w.ctx, m, kSpeciesRow, typed.dialog()));
    EXPECT_EQ(m.current().cod, w.tetras.paracheirodon);
    EXPECT_EQ(w.count("Reedmere", "Lat_name='axelrodi'"), "1");
}

TEST(NameCheck, SpAndXNeverAskAboutOtherBranches) {
    EditingWorld w;
    addTaxon(w.doc, "sp.", 64, w.tetras.paracheirodon);
    addTaxon(w.doc, "x", 64, w.tetras.paracheirodon);
    CatalogueModel m(w.doc, 14, 0);
    m.show(w.tetras.hyphesso);
    m.fillFind(false);
    for (const char* name : {"sp.", "x"}) {
        TypedName typed{{name, "", "", ""}};
        ASSERT_TRUE(addTaxon(w.ctx, m, kSpeciesRow, typed.dialog())) << name;
        m.show(w.tetras.hyphesso);
    }
    EXPECT_TRUE(w.prompter.shown().empty());
    EXPECT_EQ(w.count("Reedmere", "Lat_name='sp.'"), "2");
    EXPECT_EQ(w.count("Reedmere", "Lat_name='x'"), "2");
}

TEST(NameCheck, EpithetInAnotherGenusListsItsBranchAndAsks) {
    EditingWorld w;
    CatalogueModel m(w.doc, 14, 0);
    m.show(w.tetras.hyphesso);
    m.fillFind(false);
    w.prompter.answerNext(Answer::No);
    TypedName typed{{"innesi", "", "", ""}};
    EXPECT_FALSE(addTaxon(w.ctx, m, kSpeciesRow, typed.dialog()));
    EXPECT_EQ(w.prompter.lastText(),
              "Species innesi has founded in these branch:\n\nCharacidae Paracheirodon innesi \n\n"
              "Do you wanna create it nevertheless?");
    EXPECT_EQ(w.count("Reedmere", "Lat_name='innesi'"), "1");

    w.prompter.answerNext(Answer::Yes);
    ASSERT_TRUE(addTaxon(w.ctx, m, kSpeciesRow, typed.dialog()));
    EXPECT_EQ(w.count("Reedmere", "Lat_name='innesi' AND Of_cod=" + std::to_string(w.tetras.hyphesso)), "1");
}

TEST(NameCheck, WithoutFindNoBranchIsAsked) {
    EditingWorld w;
    CatalogueModel m(w.doc, 14, 0);
    m.show(w.tetras.hyphesso);
    TypedName typed{{"innesi", "", "", ""}};
    EXPECT_TRUE(addTaxon(w.ctx, m, kSpeciesRow, typed.dialog()));
    EXPECT_TRUE(w.prompter.shown().empty());
}

TEST(NameCheck, SynonymOfTheNameIsListedAsSynonymOfItsAcceptedTaxon) {
    EditingWorld w;
    addTaxon(w.doc, "cardinalis", 64 + kSynonymOffset, w.tetras.axelrodi);
    CatalogueModel m(w.doc, 14, 0);
    m.show(w.tetras.hyphesso);
    m.fillFind(false);
    w.prompter.answerNext(Answer::No);
    TypedName typed{{"cardinalis", "", "", ""}};
    EXPECT_FALSE(addTaxon(w.ctx, m, kSpeciesRow, typed.dialog()));
    EXPECT_EQ(w.prompter.lastText(),
              "Species cardinalis has founded in these branch:\n \nsynonym of Characidae Paracheirodon axelrodi \n\n"
              "Do you wanna create it nevertheless?");
}

TEST(NameCheck, PastTwentyRecordsTheListEndsWithManyOthers) {
    EditingWorld w;
    for (int i = 0; i < 21; ++i)
        addTaxon(w.doc, "vittatus", 64, addTaxon(w.doc, "Genus" + std::to_string(i), 512, w.tetras.family));
    CatalogueModel m(w.doc, 14, 0);
    m.show(w.tetras.hyphesso);
    m.fillFind(false);
    w.prompter.answerNext(Answer::No);
    TypedName typed{{"vittatus", "", "", ""}};
    EXPECT_FALSE(addTaxon(w.ctx, m, kSpeciesRow, typed.dialog()));
    const std::string asked = w.prompter.lastText();
    EXPECT_EQ(occurrences(asked, "\nCharacidae Genus"), 21u);
    EXPECT_NE(asked.find("vittatus \n and in many others...\n\nDo you wanna create it nevertheless?"),
              std::string::npos)
        << asked;
}

TEST(NameCheck, TwentyRecordsAreAllListedWithoutManyOthers) {
    EditingWorld w;
    for (int i = 0; i < 20; ++i)
        addTaxon(w.doc, "vittatus", 64, addTaxon(w.doc, "Genus" + std::to_string(i), 512, w.tetras.family));
    std::vector<Taxon> records;
    db::Fish& t = *w.doc.taxa;
    t.setFilter("Lat_name='vittatus'");
    t.requery();
    for (; !t.isEOF(); t.moveNext()) records.push_back(taxonOf(t));
    std::string lines = branchLines(w.doc, records);
    EXPECT_EQ(occurrences(lines, "\nCharacidae Genus"), 20u);
    EXPECT_EQ(lines.find("many others"), std::string::npos);
    // Each new line goes in front of the ones before it: the first record read stands last.
    const std::string first = "\nCharacidae " + findTaxon(w.doc, records.front().ofCod)->latName + " vittatus ";
    const std::string last = "\nCharacidae " + findTaxon(w.doc, records.back().ofCod)->latName + " vittatus ";
    EXPECT_EQ(lines.substr(lines.size() - first.size()), first);
    EXPECT_EQ(lines.substr(0, last.size()), last);
}

TEST(NameCheck, HigherNameElsewhereOffersOnlyToGoThere) {
    EditingWorld w;
    std::int32_t lebiasinidae = addTaxon(w.doc, "Lebiasinidae", 4096, w.tetras.order);
    CatalogueModel m(w.doc, 14, 0);
    m.show(lebiasinidae);
    m.fillFind(false);
    w.prompter.answerNext(Answer::Yes);
    TypedName typed{{"paracheirodon", "", "", ""}};
    EXPECT_FALSE(addTaxon(w.ctx, m, kGenusRow, typed.dialog()));
    ASSERT_EQ(w.prompter.shown().size(), 1u);
    EXPECT_EQ(w.prompter.lastText(), "Genus Paracheirodon already exists in other branch!\nDo you wanna allow there?");
    EXPECT_EQ(m.current().cod, w.tetras.paracheirodon);
    EXPECT_EQ(w.count("Reedmere", "Lat_name='Paracheirodon'"), "1");

    m.show(lebiasinidae);
    w.prompter.answerNext(Answer::No);
    EXPECT_FALSE(addTaxon(w.ctx, m, kGenusRow, typed.dialog()));
    EXPECT_EQ(m.current().cod, lebiasinidae);
    EXPECT_EQ(w.count("Reedmere", "Lat_name='Paracheirodon'"), "1");
}

TEST(NameCheck, HigherNamesAreCheckedAcrossTheirLevels) {
    EditingWorld w;
    std::int32_t lebiasinidae = addTaxon(w.doc, "Lebiasinidae", 4096, w.tetras.order);
    CatalogueModel m(w.doc, 14, 0);
    m.show(lebiasinidae);
    m.fillFind(false);
    w.prompter.answerNext(Answer::No);
    TypedName typed{{"Characiformes", "", "", ""}};  // an order's name for a new genus
    EXPECT_FALSE(addTaxon(w.ctx, m, kGenusRow, typed.dialog()));
    EXPECT_EQ(w.prompter.lastText(), "Order Characiformes already exists!\nDo you wanna allow there?");
}

TEST(NameCheck, RenamingIsNoDuplicateOfItself) {
    EditingWorld w;
    CatalogueModel m(w.doc, 14, 0);
    m.show(w.tetras.innesi);
    m.fillFind(false);
    EXPECT_TRUE(checkLatinName(w.doc, w.prompter, m, kSpeciesRow, "innesi", w.tetras.innesi));
    EXPECT_TRUE(w.prompter.shown().empty());
    w.prompter.answerNext(Answer::No);
    EXPECT_FALSE(checkLatinName(w.doc, w.prompter, m, kSpeciesRow, "innesi", w.tetras.axelrodi));
    EXPECT_EQ(w.prompter.lastText(), "Species innesi already exists!\nDo you wanna allow there?");
}
