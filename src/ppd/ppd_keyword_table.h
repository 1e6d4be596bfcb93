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

// Sorted in ascending order of UTF-16 code units.
extern const PpdKeywordRow PpdKeywordTable[kPpdKeywordCount];

// Binary search of PpdKeywordTable for the zero-terminated token.
PpdKeywordCode LookUpPpdKeyword(const char16_t* token);

// Orders two zero-terminated texts by their code units as unsigned numbers;
// a text that is a prefix of the other is the smaller. <0, 0 or >0.
int CompareTexts(const char16_t* left, const char16_t* right);

}  // namespace marlow
