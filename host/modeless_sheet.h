// A real property sheet (comctl32's PropertySheetW, modeless) over pages the
// plug-in registered, placed at the screen's top left. The test owns its
// message loop: every operation here runs the waiting messages until none is
// left (no sleeps, no timers). A subclass of the sheet window logs the change
// notices the pages send it. A message box that no catcher of the test's
// own expects is closed all the same, and kept as unexpected.
#pragma once

#include "host/keystrokes.h"
#include "host/message_box_catcher.h"
#include "platform/windows_sdk.h"

#include <string>
#include <vector>

namespace marlow::host {

// A message a page sent the sheet: PSM_CHANGED or PSM_UNCHANGED, with the
// page window as wParam.
struct SheetMessage {
    UINT message;
    WPARAM wParam;
};

inline bool operator==(const SheetMessage& a, const SheetMessage& b) {
    return a.message == b.message && a.wParam == b.wParam;
}

class ModelessSheet {
public:
    // The sheet takes the pages over (and destroys them). IsOpen tells
    // whether the platform made it.
    explicit ModelessSheet(const std::vector<HPROPSHEETPAGE>& pages, UINT startPage = 0,
                           const std::wstring& caption = L"Document Properties");
    ~ModelessSheet();
    ModelessSheet(const ModelessSheet&) = delete;
    ModelessSheet& operator=(const ModelessSheet&) = delete;

    // False once OK or Cancel has closed the sheet (or it was never made).
    bool IsOpen() const { return window_ != nullptr; }
    HWND Window() const { return window_; }

    // The window of page index, or null when it has not been shown yet.
    HWND PageWindow(int index) const;
    HWND CurrentPage() const;
    int CurrentIndex() const;

    // Runs every waiting message, paints included, and closes the window when
    // the sheet has finished.
    void PumpUntilIdle();

    // PSM_SETCURSEL: true when page index is the current one afterwards (a
    // page that refuses to be left keeps the sheet where it was).
    bool SelectPage(int index);
    // PSM_APPLY: the sheet's answer (false when a page refused).
    bool Apply();
    // PSM_PRESSBUTTON with PSBTN_OK, PSBTN_CANCEL, PSBTN_APPLYNOW ...
    void PressButton(int button);

    // A key as a user presses it (see keystrokes.h), the loop run until the
    // sheet has handled it.
    void PressKey(const KeyChord& chord);

    // PSM_CHANGED and PSM_UNCHANGED as they arrived since the last clear.
    const std::vector<SheetMessage>& Messages() const { return messages_; }
    void ClearMessages() { messages_.clear(); }

    // The boxes that came up while no catcher of the test's own was there.
    const std::vector<CaughtMessageBox>& UnexpectedBoxes() const { return unexpected_.Boxes(); }

private:
    static LRESULT CALLBACK LogSheetMessages(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam,
                                             UINT_PTR subclassId, DWORD_PTR refData);
    void CloseIfFinished();

    MessageBoxCatcher unexpected_;
    HWND window_ = nullptr;
    std::vector<SheetMessage> messages_;
};

}  // namespace marlow::host
