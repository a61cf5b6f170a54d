#include <gtest/gtest.h>

#include "catalogue/PackedField.h"

using namespace catalogue;

TEST(PackedField, EmptyPatternsAndSingleWrites) {
    EXPECT_EQ(emptyPacked(kKeepFields), "||||||");
    EXPECT_EQ(emptyPacked(kSpawnFields), "||||||||");
    EXPECT_EQ(withSubField("||||||", kKeepFields, 1, "7.5"), "|7.5|||||");
    EXPECT_EQ(withSubField("||||||||", kSpawnFields, 7, "5"), "|||||||5|");
    EXPECT_EQ(withSubField("24-28|6.5|||||", kKeepFields, 0, "22"), "22|6.5|||||");
}

TEST(PackedField, ShortFieldsReadEmptyAndComeBackComplete) {
    std::vector<std::string> f = unpack("24-28|6.5", kKeepFields);
    ASSERT_EQ(f.size(), 7u);
    EXPECT_EQ(f[0], "24-28");
    EXPECT_EQ(f[1], "6.5");
    EXPECT_EQ(f[6], "");
    EXPECT_EQ(withSubField("24-28|6.5", kKeepFields, 5, "50"), "24-28|6.5||||50|");
    EXPECT_EQ(unpack("", kKeepFields), std::vector<std::string>(7));
}

TEST(PackedField, LastSubFieldRunsToTheEnd) {
    std::vector<std::string> f = unpack("a|b|c|d|e|f|weekly|extra", kKeepFields);
    EXPECT_EQ(f[6], "weekly|extra");
}
