// The entry points that winspool, compstui and the spooler call on a printer
// driver's configuration module. This module stands in for the platform's
// PostScript driver UI in tests: it drives the plug-in named by the driver's
// configuration file the way that driver does.
#include "host/ui_module/driver_entry_records.h"
#include "host/ui_module/driver_sheet.h"
#include "host/ui_module/installed_plugin.h"
#include "host/ui_module/output_buffer_size.h"

#include "platform/win32_handles.h"

#include <cstdio>
#include <new>

using marlow::host::DocumentSettings;
using marlow::host::DriverSheet;
using marlow::host::InstalledPlugin;

namespace {

constexpr DWORD kDeviceCapabilityFailed = static_cast<DWORD>(-1);
constexpr DWORD kMaxCopies = 9999;
constexpr DWORD kLandscapeTurn = 90;

void Trace(const char* what, long a, long b) {
    if (GetEnvironmentVariableW(L"MARLOW_DRVUI_TRACE", nullptr, 0) != 0) {
        std::fprintf(stderr, "drvui: %s %ld %ld\n", what, a, b);
    }
}

LONG AnswerWithoutSheet(const DOCUMENTPROPERTYHEADER* header) {
    if (header == nullptr || header->cbSize < sizeof(DOCUMENTPROPERTYHEADER)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return -1;
    }
    InstalledPlugin plugin(header->hPrinter);
    if (!plugin.IsReady()) {
        SetLastError(ERROR_INVALID_DATA);
        return -1;
    }
    const std::wstring name = header->pszPrinterName != nullptr ? header->pszPrinterName : L"";
    const DocumentSettings settings =
        plugin.MakeSettings(name, (header->fMode & DM_IN_BUFFER) != 0 ? header->pdmIn : nullptr);
    if (header->fMode == 0 || header->pdmOut == nullptr) {
        return static_cast<LONG>(settings.Size());
    }
    if ((header->fMode & DM_OUT_BUFFER) != 0 && !settings.WriteTo(header->pdmOut, marlow::host::GetOutputBufferSize(*header, settings.Size()))) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return -1;
    }
    return CPSUI_OK;
}

void DescribeSheet(PPROPSHEETUI_INFO_HEADER header, bool bDocumentSheet) {
    if (header == nullptr) return;
    header->pTitle = const_cast<LPWSTR>(bDocumentSheet ? L"Document Properties" : L"Printer Properties");
    header->Flags = 0;
    header->IconID = IDI_CPSUI_PRINTER;
}

template <typename Header>
LONG ServeSheet(PPROPSHEETUI_INFO info, LPARAM lParam) {
    Trace("sheet reason", info->Reason, static_cast<long>(lParam));
    auto* sheet = reinterpret_cast<DriverSheet*>(info->UserData);
    switch (info->Reason) {
    case PROPSHEETUI_REASON_INIT: {
        const auto* header = reinterpret_cast<const Header*>(info->lParamInit);
        if (header == nullptr || header->cbSize < sizeof(Header)) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return -1;
        }
        sheet = new (std::nothrow) DriverSheet(*header);
        if (sheet == nullptr || !sheet->AddPages(info)) {
            delete sheet;
            SetLastError(ERROR_INVALID_DATA);
            return -1;
        }
        info->UserData = reinterpret_cast<ULONG_PTR>(sheet);
        info->Result = CPSUI_CANCEL;
        return 1;
    }
    case PROPSHEETUI_REASON_GET_INFO_HEADER:
        DescribeSheet(reinterpret_cast<PPROPSHEETUI_INFO_HEADER>(lParam), sheet == nullptr || sheet->IsDocumentSheet());
        return 1;
    case PROPSHEETUI_REASON_SET_RESULT: {
        const auto* result = reinterpret_cast<const SETRESULT_INFO*>(lParam);
        if (sheet != nullptr && result != nullptr) {
            Trace("set result", static_cast<long>(result->Result), 0);
            if (result->Result == CPSUI_OK && !sheet->Commit()) {
                info->Result = CPSUI_CANCEL;
                return -1;
            }
            info->Result = result->Result;
        }
        return 1;
    }
    case PROPSHEETUI_REASON_DESTROY:
        // Wine's compstui does not turn the pages' CPSFUNC_SET_RESULT into
        // PROPSHEETUI_REASON_SET_RESULT for this function: a sheet that
        // applied hands its settings on here instead.
        if (sheet != nullptr) Trace("destroy, applied", sheet->WasApplied(), static_cast<long>(info->Result));
        if (sheet != nullptr && info->Result != CPSUI_OK && sheet->WasApplied()) {
            info->Result = sheet->Commit() ? CPSUI_OK : CPSUI_CANCEL;
        }
        delete sheet;
        info->UserData = 0;
        return 1;
    default:
        return -1;
    }
}

}  // namespace

extern "C" {

LONG WINAPI DrvDocumentPropertySheets(PPROPSHEETUI_INFO pPSUIInfo, LPARAM lParam) {
    if (pPSUIInfo == nullptr) {
        const auto* header = reinterpret_cast<const DOCUMENTPROPERTYHEADER*>(lParam);
        Trace("document settings, mode", header != nullptr ? static_cast<long>(header->fMode) : -1,
              header != nullptr ? static_cast<long>(header->cbOut) : -1);
        return AnswerWithoutSheet(header);
    }
    return ServeSheet<DOCUMENTPROPERTYHEADER>(pPSUIInfo, lParam);
}

LONG WINAPI DrvDevicePropertySheets(PPROPSHEETUI_INFO pPSUIInfo, LPARAM lParam) {
    if (pPSUIInfo == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return -1;
    }
    return ServeSheet<DEVICEPROPERTYHEADER>(pPSUIInfo, lParam);
}

DWORD WINAPI DrvDeviceCapabilities(HANDLE hPrinter, PWSTR pDeviceName, WORD wCapability, PVOID,
                                                         PDEVMODEW) {
    Trace("device capabilities", wCapability, 0);
    switch (wCapability) {
    case DC_FIELDS: return DM_ORIENTATION | DM_COPIES | DM_COLOR | DM_DUPLEX | DM_COLLATE;
    case DC_SIZE: return sizeof(DEVMODEW);
    case DC_EXTRA: {
        // Wine's DeviceCapabilitiesW hands over no printer handle: the
        // printer is opened by its name then.
        marlow::UniquePrinter opened;
        std::wstring name = pDeviceName != nullptr ? pDeviceName : L"";
        if (hPrinter == nullptr && !name.empty() && !OpenPrinterW(&name[0], opened.Put(), nullptr)) {
            static_cast<void>(opened.Release());
        }
        InstalledPlugin plugin(hPrinter != nullptr ? hPrinter : opened.Get());
        return plugin.IsReady() ? plugin.MakeSettings(L"", nullptr).Size() - sizeof(DEVMODEW)
                                : kDeviceCapabilityFailed;
    }
    case DC_VERSION: return DM_SPECVERSION;
    case DC_DRIVER: return 0x0100;
    case DC_DUPLEX: return 1;
    case DC_COLLATE: return 1;
    case DC_COLORDEVICE: return 1;
    case DC_COPIES: return kMaxCopies;
    case DC_ORIENTATION: return kLandscapeTurn;
    default: return kDeviceCapabilityFailed;
    }
}

// Nothing to set up or clean away when the spooler adds or removes the driver.
WINBOOL WINAPI DrvDriverEvent(DWORD dwDriverEvent, DWORD, LPBYTE, LPARAM) {
    Trace("driver event", static_cast<long>(dwDriverEvent), 0);
    return TRUE;
}

}  // extern "C"
