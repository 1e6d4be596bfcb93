#include "host/compstui_sheet.h"

#include "host/shown_sheet_watch.h"
#include "platform/property_sheet.h"
#include "platform/win32_handles.h"

namespace marlow::host {
namespace {

// What the sheet function needs. The OEMUIPSPARAM comes first, so that
// lParamInit points at a record the plug-in may read.
struct RunState {
    OEMUIPSPARAM param;
    IPrintOemUI2* plugin;
    const CompstuiSheetPlan* plan;
    CompstuiSheetRun* run;
};

thread_local RunState* t_state = nullptr;

LONG CALLBACK ForwardToPlugin(PPROPSHEETUI_INFO pPSUIInfo, LPARAM lParam) {
    RunState* state = t_state;
    if (state == nullptr || pPSUIInfo == nullptr) {
        return -1;
    }
    const WORD reason = pPSUIInfo->Reason;
    const WORD version = pPSUIInfo->Version;
    const CompstuiSheetPlan& plan = *state->plan;
    if (reason == PROPSHEETUI_REASON_INIT) {
        for (const PROPSHEETPAGEW& page : plan.hostPages) {
            pPSUIInfo->pfnComPropSheet(pPSUIInfo->hComPropSheet, CPSFUNC_ADD_PROPSHEETPAGEW,
                                       reinterpret_cast<LPARAM>(&page), 0);
        }
    }
    const HRESULT hr = plan.bPrinterSheet ? state->plugin->DevicePropertySheets(pPSUIInfo, lParam)
                                          : state->plugin->DocumentPropertySheets(pPSUIInfo, lParam);
    state->run->requests.push_back({reason, version, hr});
    if (FAILED(hr) && plan.bPrinterSheet && !plan.hostPages.empty()) {
        // No printer pages of the plug-in's: the sheet keeps the host's.
        pPSUIInfo->Result = reason == PROPSHEETUI_REASON_INIT ? 0 : 1;
        return 1;
    }
    return SUCCEEDED(hr) ? 1 : -1;
}

}  // namespace

CompstuiSheetRun RunCompstuiDocumentSheet(IPrintOemUI2& plugin, HostSheet& records,
                                          const std::function<void(HWND)>& whenShown,
                                          int closeButton) {
    CompstuiSheetPlan plan;
    plan.whenShown = whenShown;
    plan.closeButton = closeButton;
    return RunCompstuiSheet(plugin, records, plan);
}

CompstuiSheetRun RunCompstuiSheet(IPrintOemUI2& plugin, HostSheet& records,
                                  const CompstuiSheetPlan& plan) {
    CompstuiSheetRun run;
    const UniqueModule compstui(LoadLibraryW(L"compstui.dll"));
    const auto commonPropertySheetUI = reinterpret_cast<PFN_CommonPropertySheetUIW>(
        reinterpret_cast<void*>(GetProcAddress(compstui.Get(), "CommonPropertySheetUIW")));
    if (commonPropertySheetUI == nullptr || t_state != nullptr) {
        return run;
    }
    run.bLoaded = true;

    const OEMCUIPPARAM& cuip = records.Param();
    RunState state = {};
    state.param.cbSize = sizeof(OEMUIPSPARAM);
    state.param.poemuiobj = cuip.poemuiobj;
    state.param.hPrinter = cuip.hPrinter;
    state.param.pPrinterName = cuip.pPrinterName;
    state.param.hModule = cuip.hModule;
    state.param.hOEMHeap = cuip.hOEMHeap;
    state.param.pPublicDM = cuip.pPublicDM;
    state.param.pOEMDM = cuip.pOEMDM;
    state.param.pOEMUserData = cuip.pOEMUserData;
    state.param.dwFlags = cuip.dwFlags;
    state.plugin = &plugin;
    state.plan = &plan;
    state.run = &run;
    // Once the sheet is up, from inside its own loop: shown to the caller,
    // then closed.
    ShownSheetWatch watch([&](HWND sheet) {
        run.bShown = true;
        if (plan.whenShown) {
            plan.whenShown(sheet);
        }
        if (plan.closeButton != 0) {
            PostMessageW(sheet, PSM_PRESSBUTTON, static_cast<WPARAM>(plan.closeButton), 0);
        }
    });
    t_state = &state;
    run.returned = commonPropertySheetUI(nullptr, ForwardToPlugin,
                                         reinterpret_cast<LPARAM>(&state.param), &run.dwResult);
    t_state = nullptr;
    return run;
}

std::vector<std::wstring> ReadTabTitles(HWND sheet) {
    std::vector<std::wstring> titles;
    const auto tabs = reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETTABCONTROL, 0, 0));
    const int count = tabs != nullptr ? TabCtrl_GetItemCount(tabs) : 0;
    for (int i = 0; i < count; ++i) {
        WCHAR text[256] = {};
        TCITEMW item = {};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = 256;
        SendMessageW(tabs, TCM_GETITEMW, i, reinterpret_cast<LPARAM>(&item));
        titles.emplace_back(text);
    }
    return titles;
}

}  // namespace marlow::host
