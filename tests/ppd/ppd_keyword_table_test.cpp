// The keyword table's order and codes are checked when the program is built;
// here, the lookup the reader does on every token.
#include "ppd/ppd_keyword_table.h"

#include <gtest/gtest.h>

#include <string>

namespace marlow {
namespace {

TEST(PpdKeywordTableTest, FindsTheStatementKeywordsTheReaderActsOn) {
    struct Case {
        const char16_t* token;
        PpdKeywordCode code;
    };
    const Case cases[] = {
        {u"*?", kPpdQuery},
        {u"*CloseGroup", kPpdCloseGroup},
        {u"*CloseUI", kPpdCloseUI},
        {u"*Default", kPpdDefault},
        {u"*LanguageEncoding", kPpdLanguageEncoding},
        {u"*LanguageVersion", kPpdLanguageVersion},
        {u"*Manufacturer", kPpdManufacturer},
        {u"*ModelName", kPpdModelName},
        {u"*OpenGroup", kPpdOpenGroup},
        {u"*OpenUI", kPpdOpenUI},
        {u"*OrderDependency", kPpdOrderDependency},
        {u"*PPD-Adobe", kPpdPPDAdobe},
        {u"*Product", kPpdProduct},
        {u"*UIConstraints", kPpdUIConstraints},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LookUpPpdKeyword(c.token), c.code)
            << "expected code " << c.code << " for keyword number " << (&c - cases);
    }
}

TEST(PpdKeywordTableTest, EveryRowIsFoundByItsKeywordAndNotByItsNeighbours) {
    for (std::int32_t row = 0; row < kPpdKeywordCount; ++row) {
        const char16_t* keyword = PpdKeywordTable[row].wszKeyword;
        EXPECT_EQ(LookUpPpdKeyword(keyword), PpdKeywordTable[row].code) << "row " << row;
        // One unit more or less, or the last unit changed, is no keyword.
        std::u16string longer = std::u16string(keyword) + u"x";
        EXPECT_EQ(LookUpPpdKeyword(longer.c_str()), kPpdUnknown) << "row " << row;
        std::u16string text(keyword);
        if (text.size() > 1) {
            const std::u16string shorter = text.substr(0, text.size() - 1);
            EXPECT_NE(LookUpPpdKeyword(shorter.c_str()), PpdKeywordTable[row].code)
                << "row " << row;
            text.back() = static_cast<char16_t>(text.back() + 1);
            EXPECT_NE(LookUpPpdKeyword(text.c_str()), PpdKeywordTable[row].code) << "row " << row;
        }
    }
}

TEST(PpdKeywordTableTest, AnythingElseIsCodeZero) {
    const char16_t* const others[] = {u"*openui",
                                      u"*OPENUI",
                                      u"*OpenU",
                                      u"*OpenUIx",
                                      u"OpenUI",
                                      u"*NonUIConstraints",
                                      u"*DefaultInputSlot",
                                      u"*?InputSlot",
                                      u"*",
                                      u"!",
                                      u"*\u00FF",
                                      u"\uFFFF",
                                      u"*UIConstraints ",
                                      u"*Zzz",
                                      u"*CloseU",
                                      u"",
                                      u"*\u0000OpenUI"};
    for (const char16_t* token : others) {
        EXPECT_EQ(LookUpPpdKeyword(token), kPpdUnknown)
            << "expected code 0 for token number " << (&token - others);
    }
}

TEST(PpdKeywordTableTest, CompareTextsOrdersCodeUnitsAsUnsignedNumbers) {
    EXPECT_LT(CompareTexts(u"*Open", u"*OpenUI"), 0);  // a prefix is the smaller
    EXPECT_GT(CompareTexts(u"*\u00E9", u"*Z"), 0);
    EXPECT_GT(CompareTexts(u"\uFFFF", u"\u0001"), 0);
    EXPECT_EQ(CompareTexts(u"*OpenUI", u"*OpenUI"), 0);
}

}  // namespace
}  // namespace marlow
