// Price cards: one per species, read into and written from the dialog's texts.
#include <gtest/gtest.h>

#include "FarmWorld.h"
#include "core/Settings.h"
#include "farm/LotBook.h"
#include "farm/PriceCard.h"

namespace {

farm::PriceFields sample() {
    farm::PriceFields f;
    const char* sizes[] = {"5-10", "10-15", "15-25", "25-35", "35-50"};
    for (int i = 0; i < 5; ++i) {
        f.size(i) = sizes[i];
        f.retail(i) = std::to_string(100 * (i + 1));
        f.wholesale(i) = std::to_string(60 * (i + 1));
    }
    return f;
}

TEST(PriceCard, MissingCardShowsZerosAndIsAddedOnce) {
    farmtest::FarmWorld w;
    farm::PriceFields none = farm::readPriceCard(*w.doc.prices, w.species);
    for (const auto& t : none.text) EXPECT_EQ(t, "0");

    EXPECT_FALSE(farm::writePriceCard(*w.doc.prices, w.species, sample()));
    farm::PriceFields changed = sample();
    changed.retail(4) = "";        // empty is 0
    changed.wholesale(0) = " 55 ";  // blanks around a number are fine
    EXPECT_FALSE(farm::writePriceCard(*w.doc.prices, w.species, changed));
    EXPECT_EQ(w.count("Price"), 1);
    EXPECT_EQ(w.scalar("SELECT Size_s || '|' || Price_s_ws || '|' || Size_l || '|' || Price_l || '|' || Price_l_ws "
                       "FROM Price"),
              "5-10|55|35-50|0|300");

    farm::PriceFields back = farm::readPriceCard(*w.doc.prices, w.species);
    EXPECT_EQ(back.size(2), "15-25");
    EXPECT_EQ(back.retail(2), "300");
    EXPECT_EQ(back.wholesale(3), "240");
    // Another species still has no card.
    EXPECT_EQ(farm::readPriceCard(*w.doc.prices, w.shrimp).retail(0), "0");
}

TEST(PriceCard, WrongPriceWritesNothing) {
    farmtest::FarmWorld w;
    farm::PriceFields f = sample();
    f.retail(1) = "12,50";
    auto wrong = farm::writePriceCard(*w.doc.prices, w.species, f);
    ASSERT_TRUE(wrong);
    EXPECT_EQ(*wrong, 4);
    f.retail(1) = "3000000000";  // over the column
    EXPECT_TRUE(farm::writePriceCard(*w.doc.prices, w.species, f));
    EXPECT_EQ(w.count("Price"), 0);
}

TEST(PriceCard, SizesFeedTheLotSizeList) {
    farmtest::FarmWorld w;
    core::Settings settings;
    farm::LotBook book(w.doc, settings);
    EXPECT_EQ(book.sizeLabels(w.species).front(), "F");
    farm::writePriceCard(*w.doc.prices, w.species, sample());
    auto labels = book.sizeLabels(w.species);
    ASSERT_EQ(labels.size(), 5u);
    EXPECT_EQ(labels[0], "F = 5-10 mm");
    EXPECT_EQ(labels[3], "JA = 25-35 mm");
    EXPECT_EQ(farm::sizeClasses()[3].label, std::string("Matured juv-s (JA)"));
}

}  // namespace
