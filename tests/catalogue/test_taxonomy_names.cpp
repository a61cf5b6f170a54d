// Display names, full names and class directories on a real database.
#include <gtest/gtest.h>

#include "catalogue/Taxonomy.h"
#include "TestTaxa.h"
#include "common/TestEnv.h"

using namespace catalogue;

using testtaxa::addCommon;

namespace {

// Author before level reads like a catalogue line.
std::int32_t addTaxon(db::CFishesDoc& doc, const std::string& name, const std::string& author, std::int32_t level,
                      std::int32_t parent, std::int32_t cls = 14) {
    return testtaxa::addTaxon(doc, name, level, parent, cls, author);
}

}  // namespace

TEST(TaxonomyNames, FullNameClimbsToTheGenus) {
    testenv::DocWorld w;
    auto family = addTaxon(w.doc, "Characidae", "Latreille, 1825", 4096, 14);
    auto genus = addTaxon(w.doc, "Hyphessobrycon", "Durbin, 1908", 512, family);
    auto group = addTaxon(w.doc, "heterorhabdus", ", ", 128, genus);
    auto species = addTaxon(w.doc, "amandae", "Géry & Uj, 1987", 64, group);
    auto t = findTaxon(w.doc, species);
    ASSERT_TRUE(t);
    EXPECT_EQ(fullLatinName(w.doc, *t), "Hyphessobrycon heterorhabdus amandae");
    EXPECT_EQ(displayName(w.doc, *t, 0), "Hyphessobrycon heterorhabdus amandae Géry & Uj, 1987");
    auto g = findTaxon(w.doc, genus);
    EXPECT_EQ(fullLatinName(w.doc, *g), "Hyphessobrycon");
}

TEST(TaxonomyNames, SubgenusStopsTheClimbAndSynonymsStandAlone) {
    testenv::DocWorld w;
    auto genus = addTaxon(w.doc, "Aphyosemion", ", ", 512, 14);
    auto sub = addTaxon(w.doc, "Chromaphyosemion", ", ", 256, genus);
    auto species = addTaxon(w.doc, "bivittatum", "(Lönnberg, 1895)", 64, sub);
    auto syn = addTaxon(w.doc, "Fundulus bivittatus", "Lönnberg, 1895", 64 + kSynonymOffset, species);
    EXPECT_EQ(fullLatinName(w.doc, *findTaxon(w.doc, species)), "Chromaphyosemion bivittatum");
    EXPECT_EQ(displayName(w.doc, *findTaxon(w.doc, syn), 0), "Fundulus bivittatus Lönnberg, 1895");
    EXPECT_TRUE(isSynonym(64 + kSynonymOffset));
    EXPECT_EQ(acceptedLevel(512 + kSynonymOffset), 512);
}

TEST(TaxonomyNames, AuthorAndCommonNameRules) {
    testenv::DocWorld w;
    auto genus = addTaxon(w.doc, "Paracheirodon", ", ", 512, 14);
    auto g = findTaxon(w.doc, genus);
    EXPECT_EQ(displayName(w.doc, *g, 0), "Paracheirodon");  // ", " is no author
    addCommon(w.doc, genus, "Neons", 0);
    EXPECT_EQ(displayName(w.doc, *g, 0), "Paracheirodon (Neons)");
    EXPECT_EQ(displayName(w.doc, *g, 1), "Paracheirodon");  // no Russian name
    auto pisces = findTaxon(w.doc, 14);
    EXPECT_EQ(displayName(w.doc, *pisces, 1), "Pisces (Рыбы)");  // never the visibility string
    addCommon(w.doc, genus, "", 1);
    EXPECT_EQ(displayName(w.doc, *g, 1), "Paracheirodon");  // an empty name counts as none
}

TEST(TaxonomyNames, ClassDirectoryOfAnyTaxon) {
    testenv::DocWorld w;
    auto genus = addTaxon(w.doc, "Anubias", "Schott, 1857", 512, 12129, 12129);
    EXPECT_EQ(classDirectory(w.doc, *findTaxon(w.doc, genus)), "\\Classes\\Monocotyledones");
    EXPECT_EQ(classDirectory(w.doc, *findTaxon(w.doc, 14)), "\\Classes\\Pisces");
    Taxon orphan;
    orphan.classCode = 99999;
    EXPECT_EQ(classDirectory(w.doc, orphan), "");
}
