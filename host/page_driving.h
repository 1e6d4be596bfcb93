// Driving a page's controls the way a user's input reaches them: clicks
// (BM_CLICK), typed characters (WM_CHAR into the control's own procedure,
// subclass included), and reading back what the controls show.
#pragma once

#include "platform/windows_sdk.h"

#include <string>

namespace marlow::host {

// BM_CLICK on control id of the page; a disabled button ignores it.
void ClickControl(HWND page, int id);
// One WM_CHAR per UTF-16 unit of text (a typing user's characters).
void TypeText(HWND page, int id, const std::wstring& text);
// One WM_CHAR with exactly this code (high bits included).
void TypeCharacter(HWND page, int id, WPARAM code);
// Replaces the whole text as a paste over a selection would (no typed
// character); the caret ends behind it.
void PasteText(HWND page, int id, const std::wstring& text);

std::wstring ReadControlText(HWND page, int id);
// Any window's text (a control, a message box's caption ...).
std::wstring ReadWindowText(HWND window);
[[nodiscard]] bool IsControlEnabled(HWND page, int id);
[[nodiscard]] UINT ReadCheckState(HWND page, int id);

// A notification answered by the page's own dialog procedure, called
// directly (the dialog manager would not show both values): what the
// procedure returned and what it left in DWLP_MSGRESULT, which is set to
// msgResultBefore first.
struct PageAnswer {
    INT_PTR returned;
    LONG_PTR msgResult;
};
PageAnswer NotifyPageDirectly(HWND page, UINT code, LONG_PTR msgResultBefore = -12345);

}  // namespace marlow::host
