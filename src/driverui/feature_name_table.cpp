#include "driverui/feature_name_table.h"

#include <cwchar>

#include "ppd/ppd_looked_after_features.h"
#include "res/resource_ids.h"

namespace marlow {

// The table order is not the order of the string ids (the page size uses
// 10007, duplex 10025): every walk goes by the table.
constexpr FeatureNameRow FeatureNameTable[kFeatureNameRowCount + 1] = {
    {DMPUB_DEFSOURCE, 1, IDS_FEATURE_INPUT_SLOT, L"*InputSlot"},
    {DMPUB_PRINTQUALITY, 2, IDS_FEATURE_RESOLUTION, L"*Resolution"},
    {DMPUB_MEDIATYPE, 3, IDS_FEATURE_MEDIA_TYPE, L"*MediaType"},
    {DMPUB_FORMNAME, 4, IDS_FEATURE_PAGE_SIZE, L"*PageSize"},
    {DMPUB_DUPLEX, 5, IDS_FEATURE_DUPLEX, L"*Duplex"},
    // Installable options.
    {0, 32, IDS_FEATURE_INSTALLED_MEMORY, L"*InstalledMemory"},
    {0, 33, IDS_FEATURE_TRAY_UNIT, L"*QVTrayUnit"},
    {0, 34, IDS_FEATURE_DUPLEX_UNIT, L"*QVDuplexOption"},
    {0, 35, IDS_FEATURE_STACKER_UNIT, L"*QVStackerOption"},
    {0, 36, IDS_FEATURE_COMPACT_FLASH, L"*QVCompactFlash"},
    // The printer's own features.
    {0, 64, IDS_FEATURE_SCREENS, L"*QVScreens"},
    {0, 65, IDS_FEATURE_PURE_BLACK, L"*QVPureBlack"},
    {0, 66, IDS_FEATURE_SHARPLINE, L"*QVSharpline"},
    {0, 67, IDS_FEATURE_TONER_SAVE, L"*QVToner"},
    {0, 68, IDS_FEATURE_IMAGE_PROTECT, L"*QVImageProtect"},
    {0, 69, IDS_FEATURE_COLOR_MODE, L"*QVRendering"},
    {0, 70, IDS_FEATURE_PRESS_SIMULATION, L"*QVPressSimulation"},
    {0, 71, IDS_FEATURE_SIMULATION_METHOD, L"*QVCMYKMethod"},
    {0, 72, IDS_FEATURE_RGB_SOURCE, L"*QVRGBSource"},
    {0, 73, IDS_FEATURE_RENDERING_INTENT, L"*QVRGBIntent"},
    {0, 74, IDS_FEATURE_SEPARATIONS, L"*QVSeparations"},
    {0, 75, IDS_FEATURE_OUTPUT_BIN, L"*OutputBin"},
    {0, 76, IDS_FEATURE_DENSITY, L"*QVDensity"},
    {0, 77, IDS_FEATURE_ROTATE_180, L"*QVRotate180Degrees"},
    {0, 78, IDS_FEATURE_OUTPUT_DIRECTION, L"*QVRotate90Degrees"},
    {0, 79, IDS_FEATURE_START_PAGE, L"*QVStartSide"},
    {0, 80, IDS_FEATURE_AUTO_MONO, L"*QVAutoMonoMode"},
    {0, 81, IDS_FEATURE_OUTPUT, L"*QVOUTPUTID"},
    {0, 0, 0, nullptr},
};

// What the lookups rely on, checked when the table is compiled.
namespace table_checks {

constexpr bool SameText(const wchar_t* a, const wchar_t* b) {
    for (; *a != L'\0' && *a == *b; ++a, ++b) {
    }
    return *a == *b;
}

constexpr const FeatureNameRow* Rows() { return FeatureNameTable; }

// Only the last row ends the table, and it is all zero.
constexpr bool EndsWithTheOnlyZeroRow() {
    const FeatureNameRow& end = Rows()[kFeatureNameRowCount];
    if (end.lDmPubId != 0 || end.lFeatureId != 0 || end.lStringId != 0 || end.pwszKeyword != nullptr) {
        return false;
    }
    for (int i = 0; i < kFeatureNameRowCount; ++i) {
        if (Rows()[i].lFeatureId == 0 || Rows()[i].pwszKeyword == nullptr) return false;
    }
    return true;
}

// Feature ids, keywords and display names each name one row.
constexpr bool RowsAreDistinct() {
    for (int i = 0; i < kFeatureNameRowCount; ++i) {
        for (int k = i + 1; k < kFeatureNameRowCount; ++k) {
            const FeatureNameRow& a = Rows()[i];
            const FeatureNameRow& b = Rows()[k];
            if (a.lFeatureId == b.lFeatureId || a.lStringId == b.lStringId ||
                SameText(a.pwszKeyword, b.pwszKeyword) ||
                (a.lDmPubId != 0 && a.lDmPubId == b.lDmPubId)) {
                return false;
            }
        }
    }
    return true;
}

// Keywords as the model keeps them, with the asterisk; display names among
// the features' strings.
constexpr bool RowsAreWellFormed() {
    for (int i = 0; i < kFeatureNameRowCount; ++i) {
        const FeatureNameRow& row = Rows()[i];
        if (row.pwszKeyword[0] != L'*' || row.pwszKeyword[1] == L'\0') return false;
        if (row.lStringId < IDS_FEATURE_INPUT_SLOT || row.lStringId > IDS_FEATURE_COMPACT_FLASH) return false;
    }
    return true;
}

// The five standard items, which are looked up by DMPubID, come first.
constexpr int CountLeadingStandardRows() {
    int count = 0;
    while (count < kFeatureNameRowCount && Rows()[count].lDmPubId != 0) ++count;
    for (int i = count; i < kFeatureNameRowCount; ++i) {
        if (Rows()[i].lDmPubId != 0) return -1;
    }
    return count;
}

// The portable list of the looked-after keywords (for the tools) names the
// same features in the same order.
constexpr bool KeywordsAreThoseOfThePortableList() {
    if (kLookedAfterFeatureCount != kFeatureNameRowCount) return false;
    for (int i = 0; i < kFeatureNameRowCount; ++i) {
        const wchar_t* ours = Rows()[i].pwszKeyword;
        const char16_t* listed = kLookedAfterFeatureKeywords[i];
        for (; *ours != L'\0' && static_cast<char16_t>(*ours) == *listed; ++ours, ++listed) {
        }
        if (static_cast<char16_t>(*ours) != *listed) return false;
    }
    return true;
}

static_assert(EndsWithTheOnlyZeroRow(), "the table ends with its only all-zero row");
static_assert(RowsAreDistinct(), "feature ids, keywords, string ids and DMPubIDs are unique");
static_assert(RowsAreWellFormed(), "keywords start with '*'; names are feature strings");
static_assert(CountLeadingStandardRows() == 5, "the five standard items lead the table");
static_assert(KeywordsAreThoseOfThePortableList(),
              "the keywords are those of kLookedAfterFeatureKeywords, in its order");
static_assert(IDS_FEATURE_COMPACT_FLASH - IDS_FEATURE_INPUT_SLOT + 1 == kFeatureNameRowCount,
              "one display name per row");

}  // namespace table_checks

namespace {

constexpr int kDisplayNameUnits = 256;

bool IsTerminatingRow(const FeatureNameRow& row) { return row.lFeatureId == 0; }

bool RowMatches(const FeatureNameRow& row, const wchar_t* pwszKeyword, LONG dmPubId) {
    if (row.lDmPubId != dmPubId) {
        return false;
    }
    if (dmPubId != 0) {
        return true;
    }
    return pwszKeyword != nullptr && row.pwszKeyword != nullptr &&
           std::wcscmp(row.pwszKeyword, pwszKeyword) == 0;
}

const FeatureNameRow* FindMatchingRow(const wchar_t* pwszKeyword, LONG dmPubId) {
    for (const FeatureNameRow* pRow = FeatureNameTable; !IsTerminatingRow(*pRow); ++pRow) {
        if (RowMatches(*pRow, pwszKeyword, dmPubId)) {
            return pRow;
        }
    }
    return nullptr;
}

bool DisplayNameLoads(HMODULE hModule, LONG stringId) {
    wchar_t wszName[kDisplayNameUnits] = {};
    return LoadStringW(hModule, static_cast<UINT>(stringId), wszName, kDisplayNameUnits) > 0;
}

}  // namespace

HRESULT LookUpFeatureName(HMODULE hModule, const wchar_t* pwszKeyword, LONG dmPubId,
                          LONG* pFeatureId) noexcept {
    if (hModule == nullptr || pFeatureId == nullptr || (pwszKeyword == nullptr && dmPubId == 0)) {
        return E_INVALIDARG;
    }
    const FeatureNameRow* pRow = FindMatchingRow(pwszKeyword, dmPubId);
    if (pRow == nullptr || !DisplayNameLoads(hModule, pRow->lStringId)) {
        return E_FAIL;
    }
    *pFeatureId = pRow->lFeatureId;
    return S_OK;
}

const wchar_t* FindFeatureKeyword(LONG featureId) noexcept {
    if (featureId == 0) {
        return nullptr;
    }
    for (const FeatureNameRow* pRow = FeatureNameTable; !IsTerminatingRow(*pRow); ++pRow) {
        if (pRow->lFeatureId == featureId) {
            return pRow->pwszKeyword;
        }
    }
    return nullptr;
}

}  // namespace marlow
