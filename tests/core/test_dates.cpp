// The one date reader of every dialog: real days only, no wrapping numbers.
#include <gtest/gtest.h>

#include <string>

#include "core/Dates.h"

namespace {

std::string read(const std::string& text) {
    core::DayMonthYear d;
    if (!core::readDate(text, d)) return "refused";
    return std::to_string(d.day) + "/" + std::to_string(d.month) + "/" + std::to_string(d.year);
}

}  // namespace

TEST(DateReader, DaysBeyondTheMonthAreRefused) {
    EXPECT_EQ(read("31.02.2020"), "refused");
    EXPECT_EQ(read("30.02.2020"), "refused");
    EXPECT_EQ(read("29.02.2020"), "29/2/2020");  // leap year
    EXPECT_EQ(read("29.02.2021"), "refused");
    EXPECT_EQ(read("29.02.2000"), "29/2/2000");  // divisible by 400
    EXPECT_EQ(read("31.04.2007"), "refused");
    EXPECT_EQ(read("30.04.2007"), "30/4/2007");
    EXPECT_EQ(read("31.12.2030"), "31/12/2030");
    EXPECT_EQ(read("00.01.2007"), "refused");
}

TEST(DateReader, NumbersThatWouldWrapAreRefused) {
    EXPECT_EQ(read("4294967297.01.2020"), "refused");
    EXPECT_EQ(read("01.4294967297.2020"), "refused");
    EXPECT_EQ(read("01.01.4294969297"), "refused");
    EXPECT_EQ(read("0000001.01.2020"), "refused");  // no date needs seven digits
    EXPECT_EQ(read("-1.01.2020"), "refused");
    EXPECT_EQ(read("01.+1.2020"), "refused");
}

TEST(DateReader, FormAndYears) {
    EXPECT_EQ(read("9.7.2007"), "9/7/2007");
    EXPECT_EQ(read(" 09. 07. 2007 "), "9/7/2007");
    EXPECT_EQ(read("01.01.20262"), "refused");  // what a cursor jump once left in a field
    EXPECT_EQ(read("01.03.2026x"), "refused");
    EXPECT_EQ(read("01.03"), "refused");
    EXPECT_EQ(read("01..2026"), "refused");
    EXPECT_EQ(read(""), "refused");
    EXPECT_EQ(read("31.12.1970"), "refused");
    EXPECT_EQ(read("01.01.1971"), "1/1/1971");
    EXPECT_EQ(read("01.01.2031"), "refused");
    EXPECT_NE(std::string(core::kDateMessage).find("1971 to 2030"), std::string::npos);
}
