#include "pages/layout/layout_page.h"

#include "core/boundary_guard.h"
#include "pages/page_context.h"

namespace marlow {

// The page keeps its context; its controls are not filled yet.
INT_PTR CALLBACK LayoutPageProc(HWND hDlg, UINT message, WPARAM, LPARAM lParam) {
    return CallGuarded<INT_PTR>(FALSE, [&]() -> INT_PTR {
        if (message == WM_INITDIALOG) {
            KeepPageContext(hDlg, lParam);
        }
        return FALSE;
    });
}

}  // namespace marlow
