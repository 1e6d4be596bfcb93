#include "host/document_pages.h"

#include "host/property_sheet_param.h"

namespace marlow::host {

DocumentPages::DocumentPages(IPrintOemUI2& plugin, HostSheet& records)
    : plugin_(plugin), initParam_(MakePropertySheetParam(records.Param())) {}

HRESULT DocumentPages::AddPages() {
    ULONG_PTR result = 0;
    return Request(PROPSHEETUI_REASON_INIT, 0, &result);
}

HRESULT DocumentPages::Request(WORD reason, LPARAM lParam, ULONG_PTR* pResult) {
    PROPSHEETUI_INFO info = recorder_.MakeInfo(reason, reinterpret_cast<LPARAM>(&initParam_));
    const HRESULT hr = plugin_.DocumentPropertySheets(&info, lParam);
    if (pResult != nullptr) {
        *pResult = info.Result;
    }
    return hr;
}

int DocumentPages::FindPage(WORD templateId) const {
    int index = 0;
    for (const RecordedPage& page : recorder_.Pages()) {
        if (page.hPage == nullptr) {
            continue;  // not in the sheet
        }
        if (page.record.pszTemplate == MAKEINTRESOURCEW(templateId)) {
            return index;
        }
        ++index;
    }
    return -1;
}

ModelessSheet& DocumentPages::Show(UINT startPage) {
    if (!sheet_) {
        sheet_ = std::make_unique<ModelessSheet>(recorder_.TakePageHandles(), startPage);
    }
    return *sheet_;
}

HWND DocumentPages::OpenPage(WORD templateId) {
    const int index = FindPage(templateId);
    if (index < 0) {
        return nullptr;
    }
    ModelessSheet& sheet = Show(static_cast<UINT>(index));
    // Selecting the current page again would ask it to be left first.
    if (sheet.CurrentIndex() != index && !sheet.SelectPage(index)) {
        return nullptr;
    }
    return sheet.CurrentPage();
}

}  // namespace marlow::host
