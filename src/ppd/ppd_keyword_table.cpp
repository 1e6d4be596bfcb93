#include "ppd/ppd_keyword_table.h"

namespace marlow {

const PpdKeywordRow PpdKeywordTable[kPpdKeywordCount] = {
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

int CompareTexts(const char16_t* left, const char16_t* right) {
    while (*left != 0 && *left == *right) {
        ++left;
        ++right;
    }
    // char16_t promotes to int without a sign, so this orders the units as
    // unsigned numbers, and the zero that ends the shorter text sorts first.
    return static_cast<int>(*left) - static_cast<int>(*right);
}

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
