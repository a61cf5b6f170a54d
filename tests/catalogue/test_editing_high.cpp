// New and renamed taxa of the high taxonomy on a real database.
#include <gtest/gtest.h>

#include "catalogue/HighTaxonomyEditing.h"
#include "catalogue/TestTaxa.h"
#include "common/TestEnv.h"
#include "platform/Prompter.h"

using namespace catalogue;

namespace {

std::string str(std::int64_t v) { return std::to_string(v); }

}  // namespace

TEST(HighTaxonomy, ANewClassGetsTheVisibilityStringAndItsCommonName) {
    testenv::DocWorld w;
    platform::ScriptedPrompter p;
    p.typeNext("Gastropoda  ");
    p.typeNext("Snails");
    std::optional<HighTaxonItem> item = createHighTaxon(w.doc, p, 3, kClassLevel, 1);
    ASSERT_TRUE(item);
    EXPECT_EQ(item->label, "Gastropoda (Snails)");
    ASSERT_EQ(p.shown().size(), 2u);
    EXPECT_EQ(p.shown()[0].text, "Enter latin name");
    EXPECT_EQ(p.shown()[1].text, "Enter common name");
    const std::string cod = str(item->cod);
    EXPECT_EQ(w.scalar("SELECT Author FROM Reedmere WHERE Cod=" + cod), "1111010011011110");
    EXPECT_EQ(w.scalar("SELECT Lat_name FROM Reedmere WHERE Cod=" + cod), "Gastropoda");
    EXPECT_EQ(w.scalar("SELECT Of_cod FROM Reedmere WHERE Cod=" + cod), "3");
    EXPECT_EQ(w.scalar("SELECT Classific FROM Reedmere WHERE Cod=" + cod), "262144");
    EXPECT_EQ(w.scalar("SELECT Class FROM Reedmere WHERE Cod=" + cod), "0");
    EXPECT_EQ(w.scalar("SELECT Name FROM Common WHERE Language=1 AND Of_fish=" + cod), "Snails");
    EXPECT_EQ(w.scalar("SELECT COUNT(*) FROM Reedmere WHERE Author='?????" "'"), "0");
}

TEST(HighTaxonomy, OtherLevelsGetNoAuthorAndAnEmptyCommonNameIsStillWritten) {
    testenv::DocWorld w;
    platform::ScriptedPrompter p;
    p.typeNext("Mollusca");
    p.typeNext("");
    std::optional<HighTaxonItem> item = createHighTaxon(w.doc, p, 2, 16777216, 0);
    ASSERT_TRUE(item);
    EXPECT_EQ(item->label, "Mollusca");
    EXPECT_EQ(w.scalar("SELECT Author FROM Reedmere WHERE Cod=" + str(item->cod)), ", ");
    EXPECT_EQ(w.scalar("SELECT COUNT(*) FROM Common WHERE Name='' AND Language=0 AND Of_fish=" + str(item->cod)), "1");
}

TEST(HighTaxonomy, CancelOrAnEmptyLatinNameCreatesNothing) {
    testenv::DocWorld w;
    platform::ScriptedPrompter p;
    const std::string before = w.scalar("SELECT COUNT(*) FROM Reedmere");
    p.typeNext("Mollusca", false);
    EXPECT_FALSE(createHighTaxon(w.doc, p, 2, 16777216, 0));
    p.typeNext("Mollusca");
    p.typeNext("", false);
    EXPECT_FALSE(createHighTaxon(w.doc, p, 2, 16777216, 0));
    p.typeNext("   ");
    EXPECT_FALSE(createHighTaxon(w.doc, p, 2, 16777216, 0));
    EXPECT_EQ(w.scalar("SELECT COUNT(*) FROM Reedmere"), before);
    EXPECT_EQ(p.unusedAnswers(), 0u);
}

TEST(HighTaxonomy, EditStoresBothNamesAndRelabels) {
    testenv::DocWorld w;
    platform::ScriptedPrompter p;
    const std::int32_t node = testtaxa::addTaxon(w.doc, "Molusca", 16777216, 2, 0);
    testtaxa::addCommon(w.doc, node, "Molluscs", 0);
    const std::string cod = str(node);
    p.typeNext("Mollusca");
    p.typeNext("Soft-bodied animals");
    std::optional<HighTaxonItem> item = editHighTaxon(w.doc, p, node, 0);
    ASSERT_TRUE(item);
    EXPECT_EQ(item->label, "Mollusca (Soft-bodied animals)");
    EXPECT_EQ(p.shown()[0].text, "Edit latin name");
    EXPECT_EQ(p.shown()[1].text, "Edit common name");
    EXPECT_EQ(w.scalar("SELECT Lat_name FROM Reedmere WHERE Cod=" + cod), "Mollusca");
    EXPECT_EQ(w.scalar("SELECT Author FROM Reedmere WHERE Cod=" + cod), ", ");
    EXPECT_EQ(w.scalar("SELECT COUNT(*) FROM Common WHERE Language=0 AND Of_fish=" + cod), "1");
    EXPECT_EQ(w.scalar("SELECT Name FROM Common WHERE Language=0 AND Of_fish=" + cod), "Soft-bodied animals");
    // In Russian there was no name: one is added, even empty.
    p.typeNext("Mollusca");
    p.typeNext("");
    ASSERT_TRUE(editHighTaxon(w.doc, p, node, 1));
    EXPECT_EQ(w.scalar("SELECT COUNT(*) FROM Common WHERE Language=1 AND Name='' AND Of_fish=" + cod), "1");
}

TEST(HighTaxonomy, EditShowsTheStoredNamesAsDefaults) {
    testenv::DocWorld w;
    struct Recording : platform::Prompter {
        std::vector<std::string> defaults;
        platform::Answer ask(const std::string&) override { return platform::Answer::No; }
        void tell(const std::string&, platform::MessageKind) override {}
        bool askText(const std::string&, std::string& value) override {
            defaults.push_back(value);
            return true;  // OK without a change
        }
    } p;
    ASSERT_TRUE(editHighTaxon(w.doc, p, 14, 0));
    EXPECT_EQ(p.defaults, (std::vector<std::string>{"Pisces", "Fishes"}));
    EXPECT_EQ(w.scalar("SELECT Lat_name FROM Reedmere WHERE Cod=14"), "Pisces");
}
