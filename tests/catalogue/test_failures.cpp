// Catalogue edits of more than one row with one step made to fail by a
// trigger: the taxon, its names, cards and links stay as they were.
#include <gtest/gtest.h>

#include "catalogue/EditingWorld.h"
#include "catalogue/HighTaxonomyEditing.h"
#include "catalogue/SynonymList.h"
#include "catalogue/TaxonMove.h"

using namespace catalogue;
using editingtest::EditingWorld;
using editingtest::TypedName;
using platform::Answer;
using testtaxa::addCommon;
using testtaxa::addTaxon;

namespace {

constexpr int kSpeciesRow = 7;

std::string str(std::int64_t v) { return std::to_string(v); }

void injectFailure(EditingWorld& w, const std::string& when, const std::string& table,
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

// Every row that hangs on a taxon, counted table by table.
std::string rowsOf(EditingWorld& w, std::int32_t cod) {
    const std::string c = str(cod);
    return w.count("Reedmere", "Cod=" + c) + " " + w.count("Common", "Of_fish=" + c) + " " +
           w.count("Fishes", "Of_fish=" + c) + " " + w.count("Plants", "Of_cod=" + c) + " " +
           w.count("Links", "Of_fish=" + c) + " " + w.count("Description", "Of_fish=" + c) + " " +
           w.count("Price", "Of_cod=" + c);
}

}  // namespace

TEST(CatalogueFailures, ADeleteWhoseLastStepFailsKeepsTheTaxonWithEverythingOnIt) {
    EditingWorld w;
    const std::int32_t cod = w.tetras.amandae;
    const std::string c = str(cod);
    addCommon(w.doc, cod, "Ember tetra", 0);
    w.exec("INSERT INTO Fishes (Of_fish) VALUES (" + c + ")");
    w.exec("INSERT INTO Links (Of_fish, Name) VALUES (" + c + ", 'x')");
    w.exec("INSERT INTO Description (Of_fish, Language, Text) VALUES (" + c + ", 0, 'red')");
    w.exec("INSERT INTO Price (Of_cod) VALUES (" + c + ")");
    const std::string before = rowsOf(w, cod);
    ASSERT_EQ(before, "1 1 1 0 1 1 1");
    editingtest::writeFile(w.page(cod), "page");

    for (const char* table : {"Reedmere", "Price", "Common"}) {
        injectFailure(w, "DELETE", table);
        CatalogueModel m(w.doc, 14, 0);
        m.show(cod);
        w.prompter.answerNext(Answer::Yes);
        expectInjected([&] { deleteTaxon(w.ctx, m, kSpeciesRow); });
        EXPECT_EQ(rowsOf(w, cod), before) << "failing at " << table;
        EXPECT_TRUE(std::filesystem::exists(w.page(cod))) << "the page of a taxon that stays";
        // The shared record objects show the names and links that stayed.
        w.doc.commonNames->moveFirst();
        EXPECT_EQ(w.doc.commonNames->rowCount(), 1u);
        EXPECT_FALSE(w.doc.commonNames->isDeleted());
        w.exec("DROP TRIGGER injected");
    }
}

TEST(CatalogueFailures, AnEditWhoseCommonNameCannotBeWrittenKeepsTheOldName) {
    EditingWorld w;
    const std::int32_t cod = w.tetras.amandae;
    addCommon(w.doc, cod, "Ember tetra", 0);
    injectFailure(w, "UPDATE", "Common");
    CatalogueModel m(w.doc, 14, 0);
    m.show(cod);
    TypedName typed{{"amandae renamed", "Fire tetra", "Géry & Uj", "1987"}};
    expectInjected([&] { editTaxon(w.ctx, m, kSpeciesRow, typed.dialog()); });
    EXPECT_EQ(w.scalar("SELECT Lat_name FROM Reedmere WHERE Cod=" + str(cod)), "amandae");
    EXPECT_EQ(w.scalar("SELECT Name FROM Common WHERE Of_fish=" + str(cod)), "Ember tetra");
}

TEST(CatalogueFailures, AnAddWhoseCommonNameFailsLeavesNoTaxonAndNoMarker) {
    EditingWorld w;
    injectFailure(w, "INSERT", "Common");
    CatalogueModel m(w.doc, 14, 0);
    m.show(w.tetras.paracheirodon);
    const std::string before = w.count("Reedmere", "1=1");
    TypedName typed{{"gracilis", "Glowlight", "Myers", "1936"}};
    expectInjected([&] { addTaxon(w.ctx, m, kSpeciesRow, typed.dialog()); });
    EXPECT_EQ(w.count("Reedmere", "1=1"), before);
    // The taxa record object shows no row that was never stored.
    db::Fish& t = *w.doc.taxa;
    for (t.moveFirst(); !t.isEOF(); t.moveNext()) EXPECT_NE(t.m_Lat_name, "gracilis");
}

TEST(CatalogueFailures, SynonymEditAndRemoveAreWholeOrNothing) {
    EditingWorld w;
    const std::int32_t syn =
        addTaxon(w.doc, "Hyphessobrycon innesi", 64 + kSynonymOffset, w.tetras.innesi, 14, "Myers, 1936");
    addCommon(w.doc, syn, "Old neon", 0);
    SynonymList list(w.doc, 0, *findTaxon(w.doc, w.tetras.innesi), "Species");
    ASSERT_EQ(list.lines().size(), 1u);

    injectFailure(w, "UPDATE", "Common");
    NameFields fields{"Hyphessobrycon renamed", "New neon", "Myers", "1936"};
    expectInjected([&] { list.edit(0, fields); });
    EXPECT_EQ(w.scalar("SELECT Lat_name FROM Reedmere WHERE Cod=" + str(syn)), "Hyphessobrycon innesi");
    w.exec("DROP TRIGGER injected");

    injectFailure(w, "DELETE", "Reedmere");
    expectInjected([&] { list.remove(0); });
    EXPECT_EQ(w.count("Common", "Of_fish=" + str(syn)), "1");
    EXPECT_EQ(list.lines().size(), 1u);
}

TEST(CatalogueFailures, AHighTaxonWhoseCommonNameFailsIsNeitherAddedNorRenamed) {
    testenv::DocWorld w;
    w.exec("CREATE TRIGGER injected BEFORE INSERT ON \"Common\" BEGIN SELECT RAISE(ABORT,'injected failure'); END");
    platform::ScriptedPrompter p;
    p.typeNext("Gastropoda");
    p.typeNext("Snails");
    const std::string before = w.scalar("SELECT COUNT(*) FROM Reedmere");
    expectInjected([&] { createHighTaxon(w.doc, p, 3, kClassLevel, 0); });
    EXPECT_EQ(w.scalar("SELECT COUNT(*) FROM Reedmere"), before);

    w.exec("CREATE TRIGGER injected2 BEFORE UPDATE ON \"Common\" BEGIN SELECT RAISE(ABORT,'injected failure'); END");
    p.typeNext("Pisces renamed");
    p.typeNext("Fishes of all kinds");
    expectInjected([&] { editHighTaxon(w.doc, p, 14, 0); });
    EXPECT_EQ(w.scalar("SELECT Lat_name FROM Reedmere WHERE Cod=14"), "Pisces");
}

TEST(CatalogueFailures, SynonymsFollowAMovedTaxonAllOrNone) {
    EditingWorld w;
    const std::int32_t a = addTaxon(w.doc, "Hyphessobrycon innesi", 64 + kSynonymOffset, w.tetras.innesi);
    const std::int32_t b = addTaxon(w.doc, "Paracheirodon neon", 64 + kSynonymOffset, w.tetras.innesi);
    CatalogueModel model(w.doc, 14, 0);
    model.show(w.tetras.innesi);
    TaxonMove move(w.ctx, model, *findTaxon(w.doc, w.tetras.innesi));
    move.chooseLevel(0);  // the subgenus level
    injectFailure(w, "UPDATE", "Reedmere", "OLD.Cod=" + str(b));
    expectInjected([&] { move.accept(); });
    for (std::int32_t s : {a, b})
        EXPECT_EQ(w.scalar("SELECT Classific FROM Reedmere WHERE Cod=" + str(s)), str(64 + kSynonymOffset));
}
