// Texts of the model: the fixed-capacity PpdText, storing raw bytes through
// the ANSI code page, and the hex pairs of names.
#include "ppd/ppd_text.h"

#include <gtest/gtest.h>

#include <string>

#include "ppd/ppd_hex_pair.h"
#include "ppd/store_ppd_text.h"
#include "ppd_test_support.h"

namespace marlow {
namespace {

using testing::Show;

TEST(PpdTextTest, StartsEmptyAndComparesWholeTexts) {
    const PpdText empty;
    EXPECT_EQ(empty.Length(), 0);
    EXPECT_EQ(empty.Text()[0], 0);
    EXPECT_TRUE(empty.EqualsString(u""));
    EXPECT_FALSE(empty.EqualsString(nullptr));

    const PpdText slot(u"LC3", 3);
    EXPECT_TRUE(slot.EqualsString(u"LC3"));
    EXPECT_FALSE(slot.EqualsString(u"LC"));
    EXPECT_FALSE(slot.EqualsString(u"LC33"));
    EXPECT_FALSE(slot.EqualsString(u"lc3"));
    EXPECT_TRUE(slot.Equals(u"LC3x", 3));
    EXPECT_FALSE(slot.Equals(PpdText(u"LC4", 3)));
    EXPECT_TRUE(slot.Equals(PpdText(slot)));
}

TEST(PpdTextTest, AssignCutsAt259Units) {
    const std::u16string units(400, u'x');
    PpdText text(units.data(), 400);
    EXPECT_EQ(text.Length(), 259);
    EXPECT_EQ(text.Text()[259], 0);
    EXPECT_FALSE(text.EqualsString(units.c_str()));
    text.Assign(nullptr, 5);
    EXPECT_EQ(text.Length(), 0);
    text.Assign(units.data(), -1);
    EXPECT_EQ(text.Length(), 0);
}

TEST(StorePpdTextTest, KeepsTheLowBytesUpToTheFirstZero) {
    PpdText text(u"old", 3);
    StorePpdText(u"*InputSlot", text);
    EXPECT_EQ(Show(text), "*InputSlot");
    // 0x141 and 0x241 keep their low byte 0x41; 0x100 has a zero low byte,
    // which ends the text.
    StorePpdText(u"\u0141\u0241\u0100B", text);
    EXPECT_EQ(Show(text), "AA");
    StorePpdText(u"", text);
    EXPECT_EQ(text.Length(), 0);
    StorePpdText(nullptr, text);
    EXPECT_EQ(text.Length(), 0);
}

// Natively the bytes are Windows-1252; the Windows builds use the system's
// ANSI code page, which is 1252 under the Wine the tests run on.
TEST(StorePpdTextTest, ReadsHighBytesThroughTheCodePage) {
    PpdText text;
    StorePpdText(u"\u0080\u009F\u00A0\u00C4\u00FF\u0081", text);
    EXPECT_EQ(Show(text), "\\u20AC\\u0178\\u00A0\\u00C4\\u00FF\\u0081");
}

TEST(StorePpdTextTest, CutsLongTextsAt259Units) {
    PpdText text;
    for (std::size_t length : {258u, 259u, 260u, 1039u, 1040u, 5000u}) {
        const std::u16string raw(length, u'\u00E9');
        StorePpdText(raw.c_str(), text);
        const std::int32_t expected = length < 259 ? static_cast<std::int32_t>(length) : 259;
        EXPECT_EQ(text.Length(), expected) << length;
        EXPECT_EQ(text.Text()[0], u'\u00E9');
        EXPECT_EQ(text.Text()[expected], 0);
    }
}

TEST(ReadHexPairTest, ReadsTheLongestValidPrefixLikeWcstol) {
    EXPECT_EQ(ReadHexPair(u'4', u'1'), 0x41);
    EXPECT_EQ(ReadHexPair(u'f', u'F'), 0xFF);
    EXPECT_EQ(ReadHexPair(u'0', u'0'), 0);
    EXPECT_EQ(ReadHexPair(u'4', u'G'), 4);
    EXPECT_EQ(ReadHexPair(u'G', u'4'), 0);
    EXPECT_EQ(ReadHexPair(u'0', u'x'), 0);
    EXPECT_EQ(ReadHexPair(u' ', u'7'), 7);
    EXPECT_EQ(ReadHexPair(u'\t', u'a'), 10);
    EXPECT_EQ(ReadHexPair(u'\v', u'B'), 11);
    EXPECT_EQ(ReadHexPair(u'-', u'4'), -4);
    EXPECT_EQ(ReadHexPair(u'+', u'c'), 12);
    EXPECT_EQ(ReadHexPair(u'-', u'-'), 0);
    EXPECT_EQ(ReadHexPair(u' ', u' '), 0);
    EXPECT_EQ(ReadHexPair(u'\u00B2', u'1'), 0);
    EXPECT_EQ(ReadHexPair(u'1', u'\u00B2'), 1);
}

}  // namespace
}  // namespace marlow
