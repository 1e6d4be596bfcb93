// A page worked from the keyboard, for the tests: which control holds the
// focus, where Tab and Shift+Tab take it, the accelerator of a text.
#pragma once

#include "host/keystrokes.h"
#include "host/modeless_sheet.h"
#include "platform/windows_sdk.h"

#include <string>
#include <vector>

namespace marlow::test {

// The page's child that holds the focus (the focus may sit in a part of it,
// such as the list of an extended combo box); null when it is elsewhere.
HWND FindFocusedControl(HWND page);

// The controls Tab should stop at, in the template's order: visible,
// enabled, with WS_TABSTOP.
std::vector<int> ListTabStops(HWND page);

// Puts the focus on start, then presses key until the focus leaves the page
// or comes back to start: the ids of the controls it rested on, start first.
std::vector<int> WalkFocus(host::ModelessSheet& sheet, HWND page, int start, const wchar_t* key);

// Presses a key by its name ("Alt+B", "Space") and runs the sheet's loop;
// false for a name that is no key.
[[nodiscard]] bool PressKey(host::ModelessSheet& sheet, const wchar_t* key);

// The accelerator of a text: the letter after a single '&', upper case; 0
// when it has none.
wchar_t ReadAccelerator(const std::wstring& text);

// "11004, 11006, 11008" for a failure message.
std::string JoinIds(const std::vector<int>& ids);

}  // namespace marlow::test
