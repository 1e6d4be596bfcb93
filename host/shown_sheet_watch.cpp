#include "host/shown_sheet_watch.h"

#include "platform/property_sheet.h"

namespace marlow::host {
namespace {

thread_local ShownSheetWatch* t_watch = nullptr;

const UINT kSheetShownMessage = RegisterWindowMessageW(L"marlow.host.ShownSheetWatch");
constexpr UINT_PTR kShownSubclassId = 2;
constexpr WPARAM kMaxShownRetries = 1000;

bool IsTopLevelDialog(HWND window) {
    WCHAR className[16] = {};
    GetClassNameW(window, className, 16);
    return lstrcmpW(className, L"#32770") == 0 && (GetWindowLongW(window, GWL_STYLE) & WS_CHILD) == 0;
}

}  // namespace

ShownSheetWatch::ShownSheetWatch(std::function<void(HWND)> whenShown) : whenShown_(std::move(whenShown)) {
    if (t_watch == nullptr) {
        t_watch = this;
        hook_ = SetWindowsHookExW(WH_CBT, WatchActivations, nullptr, GetCurrentThreadId());
    }
}

ShownSheetWatch::~ShownSheetWatch() {
    if (t_watch == this) t_watch = nullptr;
    if (hook_ != nullptr) UnhookWindowsHookEx(hook_);
    if (sheet_ != nullptr && IsWindow(sheet_)) RemoveWindowSubclass(sheet_, HandleShown, kShownSubclassId);
}

LRESULT CALLBACK ShownSheetWatch::WatchActivations(int code, WPARAM wParam, LPARAM lParam) {
    ShownSheetWatch* watch = t_watch;
    if (code == HCBT_ACTIVATE && watch != nullptr && watch->sheet_ == nullptr) {
        const auto window = reinterpret_cast<HWND>(wParam);
        if (IsTopLevelDialog(window)) {
            watch->sheet_ = window;
            SetWindowSubclass(window, HandleShown, kShownSubclassId, 0);
            PostMessageW(window, kSheetShownMessage, 0, 0);
        }
    }
    return CallNextHookEx(watch != nullptr ? watch->hook_ : nullptr, code, wParam, lParam);
}

LRESULT CALLBACK ShownSheetWatch::HandleShown(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                              DWORD_PTR) {
    ShownSheetWatch* watch = t_watch;
    if (message == kSheetShownMessage && watch != nullptr) {
        if (SendMessageW(hWnd, PSM_GETCURRENTPAGEHWND, 0, 0) == 0 && wParam < kMaxShownRetries) {
            PostMessageW(hWnd, kSheetShownMessage, wParam + 1, 0);
            return 0;
        }
        RemoveWindowSubclass(hWnd, HandleShown, kShownSubclassId);
        watch->bShown_ = true;
        // Pixels are read back from the screen: the whole sheet must lie on it.
        SetWindowPos(hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
        if (watch->whenShown_) watch->whenShown_(hWnd);
        return 0;
    }
    return DefSubclassProc(hWnd, message, wParam, lParam);
}

}  // namespace marlow::host
