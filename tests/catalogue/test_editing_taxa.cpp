// Adding, editing and deleting the taxon of a catalogue row on a real
// database, with the pages and pictures on disk.
#include <gtest/gtest.h>

#include "catalogue/EditingWorld.h"

using namespace catalogue;
using editingtest::EditingWorld;
using editingtest::readFile;
using editingtest::TypedName;
using editingtest::writeFile;
using platform::Answer;
using testtaxa::addCommon;
using testtaxa::addTaxon;

namespace {

constexpr int kSpeciesRow = 7, kGenusRow = 5;

std::string str(std::int64_t v) { return std::to_string(v); }

}  // namespace

TEST(AddTaxon, NewSpeciesUnderTheGenusWithAuthorCommonNameAndParentPage) {
    EditingWorld w;
    w.ctx.language = 1;
    writeFile(w.page(w.tetras.paracheirodon), "stale");
    CatalogueModel m(w.doc, 14, 1);
    m.show(w.tetras.paracheirodon);  // the species row lists the genus's species, none selected
    ASSERT_EQ(addParent(m, kSpeciesRow), w.tetras.paracheirodon);
    TypedName typed{{"gracilis ", "Светлячок", "Eigenmann", "1915"}};
    ASSERT_TRUE(addTaxon(w.ctx, m, kSpeciesRow, typed.dialog()));
    EXPECT_EQ(typed.heading, "New Вид");
    EXPECT_EQ(m.current().latName, "gracilis");
    EXPECT_EQ(m.current().ofCod, w.tetras.paracheirodon);
    EXPECT_EQ(m.current().classific, 64);
    EXPECT_EQ(m.current().classCode, 14);
    EXPECT_EQ(m.current().author, "Eigenmann, 1915");
    const CatalogueRow& row = m.rows()[kSpeciesRow];
    ASSERT_EQ(row.path.size(), 4u);
    EXPECT_EQ(row.path[static_cast<std::size_t>(row.selected)].latName, "gracilis");
    EXPECT_EQ(row.selected, 1);  // axelrodi, gracilis, innesi, simulans
    EXPECT_EQ(w.count("Common", "Of_fish=" + str(m.current().cod) + " AND Language=1 AND Name='Светлячок'"), "1");
    const std::string marks = "'" + std::string(5, '?') + "'";  // a lost Cyrillic text
    const std::string findsQuestionMarks = (testenv::usingPostgres() ? "strpos(Author COLLATE \"C\"," : "instr(Author,") + marks + ")>0";
    EXPECT_EQ(w.count("Reedmere", findsQuestionMarks), "0");
    std::string page = readFile(w.page(w.tetras.paracheirodon));
    EXPECT_NE(page, "stale");
    EXPECT_NE(page.find("gracilis"), std::string::npos);
}

TEST(AddTaxon, SiblingOfTheSelectedTaxonAndNoCommonNameWhenEmpty) {
    EditingWorld w;
    CatalogueModel m(w.doc, 14, 0);
    m.show(w.tetras.innesi);
    ASSERT_EQ(addParent(m, kSpeciesRow), w.tetras.paracheirodon);
    ASSERT_EQ(addParent(m, kGenusRow), w.tetras.family);
    TypedName typed{{"Pristella", "", "", ""}};
    ASSERT_TRUE(addTaxon(w.ctx, m, kGenusRow, typed.dialog()));
    EXPECT_EQ(m.current().ofCod, w.tetras.family);
    EXPECT_EQ(m.current().author, ", ");
    EXPECT_EQ(w.count("Common", "Of_fish=" + str(m.current().cod)), "0");
    EXPECT_FALSE(std::filesystem::exists(w.page(w.tetras.family)));  // only existing pages are written again
}

TEST(AddTaxon, CancelOrEmptyNameCreatesNothing) {
    EditingWorld w;
    CatalogueModel m(w.doc, 14, 0);
    m.show(w.tetras.paracheirodon);
    const std::string before = w.count("Reedmere", "1=1");
    TypedName cancelled{{"gracilis", "", "", ""}, false};
    EXPECT_FALSE(addTaxon(w.ctx, m, kSpeciesRow, cancelled.dialog()));
    TypedName blank{{"   ", "x", "", ""}};
    EXPECT_FALSE(addTaxon(w.ctx, m, kSpeciesRow, blank.dialog()));
    EXPECT_EQ(w.count("Reedmere", "1=1"), before);
}

TEST(AddTaxon, NoParentAboveMeansNothingIsAdded) {
    EditingWorld w;
    CatalogueModel m(w.doc, 14, 0);
    m.show(14);  // only the first row is filled
    EXPECT_EQ(addParent(m, 0), 14);
    EXPECT_FALSE(addParent(m, kSpeciesRow).has_value());
    TypedName typed{{"gracilis", "", "", ""}};
    EXPECT_FALSE(addTaxon(w.ctx, m, kSpeciesRow, typed.dialog()));
    EXPECT_TRUE(typed.heading.empty());  // the dialog was never shown
}

