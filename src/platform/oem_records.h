// Records and constants of the PostScript driver's plug-in contract that the
// toolchain's headers do not declare (the driver kit's printoem.h). Field
// orders, sizes and values are those the driver uses; the static_asserts pin
// them for both widths.
#pragma once

#include "platform/windows_sdk.h"

#include <cstddef>

// --- OEMUIOBJ: opaque to plug-ins, handed back to the driver unchanged ------

typedef BOOL(APIENTRY* PFN_DrvGetDriverSetting)(PVOID pdriverobj, PCSTR Feature, PVOID pOutput,
                                                DWORD cbSize, PDWORD pcbNeeded,
                                                PDWORD pdwOptionsReturned);
typedef BOOL(APIENTRY* PFN_DrvUpdateUISetting)(PVOID pdriverobj, PVOID pOptItem,
                                               DWORD dwPreviousSelection, DWORD dwMode);

typedef struct _OEMUIPROCS {
    PFN_DrvGetDriverSetting DrvGetDriverSetting;
    PFN_DrvUpdateUISetting DrvUpdateUISetting;
} OEMUIPROCS, *POEMUIPROCS;

typedef struct _OEMUIOBJ {
    DWORD cbSize;
    POEMUIPROCS pOemUIProcs;
} OEMUIOBJ, *POEMUIOBJ;

// --- OEMCUIPPARAM: the record of CommonUIProp -------------------------------

struct _OEMCUIPPARAM;
typedef LONG(APIENTRY* OEMCUIPCALLBACK)(PCPSUICBPARAM pCallbackParam,
                                        struct _OEMCUIPPARAM* pOemCUIPParam);

typedef struct _OEMCUIPPARAM {
    DWORD cbSize;
    POEMUIOBJ poemuiobj;
    HANDLE hPrinter;
    PWSTR pPrinterName;
    HANDLE hModule;
    HANDLE hOEMHeap;
    PDEVMODEW pPublicDM;
    PVOID pOEMDM;
    DWORD dwFlags;
    POPTITEM pDrvOptItems;
    DWORD cDrvOptItems;
    POPTITEM pOEMOptItems;
    DWORD cOEMOptItems;
    PVOID pOEMUserData;
    OEMCUIPCALLBACK OEMCUIPCallback;
} OEMCUIPPARAM, *POEMCUIPPARAM;

// --- OEMDMPARAM: the record of DevMode ---------------------------------------

typedef struct _OEMDMPARAM {
    DWORD cbSize;
    PVOID pdriverobj;
    HANDLE hPrinter;
    HANDLE hModule;
    PDEVMODEW pPublicDMIn;
    PDEVMODEW pPublicDMOut;
    PVOID pOEMDMIn;
    PVOID pOEMDMOut;
    DWORD cbBufSize;
} OEMDMPARAM, *POEMDMPARAM;

// --- OEM_DMEXTRAHEADER: starts every plug-in's private section ---------------

typedef struct _OEM_DMEXTRAHEADER {
    DWORD dwSize;
    DWORD dwSignature;
    DWORD dwVersion;
} OEM_DMEXTRAHEADER, *POEM_DMEXTRAHEADER;

// --- USERDATA: what OPTITEM.UserData of the driver's own items points to ----

typedef struct _USERDATA {
    DWORD dwSize;
    ULONG_PTR dwItemID;
    PSTR pKeyWordName;
    DWORD dwReserved[8];
} USERDATA, *PUSERDATA;

// --- OEMUIPSPARAM: PROPSHEETUI_INFO.lParamInit of the property-sheet calls ---

typedef struct _OEMUIPSPARAM {
    DWORD cbSize;
    POEMUIOBJ poemuiobj;
    HANDLE hPrinter;
    PWSTR pPrinterName;
    HANDLE hModule;
    HANDLE hOEMHeap;
    PDEVMODEW pPublicDM;
    PVOID pOEMDM;
    PVOID pOEMUserData;
    DWORD dwFlags;
    PVOID pOemEntry;
} OEMUIPSPARAM, *POEMUIPSPARAM;

// --- DEVQUERYPRINT_INFO (absent from mingw's winddiui.h; the SDK has it) ----

#if defined(__MINGW32__)
typedef struct _DEVQUERYPRINT_INFO {
    WORD cbSize;
    WORD Level;
    HANDLE hPrinter;
    DEVMODEW* pDevMode;
    LPWSTR pszErrorStr;
    DWORD cchErrorStr;
    DWORD cchNeeded;
} DEVQUERYPRINT_INFO, *PDEVQUERYPRINT_INFO;
#endif

// --- Constants -------------------------------------------------------------

constexpr DWORD OEMGI_GETSIGNATURE = 1;
constexpr DWORD OEMGI_GETINTERFACEVERSION = 2;
constexpr DWORD OEMGI_GETVERSION = 3;
constexpr DWORD OEMGI_GETPUBLISHERINFO = 4;
constexpr DWORD OEMGI_GETREQUESTEDHELPERINTERFACES = 5;
constexpr DWORD PRINTER_OEMINTF_VERSION = 0x00010000;

constexpr DWORD OEMDM_SIZE = 1;
constexpr DWORD OEMDM_DEFAULT = 2;
constexpr DWORD OEMDM_CONVERT = 3;
constexpr DWORD OEMDM_MERGE = 4;

constexpr DWORD OEMCUIP_DOCPROP = 1;
constexpr DWORD OEMCUIP_PRNPROP = 2;

