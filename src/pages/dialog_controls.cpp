#include "pages/dialog_controls.h"

namespace marlow {

bool IsChecked(HWND hDlg, int id) noexcept { return IsDlgButtonChecked(hDlg, id) == BST_CHECKED; }

void CheckControl(HWND hDlg, int id, bool check) noexcept {
    CheckDlgButton(hDlg, id, check ? BST_CHECKED : BST_UNCHECKED);
}

void EnableControl(HWND hDlg, int id, bool enable) noexcept {
    EnableWindow(GetDlgItem(hDlg, id), enable ? TRUE : FALSE);
}

void SendChangeNotice(HWND hDlg, UINT message) noexcept {
    SendMessageW(GetParent(hDlg), message, reinterpret_cast<WPARAM>(hDlg), 0);
}

INT_PTR AnswerNotification(HWND hDlg, LONG_PTR result) noexcept {
    SetWindowLongPtrW(hDlg, DWLP_MSGRESULT, result);
    return TRUE;
}

}  // namespace marlow
