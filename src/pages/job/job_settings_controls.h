// The controls of the Extended Settings page (dialog 10000) and what the page
// does with them: their texts, typing limits, values loaded from and saved
// into the private section, and which of them are enabled. Each operation is
// given the page window.
#pragma once

#include "platform/oem_records.h"

namespace marlow {

// Texts of the string tables over the template's texts; nothing without the
// host's record (the template's texts stay).
void SetJobSettingsTexts(HWND hDlg, const OEMCUIPPARAM* pOemCuiParam);

// The typing limit of each text field.
void LimitJobSettingsText(HWND hDlg);

// The check boxes, radio buttons and text fields from the private section
// (pDevmode: its 172 bytes); nothing without one.
void LoadJobSettings(HWND hDlg, const void* pDevmode);

// The access fields follow "Save Access Control settings".
void UpdateAccessControlControls(HWND hDlg);

// The stored-job kinds and fields follow "Reserve Job Settings"; the job
// password only for a confidential job.
void UpdateReserveJobControls(HWND hDlg);

// The controls' values into the private section; nothing without one.
void SaveJobSettings(HWND hDlg, void* pDevmode);

// Whether the control is one of the five text fields.
[[nodiscard]] bool IsJobSettingsTextField(int id) noexcept;

}  // namespace marlow
