// Runs a script's steps in the open sheet, one step per turn of the sheet's
// own message loop: each step is a posted message, so whatever a step sets
// off (a message box, the sheet closing) has happened before the next one.
// Message boxes are caught and closed with their first button. When the
// steps are done and the sheet is still open, the host closes it with
// Cancel; a step that cannot be carried out stops the script.
#pragma once

#include "script.h"

#include "host/driver_items_page.h"
#include "host/message_box_catcher.h"
#include "platform/windows_sdk.h"

#include <functional>
#include <string>
#include <vector>

namespace marlow::host {

struct ScriptOutcome {
    std::vector<std::wstring> pageTitles;  // the sheet's tabs when it came up
    std::vector<std::wstring> stepsRun;    // NameStep of each step carried out
    std::wstring failure;                  // the step that could not be carried out, and why
    bool bClosedByHost = false;            // the steps left the sheet open
    std::vector<CaughtMessageBox> boxes;
    std::vector<std::wstring> pictures;    // the PNG files written, by name, in order
    std::wstring contactSheet;             // the PNG with all of them, by name; empty: none
};

// Checks every step's verb and arguments before the sheet opens. Empty when
// all is well; else the first bad step and what is wrong.
std::wstring CheckScriptSteps(const std::vector<ScriptStep>& steps);

class SheetScript {
public:
    // An "item" step: the item's choice on the driver's items page.
    using ItemChooser = std::function<bool(HWND sheet, const std::wstring& item, const std::wstring& choice,
                                           std::wstring* problem)>;

    // screenshotsDir: empty for no pictures. catcher: null in an interactive
    // run (the user answers the boxes).
    SheetScript(std::vector<ScriptStep> steps, DriverItemsPage& itemsPage,
                std::wstring screenshotsDir, MessageBoxCatcher* catcher);
    SheetScript(std::vector<ScriptStep> steps, ItemChooser chooseItem,
                std::wstring screenshotsDir, MessageBoxCatcher* catcher);
    SheetScript(const SheetScript&) = delete;
    SheetScript& operator=(const SheetScript&) = delete;

    // From inside the sheet's loop, once it is up: a picture of each page,
    // then (scripted runs) the first step.
    void Start(HWND sheet, bool runSteps);
    // After the sheet has closed: names a step the closing cut off.
    ScriptOutcome Finish();

private:
    static LRESULT CALLBACK HandleSheetMessage(HWND window, UINT message, WPARAM wParam,
                                               LPARAM lParam, UINT_PTR id, DWORD_PTR data);
    void RunNextStep();
    [[nodiscard]] bool RunStep(const ScriptStep& step, std::wstring* problem);
    [[nodiscard]] bool SelectPage(const std::wstring& title, std::wstring* problem);
    [[nodiscard]] bool ExpectMessage(const std::wstring& words, std::wstring* problem);
    [[nodiscard]] bool ExpectFocus(HWND page, const std::wstring& label, std::wstring* problem);
    [[nodiscard]] bool TakePicture(const std::wstring& name, std::wstring* problem);
    void PostNextStep();

    std::vector<ScriptStep> steps_;
    ItemChooser chooseItem_;
    std::wstring screenshotsDir_;
    MessageBoxCatcher* catcher_;
    HWND sheet_ = nullptr;
    std::size_t next_ = 0;
    std::size_t boxesSeen_ = 0;  // boxes an earlier expect-message has looked at
    int closingTries_ = 0;
    bool stopped_ = false;
    ScriptOutcome outcome_;
};

}  // namespace marlow::host
