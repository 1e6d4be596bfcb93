// The filters on what may be typed into the page's text fields. Each swallows
// the typed characters (WM_CHAR) outside its set and hands every other
// message to the edit control's own procedure, which is kept in one
// process-wide variable shared by every filtered field of every page.
#pragma once

#include "platform/windows_sdk.h"

namespace marlow {

// Names: backspace, and 0x20 to 0x7E but the double quote and the percent sign.
LRESULT CALLBACK NameEditProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
// The access password: backspace, and 0x21 to 0x7E.
LRESULT CALLBACK AccessPasswordEditProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
// The job password: backspace and the digits.
LRESULT CALLBACK JobPasswordEditProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// Keeps the window procedure of this edit control as the edit controls' own
// (nothing when there is no control).
void SaveEditProcedure(HWND hEdit) noexcept;

// Puts the filters in front of the page's five text fields.
void SubclassJobSettingsEdits(HWND hDlg);

}  // namespace marlow
