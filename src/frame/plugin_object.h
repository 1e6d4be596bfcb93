// The plug-in object the host creates through the class factory and calls
// through IPrintOemUI2. Each object serves one property sheet and keeps that
// sheet's state in its PluginContext.
#pragma once

#include "core/plugin_context.h"
#include "frame/object_counts.h"
#include "platform/com_object.h"
#include "platform/oem_interfaces.h"

namespace marlow {

// Plug-in objects live on the heap and count in the live object count.
struct CountedHeapObject {
    static constexpr bool kDeleteAtZero = true;
    static void Created() noexcept { CountObjectCreated(); }
    static void Destroyed() noexcept { CountObjectDestroyed(); }
};

class PluginObject final : public ComObject<PluginObject, IPrintOemUI2, CountedHeapObject> {
public:
    // IUnknown and IPrintOemUI2 only: not the older IPrintOemUI or
    // IPrintOemCommon.
    static bool ServesInterface(REFIID riid) noexcept { return IsEqualIID(riid, IID_IPrintOemUI2) != 0; }

    PluginContext& Context() { return context_; }

    // IPrintOemCommon
    HRESULT STDMETHODCALLTYPE GetInfo(DWORD dwMode, PVOID pBuffer, DWORD cbSize,
                                      PDWORD pcbNeeded) override;
    HRESULT STDMETHODCALLTYPE DevMode(DWORD dwMode, POEMDMPARAM pOemDMParam) override;

    // IPrintOemUI
    HRESULT STDMETHODCALLTYPE PublishDriverInterface(IUnknown* pIUnknown) override;
    HRESULT STDMETHODCALLTYPE CommonUIProp(DWORD dwMode, POEMCUIPPARAM pOemCUIPParam) override;
    HRESULT STDMETHODCALLTYPE DocumentPropertySheets(PPROPSHEETUI_INFO pPSUIInfo,
                                                     LPARAM lParam) override;
    HRESULT STDMETHODCALLTYPE DevicePropertySheets(PPROPSHEETUI_INFO pPSUIInfo,
                                                   LPARAM lParam) override;
    HRESULT STDMETHODCALLTYPE DevQueryPrintEx(POEMUIOBJ poemuiobj, PDEVQUERYPRINT_INFO pDQPInfo,
                                              PDEVMODEW pPublicDM, PVOID pOEMDM) override;
    HRESULT STDMETHODCALLTYPE DeviceCapabilities(POEMUIOBJ poemuiobj, HANDLE hPrinter,
                                                 PWSTR pDeviceName, WORD wCapability,
                                                 PVOID pOutput, PDEVMODEW pPublicDM,
                                                 PVOID pOEMDM, DWORD dwOld,
                                                 DWORD* dwResult) override;
    HRESULT STDMETHODCALLTYPE UpgradePrinter(DWORD dwLevel, PBYTE pDriverUpgradeInfo) override;
    HRESULT STDMETHODCALLTYPE PrinterEvent(PWSTR pPrinterName, INT iDriverEvent, DWORD dwFlags,
                                           LPARAM lParam) override;
    HRESULT STDMETHODCALLTYPE DriverEvent(DWORD dwDriverEvent, DWORD dwLevel, LPBYTE pDriverInfo,
                                          LPARAM lParam) override;
    HRESULT STDMETHODCALLTYPE QueryColorProfile(HANDLE hPrinter, POEMUIOBJ poemuiobj,
                                                PDEVMODEW pPublicDM, PVOID pOEMDM,
                                                ULONG ulQueryMode, VOID* pvProfileData,
                                                ULONG* pcbProfileData,
                                                FLONG* pflProfileData) override;
    HRESULT STDMETHODCALLTYPE FontInstallerDlgProc(HWND hWnd, UINT usMsg, WPARAM wParam,
                                                   LPARAM lParam) override;
    HRESULT STDMETHODCALLTYPE UpdateExternalFonts(HANDLE hPrinter, HANDLE hHeap,
                                                  PWSTR pwstrCartridges) override;

    // IPrintOemUI2
    HRESULT STDMETHODCALLTYPE QueryJobAttributes(HANDLE hPrinter, PDEVMODEW pDevmode,
                                                 DWORD dwLevel, LPBYTE lpAttributeInfo) override;
    HRESULT STDMETHODCALLTYPE HideStandardUI(DWORD dwMode) override;
    HRESULT STDMETHODCALLTYPE DocumentEvent(HANDLE hPrinter, HDC hdc, INT iEsc, ULONG cbIn,
                                            PVOID pvIn, ULONG cbOut, PVOID pvOut,
                                            PINT piResult) override;

private:
    friend ComObject;
    PluginObject() = default;
    ~PluginObject();

    // PublishDriverInterface inside its boundary guard.
    HRESULT KeepDriverInterface(IUnknown* pIUnknown);

    PluginContext context_;
};

}  // namespace marlow
