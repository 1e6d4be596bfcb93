#include "pages/job/job_settings_validation.h"

#include "core/resource_string.h"
#include "res/resource_ids.h"

namespace marlow {
namespace {

constexpr int kNameLimit = 14;

// Whether the field holds text, read as far as a name is read.
bool HasText(HWND hDlg, int id) {
    WCHAR text[kNameLimit + 1] = {};
    return GetDlgItemTextW(hDlg, id, text, kNameLimit + 1) > 0;
}

bool IsChecked(HWND hDlg, int id) { return IsDlgButtonChecked(hDlg, id) == BST_CHECKED; }

// The message due for the input, or 0 when it is complete.
UINT FindMissingInputMessage(HWND hDlg) {
    if (!IsChecked(hDlg, IDC_RESERVE_JOB)) {
        return 0;
    }
    const bool hasUserName = HasText(hDlg, IDC_JOB_USER_NAME);
    const bool hasJobName = HasText(hDlg, IDC_JOB_NAME);
    const bool hasPassword = HasText(hDlg, IDC_JOB_PASSWORD);
    if (IsChecked(hDlg, IDC_REPRINT_JOB) || IsChecked(hDlg, IDC_VERIFY_JOB)) {
        return hasUserName && hasJobName ? 0 : IDS_JOB_NEEDS_NAMES;
    }
    if (IsChecked(hDlg, IDC_CONFIDENTIAL_JOB)) {
        return hasUserName && hasJobName && hasPassword ? 0 : IDS_JOB_NEEDS_PASSWORD;
    }
    return 0;
}

void ShowMissingInput(HWND hDlg, const OEMCUIPPARAM* param, UINT messageId) {
    const auto hModule = param != nullptr ? static_cast<HMODULE>(param->hModule) : nullptr;
    const HANDLE hHeap = param != nullptr ? param->hOEMHeap : nullptr;
    // Both texts are released once the box has closed.
    const UniqueHeapText caption = LoadResourceString(hModule, hHeap, IDS_JOB_ERROR_CAPTION);
    const UniqueHeapText text = LoadResourceString(hModule, hHeap, messageId);
    MessageBoxW(hDlg, text ? text.Get() : L"", caption ? caption.Get() : L"",
                MB_OK | MB_ICONWARNING);
}

}  // namespace

bool ValidateJobSettings(HWND hDlg, const PluginContext& context) {
    const UINT messageId = FindMissingInputMessage(hDlg);
    if (messageId == 0) {
        return true;
    }
    ShowMissingInput(hDlg, context.pOemCuiParam, messageId);
    return false;
}

}  // namespace marlow
