// The plug-in's pages of one document sheet, hosted as the driver hosts them:
// DocumentPropertySheets(PROPSHEETUI_REASON_INIT) with the recording sheet
// function, then a real modeless property sheet over the pages it added,
// whose message loop the caller runs.
//
//   auto records = session.MakeDocumentSheet();
//   session.RunCommonUIProp(*records);
//   DocumentPages pages(session.Plugin(), *records);
//   ASSERT_EQ(S_OK, pages.AddPages());
//   HWND page = pages.OpenPage(10000);      // shows the sheet, selects the page
//   TypeText(page, 10016, L"anna"); ...
#pragma once

#include "host/com_prop_sheet_recorder.h"
#include "host/host_sheet.h"
#include "host/modeless_sheet.h"
#include "platform/oem_interfaces.h"

#include <memory>

namespace marlow::host {

class DocumentPages {
public:
    // records: the sheet's records after CommonUIProp; they must outlive this.
    DocumentPages(IPrintOemUI2& plugin, HostSheet& records);

    // The INIT request; what DocumentPropertySheets answered.
    [[nodiscard]] HRESULT AddPages();
    // Another request of the same sheet (header, destroy, set result ...).
    [[nodiscard]] HRESULT Request(WORD reason, LPARAM lParam, ULONG_PTR* pResult);

    ComPropSheetRecorder& Recorder() { return recorder_; }
    const ComPropSheetRecorder& Recorder() const { return recorder_; }
    const OEMUIPSPARAM& InitParam() const { return initParam_; }

    // The position of the page made from this dialog template among the
    // pages added; -1 when there is none.
    int FindPage(WORD templateId) const;

    // Shows the sheet over the pages added (once); null sheet window when the
    // platform refused.
    ModelessSheet& Show(UINT startPage = 0);
    // Shows the sheet if needed and makes the page of this template current;
    // its window, or null.
    HWND OpenPage(WORD templateId);
    // The sheet once shown (null before).
    ModelessSheet* Sheet() { return sheet_.get(); }

private:
    IPrintOemUI2& plugin_;
    OEMUIPSPARAM initParam_ = {};
    ComPropSheetRecorder recorder_;
    std::unique_ptr<ModelessSheet> sheet_;
};

}  // namespace marlow::host
