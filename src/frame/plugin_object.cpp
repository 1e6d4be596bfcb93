#include "frame/plugin_object.h"

#include "driverui/common_ui_prop.h"
#include "driverui/property_pages.h"
#include "frame/boundary_guard.h"
#include "frame/devmode_request.h"
#include "frame/module_state.h"
#include "frame/private_devmode.h"
#include "ppd/ppd_model.h"

#include <new>

namespace marlow {

constexpr DWORD kPluginVersion = 2;

PluginObject::PluginObject() { CountObjectCreated(); }

PluginObject::~PluginObject() {
    // The host's interface goes first, then our model; the members are empty
    // by the time they are destroyed.
    context_.pDriverUI.Reset();
    context_.pPpdModel.reset();
    CountObjectDestroyed();
}

HRESULT PluginObject::Create(REFIID riid, void** ppv) {
    auto* object = new (std::nothrow) PluginObject();
    if (object == nullptr) {
        if (ppv != nullptr) {
            *ppv = nullptr;
        }
        return E_OUTOFMEMORY;
    }
    const HRESULT hr = object->QueryInterface(riid, ppv);
    object->Release();
    return hr;
}

HRESULT PluginObject::QueryInterface(REFIID riid, void** ppv) {
    if (ppv == nullptr) {
        return E_POINTER;
    }
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IPrintOemUI2)) {
        *ppv = static_cast<IPrintOemUI2*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

ULONG PluginObject::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&refCount_)); }

ULONG PluginObject::Release() {
    const LONG remaining = InterlockedDecrement(&refCount_);
    if (remaining == 0) {
        delete this;
        return 0;
    }
    return static_cast<ULONG>(remaining);
}

HRESULT PluginObject::GetInfo(DWORD dwMode, PVOID pBuffer, DWORD cbSize, PDWORD pcbNeeded) {
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

HRESULT PluginObject::DevMode(DWORD dwMode, POEMDMPARAM pOemDMParam) {
    return CallGuardedHr([&] { return HandleDevModeRequest(dwMode, pOemDMParam); });
}

HRESULT PluginObject::PublishDriverInterface(IUnknown* pIUnknown) {
    // The first interface that yields IPrintOemDriverUI stays for the
    // object's whole life; later offers are not even asked.
    if (context_.pDriverUI) {
        return S_OK;
    }
    if (pIUnknown == nullptr) {
        return E_FAIL;
    }
    IPrintOemDriverUI* driverUI = nullptr;
    const HRESULT hr =
        pIUnknown->QueryInterface(IID_IPrintOemDriverUI, reinterpret_cast<void**>(&driverUI));
    if (FAILED(hr) || driverUI == nullptr) {
        // Whatever a failing QueryInterface left behind is not a reference.
        return E_FAIL;
    }
    context_.pDriverUI.Attach(driverUI);
    return S_OK;
}

HRESULT PluginObject::CommonUIProp(DWORD dwMode, POEMCUIPPARAM pOemCUIPParam) {
    // Nothing here reports a failure to the host: a failed step leaves its
    // items as they were.
    return CallGuarded(S_OK, [&] { return marlow::CommonUIProp(context_, dwMode, pOemCUIPParam); });
}

HRESULT PluginObject::DocumentPropertySheets(PPROPSHEETUI_INFO pPSUIInfo, LPARAM lParam) {
    return CallGuardedHr(
        [&] { return marlow::DocumentPropertySheets(context_, pPSUIInfo, lParam); });
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
