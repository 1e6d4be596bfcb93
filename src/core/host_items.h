// Safe reading of the host's item records. The host builds them, but the
// plug-in must not crash on one it left incomplete: a null option type,
// parameter array, USERDATA or keyword just means "not there".
#pragma once

#include "platform/oem_records.h"

namespace marlow {

// A pName or pData below 0x10000 is a string resource id, not a text.
inline bool IsResourceId(const void* text) {
    return reinterpret_cast<ULONG_PTR>(text) < 0x10000;
}

// The item's option parameters; null (and a count of 0) when it has none.
inline OPTPARAM* GetOptionParams(const OPTITEM& item, DWORD* pCount) {
    if (item.pOptType == nullptr || item.pOptType->pOptParam == nullptr) {
        *pCount = 0;
        return nullptr;
    }
    *pCount = item.pOptType->Count;
    return item.pOptType->pOptParam;
}

// Whether the item's USERDATA names exactly this 8-bit PPD keyword.
bool HasPpdKeyword(const OPTITEM& item, const char* keyword);

// The host's item array as a range; empty when the pointer is null.
struct HostItemRange {
    OPTITEM* first;
    DWORD count;
    OPTITEM* begin() const { return first; }
    OPTITEM* end() const { return first + count; }
};

inline HostItemRange GetHostItems(const OEMCUIPPARAM& param) {
    if (param.pDrvOptItems == nullptr) {
        return {nullptr, 0};
    }
    return {param.pDrvOptItems, param.cDrvOptItems};
}

}  // namespace marlow
