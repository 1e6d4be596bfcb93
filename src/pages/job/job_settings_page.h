// The "Extended Settings" page (dialog 10000): stored jobs and the printer's
// access control, edited in the plug-in's private section.
#pragma once

#include "platform/windows_sdk.h"

namespace marlow {

INT_PTR CALLBACK JobSettingsDlgProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace marlow