TEST(AddTaxon, AFailedAuthorLeavesNoMarkerAndNoNewRow) {
    EditingWorld w;
    CatalogueModel m(w.doc, 14, 0);
    m.show(w.tetras.paracheirodon);
    const std::string before = w.count("Reedmere", "1=1");
    TypedName typed{{"gracilis", "", std::string(300, 'E'), "1915"}};  // over the column's 255 characters
    EXPECT_THROW(addTaxon(w.ctx, m, kSpeciesRow, typed.dialog()), db::DbError);
    EXPECT_EQ(w.count("Reedmere", "Author='??????????" "'"), "0");
    EXPECT_EQ(w.count("Reedmere", "1=1"), before);
}

TEST(AddTaxon, AFailedCommonNameTakesTheNewTaxonAway) {
    EditingWorld w;
    CatalogueModel m(w.doc, 14, 0);
    m.show(w.tetras.paracheirodon);
    TypedName typed{{"gracilis", std::string(300, 'c'), "", ""}};
    EXPECT_THROW(addTaxon(w.ctx, m, kSpeciesRow, typed.dialog()), db::DbError);
    EXPECT_EQ(w.count("Reedmere", "Lat_name='gracilis'"), "0");
}

TEST(InsertMarked, FindsTheNewRowByItsMarkerAmongEqualNames) {
    EditingWorld w;
    Taxon twin{0, w.tetras.paracheirodon, 64, 14, "innesi", "Second, 2000"};
    MarkedRow added = insertMarked(w.doc, twin, kCatalogueMarker);
    EXPECT_NE(added.cod, w.tetras.innesi);
    EXPECT_EQ(w.scalar("SELECT Author FROM Reedmere WHERE Cod=" + str(added.cod)), "Second, 2000");
    EXPECT_EQ(w.count("Reedmere", "Author='??????????" "'"), "0");
}

TEST(InsertMarked, ARowThatAlreadyCarriesTheMarkerIsNeverTakenForTheNewOne) {
    EditingWorld w;
    const std::int32_t old = addTaxon(w.doc, "axelrodi", 64, w.tetras.paracheirodon, 14, kCatalogueMarker);
    Taxon fresh{0, w.tetras.paracheirodon, 64, 14, "gracilis", "Myers, 1936"};
    MarkedRow added = insertMarked(w.doc, fresh, kCatalogueMarker);
    EXPECT_EQ(w.scalar("SELECT Lat_name FROM Reedmere WHERE Cod=" + str(added.cod)), "gracilis");
    EXPECT_EQ(w.scalar("SELECT Author FROM Reedmere WHERE Cod=" + str(added.cod)), "Myers, 1936");
    EXPECT_EQ(w.scalar("SELECT Author FROM Reedmere WHERE Cod=" + str(old)), "??????????");

    Taxon bad{0, w.tetras.paracheirodon, 64, 14, "bad", std::string(300, 'a')};
    EXPECT_THROW(insertMarked(w.doc, bad, kCatalogueMarker), db::DbError);
    EXPECT_EQ(w.count("Reedmere", "Lat_name='bad'"), "0");
}

TEST(EditTaxon, EmptyCommonNameKeepsTheStoredOne) {
    EditingWorld w;
    addCommon(w.doc, w.tetras.innesi, "Neon tetra", 0);
    writeFile(w.page(w.tetras.innesi), "stale");
    writeFile(w.page(w.tetras.paracheirodon), "stale");
    CatalogueModel m(w.doc, 14, 0);
    m.show(w.tetras.innesi);
    TypedName typed{{"Innesii ", "", "Myers", "1937"}};
    ASSERT_TRUE(addParent(m, kSpeciesRow).has_value());
    ASSERT_TRUE(editTaxon(w.ctx, m, kSpeciesRow, typed.dialog()));
    EXPECT_EQ(typed.heading, "Edit Species innesi");
    EXPECT_EQ(typed.shown.latin, "innesi");
    EXPECT_EQ(typed.shown.common, "Neon tetra");
    EXPECT_EQ(typed.shown.describer, "Myers");
    EXPECT_EQ(typed.shown.year, "1936");
    const std::string cod = str(w.tetras.innesi);
    EXPECT_EQ(w.scalar("SELECT Lat_name FROM Reedmere WHERE Cod=" + cod), "innesii");
    EXPECT_EQ(w.scalar("SELECT Author FROM Reedmere WHERE Cod=" + cod), "Myers, 1937");
    EXPECT_EQ(w.scalar("SELECT Name FROM Common WHERE Of_fish=" + cod), "Neon tetra");
    EXPECT_EQ(m.current().latName, "innesii");
    const CatalogueRow& row = m.rows()[kSpeciesRow];
    EXPECT_EQ(row.path[static_cast<std::size_t>(row.selected)].cod, w.tetras.innesi);
    EXPECT_NE(readFile(w.page(w.tetras.innesi)).find("innesii"), std::string::npos);
    EXPECT_NE(readFile(w.page(w.tetras.paracheirodon)), "stale");
}

