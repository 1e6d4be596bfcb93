#include "host/message_box_catcher.h"

#include "host/page_driving.h"

#include <algorithm>

namespace marlow::host {
namespace {

// The catchers of this thread, the one that catches last; and the hook,
// there while any catcher is.
thread_local std::vector<MessageBoxCatcher*> t_catchers;
thread_local HHOOK t_hook = nullptr;

bool IsDialogWindow(HWND window) {
    WCHAR className[16] = {};
    GetClassNameW(window, className, 16);
    return lstrcmpW(className, L"#32770") == 0;
}

// The system icon a message box shows, told by comparing the icon with the
// shared system icons.
UINT IdentifyIcon(HICON icon) {
    if (icon == nullptr) {
        return 0;
    }
    const struct {
        LPCWSTR id;
        UINT style;
    } kIcons[] = {{IDI_WARNING, MB_ICONWARNING},
                  {IDI_ERROR, MB_ICONERROR},
                  {IDI_INFORMATION, MB_ICONINFORMATION},
                  {IDI_QUESTION, MB_ICONQUESTION}};
    for (const auto& known : kIcons) {
        if (LoadIconW(nullptr, known.id) == icon) {
            return known.style;
        }
    }
    return 0;
}

struct BoxParts {
    HICON icon = nullptr;
    std::vector<int> buttons;
};

BOOL CALLBACK CollectBoxPart(HWND child, LPARAM param) {
    auto* parts = reinterpret_cast<BoxParts*>(param);
    WCHAR className[16] = {};
    GetClassNameW(child, className, 16);
    const LONG style = GetWindowLongW(child, GWL_STYLE);
    if (lstrcmpiW(className, L"Static") == 0 && (style & SS_TYPEMASK) == SS_ICON) {
        parts->icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
    } else if (lstrcmpiW(className, L"Button") == 0) {
        parts->buttons.push_back(GetDlgCtrlID(child));
    }
    return TRUE;
}

}  // namespace

MessageBoxCatcher::MessageBoxCatcher() {
    if (t_hook == nullptr) {
        t_hook = SetWindowsHookExW(WH_CBT, WatchActivations, nullptr, GetCurrentThreadId());
    }
    t_catchers.push_back(this);
}

MessageBoxCatcher::~MessageBoxCatcher() {
    t_catchers.erase(std::find(t_catchers.begin(), t_catchers.end(), this));
    if (t_catchers.empty() && t_hook != nullptr) {
        UnhookWindowsHookEx(t_hook);
        t_hook = nullptr;
    }
}

bool MessageBoxCatcher::IsHooked() const { return t_hook != nullptr; }

void MessageBoxCatcher::CatchIfMessageBox(HWND window) {
    if (window == lastCaught_ || !IsDialogWindow(window) ||
        GetDlgItem(window, kMessageBoxTextId) == nullptr) {
        return;
    }
    lastCaught_ = window;
    CaughtMessageBox box;
    box.hOwner = GetWindow(window, GW_OWNER);
    box.caption = ReadWindowText(window);
    box.text = ReadWindowText(GetDlgItem(window, kMessageBoxTextId));
    BoxParts parts;
    EnumChildWindows(window, CollectBoxPart, reinterpret_cast<LPARAM>(&parts));
    box.icon = IdentifyIcon(parts.icon);
    box.buttons = parts.buttons;
    boxes_.push_back(box);
    // Closed as a click on its first button would close it, once the box's
    // own loop runs.
    const int button = box.buttons.empty() ? IDCANCEL : box.buttons.front();
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, button)));
}

LRESULT CALLBACK MessageBoxCatcher::WatchActivations(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && !t_catchers.empty()) {
        t_catchers.back()->CatchIfMessageBox(reinterpret_cast<HWND>(wParam));
    }
    return CallNextHookEx(t_hook, code, wParam, lParam);
}

}  // namespace marlow::host
