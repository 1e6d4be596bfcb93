#include "pages/page_context.h"

namespace marlow {

PluginContext* KeepPageContext(HWND hDlg, LPARAM initParam) noexcept {
    // The record is the sheet's copy of what the plug-in registered; its
    // lParam is the context.
    const auto* page = reinterpret_cast<const PROPSHEETPAGEW*>(initParam);
    auto* context = page != nullptr ? reinterpret_cast<PluginContext*>(page->lParam) : nullptr;
    SetWindowLongPtrW(hDlg, DWLP_USER, reinterpret_cast<LONG_PTR>(context));
    return context;
}

PluginContext* FindPageContext(HWND hDlg) noexcept {
    return reinterpret_cast<PluginContext*>(GetWindowLongPtrW(hDlg, DWLP_USER));
}

}  // namespace marlow
