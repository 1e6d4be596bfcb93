// Catches the message boxes that appear on the calling thread while the
// catcher lives: a WH_CBT hook notes each box when it is activated - its
// caption, text, icon and buttons - and closes it with its first button, as
// a user would. Catchers nest: the one made last catches (a sheet keeps one
// for boxes its test did not expect, so that none waits for a user).
#pragma once

#include "platform/windows_sdk.h"

#include <string>
#include <vector>

namespace marlow::host {

struct CaughtMessageBox {
    HWND hOwner = nullptr;  // the top-level window of the owner asked for
    std::wstring caption;
    std::wstring text;
    // MB_ICONWARNING, MB_ICONERROR, MB_ICONINFORMATION, MB_ICONQUESTION by
    // the icon shown; 0 for none or another.
    UINT icon = 0;
    // The command ids of its buttons (IDOK, IDCANCEL ...), in window order.
    std::vector<int> buttons;
};

class MessageBoxCatcher {
public:
    MessageBoxCatcher();
    ~MessageBoxCatcher();
    MessageBoxCatcher(const MessageBoxCatcher&) = delete;
    MessageBoxCatcher& operator=(const MessageBoxCatcher&) = delete;

    bool IsHooked() const;
    const std::vector<CaughtMessageBox>& Boxes() const { return boxes_; }
    void Clear() { boxes_.clear(); }

private:
    static LRESULT CALLBACK WatchActivations(int code, WPARAM wParam, LPARAM lParam);
    void CatchIfMessageBox(HWND window);

    HWND lastCaught_ = nullptr;  // activated again: not a new box
    std::vector<CaughtMessageBox> boxes_;
};

// How a message box looks from outside: the text control's id (0xFFFF).
constexpr int kMessageBoxTextId = 0xFFFF;

}  // namespace marlow::host
