// Finding a page's control the way a tester names it: by the text it shows
// or the label beside or above it (a static text, or the group box around
// it), in the page's current language, with the accelerator '&', a trailing
// ':' and the case ignored; or by its number.
#pragma once

#include "platform/windows_sdk.h"

#include <string>
#include <vector>

namespace marlow::host {

enum class ControlKind {
    kButton,  // push button, check box, radio button: named by its own text
    kChoice,  // combo box, extended combo box, list box
    kText,    // edit control
};

// A label as compared: no accelerator '&' ("&&" is one '&'), no trailing ':'
// or blanks, lower case.
std::wstring NormalizeLabel(const std::wstring& label);

// The visible control of that kind on the page (a direct child), or null
// with the reason in problem.
HWND FindControl(HWND page, const std::wstring& label, ControlKind kind, std::wstring* problem);

// The texts of a choice control's entries, in order.
std::vector<std::wstring> ReadEntries(HWND control);

// The entries of a choice control, and choosing one as a user does (the
// control's parent hears the selection change). False when there is no
// entry of that text.
[[nodiscard]] bool ChooseEntry(HWND control, const std::wstring& entry, std::wstring* problem);

}  // namespace marlow::host
