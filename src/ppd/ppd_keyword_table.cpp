#include "ppd/ppd_keyword_table.h"

namespace marlow {

PpdKeywordCode LookUpPpdKeyword(const char16_t* token) {
    std::int32_t low = -1;
    std::int32_t high = kPpdKeywordCount;
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
