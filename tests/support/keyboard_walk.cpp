#include "keyboard_walk.h"

#include <cwctype>

namespace marlow::test {

HWND FindFocusedControl(HWND page) {
    HWND control = GetFocus();
    while (control != nullptr && GetParent(control) != page) control = GetParent(control);
    return control;
}

std::vector<int> ListTabStops(HWND page) {
    std::vector<int> ids;
    for (HWND child = GetWindow(page, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        const LONG style = GetWindowLongW(child, GWL_STYLE);
        if ((style & WS_TABSTOP) != 0 && IsWindowVisible(child) && IsWindowEnabled(child)) {
            ids.push_back(GetDlgCtrlID(child));
        }
    }
    return ids;
}

bool PressKey(host::ModelessSheet& sheet, const wchar_t* key) {
    host::KeyChord chord;
    if (!host::ParseKeyChord(key, &chord)) return false;
    sheet.PressKey(chord);
    return true;
}

std::vector<int> WalkFocus(host::ModelessSheet& sheet, HWND page, int start, const wchar_t* key) {
    std::vector<int> visited;
    SetFocus(GetDlgItem(page, start));
    HWND control = FindFocusedControl(page);
    if (control == nullptr) return visited;
    visited.push_back(GetDlgCtrlID(control));
    for (int presses = 0; presses < 64; ++presses) {
        if (!PressKey(sheet, key)) break;
        control = FindFocusedControl(page);
        if (control == nullptr || GetDlgCtrlID(control) == start) break;
        visited.push_back(GetDlgCtrlID(control));
    }
    return visited;
}

wchar_t ReadAccelerator(const std::wstring& text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == L'&') {
            if (text[i + 1] != L'&') return static_cast<wchar_t>(std::towupper(text[i + 1]));
            ++i;
        }
    }
    return 0;
}

std::string JoinIds(const std::vector<int>& ids) {
    std::string joined;
    for (int id : ids) joined += (joined.empty() ? "" : ", ") + std::to_string(id);
    return joined;
}

}  // namespace marlow::test
