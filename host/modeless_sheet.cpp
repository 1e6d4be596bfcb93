#include "host/modeless_sheet.h"

namespace marlow::host {
namespace {

constexpr UINT_PTR kLogSubclassId = 1;

}  // namespace

ModelessSheet::ModelessSheet(const std::vector<HPROPSHEETPAGE>& pages, UINT startPage,
                             const std::wstring& caption) {
    std::vector<HPROPSHEETPAGE> handles = pages;
    PROPSHEETHEADERW header = {};
    header.dwSize = sizeof(header);
    header.dwFlags = PSH_MODELESS | PSH_NOCONTEXTHELP;
    header.pszCaption = caption.c_str();
    header.nPages = static_cast<UINT>(handles.size());
    header.nStartPage = startPage;
    header.phpage = handles.empty() ? nullptr : handles.data();
    window_ = reinterpret_cast<HWND>(PropertySheetW(&header));
    if (window_ == nullptr) {
        return;
    }
    // Pixels are read back from the screen: the whole sheet must lie on it.
    SetWindowPos(window_, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowSubclass(window_, LogSheetMessages, kLogSubclassId, reinterpret_cast<DWORD_PTR>(this));
    PumpUntilIdle();
}

ModelessSheet::~ModelessSheet() {
    if (window_ != nullptr) {
        RemoveWindowSubclass(window_, LogSheetMessages, kLogSubclassId);
        DestroyWindow(window_);
        window_ = nullptr;
        PumpUntilIdle();
    }
}

HWND ModelessSheet::PageWindow(int index) const {
    return window_ != nullptr
               ? reinterpret_cast<HWND>(SendMessageW(window_, PSM_INDEXTOHWND, index, 0))
               : nullptr;
}

HWND ModelessSheet::CurrentPage() const {
    return window_ != nullptr
               ? reinterpret_cast<HWND>(SendMessageW(window_, PSM_GETCURRENTPAGEHWND, 0, 0))
               : nullptr;
}

int ModelessSheet::CurrentIndex() const {
    const HWND page = CurrentPage();
    return page != nullptr
               ? static_cast<int>(SendMessageW(window_, PSM_HWNDTOINDEX,
                                               reinterpret_cast<WPARAM>(page), 0))
               : -1;
}

void ModelessSheet::PumpUntilIdle() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (window_ == nullptr || !SendMessageW(window_, PSM_ISDIALOGMESSAGE, 0,
                                                reinterpret_cast<LPARAM>(&msg))) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        CloseIfFinished();
    }
    CloseIfFinished();
}

void ModelessSheet::CloseIfFinished() {
    // A modeless sheet that OK or Cancel has finished has no current page;
    // its owner destroys it.
    if (window_ != nullptr && CurrentPage() == nullptr) {
        RemoveWindowSubclass(window_, LogSheetMessages, kLogSubclassId);
        DestroyWindow(window_);
        window_ = nullptr;
    }
}

bool ModelessSheet::SelectPage(int index) {
    if (window_ == nullptr) {
        return false;
    }
    SendMessageW(window_, PSM_SETCURSEL, index, 0);
    PumpUntilIdle();
    return CurrentIndex() == index;
}

bool ModelessSheet::Apply() {
    if (window_ == nullptr) {
        return false;
    }
    const bool applied = SendMessageW(window_, PSM_APPLY, 0, 0) != 0;
    PumpUntilIdle();
    return applied;
}

void ModelessSheet::PressButton(int button) {
    if (window_ != nullptr) {
        SendMessageW(window_, PSM_PRESSBUTTON, button, 0);
        PumpUntilIdle();
    }
}

void ModelessSheet::PressKey(const KeyChord& chord) {
    if (window_ != nullptr) {
        PostKeyChord(window_, chord);
        PumpUntilIdle();
        ReleaseModifierKeys();
    }
}

LRESULT CALLBACK ModelessSheet::LogSheetMessages(HWND hWnd, UINT message, WPARAM wParam,
                                                 LPARAM lParam, UINT_PTR, DWORD_PTR refData) {
    if (message == PSM_CHANGED || message == PSM_UNCHANGED) {
        reinterpret_cast<ModelessSheet*>(refData)->messages_.push_back({message, wParam});
    }
    return DefSubclassProc(hWnd, message, wParam, lParam);
}

}  // namespace marlow::host
