#include "pages/job/job_settings_page.h"

#include "core/boundary_guard.h"
#include "pages/page_context.h"

namespace marlow {

INT_PTR CALLBACK JobSettingsDlgProc(HWND hDlg, UINT message, WPARAM, LPARAM lParam) {
    return CallGuarded<INT_PTR>(FALSE, [&]() -> INT_PTR {
        if (message == WM_INITDIALOG) {
            KeepPageContext(hDlg, lParam);
        }
        return FALSE;
    });
}

}  // namespace marlow
