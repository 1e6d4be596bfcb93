// Keys as a user presses them: the key messages a keyboard would bring are
// posted to the window with the focus, so that they reach the program's own
// message loop and go through the sheet's dialog manager (IsDialogMessage,
// the sheet's own Ctrl+Tab handling): Tab moves the focus, Alt+letter finds
// the control with that accelerator, Space and the arrows reach the focused
// control, Enter and Esc the sheet's default and cancel buttons.
//
// Names: "Tab", "Shift+Tab", "Ctrl+Tab", "Down", "Up", "Left", "Right",
// "Home", "End", "PgUp", "PgDn", "Space", "Enter", "Esc", "Backspace", "Del",
// "F4", "Alt+B" (any letter or digit, alone or with Alt, Shift or Ctrl).
// Case and blanks around '+' do not matter.
#pragma once

#include "platform/windows_sdk.h"

#include <string>

namespace marlow::host {

struct KeyChord {
    UINT virtualKey = 0;
    bool shift = false;
    bool control = false;
    bool alt = false;
};

// False for a name that is no key of the list above.
[[nodiscard]] bool ParseKeyChord(const std::wstring& name, KeyChord* chord);

// "Alt+B", "Shift+Tab": the chord named as ParseKeyChord reads it.
std::wstring NameKeyChord(const KeyChord& chord);

// Posts the chord's key-down and key-up messages (WM_SYSKEYDOWN/UP with Alt)
// to the focused window of the thread, or to fallback when no window of
// fallback's has the focus, and holds the chord's Shift and Ctrl in the
// thread's keyboard state, where the dialog manager looks for them. The
// caller runs the message loop, then calls ReleaseModifierKeys.
void PostKeyChord(HWND fallback, const KeyChord& chord);

// Lets go of Shift, Ctrl and Alt in the thread's keyboard state.
void ReleaseModifierKeys();

}  // namespace marlow::host
