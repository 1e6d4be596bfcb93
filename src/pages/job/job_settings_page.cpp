#include "pages/job/job_settings_page.h"

#include "core/boundary_guard.h"
#include "pages/dialog_controls.h"
#include "pages/job/job_settings_controls.h"
#include "pages/job/job_settings_validation.h"
#include "pages/job/typed_character_filters.h"
#include "pages/page_context.h"
#include "res/resource_ids.h"

namespace marlow {
namespace {

INT_PTR InitJobSettingsPage(HWND hDlg, LPARAM lParam) {
    const PluginContext* context = KeepPageContext(hDlg, lParam);
    SaveEditProcedure(GetDlgItem(hDlg, IDC_ACCESS_USER_NAME));
    const OEMCUIPPARAM* param = context != nullptr ? context->pOemCuiParam : nullptr;
    SetJobSettingsTexts(hDlg, param);
    LimitJobSettingsText(hDlg);
    SubclassJobSettingsEdits(hDlg);
    LoadJobSettings(hDlg, param != nullptr ? param->pOEMDM : nullptr);
    UpdateAccessControlControls(hDlg);
    UpdateReserveJobControls(hDlg);
    return FALSE;
}

INT_PTR HandleJobSettingsCommand(HWND hDlg, int id, UINT notification) {
    if (notification == BN_CLICKED) {
        switch (id) {
        case IDC_RESERVE_JOB:
        case IDC_REPRINT_JOB:
        case IDC_VERIFY_JOB:
        case IDC_CONFIDENTIAL_JOB:
            SendChangeNotice(hDlg, PSM_CHANGED);
            UpdateReserveJobControls(hDlg);
            break;
        case IDC_SAVE_ACCESS_CONTROL:
            SendChangeNotice(hDlg, PSM_CHANGED);
            UpdateAccessControlControls(hDlg);
            break;
        default:
            break;
        }
    } else if (notification == EN_CHANGE && IsJobSettingsTextField(id)) {
        SendChangeNotice(hDlg, PSM_CHANGED);
    }
    return FALSE;
}

// The page is left or applied: complete input is saved (and the host told
// the page is fine); incomplete input keeps the page.
INT_PTR LeaveJobSettingsPage(HWND hDlg, const PluginContext& context) {
    if (!ValidateJobSettings(hDlg, context)) {
        return AnswerNotification(hDlg, PSNRET_INVALID_NOCHANGEPAGE);
    }
    if (context.pfnComPropSheet != nullptr) {
        static_cast<void>(context.pfnComPropSheet(context.hComPropSheet, CPSFUNC_SET_RESULT,
                                                  reinterpret_cast<LPARAM>(context.hJobSettingsPage),
                                                  CPSUI_OK));
    }
    SendChangeNotice(hDlg, PSM_UNCHANGED);
    SetWindowLongPtrW(hDlg, DWLP_MSGRESULT, PSNRET_NOERROR);
    SaveJobSettings(hDlg, context.pOemCuiParam->pOEMDM);
    SendChangeNotice(hDlg, PSM_UNCHANGED);
    return TRUE;
}

INT_PTR HandleJobSettingsNotify(HWND hDlg, const PluginContext& context, const NMHDR* header) {
    if (header == nullptr) {
        return FALSE;
    }
    switch (header->code) {
    case PSN_RESET:
        return FALSE;
    case PSN_KILLACTIVE:
    case PSN_APPLY:
        return LeaveJobSettingsPage(hDlg, context);
    default:
        return TRUE;  // no answer of its own
    }
}

INT_PTR HandleJobSettingsMessage(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        return InitJobSettingsPage(hDlg, lParam);
    }
    // Without the host's record the page handles nothing at all.
    const PluginContext* context = FindPageContext(hDlg);
    if (context == nullptr || context->pOemCuiParam == nullptr) {
        return FALSE;
    }
    switch (message) {
    case WM_COMMAND:
        return HandleJobSettingsCommand(hDlg, LOWORD(wParam), HIWORD(wParam));
    case WM_NOTIFY:
        return HandleJobSettingsNotify(hDlg, *context, reinterpret_cast<const NMHDR*>(lParam));
    default:
        return FALSE;
    }
}

}  // namespace

INT_PTR CALLBACK JobSettingsDlgProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallGuarded<INT_PTR>(FALSE,
                                [&] { return HandleJobSettingsMessage(hDlg, message, wParam, lParam); });
}

}  // namespace marlow
