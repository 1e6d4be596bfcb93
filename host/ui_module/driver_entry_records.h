// The records and constants of the calls that winspool, compstui and the
// spooler make on a printer driver's configuration module, which the
// toolchain's winddiui.h leaves out. Field orders and sizes are the
// platform's; the static_asserts pin them for both widths.
#pragma once

#include "platform/oem_records.h"

// The header of DrvDocumentPropertySheets: lParam when no sheet is asked
// for, PROPSHEETUI_INFO.lParamInit when one is.
typedef struct _DOCUMENTPROPERTYHEADER {
    WORD cbSize;
    WORD Reserved;
    HANDLE hPrinter;
    LPWSTR pszPrinterName;
    PDEVMODEW pdmIn;
    PDEVMODEW pdmOut;
    DWORD cbOut;
    DWORD fMode;
} DOCUMENTPROPERTYHEADER, *PDOCUMENTPROPERTYHEADER;

// The header of DrvDevicePropertySheets (PROPSHEETUI_INFO.lParamInit).
typedef struct _DEVICEPROPERTYHEADER {
    WORD cbSize;
    WORD Flags;
    HANDLE hPrinter;
    LPWSTR pszPrinterName;
} DEVICEPROPERTYHEADER, *PDEVICEPROPERTYHEADER;

static_assert(sizeof(DOCUMENTPROPERTYHEADER) == MARLOW_ABI(28, 48), "DOCUMENTPROPERTYHEADER size");
static_assert(offsetof(DOCUMENTPROPERTYHEADER, pdmOut) == MARLOW_ABI(16, 32), "DOCUMENTPROPERTYHEADER.pdmOut");
static_assert(offsetof(DOCUMENTPROPERTYHEADER, fMode) == MARLOW_ABI(24, 44), "DOCUMENTPROPERTYHEADER.fMode");
static_assert(sizeof(DEVICEPROPERTYHEADER) == MARLOW_ABI(12, 24), "DEVICEPROPERTYHEADER size");
