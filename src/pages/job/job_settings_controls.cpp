#include "pages/job/job_settings_controls.h"

#include "core/resource_string.h"
#include "devmode/private_devmode.h"
#include "pages/dialog_controls.h"
#include "res/resource_ids.h"

#include <cstddef>
#include <utility>

namespace marlow {
namespace {

// A text field: its control and where it is kept in the private section.
// As many characters may be typed (and are read on save) as the section's
// field holds besides its terminator.
struct TextField {
    int id;
    PrivateDevmodeText text;

    constexpr int Limit() const { return static_cast<int>(text.units) - 1; }
};

constexpr TextField kAccessUserName = {IDC_ACCESS_USER_NAME, ACCESS_USER_NAME_TEXT};
constexpr TextField kAccessPassword = {IDC_ACCESS_PASSWORD, ACCESS_PASSWORD_TEXT};
constexpr TextField kJobUserName = {IDC_JOB_USER_NAME, JOB_USER_NAME_TEXT};
constexpr TextField kJobPassword = {IDC_JOB_PASSWORD, JOB_PASSWORD_TEXT};
constexpr TextField kJobName = {IDC_JOB_NAME, JOB_NAME_TEXT};

// In the order the limits are set.
constexpr TextField kTextFields[] = {kAccessUserName, kAccessPassword, kJobUserName, kJobPassword,
                                     kJobName};

// The longest field (the access password) and its terminator.
constexpr std::size_t kTextUnits = ACCESS_PASSWORD_UNITS + 1;

static_assert(sizeof(WCHAR) == sizeof(char16_t), "WCHAR is UTF-16 here");

struct ControlText {
    int id;
    UINT stringId;
};

// In the order they are set.
constexpr ControlText kControlTexts[] = {
    {IDC_SAVE_ACCESS_CONTROL, IDS_SAVE_ACCESS_CONTROL},
    {IDC_ACCESS_USER_NAME_LABEL, IDS_USER_NAME},
    {IDC_ACCESS_NOTICE, IDS_ACCESS_CONTROL_NOTICE},
    {IDC_ACCESS_PASSWORD_LABEL, IDS_PASSWORD},
    {IDC_ACCESS_GROUP, IDS_JOB_SETTINGS_GROUP},
    {IDC_RESERVE_GROUP, IDS_RESERVE_JOB_SETTINGS},
    {IDC_RESERVE_JOB, IDS_RESERVE_JOB_SETTINGS},
    {IDC_REPRINT_JOB, IDS_REPRINT_JOB},
    {IDC_VERIFY_JOB, IDS_VERIFY_JOB},
    {IDC_CONFIDENTIAL_JOB, IDS_CONFIDENTIAL_JOB},
    {IDC_JOB_PASSWORD_GROUP, IDS_PASSWORD},
    {IDC_JOB_USER_NAME_GROUP, IDS_USER_NAME},
    {IDC_JOB_NAME_GROUP, IDS_JOB_NAME},
};

// The child with this id, found by its id as the dialog manager stored it
// (the group box without an id of its own included).
HWND FindControl(HWND hDlg, int id) {
    for (HWND child = GetWindow(hDlg, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetDlgCtrlID(child) == id) {
            return child;
        }
    }
    return nullptr;
}

void LoadTextField(HWND hDlg, const void* pDevmode, const TextField& field) {
    char16_t stored[kTextUnits] = {};
    const std::size_t length = ReadPrivateDevmodeText(pDevmode, field.text, stored);
    WCHAR text[kTextUnits] = {};
    for (std::size_t i = 0; i < length; ++i) {
        text[i] = static_cast<WCHAR>(stored[i]);
    }
    SetDlgItemTextW(hDlg, field.id, text);
}

void SaveTextField(HWND hDlg, void* pDevmode, const TextField& field) {
    WCHAR text[kTextUnits] = {};
    const UINT length = GetDlgItemTextW(hDlg, field.id, text, field.Limit() + 1);
    char16_t units[kTextUnits] = {};
    for (UINT i = 0; i < length; ++i) {
        units[i] = static_cast<char16_t>(text[i]);
    }
    WritePrivateDevmodeText(pDevmode, field.text, units, length);
}

// Which radio button shows the stored-job kind: none for "no stored job",
// where "Verify Job" is preselected but not in force.
int FindJobKindButton(std::uint32_t reserveJobType) {
    switch (reserveJobType) {
    case RESERVE_JOB_REPRINT:
        return IDC_REPRINT_JOB;
    case RESERVE_JOB_VERIFY:
        return IDC_VERIFY_JOB;
    case RESERVE_JOB_CONFIDENTIAL:
        return IDC_CONFIDENTIAL_JOB;
    default:
        return 0;
    }
}

}  // namespace

bool IsJobSettingsTextField(int id) noexcept {
    for (const TextField& field : kTextFields) {
        if (field.id == id) {
            return true;
        }
    }
    return false;
}

void SetJobSettingsTexts(HWND hDlg, const OEMCUIPPARAM* pOemCuiParam) {
    if (pOemCuiParam == nullptr) {
        return;
    }
    const auto hModule = static_cast<HMODULE>(pOemCuiParam->hModule);
    for (const ControlText& control : kControlTexts) {
        const UniqueHeapText text =
            LoadResourceString(hModule, pOemCuiParam->hOEMHeap, control.stringId);
        SetWindowTextW(FindControl(hDlg, control.id), text ? text.Get() : L"");
    }
}

void LimitJobSettingsText(HWND hDlg) {
    for (const TextField& field : kTextFields) {
        SendDlgItemMessageW(hDlg, field.id, EM_LIMITTEXT, static_cast<WPARAM>(field.Limit()), 0);
    }
}

void LoadJobSettings(HWND hDlg, const void* pDevmode) {
    if (pDevmode == nullptr) {
        return;
    }
    for (int id : {IDC_RESERVE_JOB, IDC_REPRINT_JOB, IDC_VERIFY_JOB, IDC_CONFIDENTIAL_JOB}) {
        CheckControl(hDlg, id, false);
    }
    const int kindButton = FindJobKindButton(
        ReadPrivateDevmodeU32(pDevmode, offsetof(PrivateDevmode, dwReserveJobType)));
    CheckControl(hDlg, IDC_RESERVE_JOB, kindButton != 0);
    CheckControl(hDlg, kindButton != 0 ? kindButton : IDC_VERIFY_JOB, true);
    CheckControl(hDlg, IDC_SAVE_ACCESS_CONTROL,
                 ReadPrivateDevmodeU8(pDevmode, offsetof(PrivateDevmode, bSaveAccessControl)) != 0);
    for (const TextField& field : {kJobUserName, kJobPassword, kJobName, kAccessUserName, kAccessPassword}) {
        LoadTextField(hDlg, pDevmode, field);
    }
}

void UpdateAccessControlControls(HWND hDlg) {
    const bool saveAccessControl = IsDlgButtonChecked(hDlg, IDC_SAVE_ACCESS_CONTROL) != BST_UNCHECKED;
    EnableControl(hDlg, IDC_ACCESS_USER_NAME, saveAccessControl);
    EnableControl(hDlg, IDC_ACCESS_PASSWORD, saveAccessControl);
}

void UpdateReserveJobControls(HWND hDlg) {
    const bool reserve = IsChecked(hDlg, IDC_RESERVE_JOB);
    for (int id : {IDC_REPRINT_JOB, IDC_VERIFY_JOB, IDC_CONFIDENTIAL_JOB, IDC_JOB_NAME, IDC_JOB_USER_NAME}) {
        EnableControl(hDlg, id, reserve);
    }
    EnableControl(hDlg, IDC_JOB_PASSWORD, reserve && IsChecked(hDlg, IDC_CONFIDENTIAL_JOB));
}

void SaveJobSettings(HWND hDlg, void* pDevmode) {
    if (pDevmode == nullptr) {
        return;
    }
    constexpr std::size_t kReserveJobTypeAt = offsetof(PrivateDevmode, dwReserveJobType);
    if (IsChecked(hDlg, IDC_RESERVE_JOB)) {
        const std::pair<int, std::uint32_t> kinds[] = {{IDC_REPRINT_JOB, RESERVE_JOB_REPRINT},
                                                       {IDC_VERIFY_JOB, RESERVE_JOB_VERIFY},
                                                       {IDC_CONFIDENTIAL_JOB, RESERVE_JOB_CONFIDENTIAL}};
        for (const auto& [id, kind] : kinds) {
            if (IsChecked(hDlg, id)) {
                WritePrivateDevmodeU32(pDevmode, kReserveJobTypeAt, kind);
                break;
            }
        }
        for (const TextField& field : {kJobPassword, kJobUserName, kJobName}) {
            SaveTextField(hDlg, pDevmode, field);
        }
    } else {
        WritePrivateDevmodeU32(pDevmode, kReserveJobTypeAt, RESERVE_JOB_NONE);
    }

    constexpr std::size_t kSaveAccessControlAt = offsetof(PrivateDevmode, bSaveAccessControl);
    if (IsChecked(hDlg, IDC_SAVE_ACCESS_CONTROL)) {
        WritePrivateDevmodeU8(pDevmode, kSaveAccessControlAt, 1);
        for (const TextField& field : {kAccessPassword, kAccessUserName}) {
            SaveTextField(hDlg, pDevmode, field);
        }
    } else {
        WritePrivateDevmodeU8(pDevmode, kSaveAccessControlAt, 0);
    }
}

}  // namespace marlow
