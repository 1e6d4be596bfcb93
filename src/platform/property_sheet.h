// Property-sheet declarations that this toolchain's headers lack or get wrong.
#pragma once

#include "platform/oem_records.h"

// The version-4 page record (the header bitmap member was added with
// platform 6.0). mingw's prsht.h stops at version 3; the SDK's has it for
// platform 6.0 targets.
#if !defined(PROPSHEETPAGEW_V4_SIZE)
struct PROPSHEETPAGEW_V4 {
    DWORD dwSize;
    DWORD dwFlags;
    HINSTANCE hInstance;
    union {
        LPCWSTR pszTemplate;
        PROPSHEETPAGE_RESOURCE pResource;
    };
    union {
        HICON hIcon;
        LPCWSTR pszIcon;
    };
    LPCWSTR pszTitle;
    DLGPROC pfnDlgProc;
    LPARAM lParam;
    LPFNPSPCALLBACKW pfnCallback;
    UINT* pcRefParent;
    LPCWSTR pszHeaderTitle;
    LPCWSTR pszHeaderSubTitle;
    HANDLE hActCtx;
    union {
        HBITMAP hbmHeader;
        LPCWSTR pszbmHeader;
    };
};
#endif

constexpr UINT kPropSheetPageV3Size = MARLOW_ABI(52, 96);
constexpr UINT kPropSheetPageV4Size = MARLOW_ABI(56, 104);
static_assert(sizeof(PROPSHEETPAGEW_V3) == kPropSheetPageV3Size, "PROPSHEETPAGEW_V3 size");
static_assert(sizeof(PROPSHEETPAGEW_V4) == kPropSheetPageV4Size, "PROPSHEETPAGEW_V4 size");
static_assert(offsetof(PROPSHEETPAGEW_V4, hActCtx) == offsetof(PROPSHEETPAGEW_V3, hActCtx),
              "the version-4 record extends version 3");

// The page record of the platform generation we build for: version 4 from
// platform 6.0 on, version 3 before.
#if NTDDI_VERSION >= 0x06000000
typedef PROPSHEETPAGEW_V4 MARLOW_PROPSHEETPAGEW;
#else
typedef PROPSHEETPAGEW_V3 MARLOW_PROPSHEETPAGEW;
#endif

// The sheet function handed to CommonPropertySheetUIW and
// CPSFUNC_ADD_PFNPROPSHEETUIW is stdcall on x86; this toolchain's compstui.h
// declares it without a calling convention.
typedef LONG(CALLBACK* PFNPROPSHEETUI_STDCALL)(PPROPSHEETUI_INFO pPSUIInfo, LPARAM lParam);
typedef LONG(APIENTRY* PFN_CommonPropertySheetUIW)(HWND hWndOwner,
                                                   PFNPROPSHEETUI_STDCALL pfnPropSheetUI,
                                                   LPARAM lParam, LPDWORD pResult);

// PROPSHEETUI_REASON_BEFORE_INIT (Windows 8 and later) is missing here too.
constexpr UINT MARLOW_PROPSHEETUI_REASON_BEFORE_INIT = 5;
