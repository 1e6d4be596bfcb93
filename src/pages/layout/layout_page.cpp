#include "pages/layout/layout_page.h"

#include "core/boundary_guard.h"
#include "pages/dialog_controls.h"
#include "pages/layout/common_controls_api.h"
#include "pages/layout/layout_commands.h"
#include "pages/layout/layout_controls.h"
#include "pages/layout/layout_preview.h"
#include "pages/page_context.h"

namespace marlow {
namespace {

// The page's image list lives in a window property of the page from
// WM_INITDIALOG to WM_DESTROY.
constexpr WCHAR kImageListProperty[] = L"marlowui.LayoutImageList";

INT_PTR InitLayoutPage(HWND hDlg, LPARAM lParam) {
    const PluginContext* context = KeepPageContext(hDlg, lParam);
    if (context == nullptr) {
        return FALSE;
    }
    CallInitCommonControls();
    // Texts and pictures come from the host's record (module and heap);
    // without it the template's texts stay and the lists get no pictures.
    if (context->pOemCuiParam == nullptr) {
        return FALSE;
    }
    SetLayoutLabels(hDlg, *context->pOemCuiParam);
    UniqueImageList images = CreateLayoutImageList(*context->pOemCuiParam);
    if (images && SetPropW(hDlg, kImageListProperty, images.Get())) {
        SetLayoutImageList(hDlg, images.Release());
    }
    return FALSE;
}

void DestroyLayoutImageList(HWND hDlg) {
    const UniqueImageList images(static_cast<HIMAGELIST>(RemovePropW(hDlg, kImageListProperty)));
}

// Answered as the Extended Settings page answers: leaving and applying
// always succeed here (the page holds no input that could be incomplete).
INT_PTR HandleLayoutNotify(HWND hDlg, const PluginContext& context, const NMHDR* header) {
    if (header == nullptr) {
        return FALSE;
    }
    switch (header->code) {
    case PSN_RESET:
        return FALSE;
    case PSN_KILLACTIVE:
    case PSN_APPLY:
        PushLayoutItems(context);
        return AnswerNotification(hDlg, PSNRET_NOERROR);
    default:
        return TRUE;  // no answer of its own
    }
}

INT_PTR HandleLayoutMessage(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        return InitLayoutPage(hDlg, lParam);
    }
    // What the page owns goes with it, whatever became of the host's record
    // since the page was made.
    if (message == WM_DESTROY) {
        DestroyLayoutImageList(hDlg);
        return FALSE;
    }
    // Without the host's record the page handles nothing at all.
    const PluginContext* context = FindPageContext(hDlg);
    if (context == nullptr || context->pOemCuiParam == nullptr) {
        return FALSE;
    }
    switch (message) {
    case WM_SHOWWINDOW:
        SyncLayoutControls(hDlg, *context->pOemCuiParam);
        return FALSE;
    case WM_COMMAND:
        return HandleLayoutCommand(hDlg, *context, LOWORD(wParam), HIWORD(wParam));
    case WM_NOTIFY:
        return HandleLayoutNotify(hDlg, *context, reinterpret_cast<const NMHDR*>(lParam));
    case WM_PAINT:
        PaintLayoutPreview(hDlg, *context->pOemCuiParam);
        return FALSE;
    default:
        return FALSE;
    }
}

}  // namespace

INT_PTR CALLBACK LayoutPageProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallGuarded<INT_PTR>(FALSE, [&] { return HandleLayoutMessage(hDlg, message, wParam, lParam); });
}

}  // namespace marlow
