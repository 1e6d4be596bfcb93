#include "host/compstui_sheet.h"

#include "platform/property_sheet.h"
#include "platform/win32_handles.h"

namespace marlow::host {
namespace {

// What the sheet function and the hook need. The OEMUIPSPARAM comes first,
// so that lParamInit points at a record the plug-in may read.
struct RunState {
    OEMUIPSPARAM param;
    IPrintOemUI2* plugin;
    const CompstuiSheetPlan* plan;
    CompstuiSheetRun* run;
    HHOOK hook;
    HWND sheet;
};

thread_local RunState* t_state = nullptr;

const UINT kSheetShownMessage = RegisterWindowMessageW(L"marlow.host.CompstuiSheetShown");
constexpr UINT_PTR kShownSubclassId = 1;
constexpr WPARAM kMaxShownRetries = 1000;

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

// Runs inside the sheet's own loop once the sheet is up: shows the sheet to
// the caller, then closes it.
LRESULT CALLBACK HandleShown(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                             DWORD_PTR) {
    RunState* state = t_state;
    if (message == kSheetShownMessage && state != nullptr) {
        if (SendMessageW(hWnd, PSM_GETCURRENTPAGEHWND, 0, 0) == 0 && wParam < kMaxShownRetries) {
            // Not a sheet with its pages yet: ask again behind what is waiting.
            PostMessageW(hWnd, kSheetShownMessage, wParam + 1, 0);
            return 0;
        }
        RemoveWindowSubclass(hWnd, HandleShown, kShownSubclassId);
        // Pixels are read back from the screen: the whole sheet must lie on it.
        SetWindowPos(hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        state->run->bShown = true;
        RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
        if (state->plan->whenShown) {
            state->plan->whenShown(hWnd);
        }
        if (state->plan->closeButton != 0) {
            PostMessageW(hWnd, PSM_PRESSBUTTON, static_cast<WPARAM>(state->plan->closeButton), 0);
        }
        return 0;
    }
    return DefSubclassProc(hWnd, message, wParam, lParam);
}

bool IsTopLevelDialog(HWND window) {
    WCHAR className[16] = {};
    GetClassNameW(window, className, 16);
    return lstrcmpW(className, L"#32770") == 0 && (GetWindowLongW(window, GWL_STYLE) & WS_CHILD) == 0;
}

// The first dialog window activated on this thread during the run is the
// sheet (it is activated while it is still being built): once its own loop
// runs, the posted message reaches it.
LRESULT CALLBACK WatchActivations(int code, WPARAM wParam, LPARAM lParam) {
    RunState* state = t_state;
    if (code == HCBT_ACTIVATE && state != nullptr && state->sheet == nullptr) {
        const auto window = reinterpret_cast<HWND>(wParam);
        if (IsTopLevelDialog(window)) {
            state->sheet = window;
            SetWindowSubclass(window, HandleShown, kShownSubclassId, 0);
            PostMessageW(window, kSheetShownMessage, 0, 0);
        }
    }
    return CallNextHookEx(state != nullptr ? state->hook : nullptr, code, wParam, lParam);
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
    state.hook = SetWindowsHookExW(WH_CBT, WatchActivations, nullptr, GetCurrentThreadId());
    t_state = &state;
    run.returned = commonPropertySheetUI(nullptr, ForwardToPlugin,
                                         reinterpret_cast<LPARAM>(&state.param), &run.dwResult);
    t_state = nullptr;
    if (state.hook != nullptr) {
        UnhookWindowsHookEx(state.hook);
    }
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
