// Small helpers both pages use on the controls of their dialogs, each given
// the page window and the control's id.
#pragma once

#include "platform/windows_sdk.h"

namespace marlow {

// Whether the button shows its check (BST_CHECKED; not an indeterminate one).
[[nodiscard]] bool IsChecked(HWND hDlg, int id) noexcept;

// Sets or clears the button's check.
void CheckControl(HWND hDlg, int id, bool check) noexcept;

// Enables or disables the control.
void EnableControl(HWND hDlg, int id, bool enable) noexcept;

// PSM_CHANGED or PSM_UNCHANGED to the sheet, for this page.
void SendChangeNotice(HWND hDlg, UINT message) noexcept;

// A page's answer to a notification of its sheet: the result goes into the
// dialog's message result, and the procedure returns what this returns
// (TRUE: the page answered).
[[nodiscard]] INT_PTR AnswerNotification(HWND hDlg, LONG_PTR result) noexcept;

}  // namespace marlow
