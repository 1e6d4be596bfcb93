#include "control_lookup.h"

#include "host/page_driving.h"

#include <commctrl.h>

#include <climits>
#include <cwctype>
#include <vector>

namespace marlow::host {
namespace {

enum class Role { kLabel, kGroup, kButton, kChoice, kText, kOther };

std::wstring ReadClassName(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

Role FindRole(HWND window) {
    const std::wstring name = NormalizeLabel(ReadClassName(window));
    if (name == L"static") return Role::kLabel;
    if (name == L"edit") return Role::kText;
    if (name == L"combobox" || name == L"comboboxex32" || name == L"listbox") return Role::kChoice;
    if (name == L"button") {
        const LONG type = GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK;
        return type == BS_GROUPBOX ? Role::kGroup : Role::kButton;
    }
    return Role::kOther;
}

Role RoleOf(ControlKind kind) {
    switch (kind) {
    case ControlKind::kButton: return Role::kButton;
    case ControlKind::kChoice: return Role::kChoice;
    case ControlKind::kText: return Role::kText;
    }
    return Role::kOther;
}

std::vector<HWND> ListVisibleChildren(HWND page) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(page, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsWindowVisible(child)) children.push_back(child);
    }
    return children;
}

RECT ReadRect(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

// The control a label names: inside its group box, or the nearest one to
// the right of or below a static text.
HWND FindLabelledControl(HWND label, Role role, const std::vector<HWND>& children) {
    const RECT at = ReadRect(label);
    const bool isGroup = FindRole(label) == Role::kGroup;
    HWND best = nullptr;
    long bestScore = LONG_MAX;
    for (HWND child : children) {
        if (FindRole(child) != role) continue;
        const RECT rect = ReadRect(child);
        if (isGroup) {
            const POINT centre = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
            if (PtInRect(&at, centre)) return child;
            continue;
        }
        const long slack = 8;
        if (rect.top < at.top - slack || rect.left < at.left - slack) continue;
        const long score = std::labs(rect.left - at.left) + std::labs(rect.top - at.top);
        if (score < bestScore) {
            bestScore = score;
            best = child;
        }
    }
    return best;
}

bool IsNumber(const std::wstring& text) {
    if (text.empty()) return false;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9') return false;
    }
    return true;
}

}  // namespace

std::wstring NormalizeLabel(const std::wstring& label) {
    std::wstring normal;
    for (std::size_t i = 0; i < label.size(); ++i) {
        if (label[i] == L'&') {
            if (i + 1 >= label.size() || label[i + 1] != L'&') continue;  // an accelerator mark
            ++i;                                                          // "&&" shows one '&'
        }
        normal.push_back(static_cast<wchar_t>(std::towlower(label[i])));
    }
    while (!normal.empty() && (normal.back() == L':' || normal.back() == L' ' ||
                               normal.back() == 0xFF1A /* fullwidth colon */)) {
        normal.pop_back();
    }
    std::size_t first = 0;
    while (first < normal.size() && normal[first] == L' ') ++first;
    return normal.substr(first);
}

HWND FindControl(HWND page, const std::wstring& label, ControlKind kind, std::wstring* problem) {
    const Role role = RoleOf(kind);
    if (IsNumber(label)) {
        HWND control = GetDlgItem(page, _wtoi(label.c_str()));
        if (control != nullptr && FindRole(control) == role) return control;
        *problem = L"no control of that kind has the id " + label;
        return nullptr;
    }
    const std::wstring wanted = NormalizeLabel(label);
    const std::vector<HWND> children = ListVisibleChildren(page);
    if (role == Role::kButton) {
        for (HWND child : children) {
            if (FindRole(child) == Role::kButton && NormalizeLabel(ReadWindowText(child)) == wanted) return child;
        }
    }
    for (HWND child : children) {
        const Role childRole = FindRole(child);
        if ((childRole == Role::kLabel || childRole == Role::kGroup) &&
            NormalizeLabel(ReadWindowText(child)) == wanted) {
            if (HWND control = FindLabelledControl(child, role, children)) return control;
        }
    }
    std::wstring labels;
    for (HWND child : children) {
        const Role childRole = FindRole(child);
        const std::wstring text = NormalizeLabel(ReadWindowText(child));
        if (!text.empty() && (childRole == Role::kLabel || childRole == Role::kGroup || childRole == role)) {
            labels += (labels.empty() ? L"\"" : L", \"") + text + L"\"";
        }
    }
    const wchar_t* what = kind == ControlKind::kButton ? L"button" : kind == ControlKind::kChoice ? L"list" : L"text field";
    *problem = L"no " + std::wstring(what) + L" labelled \"" + label + L"\" on this page (its labels: " + labels + L")";
    return nullptr;
}

std::vector<std::wstring> ReadEntries(HWND control) {
    std::vector<std::wstring> entries;
    const std::wstring className = NormalizeLabel(ReadClassName(control));
    const bool isList = className == L"listbox";
    const LRESULT count = SendMessageW(control, isList ? LB_GETCOUNT : CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t text[512] = {};
        if (className == L"comboboxex32") {
            COMBOBOXEXITEMW item = {};
            item.mask = CBEIF_TEXT;
            item.iItem = i;
            item.pszText = text;
            item.cchTextMax = 512;
            SendMessageW(control, CBEM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
        } else {
            const UINT lengthMessage = isList ? LB_GETTEXTLEN : CB_GETLBTEXTLEN;
            if (SendMessageW(control, lengthMessage, static_cast<WPARAM>(i), 0) < 512) {
                SendMessageW(control, isList ? LB_GETTEXT : CB_GETLBTEXT, static_cast<WPARAM>(i),
                             reinterpret_cast<LPARAM>(text));
            }
        }
        entries.emplace_back(text);
    }
    return entries;
}

bool ChooseEntry(HWND control, const std::wstring& entry, std::wstring* problem) {
    const std::vector<std::wstring> entries = ReadEntries(control);
    const bool isList = NormalizeLabel(ReadClassName(control)) == L"listbox";
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (NormalizeLabel(entries[i]) != NormalizeLabel(entry)) continue;
        SendMessageW(control, isList ? LB_SETCURSEL : CB_SETCURSEL, i, 0);
        const WORD notification = isList ? LBN_SELCHANGE : CBN_SELCHANGE;
        SendMessageW(GetParent(control), WM_COMMAND,
                     MAKEWPARAM(GetDlgCtrlID(control), notification), reinterpret_cast<LPARAM>(control));
        return true;
    }
    std::wstring known;
    for (const std::wstring& text : entries) known += (known.empty() ? L"\"" : L", \"") + text + L"\"";
    *problem = L"no choice \"" + entry + L"\" (the list holds " + (known.empty() ? L"nothing" : known) + L")";
    return false;
}

}  // namespace marlow::host
