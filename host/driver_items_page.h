// A page of the host's own that stands in for the driver's item tree, which
// Wine's compstui does not draw: the sheet's items in their groups (by
// level), each with its current choice and what the plug-in did to it -
// hidden, disabled, changed (OPTIF_CHANGEONCE), and the warning sign on the
// choices the installed hardware rules out. The user picks an item in the
// list and a choice in the list of its choices below it; the page then calls the plug-in's
// item callback as the driver does (a selection change, and the apply when
// the sheet applies), and lists what the driver interface was told.
#pragma once

#include "host/host_sheet.h"
#include "host/recording_driver_ui.h"
#include "platform/property_sheet.h"

#include <string>
#include <vector>

namespace marlow::host {

// The page's controls, for scripts and tests.
constexpr int kItemsListId = 101;
constexpr int kChoiceLabelId = 102;
constexpr int kChoiceBoxId = 103;
constexpr int kHostLogId = 105;

// One call of the plug-in's item callback, as the page made it.
struct ItemCallbackCall {
    WORD reason;           // CPSUICB_REASON_SEL_CHANGED or CPSUICB_REASON_APPLYNOW
    std::wstring item;     // the changed item's name; empty for the apply
    std::wstring choice;   // its new choice
    LONG answer;           // what the callback returned
};

// The same choice for a page that lives in another module of this process
// (the driver UI module's sheet under DocumentPropertiesW): the items page is
// found among the sheet's pages and asked by a window message.
[[nodiscard]] bool ChooseItemOptionInSheet(HWND sheet, const std::wstring& item, const std::wstring& choice,
                                           std::wstring* problem);

class DriverItemsPage {
public:
    // sheet and driverUI outlive the page. The document sheet's page calls
    // the item callback; the printer sheet's has none to call.
    DriverItemsPage(HostSheet& sheet, RecordingDriverUI& driverUI);
    DriverItemsPage(const DriverItemsPage&) = delete;
    DriverItemsPage& operator=(const DriverItemsPage&) = delete;

    // The page record to add to a sheet (the template lives in this object).
    PROPSHEETPAGEW Describe();
    const wchar_t* Title() const;
    HWND Window() const { return window_; }

    // The user's choice: the item named so (as the list shows it, case
    // ignored) gets the named choice. False, with the reason in problem,
    // when there is no such item or choice, or the item is hidden or
    // disabled, or the page is not open.
    [[nodiscard]] bool ChooseItemOption(const std::wstring& item, const std::wstring& choice,
                                        std::wstring* problem);

    const std::vector<ItemCallbackCall>& CallbackCalls() const { return calls_; }

private:
    static INT_PTR CALLBACK HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    int FindInitialItem();
    void CreateControls();
    void FillItemList();
    void FillChoiceBox();
    void FillHostLog();
    void ApplyChosenOption();
    void ApplySheet();
    void DrawListEntry(const DRAWITEMSTRUCT& draw) const;

    HostSheet& sheet_;
    RecordingDriverUI& driverUI_;
    std::vector<WORD> template_;
    std::vector<ItemCallbackCall> calls_;
    HWND window_ = nullptr;
    int current_ = -1;  // the item whose choices the box shows
};

}  // namespace marlow::host
