// The care card: creation, packed sub-fields, scalars, habitats and the
// property stair, on a real database.
#include <gtest/gtest.h>

#include "catalogue/CareCard.h"
#include "catalogue/CatalogueText.h"
#include "catalogue/Habitats.h"
#include "catalogue/PropertyStair.h"
#include "catalogue/TaxonLinks.h"
#include "catalogue/TestTaxa.h"
#include "common/TestEnv.h"

using namespace catalogue;
using testtaxa::addTaxon;

namespace {

std::string column(testenv::DocWorld& w, const char* name, std::int32_t taxon) {
    return w.scalar(std::string("SELECT \"") + name + "\" FROM \"Fishes\" WHERE \"Of_fish\"=" + std::to_string(taxon));
}

std::string cardCount(testenv::DocWorld& w, std::int32_t taxon) {
    return w.scalar("SELECT count(*) FROM \"Fishes\" WHERE \"Of_fish\"=" + std::to_string(taxon));
}

}  // namespace

TEST(CareCard, OpeningCreatesOneCardWithTheEmptyPatterns) {
    testenv::DocWorld w;
    std::int32_t sp = addTaxon(w.doc, "innesi", 64, 14);
    EXPECT_TRUE(openCard(w.doc, sp));
    EXPECT_FALSE(openCard(w.doc, sp));
    EXPECT_EQ(cardCount(w, sp), "1");
    EXPECT_EQ(column(w, "Keep_cond", sp), "||||||");
    EXPECT_EQ(column(w, "Spawn_cond", sp), "||||||||");
    EXPECT_EQ(column(w, "Egg_quant", sp), "0");
}

TEST(CareCard, SubFieldsAreWrittenOneAtATime) {
    testenv::DocWorld w;
    std::int32_t sp = addTaxon(w.doc, "innesi", 64, 14);
    EXPECT_TRUE(writeSubField(w.doc, sp, Packed::Keep, kPh, "7.5"));
    EXPECT_EQ(column(w, "Keep_cond", sp), "|7.5|||||");
    EXPECT_FALSE(writeSubField(w.doc, sp, Packed::Keep, kPh, "7.5"));  // unchanged: nothing written
    EXPECT_TRUE(writeSubField(w.doc, sp, Packed::Spawn, kSubstrate, "5"));  // "sand"
    EXPECT_EQ(column(w, "Spawn_cond", sp), "|||||||5|");
    EXPECT_TRUE(writeSubField(w.doc, sp, Packed::Spawn, kSeason, "10"));  // "all seasons"
    EXPECT_EQ(readSubFields(w.doc, sp, Packed::Spawn)[6], "10");
    EXPECT_TRUE(writeSubField(w.doc, sp, Packed::Keep, kWaterChanging, "1/3 weekly"));
    EXPECT_EQ(column(w, "Keep_cond", sp), "|7.5|||||1/3 weekly");
    EXPECT_FALSE(writeSubField(w.doc, sp, Packed::Keep, kTemperature, "22|24"));  // would shift every field
    EXPECT_EQ(column(w, "Keep_cond", sp), "|7.5|||||1/3 weekly");
    EXPECT_EQ(seasonNames()[10], "all seasons");
    EXPECT_EQ(substrateNames()[5], "sand");
}

TEST(CareCard, ShortPackedFieldsComeBackWithEverySeparator) {
    testenv::DocWorld w;
    std::int32_t sp = addTaxon(w.doc, "innesi", 64, 14);
    openCard(w.doc, sp);
    w.exec("UPDATE \"Fishes\" SET \"Spawn_cond\"='26|6' WHERE \"Of_fish\"=" + std::to_string(sp));
    std::vector<std::string> f = readSubFields(w.doc, sp, Packed::Spawn);
    EXPECT_EQ(f[0], "26");
    EXPECT_EQ(f[8], "");
    EXPECT_TRUE(writeSubField(w.doc, sp, Packed::Spawn, kPushToSpawning, "fresh water"));
    EXPECT_EQ(column(w, "Spawn_cond", sp), "26|6|||||||fresh water");
}

