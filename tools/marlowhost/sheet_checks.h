// What must hold on the document sheet after every step a user takes
// (marlowhost --check, and the monkey): the private section is sound; every
// item's selection lies within its choices, and the items the plug-in hid
// stay hidden; the Layout page's controls show what the items hold; booklet
// and one-sided printing exclude each other; and the only message boxes are
// the Extended Settings page's own, exactly when its fields call for one.
#pragma once

#include "script.h"

#include "host/host_sheet.h"
#include "host/message_box_catcher.h"
#include "platform/windows_sdk.h"

#include <set>
#include <string>

namespace marlow::host {

class SheetChecks {
public:
    // records: the open sheet's; pastedCharacters: what was pasted so far,
    // on this sheet or an earlier one (no filter saw it), shared across sheets.
    SheetChecks(HostSheet& records, HMODULE pluginModule, MessageBoxCatcher& catcher,
                std::set<wchar_t>& pastedCharacters);

    // Once CommonUIProp has run: the items the plug-in hid.
    void NoteHiddenItems();
    void BeforeStep(HWND sheet, const ScriptStep& step);
    // Empty when all holds; else what does not.
    std::wstring AfterStep(HWND sheet, const ScriptStep& step);
    // The section alone (also once the sheet has closed).
    std::wstring CheckPrivateSection() const;

private:
    std::wstring CheckItems() const;
    std::wstring CheckLayoutPage(HWND page) const;
    std::wstring CheckBoxes(const ScriptStep& step) const;

    HostSheet& records_;
    HMODULE pluginModule_;
    MessageBoxCatcher& catcher_;
    std::set<wchar_t>& pasted_;
    std::set<std::size_t> hidden_;
    // Before the step: boxes so far, whether the step leaves the Extended
    // Settings page, and the box its fields call for (0: none).
    std::size_t boxesBefore_ = 0;
    bool bLeavesJobPage_ = false;
    bool bMayLeaveJobPage_ = false;
    UINT dueMessage_ = 0;
};

}  // namespace marlow::host
