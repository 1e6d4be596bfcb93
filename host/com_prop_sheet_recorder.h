// The host sheet's side of the plug-in's page registration: a pfnComPropSheet
// that records every call the plug-in makes, in order - the page records it
// hands over (copied as they were at the call, dwSize included), the
// start-page request, the results it sets - and answers
// CPSFUNC_ADD_PROPSHEETPAGEW with a real page from CreatePropertySheetPageW.
#pragma once

#include "platform/property_sheet.h"

#include <string>
#include <vector>

namespace marlow::host {

struct ComPropSheetCall {
    UINT function;
    LPARAM lParam1;
    LPARAM lParam2;
    LONG_PTR result;
};

struct RecordedPage {
    // The record's own dwSize, and its first min(dwSize, 104/56) bytes laid
    // over a zeroed version-4 record.
    DWORD dwSize = 0;
    PROPSHEETPAGEW_V4 record = {};
    // The title text at the time of the call; bTitleIsText false when
    // pszTitle was null or a resource id.
    bool bTitleIsText = false;
    std::wstring title;
    // The page made from the record; null when the platform refused it (or
    // the recorder was told to refuse).
    HPROPSHEETPAGE hPage = nullptr;
};

class ComPropSheetRecorder {
public:
    ComPropSheetRecorder() = default;
    // Destroys the pages that no sheet has taken.
    ~ComPropSheetRecorder();
    ComPropSheetRecorder(const ComPropSheetRecorder&) = delete;
    ComPropSheetRecorder& operator=(const ComPropSheetRecorder&) = delete;

    // What to hand the plug-in as hComPropSheet and pfnComPropSheet.
    HANDLE SheetHandle() { return reinterpret_cast<HANDLE>(this); }
    static PFNCOMPROPSHEET Function() { return &ComPropSheet; }
    // A PROPSHEETUI_INFO of version 0x0100 for this sheet and reason.
    PROPSHEETUI_INFO MakeInfo(WORD reason, LPARAM lParamInit = 0);

    // Answer CPSFUNC_ADD_PROPSHEETPAGEW with 0, as a host that refuses pages.
    void RefusePages(bool refuse) { refusePages_ = refuse; }

    const std::vector<ComPropSheetCall>& Calls() const { return calls_; }
    const std::vector<RecordedPage>& Pages() const { return pages_; }
    // The calls of one function, in order.
    std::vector<ComPropSheetCall> CallsOf(UINT function) const;
    void ClearCalls() { calls_.clear(); }

    // Hands the pages made so far to a sheet, which destroys them.
    std::vector<HPROPSHEETPAGE> TakePageHandles();

private:
    static LONG_PTR CALLBACK ComPropSheet(HANDLE hComPropSheet, UINT function, LPARAM lParam1,
                                          LPARAM lParam2);
    LONG_PTR AddPage(const PROPSHEETPAGEW* page);

    bool refusePages_ = false;
    bool pagesTaken_ = false;
    std::vector<ComPropSheetCall> calls_;
    std::vector<RecordedPage> pages_;
};

}  // namespace marlow::host
