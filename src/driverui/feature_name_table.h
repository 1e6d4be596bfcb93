// The features the plug-in looks after on the document-properties sheet: the
// host's standard items by their public item id, the PPD file's features by
// their main keyword, each with a feature id of our own and a display name.
#pragma once

#include "platform/windows_sdk.h"

namespace marlow {

struct FeatureNameRow {
    LONG lDmPubId;               // the host's DMPubID of a standard item; 0: matched by keyword
    LONG lFeatureId;             // our own number; 0 only in the terminating row
    LONG lStringId;              // string resource of the display name
    const wchar_t* pwszKeyword;  // PPD main keyword, asterisk included
};

constexpr int kFeatureNameRowCount = 28;

// In table order, ended by a row whose every field is zero. What the lookups
// rely on (one row per id, keyword and name; the standard items first) is
// checked where the table is compiled.
extern const FeatureNameRow FeatureNameTable[kFeatureNameRowCount + 1];

// Finds the first row (in table order) for a standard item (dmPubId not 0;
// the keyword is not looked at) or a PPD feature (dmPubId 0, exact keyword),
// and confirms that its display name loads from hModule's string table in
// the language the platform's loader picks. S_OK with *pFeatureId set;
// E_FAIL when no row matches or the name does not load; E_INVALIDARG
// without a module, without both keys, or without pFeatureId.
[[nodiscard]] HRESULT LookUpFeatureName(HMODULE hModule, const wchar_t* pwszKeyword, LONG dmPubId,
                                        LONG* pFeatureId) noexcept;

// The keyword of the first row with this feature id; null when no live row
// has it.
const wchar_t* FindFeatureKeyword(LONG featureId) noexcept;

}  // namespace marlow
