#include "pages/job/job_settings_validation.h"

#include "core/resource_string.h"
#include "devmode/private_devmode.h"
#include "pages/dialog_controls.h"
#include "res/resource_ids.h"

#include <cstddef>

namespace marlow {
namespace {

// A name's field in the private section, terminator included.
constexpr std::size_t kNameUnits = JOB_NAME_UNITS;
static_assert(JOB_USER_NAME_UNITS == kNameUnits && JOB_PASSWORD_UNITS <= kNameUnits,
              "the job's names and password are read into the same room");

// Whether the field holds text, read as far as a name is read.
bool HasText(HWND hDlg, int id) {
    WCHAR text[kNameUnits] = {};
    return GetDlgItemTextW(hDlg, id, text, static_cast<int>(kNameUnits)) > 0;
}

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