TEST(CareCard, NumbersAreReadAsUnsignedDecimals) {
    testenv::DocWorld w;
    std::int32_t sp = addTaxon(w.doc, "innesi", 64, 14);
    EXPECT_TRUE(writeNumber(w.doc, sp, CardNumber::EggQuantity, "150 eggs"));
    EXPECT_EQ(column(w, "Egg_quant", sp), "150");
    EXPECT_FALSE(writeNumber(w.doc, sp, CardNumber::EggQuantity, "many"));  // no digits: left alone
    EXPECT_FALSE(writeNumber(w.doc, sp, CardNumber::EggQuantity, "-3"));
    EXPECT_EQ(column(w, "Egg_quant", sp), "150");
    EXPECT_TRUE(writeNumber(w.doc, sp, CardNumber::EggQuantity, ""));
    EXPECT_EQ(column(w, "Egg_quant", sp), "0");
    EXPECT_TRUE(writeNumber(w.doc, sp, CardNumber::HatchPercent, "80"));
    // A percentage past the byte is refused, not cut to its low byte.
    EXPECT_THROW(writeNumber(w.doc, sp, CardNumber::HatchPercent, "300"), db::RangeError);
    EXPECT_EQ(column(w, "Fr_perc", sp), "80");
    EXPECT_TRUE(writeNumber(w.doc, sp, CardNumber::EggTerm, "3"));  // still writable after the refusal
    EXPECT_TRUE(writeText(w.doc, sp, CardText::Forage, "live food"));
    EXPECT_EQ(column(w, "Forage", sp), "live food");
    EXPECT_EQ(column(w, "Fr_perc", sp), "80");
}

TEST(Habitats, ChosenNamesBecomeCodesInOrderAndUnknownOnesAreSkipped) {
    testenv::DocWorld w;
    std::int32_t sp = addTaxon(w.doc, "innesi", 64, 14);
    w.exec("DELETE FROM \"Habitat\"");
    w.exec("INSERT INTO \"Habitat\" (\"Cod\",\"Name\",\"Of_cod\") VALUES (3,'Amazon',0),(12,'Rio Negro',3),"
           "(13,'Asia',0),(20,'Rio Negro',13)");
    EXPECT_TRUE(writeHabitats(w.doc, sp, {"Amazon", "Rio Negro"}));
    EXPECT_EQ(column(w, "Habitat", sp), "3,12");
    EXPECT_TRUE(writeHabitats(w.doc, sp, {"Rio Negro", "Atlantis", "Amazon"}));
    EXPECT_EQ(column(w, "Habitat", sp), "12,3");
    EXPECT_EQ(cardHabitats(w.doc, sp), (std::vector<std::string>{"Rio Negro", "Amazon"}));
    w.exec("DELETE FROM \"Habitat\" WHERE \"Cod\"=12");
    EXPECT_EQ(cardHabitats(w.doc, sp), std::vector<std::string>{"Amazon"});  // a vanished code is skipped
    EXPECT_EQ(habitatNames(w.doc, "3,,x,13"), (std::vector<std::string>{"Amazon", "Asia"}));
}

