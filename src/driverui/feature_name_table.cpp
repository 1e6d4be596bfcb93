#include "driverui/feature_name_table.h"

#include <cwchar>

#include "res/resource_ids.h"

namespace marlow {

// The table order is not the order of the string ids (the page size uses
// 10007, duplex 10025): every walk goes by the table.
const FeatureNameRow FeatureNameTable[kFeatureNameRowCount + 1] = {
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
