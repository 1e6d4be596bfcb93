#include "ppd/ppd_keyword_table.h"

namespace marlow {

namespace {

// Every keyword but the empty one begins with an asterisk, and the rows
// that share their second unit stand together. Per second unit below 0x80,
// the first row whose second unit is that or greater; rows 1 to 21 only.
struct SecondUnitStarts {
    std::int32_t rows[0x81];
};

constexpr SecondUnitStarts FindSecondUnitStarts() {
    SecondUnitStarts starts{};
    for (int unit = 0; unit <= 0x80; ++unit) {
        std::int32_t row = 1;
        while (row < kPpdKeywordCount && PpdKeywordTable[row].wszKeyword[1] < unit) {
            ++row;
        }
        starts.rows[unit] = row;
    }
    return starts;
}

constexpr bool DoAllKeywordsButTheEmptyOneBeginWithAnAsterisk() {
    if (PpdKeywordTable[0].wszKeyword[0] != 0 || PpdKeywordTable[0].code != kPpdUnknown) {
        return false;
    }
    for (std::int32_t row = 1; row < kPpdKeywordCount; ++row) {
        if (PpdKeywordTable[row].wszKeyword[0] != u'*' ||
            PpdKeywordTable[row].wszKeyword[1] >= 0x80) {
            return false;
        }
    }
    return true;
}

static_assert(DoAllKeywordsButTheEmptyOneBeginWithAnAsterisk(),
              "the search bounds assume an asterisk and an ASCII unit after it");

inline constexpr SecondUnitStarts kSecondUnitStarts = FindSecondUnitStarts();

}  // namespace

// The binary search runs between the rows that can hold the token: none for
// a token without a leading asterisk (the empty one has code 0 like any
// unknown token), else those that share its second unit.
PpdKeywordCode LookUpPpdKeyword(const char16_t* token) {
    if (token[0] != u'*' || token[1] >= 0x80) {
        return kPpdUnknown;
    }
    std::int32_t low = kSecondUnitStarts.rows[token[1]] - 1;
    std::int32_t high = kSecondUnitStarts.rows[token[1] + 1];
    while (high - low > 1) {
        const std::int32_t mid = (low + high) / 2;
        const int order = CompareTexts(PpdKeywordTable[mid].wszKeyword, token);
        if (order < 0) {
            low = mid;
        } else if (order > 0) {
            high = mid;
        } else {
            return PpdKeywordTable[mid].code;
        }
    }
    return kPpdUnknown;
}

}  // namespace marlow
