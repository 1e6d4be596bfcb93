#include "pages/job/typed_character_filters.h"

#include "res/resource_ids.h"

namespace marlow {
namespace {

// The edit controls' own procedure, taken from a text field of the page at
// each initialisation.
WNDPROC g_editProcedure = nullptr;

constexpr WPARAM kBackspace = 0x08;

bool PassesName(WPARAM code) noexcept {
    return code == kBackspace || (code >= 0x20 && code <= 0x7E && code != 0x22 && code != 0x25);
}

bool PassesAccessPassword(WPARAM code) noexcept {
    return code == kBackspace || (code >= 0x21 && code <= 0x7E);
}

bool PassesJobPassword(WPARAM code) noexcept {
    return code == kBackspace || (code >= 0x30 && code <= 0x39);
}

// The whole code the message carries is compared, high bits included.
template <bool (*Passes)(WPARAM) noexcept>
LRESULT FilterTypedCharacters(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CHAR && !Passes(wParam)) {
        return 0;
    }
    if (g_editProcedure == nullptr) {
        return DefWindowProcW(hWnd, message, wParam, lParam);
    }
    return CallWindowProcW(g_editProcedure, hWnd, message, wParam, lParam);
}

void Subclass(HWND hDlg, int id, WNDPROC filter) {
    if (const HWND edit = GetDlgItem(hDlg, id)) {
        SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(filter));
    }
}

}  // namespace

LRESULT CALLBACK NameEditProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return FilterTypedCharacters<PassesName>(hWnd, message, wParam, lParam);
}

LRESULT CALLBACK AccessPasswordEditProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return FilterTypedCharacters<PassesAccessPassword>(hWnd, message, wParam, lParam);
}

LRESULT CALLBACK JobPasswordEditProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return FilterTypedCharacters<PassesJobPassword>(hWnd, message, wParam, lParam);
}

void SaveEditProcedure(HWND hEdit) noexcept {
    if (hEdit != nullptr) {
        g_editProcedure = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hEdit, GWLP_WNDPROC));
    }
}

void SubclassJobSettingsEdits(HWND hDlg) {
    Subclass(hDlg, IDC_ACCESS_USER_NAME, NameEditProc);
    Subclass(hDlg, IDC_ACCESS_PASSWORD, AccessPasswordEditProc);
    Subclass(hDlg, IDC_JOB_USER_NAME, NameEditProc);
    Subclass(hDlg, IDC_JOB_PASSWORD, JobPasswordEditProc);
    Subclass(hDlg, IDC_JOB_NAME, NameEditProc);
}

}  // namespace marlow
