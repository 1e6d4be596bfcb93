// The "Layout" page (dialog 11001), which shows the host's layout items that
// the plug-in hides on the document sheet.
#pragma once

#include "platform/windows_sdk.h"

namespace marlow {

INT_PTR CALLBACK LayoutPageProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace marlow
