#include "ppd/ppd_keyword_table.h"

#include <gtest/gtest.h>

namespace marlow {
namespace {

TEST(PpdKeywordTableTest, FindsEveryRowByItsCode) {
    for (std::int32_t row = 0; row < kPpdKeywordCount; ++row) {
        EXPECT_EQ(LookUpPpdKeyword(PpdKeywordTable[row].wszKeyword), row) << "row " << row;
        EXPECT_EQ(PpdKeywordTable[row].code, row);
    }
}

TEST(PpdKeywordTableTest, RowsAreInAscendingCodeUnitOrder) {
    for (std::int32_t row = 1; row < kPpdKeywordCount; ++row) {
        EXPECT_LT(
            CompareTexts(PpdKeywordTable[row - 1].wszKeyword, PpdKeywordTable[row].wszKeyword), 0)
            << "row " << row;
    }
}

TEST(PpdKeywordTableTest, AnythingElseIsCodeZero) {
    const char16_t* const others[] = {
        u"*openui",           u"*OPENUI",     u"*OpenU", u"*OpenUIx", u"OpenUI",  u"*Default",
        u"*DefaultInputSlot", u"*?InputSlot", u"*",      u"!",        u"*\u00FF", u"\uFFFF",
        u"*UIConstraints ",   u"*Zzz",        u"*CloseU"};
    for (const char16_t* token : others) {
        const PpdKeywordCode code = LookUpPpdKeyword(token);
        // "*Default" itself is a row; only the longer default statements are not.
        if (CompareTexts(token, u"*Default") == 0) {
            EXPECT_EQ(code, kPpdDefault);
        } else {
            EXPECT_EQ(code, kPpdUnknown);
        }
    }
    EXPECT_EQ(LookUpPpdKeyword(u""), kPpdUnknown);
}

}  // namespace
}  // namespace marlow