TEST(EditTaxon, CommonNameOfTheLanguageIsUpdatedOrAdded) {
    EditingWorld w;
    addCommon(w.doc, w.tetras.innesi, "Neon tetra", 0);
    CatalogueModel m(w.doc, 14, 0);
    m.show(w.tetras.innesi);
    TypedName typed{{"innesi", "Neon", "Myers", "1936"}};
    ASSERT_TRUE(editTaxon(w.ctx, m, kSpeciesRow, typed.dialog()));
    EXPECT_EQ(w.count("Common", "Of_fish=" + str(w.tetras.innesi)), "1");
    EXPECT_EQ(w.scalar("SELECT Name FROM Common WHERE Of_fish=" + str(w.tetras.innesi)), "Neon");
    w.ctx.language = 1;
    typed.typed.common = "Неон";
    ASSERT_TRUE(editTaxon(w.ctx, m, kSpeciesRow, typed.dialog()));
    EXPECT_EQ(w.count("Common", "Of_fish=" + str(w.tetras.innesi) + " AND Language=1 AND Name='Неон'"), "1");
    EXPECT_EQ(w.count("Common", "Of_fish=" + str(w.tetras.innesi) + " AND Language=0 AND Name='Neon'"), "1");
}

TEST(EditTaxon, RenameToASiblingsNameIsRefused) {
    EditingWorld w;
    CatalogueModel m(w.doc, 14, 0);
    m.show(w.tetras.innesi);
    w.prompter.answerNext(Answer::No);
    TypedName typed{{"axelrodi", "", "", ""}};
    EXPECT_FALSE(editTaxon(w.ctx, m, kSpeciesRow, typed.dialog()));
    EXPECT_EQ(w.prompter.lastText(), "Species axelrodi already exists!\nDo you wanna allow there?");
    EXPECT_EQ(w.scalar("SELECT Lat_name FROM Reedmere WHERE Cod=" + str(w.tetras.innesi)), "innesi");
}

TEST(DeleteTaxon, OnlyTaxonOfItsRowGoesWithItsRowsAndFilesAndTheParentBecomesCurrent) {
    EditingWorld w;
    const std::int32_t cod = w.tetras.amandae;
    const std::string c = str(cod);
    addCommon(w.doc, cod, "Ember tetra", 0);
    addCommon(w.doc, cod, "Огненная тетра", 1);
    w.exec("INSERT INTO Fishes (Of_fish) VALUES (" + c + ")");
    w.exec("INSERT INTO Plants (Of_cod) VALUES (" + c + ")");
    w.exec("INSERT INTO Links (Of_fish, Name) VALUES (" + c + ", 'x')");
    w.exec("INSERT INTO Description (Of_fish, Language, Text) VALUES (" + c + ", 0, 'red')");
    w.exec("INSERT INTO Price (Of_cod) VALUES (" + c + ")");
    for (const std::string& f : {"m" + c + ".html", "s" + c + ".html"}) writeFile(w.pisces() / f, "page");
    for (const std::string& f : {"m" + c + "_a.jpg", "f" + c + "_b.gif"}) writeFile(w.picture(f), "GIF89a");
    const std::string keepPage = "m" + c + "0.html", keepPicture = "m" + c + "_ab.jpg";
    writeFile(w.pisces() / keepPage, "page");
    writeFile(w.picture(keepPicture), "GIF89a");
    writeFile(w.page(w.tetras.hyphesso), "stale");

    CatalogueModel m(w.doc, 14, 0);
    m.show(cod);
    w.prompter.answerNext(Answer::Yes);
    ASSERT_TRUE(deleteTaxon(w.ctx, m, kSpeciesRow));
    EXPECT_EQ(w.prompter.lastText(), "      Are you sure?");
    EXPECT_EQ(m.current().cod, w.tetras.hyphesso);
    EXPECT_EQ(w.count("Reedmere", "Cod=" + c), "0");
    for (const char* table : {"Common", "Fishes", "Links", "Description"})
        EXPECT_EQ(w.count(table, "Of_fish=" + c), "0") << table;
    EXPECT_EQ(w.count("Plants", "Of_cod=" + c), "0");
    EXPECT_EQ(w.count("Price", "Of_cod=" + c), "0");
    EXPECT_FALSE(std::filesystem::exists(w.pisces() / ("m" + c + ".html")));
    EXPECT_FALSE(std::filesystem::exists(w.pisces() / ("s" + c + ".html")));
    EXPECT_FALSE(std::filesystem::exists(w.picture("m" + c + "_a.jpg")));
    EXPECT_FALSE(std::filesystem::exists(w.picture("f" + c + "_b.gif")));
    EXPECT_TRUE(std::filesystem::exists(w.pisces() / keepPage));
    EXPECT_TRUE(std::filesystem::exists(w.picture(keepPicture)));
    EXPECT_NE(readFile(w.page(w.tetras.hyphesso)), "stale");
}

