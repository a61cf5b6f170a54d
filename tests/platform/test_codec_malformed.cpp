// Text that is not valid UTF-8 (a legacy file, a data source in another
// encoding) becomes one replacement per bad sequence and the markup after it
// survives.
#include <gtest/gtest.h>

#include "platform/Codec.h"

using platform::Unmappable;
using platform::utf8ToCp1251;

namespace {
const std::string kReplaced = "&#65533;";
}

TEST(CodecMalformed, TruncatedSequenceBeforeMarkupKeepsTheMarkup) {
    EXPECT_EQ(utf8ToCp1251("<title>Betta\xE2\x82</title>"), "<title>Betta" + kReplaced + "</title>");
    EXPECT_EQ(utf8ToCp1251("<b>\xD0</b>"), "<b>" + kReplaced + "</b>");
    EXPECT_EQ(utf8ToCp1251("end\xF0\x9F\x90"), "end" + kReplaced);  // cut at the end of the text
    EXPECT_EQ(utf8ToCp1251("x\xC3"), "x" + kReplaced);
}

TEST(CodecMalformed, StrayOverlongSurrogateAndOutOfRangeBytes) {
    EXPECT_EQ(utf8ToCp1251("a\x80z"), "a" + kReplaced + "z");
    EXPECT_EQ(utf8ToCp1251("\xC0\xAF"), kReplaced + kReplaced);  // overlong "/" is never a slash
    EXPECT_EQ(utf8ToCp1251("\xE0\x80\xAF"), kReplaced + kReplaced + kReplaced);
    EXPECT_EQ(utf8ToCp1251("\xED\xA0\x80"), kReplaced + kReplaced + kReplaced);  // a surrogate half
    EXPECT_EQ(utf8ToCp1251("\xF4\x90\x80\x80"), kReplaced + kReplaced + kReplaced + kReplaced);
    EXPECT_EQ(utf8ToCp1251("\xFF<"), kReplaced + "<");
}

TEST(CodecMalformed, ValidNeighboursStillConvertAndBulletinsGetQuestionMarks) {
    EXPECT_EQ(utf8ToCp1251("\xE2\x82\xAC\xE2\x82"), std::string("\x88") + kReplaced);
    EXPECT_EQ(utf8ToCp1251("\xF0\x9F\x90\x9F"), "&#128031;");
    EXPECT_EQ(utf8ToCp1251("\xD0\xD0\xB0", Unmappable::QuestionMark), std::string("?\xE0"));
    EXPECT_EQ(utf8ToCp1251("a\xE2\x82z", Unmappable::QuestionMark), "a?z");
}
