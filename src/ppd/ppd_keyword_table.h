// The statement keywords the reader recognises. Every other token, and the
// empty one, has code 0.
#pragma once

#include <cstdint>

namespace marlow {

// The code of a keyword is its row in PpdKeywordTable.
enum PpdKeywordCode : std::int32_t {
    kPpdUnknown = 0,
    kPpdQuery = 1,
    kPpdCloseGroup = 2,
    kPpdCloseUI = 3,
    kPpdDefault = 4,
    kPpdEnd = 5,
    kPpdFileVersion = 6,
    kPpdFormatVersion = 7,
    kPpdLanguageEncoding = 8,
    kPpdLanguageVersion = 9,
    kPpdManufacturer = 10,
    kPpdModelName = 11,
    kPpdNickName = 12,
    kPpdOpenGroup = 13,
    kPpdOpenUI = 14,
    kPpdOrderDependency = 15,
    kPpdPCFileName = 16,
    kPpdPPDAdobe = 17,
    kPpdPSVersion = 18,
    kPpdProduct = 19,
    kPpdShortNickName = 20,
    kPpdUIConstraints = 21,
};

struct PpdKeywordRow {
    const char16_t* wszKeyword;
    PpdKeywordCode code;
};

constexpr std::int32_t kPpdKeywordCount = 22;

// Orders two zero-terminated texts by their code units as unsigned numbers;
// a text that is a prefix of the other is the smaller. <0, 0 or >0.
constexpr int CompareTexts(const char16_t* left, const char16_t* right) {
    while (*left != 0 && *left == *right) {
        ++left;
        ++right;
    }
    // char16_t promotes to int without a sign, so this orders the units as
    // unsigned numbers, and the zero that ends the shorter text sorts first.
    return static_cast<int>(*left) - static_cast<int>(*right);
}

// Sorted in ascending order of UTF-16 code units, each keyword's code equal
// to its row; both are checked when the program is built.
inline constexpr PpdKeywordRow PpdKeywordTable[kPpdKeywordCount] = {
    {u"", kPpdUnknown},
    {u"*?", kPpdQuery},
    {u"*CloseGroup", kPpdCloseGroup},
    {u"*CloseUI", kPpdCloseUI},
    {u"*Default", kPpdDefault},
    {u"*End", kPpdEnd},
    {u"*FileVersion", kPpdFileVersion},
    {u"*FormatVersion", kPpdFormatVersion},
    {u"*LanguageEncoding", kPpdLanguageEncoding},
    {u"*LanguageVersion", kPpdLanguageVersion},
    {u"*Manufacturer", kPpdManufacturer},
    {u"*ModelName", kPpdModelName},
    {u"*NickName", kPpdNickName},
    {u"*OpenGroup", kPpdOpenGroup},
    {u"*OpenUI", kPpdOpenUI},
    {u"*OrderDependency", kPpdOrderDependency},
    {u"*PCFileName", kPpdPCFileName},
    {u"*PPD-Adobe", kPpdPPDAdobe},
    {u"*PSVersion", kPpdPSVersion},
    {u"*Product", kPpdProduct},
    {u"*ShortNickName", kPpdShortNickName},
    {u"*UIConstraints", kPpdUIConstraints},
};

constexpr bool IsPpdKeywordTableSorted() {
    for (std::int32_t row = 1; row < kPpdKeywordCount; ++row) {
        if (CompareTexts(PpdKeywordTable[row - 1].wszKeyword, PpdKeywordTable[row].wszKeyword) >=
            0) {
            return false;
        }
    }
    return true;
}

constexpr bool ArePpdKeywordCodesTheirRows() {
    for (std::int32_t row = 0; row < kPpdKeywordCount; ++row) {
        if (PpdKeywordTable[row].code != row) {
            return false;
        }
    }
    return true;
}

static_assert(IsPpdKeywordTableSorted(), "the binary search needs ascending keywords");
static_assert(ArePpdKeywordCodesTheirRows(), "a keyword's code is its row");

// Binary search of PpdKeywordTable for the zero-terminated token.
PpdKeywordCode LookUpPpdKeyword(const char16_t* token);

}  // namespace marlow
