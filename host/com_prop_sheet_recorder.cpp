#include "host/com_prop_sheet_recorder.h"

#include <algorithm>
#include <cstring>

namespace marlow::host {

ComPropSheetRecorder::~ComPropSheetRecorder() {
    if (pagesTaken_) {
        return;
    }
    for (const RecordedPage& page : pages_) {
        if (page.hPage != nullptr) {
            DestroyPropertySheetPage(page.hPage);
        }
    }
}

PROPSHEETUI_INFO ComPropSheetRecorder::MakeInfo(WORD reason, LPARAM lParamInit) {
    PROPSHEETUI_INFO info = {};
    info.cbSize = sizeof(info);
    info.Version = 0x0100;
    info.Reason = reason;
    info.hComPropSheet = SheetHandle();
    info.pfnComPropSheet = Function();
    info.lParamInit = lParamInit;
    return info;
}

std::vector<ComPropSheetCall> ComPropSheetRecorder::CallsOf(UINT function) const {
    std::vector<ComPropSheetCall> calls;
    std::copy_if(calls_.begin(), calls_.end(), std::back_inserter(calls),
                 [function](const ComPropSheetCall& call) { return call.function == function; });
    return calls;
}

std::vector<HPROPSHEETPAGE> ComPropSheetRecorder::TakePageHandles() {
    std::vector<HPROPSHEETPAGE> handles;
    for (const RecordedPage& page : pages_) {
        if (page.hPage != nullptr) {
            handles.push_back(page.hPage);
        }
    }
    pagesTaken_ = true;
    return handles;
}

LONG_PTR ComPropSheetRecorder::AddPage(const PROPSHEETPAGEW* page) {
    RecordedPage recorded;
    if (page == nullptr) {
        pages_.push_back(recorded);
        return 0;
    }
    recorded.dwSize = page->dwSize;
    std::memcpy(&recorded.record, page, std::min<std::size_t>(page->dwSize, sizeof(recorded.record)));
    if (page->dwSize >= offsetof(PROPSHEETPAGEW_V4, pfnDlgProc) && !IS_INTRESOURCE(page->pszTitle)) {
        recorded.bTitleIsText = true;
        recorded.title = page->pszTitle;
    }
    if (!refusePages_) {
        recorded.hPage = CreatePropertySheetPageW(page);
    }
    pages_.push_back(recorded);
    return reinterpret_cast<LONG_PTR>(recorded.hPage);
}

LONG_PTR CALLBACK ComPropSheetRecorder::ComPropSheet(HANDLE hComPropSheet, UINT function,
                                                     LPARAM lParam1, LPARAM lParam2) {
    auto* recorder = reinterpret_cast<ComPropSheetRecorder*>(hComPropSheet);
    LONG_PTR result = 0;
    switch (function) {
    case CPSFUNC_ADD_PROPSHEETPAGEW:
        result = recorder->AddPage(reinterpret_cast<const PROPSHEETPAGEW*>(lParam1));
        break;
    case CPSFUNC_SET_HSTARTPAGE:
    case CPSFUNC_SET_RESULT:
        result = 1;
        break;
    default:
        break;
    }
    recorder->calls_.push_back({function, lParam1, lParam2, result});
    return result;
}

}  // namespace marlow::host
