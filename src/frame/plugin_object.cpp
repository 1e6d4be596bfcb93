#include "frame/plugin_object.h"

#include "core/boundary_guard.h"
#include "devmode/private_devmode.h"
#include "driverui/host_item_adjustment.h"
#include "driverui/property_pages.h"
#include "frame/devmode_request.h"
#include "ppd/ppd_model.h"

#include <utility>

namespace marlow {

constexpr DWORD kPluginVersion = 2;

PluginObject::~PluginObject() {
    // The host's interface goes first, then our model; the members are empty
    // by the time they are destroyed.
    context_.pDriverUI.Reset();
    context_.pPpdModel.reset();
}

namespace {

HRESULT AnswerInfoRequest(DWORD dwMode, PVOID pBuffer, DWORD cbSize, PDWORD pcbNeeded) noexcept {
    if (pcbNeeded == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return E_FAIL;
    }
    *pcbNeeded = sizeof(DWORD);
    if (cbSize < sizeof(DWORD) || pBuffer == nullptr) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return E_FAIL;
    }
    DWORD answer = 0;
    switch (dwMode) {
    case OEMGI_GETSIGNATURE:
        answer = PRIVATE_DEVMODE_SIGNATURE;
        break;
    case OEMGI_GETVERSION:
        answer = kPluginVersion;
        break;
    default:
        *pcbNeeded = 0;
        SetLastError(ERROR_NOT_SUPPORTED);
        return E_FAIL;
    }
    CopyMemory(pBuffer, &answer, sizeof(answer));  // the host's buffer need not be aligned
    return S_OK;
}

}  // namespace

HRESULT PluginObject::GetInfo(DWORD dwMode, PVOID pBuffer, DWORD cbSize, PDWORD pcbNeeded) {
    return CallGuardedHr([&] { return AnswerInfoRequest(dwMode, pBuffer, cbSize, pcbNeeded); });
}

HRESULT PluginObject::DevMode(DWORD dwMode, POEMDMPARAM pOemDMParam) {
    return CallGuardedHr([&] { return HandleDevModeRequest(dwMode, pOemDMParam); });
}

HRESULT PluginObject::PublishDriverInterface(IUnknown* pIUnknown) {
    return CallGuardedHr([&] { return KeepDriverInterface(pIUnknown); });
}

HRESULT PluginObject::KeepDriverInterface(IUnknown* pIUnknown) {
    // The first interface that yields IPrintOemDriverUI stays for the
    // object's whole life; later offers are not even asked.
    if (context_.pDriverUI) {
        return S_OK;
    }
    if (pIUnknown == nullptr) {
        return E_FAIL;
    }
    ComRef<IPrintOemDriverUI> driverUI;
    const HRESULT hr = pIUnknown->QueryInterface(IID_IPrintOemDriverUI, driverUI.PutVoid());
    if (FAILED(hr) || !driverUI) {
        // Whatever a failing QueryInterface left behind is not a reference.
        static_cast<void>(driverUI.Detach());
        return E_FAIL;
    }
    context_.pDriverUI = std::move(driverUI);
    return S_OK;
}

HRESULT PluginObject::CommonUIProp(DWORD dwMode, POEMCUIPPARAM pOemCUIPParam) {
    // Nothing here reports a failure to the host, an escaping exception
    // included. Every change the adjustment makes is complete on its own (a
    // flag bit set on one item, the callback registered), so an adjustment
    // cut short still leaves items the host can show as they stand; the
    // plug-in's part is then only missing, for that call, where it failed.
    // A failure code would give the host nothing to act on but the choice to
    // drop its sheet; S_OK lets it go on with its items.
    return CallGuarded(S_OK, [&] { return AdjustHostItems(context_, dwMode, pOemCUIPParam); });
}

HRESULT PluginObject::DocumentPropertySheets(PPROPSHEETUI_INFO pPSUIInfo, LPARAM lParam) {
    return CallGuardedHr([&] { return AnswerDocumentSheetRequest(context_, pPSUIInfo, lParam); });
}

// The methods below are not implemented: they touch neither their arguments
// nor any state. HideStandardUI in particular keeps the host's standard
// pages; the plug-in hides single items instead.

HRESULT PluginObject::DevicePropertySheets(PPROPSHEETUI_INFO, LPARAM) { return E_NOTIMPL; }

HRESULT PluginObject::DevQueryPrintEx(POEMUIOBJ, PDEVQUERYPRINT_INFO, PDEVMODEW, PVOID) {
    return E_NOTIMPL;
}

HRESULT PluginObject::DeviceCapabilities(POEMUIOBJ, HANDLE, PWSTR, WORD, PVOID, PDEVMODEW, PVOID,
                                         DWORD, DWORD*) {
    return E_NOTIMPL;
}

HRESULT PluginObject::UpgradePrinter(DWORD, PBYTE) { return E_NOTIMPL; }

HRESULT PluginObject::PrinterEvent(PWSTR, INT, DWORD, LPARAM) { return E_NOTIMPL; }

HRESULT PluginObject::DriverEvent(DWORD, DWORD, LPBYTE, LPARAM) { return E_NOTIMPL; }

HRESULT PluginObject::QueryColorProfile(HANDLE, POEMUIOBJ, PDEVMODEW, PVOID, ULONG, VOID*, ULONG*,
                                        FLONG*) {
    return E_NOTIMPL;
}

HRESULT PluginObject::FontInstallerDlgProc(HWND, UINT, WPARAM, LPARAM) { return E_NOTIMPL; }

HRESULT PluginObject::UpdateExternalFonts(HANDLE, HANDLE, PWSTR) { return E_NOTIMPL; }

HRESULT PluginObject::QueryJobAttributes(HANDLE, PDEVMODEW, DWORD, LPBYTE) { return E_NOTIMPL; }

HRESULT PluginObject::HideStandardUI(DWORD) { return E_NOTIMPL; }

HRESULT PluginObject::DocumentEvent(HANDLE, HDC, INT, ULONG, PVOID, ULONG, PVOID, PINT) {
    return E_NOTIMPL;
}

}  // namespace marlow