constexpr DWORD OEMPUBLISH_DEFAULT = 0;
constexpr DWORD OEMPUBLISH_IPRINTCOREHELPER = 1;

// --- Layouts, pinned for both widths -----------------------------------------

#if defined(_WIN64)
#define MARLOW_ABI(x86, x64) (x64)
#else
#define MARLOW_ABI(x86, x64) (x86)
#endif

static_assert(sizeof(OEMUIOBJ) == MARLOW_ABI(8, 16), "OEMUIOBJ size");
static_assert(sizeof(OEMCUIPPARAM) == MARLOW_ABI(60, 120), "OEMCUIPPARAM size");
static_assert(offsetof(OEMCUIPPARAM, hModule) == MARLOW_ABI(16, 32), "OEMCUIPPARAM.hModule");
static_assert(offsetof(OEMCUIPPARAM, pOEMDM) == MARLOW_ABI(28, 56), "OEMCUIPPARAM.pOEMDM");
static_assert(offsetof(OEMCUIPPARAM, dwFlags) == MARLOW_ABI(32, 64), "OEMCUIPPARAM.dwFlags");
static_assert(offsetof(OEMCUIPPARAM, pDrvOptItems) == MARLOW_ABI(36, 72), "OEMCUIPPARAM.pDrvOptItems");
static_assert(offsetof(OEMCUIPPARAM, cDrvOptItems) == MARLOW_ABI(40, 80), "OEMCUIPPARAM.cDrvOptItems");
static_assert(offsetof(OEMCUIPPARAM, cOEMOptItems) == MARLOW_ABI(48, 96), "OEMCUIPPARAM.cOEMOptItems");
static_assert(offsetof(OEMCUIPPARAM, pOEMUserData) == MARLOW_ABI(52, 104), "OEMCUIPPARAM.pOEMUserData");
static_assert(offsetof(OEMCUIPPARAM, OEMCUIPCallback) == MARLOW_ABI(56, 112), "OEMCUIPPARAM.OEMCUIPCallback");
static_assert(sizeof(OEMDMPARAM) == MARLOW_ABI(36, 72), "OEMDMPARAM size");
static_assert(offsetof(OEMDMPARAM, pOEMDMIn) == MARLOW_ABI(24, 48), "OEMDMPARAM.pOEMDMIn");
static_assert(offsetof(OEMDMPARAM, cbBufSize) == MARLOW_ABI(32, 64), "OEMDMPARAM.cbBufSize");
static_assert(sizeof(OEM_DMEXTRAHEADER) == 12, "OEM_DMEXTRAHEADER size");
static_assert(sizeof(USERDATA) == MARLOW_ABI(44, 56), "USERDATA size");
static_assert(offsetof(USERDATA, pKeyWordName) == MARLOW_ABI(8, 16), "USERDATA.pKeyWordName");
static_assert(sizeof(OEMUIPSPARAM) == MARLOW_ABI(44, 88), "OEMUIPSPARAM size");
static_assert(offsetof(OEMUIPSPARAM, pOEMUserData) == MARLOW_ABI(32, 64), "OEMUIPSPARAM.pOEMUserData");
static_assert(sizeof(DEVQUERYPRINT_INFO) == MARLOW_ABI(24, 40), "DEVQUERYPRINT_INFO size");

// The toolchain's own records that the plug-in relies on.
static_assert(sizeof(OPTPARAM) == MARLOW_ABI(24, 48), "OPTPARAM size");
static_assert(sizeof(OPTTYPE) == MARLOW_ABI(32, 48), "OPTTYPE size");
static_assert(offsetof(OPTTYPE, pOptParam) == 8, "OPTTYPE.pOptParam");
static_assert(sizeof(OPTITEM) == MARLOW_ABI(52, 88), "OPTITEM size");
static_assert(offsetof(OPTITEM, UserData) == 8, "OPTITEM.UserData");
static_assert(offsetof(OPTITEM, pName) == MARLOW_ABI(12, 16), "OPTITEM.pName");
static_assert(offsetof(OPTITEM, Sel) == MARLOW_ABI(16, 24), "OPTITEM.Sel");
static_assert(offsetof(OPTITEM, pOptType) == MARLOW_ABI(24, 40), "OPTITEM.pOptType");
static_assert(offsetof(OPTITEM, DMPubID) == MARLOW_ABI(32, 52), "OPTITEM.DMPubID");
static_assert(sizeof(CPSUICBPARAM) == MARLOW_ABI(32, 64), "CPSUICBPARAM size");
static_assert(offsetof(CPSUICBPARAM, pCurItem) == MARLOW_ABI(16, 32), "CPSUICBPARAM.pCurItem");
static_assert(sizeof(PROPSHEETUI_INFO) == MARLOW_ABI(28, 48), "PROPSHEETUI_INFO size");
static_assert(offsetof(PROPSHEETUI_INFO, lParamInit) == MARLOW_ABI(16, 24), "PROPSHEETUI_INFO.lParamInit");
static_assert(sizeof(PROPSHEETUI_INFO_HEADER) == MARLOW_ABI(20, 40), "PROPSHEETUI_INFO_HEADER size");
static_assert(sizeof(SETRESULT_INFO) == MARLOW_ABI(12, 24), "SETRESULT_INFO size");
static_assert(sizeof(DEVMODEW) == 220, "DEVMODEW size");
