// Where the printer's PPD file is: the data file of its driver, as the
// spooler reports it.
#pragma once

#include "platform/windows_sdk.h"

namespace marlow {

constexpr DWORD kPpdPathUnits = MAX_PATH;

// True when the buffer received the path (shorter than MAX_PATH units, NUL
// ended).
[[nodiscard]] bool GetPpdFilePath(HANDLE hHeap, HANDLE hPrinter, WCHAR (&path)[kPpdPathUnits]);

}  // namespace marlow
