// The whole document sheet in the platform's own common property-sheet UI
// (Wine's compstui): CommonPropertySheetUIW with a sheet function that hands
// every request to the plug-in's DocumentPropertySheets, as the driver does
// for its plug-in. The sheet is modal; once it is up, a callback sees it
// from inside its message loop, and then a button press closes it.
#pragma once

#include "host/host_sheet.h"
#include "platform/oem_interfaces.h"

#include <functional>
#include <vector>

namespace marlow::host {

struct CompstuiSheetRun {
    bool bLoaded = false;      // compstui.dll and its entry point were found
    bool bShown = false;       // the sheet came up and whenShown ran
    LONG returned = 0;         // what CommonPropertySheetUIW returned
    DWORD dwResult = 0;        // its result out-value
    // The requests handed to the plug-in, in order: reason, the record's
    // version as compstui filled it, and the plug-in's answer.
    struct Request {
        WORD reason;
        WORD version;
        HRESULT answer;
    };
    std::vector<Request> requests;
};

// What a sheet run shows and does: pages of the host's own, added before the
// plug-in's (the driver's item tree stands first on its sheets), which
// request method of the plug-in serves the sheet, what runs once the sheet
// is up, and the button that then closes it (0: the sheet stays until its
// user, or whenShown's own doing, closes it).
struct CompstuiSheetPlan {
    std::vector<PROPSHEETPAGEW> hostPages;
    bool bPrinterSheet = false;  // DevicePropertySheets instead of DocumentPropertySheets
    std::function<void(HWND sheet)> whenShown;
    int closeButton = PSBTN_CANCEL;
};

// records: the sheet's records after CommonUIProp; their module, heap and
// settings go into the OEMUIPSPARAM the plug-in receives as lParamInit.
// A plug-in that serves no pages for the printer sheet leaves the host's.
CompstuiSheetRun RunCompstuiSheet(IPrintOemUI2& plugin, HostSheet& records,
                                  const CompstuiSheetPlan& plan);

// records: the sheet's records after CommonUIProp; their module, heap and
// settings go into the OEMUIPSPARAM the plug-in receives as lParamInit.
// closeButton: PSBTN_OK or PSBTN_CANCEL.
CompstuiSheetRun RunCompstuiDocumentSheet(IPrintOemUI2& plugin, HostSheet& records,
                                          const std::function<void(HWND sheet)>& whenShown,
                                          int closeButton = PSBTN_CANCEL);

// The texts of the sheet's tabs, in order.
std::vector<std::wstring> ReadTabTitles(HWND sheet);

}  // namespace marlow::host
