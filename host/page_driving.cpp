#include "host/page_driving.h"

namespace marlow::host {

void ClickControl(HWND page, int id) { SendDlgItemMessageW(page, id, BM_CLICK, 0, 0); }

void TypeText(HWND page, int id, const std::wstring& text) {
    for (wchar_t unit : text) {
        TypeCharacter(page, id, static_cast<WPARAM>(unit));
    }
}

void TypeCharacter(HWND page, int id, WPARAM code) {
    SendDlgItemMessageW(page, id, WM_CHAR, code, 1);
}

void PasteText(HWND page, int id, const std::wstring& text) {
    SendDlgItemMessageW(page, id, EM_SETSEL, 0, -1);
    SendDlgItemMessageW(page, id, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

std::wstring ReadControlText(HWND page, int id) { return ReadWindowText(GetDlgItem(page, id)); }

std::wstring ReadWindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, &text[0], length + 1)));
    return text;
}

bool IsControlEnabled(HWND page, int id) { return IsWindowEnabled(GetDlgItem(page, id)) != FALSE; }

UINT ReadCheckState(HWND page, int id) { return IsDlgButtonChecked(page, id); }

PageAnswer NotifyPageDirectly(HWND page, UINT code, LONG_PTR msgResultBefore) {
    PSHNOTIFY notify = {};
    notify.hdr.hwndFrom = GetParent(page);
    notify.hdr.idFrom = 0;
    notify.hdr.code = code;
    SetWindowLongPtrW(page, DWLP_MSGRESULT, msgResultBefore);
    const auto procedure = reinterpret_cast<DLGPROC>(GetWindowLongPtrW(page, DWLP_DLGPROC));
    PageAnswer answer = {};
    answer.returned =
        procedure != nullptr ? procedure(page, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&notify)) : 0;
    answer.msgResult = GetWindowLongPtrW(page, DWLP_MSGRESULT);
    return answer;
}

}  // namespace marlow::host