TEST(Habitats, BrowsingAddingAndDeletingUnderANode) {
    testenv::DocWorld w;
    w.exec("DELETE FROM \"Habitat\"");
    std::int32_t america = addHabitat(w.doc, "South America", 0);
    std::int32_t amazon = addHabitat(w.doc, "Amazon", america);
    addHabitat(w.doc, "Orinoco", america);
    addHabitat(w.doc, "Rio Negro", amazon);
    std::vector<HabitatEntry> top = browseHabitats(w.doc, 0);
    ASSERT_EQ(top.size(), 2u);
    EXPECT_EQ(top[0].text, "..");
    EXPECT_EQ(top[1].text, "(+) South America");
    std::vector<HabitatEntry> inside = browseHabitats(w.doc, america);
    ASSERT_EQ(inside.size(), 3u);
    EXPECT_EQ(inside[1].text, "(+) Amazon");
    EXPECT_EQ(inside[2].text, "Orinoco");
    EXPECT_EQ(habitatName(inside[1].text), "Amazon");
    EXPECT_EQ(habitatParent(w.doc, amazon), america);
    EXPECT_EQ(deleteHabitats(w.doc, america, {"..", "Amazon"}), 1);
    EXPECT_EQ(browseHabitats(w.doc, america).size(), 2u);
    EXPECT_EQ(w.scalar("SELECT count(*) FROM \"Habitat\" WHERE \"Name\"='Rio Negro'"), "1");  // children stay
}

TEST(PropertyStair, CopyDownReachesTheSubtreeAndLeavesUncheckedSubFields) {
    testenv::DocWorld w;
    std::int32_t genus = addTaxon(w.doc, "Paracheirodon", 512, 14);
    std::int32_t sp = addTaxon(w.doc, "innesi", 64, genus);
    std::int32_t sub = addTaxon(w.doc, "innesi", 32, sp);
    std::int32_t syn = addTaxon(w.doc, "Cheirodon", 512 + kSynonymOffset, genus);
    writeSubField(w.doc, genus, Packed::Keep, kTemperature, "22-26");
    writeSubField(w.doc, genus, Packed::Keep, kPh, "5.5");
    writeText(w.doc, genus, CardText::Forage, "small live food");
    writeNumber(w.doc, genus, CardNumber::EggQuantity, "200");
    writeText(w.doc, genus, CardText::MaleLength, "30");
    writeSubField(w.doc, sp, Packed::Keep, kPh, "6.8");
    writeSubField(w.doc, sp, Packed::Keep, kGeneralHardness, "4");
    storeDescription(w.doc, genus, 0, "Blackwater tetras.");
    Link l = addNewLink(w.doc, genus, kWebLink);
    setLinkName(w.doc, l, "FishBase");

    StairChoice ch;
    ch.keepGroup = true;
    ch.keep[kTemperature] = true;  // pH stays each child's own
    ch.forage = true;
    ch.eggQuantity = true;         // its group is off: not copied
    ch.maleLength = true;
    ch.description = true;
    ch.links = true;
    EXPECT_EQ(copyDown(w.doc, genus, ch, 0), 2);
    EXPECT_EQ(column(w, "Keep_cond", sp), "22-26|6.8|4||||");
    EXPECT_EQ(column(w, "Keep_cond", sub), "22-26||||||");  // card created on the way
    EXPECT_EQ(column(w, "Forage", sub), "small live food");
    EXPECT_EQ(column(w, "M_len", sp), "30");
    EXPECT_EQ(column(w, "Egg_quant", sp), "0");
    EXPECT_EQ(cardCount(w, syn), "0");
    EXPECT_EQ(descriptionOf(w.doc, sub, 0), "Blackwater tetras.");
    ASSERT_EQ(linksOf(w.doc, sp).size(), 1u);
    EXPECT_EQ(linksOf(w.doc, sp)[0].name, "FishBase");
    copyDown(w.doc, genus, ch, 0);
    EXPECT_EQ(linksOf(w.doc, sub).size(), 1u);  // a second run adds no second copy
    EXPECT_EQ(stairOpeningLabel(Packed::Keep, kGeneralHardness), "dGh = ");
    EXPECT_EQ(stairChangedLabel(Packed::Keep, kGeneralHardness), "gH = ");
    EXPECT_EQ(stairChangedLabel(Packed::Keep, kWaterChanging), "Water changing = ");
    EXPECT_EQ(stairOpeningLabel(Packed::Spawn, kSubstrate), "Substrat: ");
}
