// What marlowhost reports when a sheet has closed: the sheet's pages, the
// script's steps and message boxes, the item callback's calls, what the
// driver interface was told, the public duplex mode, the private section
// field by field and the items with what the plug-in did to them. As text
// for people, or as JSON for tools; both carry the same facts, and neither
// carries anything that varies from run to run (addresses, handles, paths,
// times).
#pragma once

#include "sheet_script.h"

#include "host/driver_items_page.h"
#include "host/host_sheet.h"
#include "host/recording_driver_ui.h"

#include <string>
#include <vector>

namespace marlow::host {

struct SheetReportInput {
    bool bPrinterSheet;
    HRESULT commonUIProp;  // what the filling call answered
    HostSheet& sheet;
    const RecordingDriverUI& driverUI;
    const std::vector<ItemCallbackCall>& callbackCalls;
    const ScriptOutcome& outcome;
    bool bScripted;
};

std::string WriteTextReport(const SheetReportInput& input);
std::string WriteJsonReport(const SheetReportInput& input);

}  // namespace marlow::host