TEST(DeleteTaxon, TheFirstSiblingBecomesCurrentAndNoKeepsEverything) {
    EditingWorld w;
    CatalogueModel m(w.doc, 14, 0);
    m.show(w.tetras.simulans);
    w.prompter.answerNext(Answer::No);
    EXPECT_FALSE(deleteTaxon(w.ctx, m, kSpeciesRow));
    EXPECT_EQ(w.count("Reedmere", "Cod=" + str(w.tetras.simulans)), "1");
    w.prompter.answerNext(Answer::Yes);
    ASSERT_TRUE(deleteTaxon(w.ctx, m, kSpeciesRow));
    EXPECT_EQ(m.current().cod, w.tetras.axelrodi);
    const CatalogueRow& row = m.rows()[kSpeciesRow];
    EXPECT_EQ(row.path.size(), 2u);
    EXPECT_EQ(row.selected, 0);
}

TEST(DeleteTaxon, ATaxonWithChildrenOrSynonymsIsRefusedWithTheirNumbers) {
    EditingWorld w;
    CatalogueModel m(w.doc, 14, 0);
    m.show(w.tetras.paracheirodon);
    EXPECT_FALSE(deleteTaxon(w.ctx, m, kGenusRow));
    EXPECT_EQ(w.prompter.lastText(),
              "Paracheirodon cannot be deleted: it still has 3 taxa below it and 1 synonym.\nMove or delete them first.");
    EXPECT_FALSE(w.prompter.shown().back().question);
    EXPECT_EQ(w.count("Reedmere", "Cod=" + str(w.tetras.paracheirodon)), "1");

    addTaxon(w.doc, "Astyanax", 512 + kSynonymOffset, w.tetras.hyphesso);
    m.show(w.tetras.hyphesso);
    addTaxon(w.doc, "Pyrrhobrycon", 512 + kSynonymOffset, w.tetras.hyphesso);
    deleteRows(*w.doc.taxa, "Cod=" + str(w.tetras.amandae));
    EXPECT_FALSE(deleteTaxon(w.ctx, m, kGenusRow));
    EXPECT_EQ(w.prompter.lastText(),
              "Hyphessobrycon cannot be deleted: it still has 2 synonyms.\nMove or delete them first.");
}

TEST(DeleteTaxon, LotsOfTheTaxonStayAndTheQuestionSaysSo) {
    EditingWorld w;
    const std::string c = str(w.tetras.simulans);
    w.exec("INSERT INTO \"My fishes\" (Of_fish, Other) VALUES (" + c + ", 'pair')");
    CatalogueModel m(w.doc, 14, 0);
    m.show(w.tetras.simulans);
    w.prompter.answerNext(Answer::Yes);
    ASSERT_TRUE(deleteTaxon(w.ctx, m, kSpeciesRow));
    EXPECT_EQ(w.prompter.lastText(),
              "The farm has 1 lot of simulans; it stays and keeps its data.\n      Are you sure?");
    EXPECT_EQ(w.count("My fishes", "Of_fish=" + c + " AND Other='pair'"), "1");
}

TEST(DeleteTaxon, NothingSelectedDoesNothing) {
    EditingWorld w;
    CatalogueModel m(w.doc, 14, 0);
    m.show(w.tetras.paracheirodon);  // the species row has entries but no selection
    EXPECT_FALSE(deleteTaxon(w.ctx, m, kSpeciesRow));
    EXPECT_TRUE(w.prompter.shown().empty());
}

TEST(EditingCommands, EachActsWhereItCan) {
    EditingWorld w;
    CatalogueModel m(w.doc, 14, 0);
    m.show(w.tetras.paracheirodon);
    EXPECT_EQ(editingCommands(m, kGenusRow), (std::set<int>{190, 191, 192, 193, 194}));
    EXPECT_EQ(editingCommands(m, kSpeciesRow), (std::set<int>{190}));  // entries, none selected
    m.show(14);
    EXPECT_EQ(editingCommands(m, 0), (std::set<int>{190}));
    EXPECT_TRUE(editingCommands(m, kSpeciesRow).empty());
    EXPECT_TRUE(editingCommands(m, 99).empty());
}
