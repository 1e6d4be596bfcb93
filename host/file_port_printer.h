// A local printer of a driver, printing to the "FILE:" port through
// WinPrint in RAW: the printers the host programs add to open a driver's
// sheets.
#pragma once

#include "platform/win32_handles.h"

#include <string>

namespace marlow::host {

// The added printer, open; empty (GetLastError tells why) when the spooler
// refused it.
UniquePrinter AddFilePortPrinter(const std::wstring& printerName, const std::wstring& driverName);

}  // namespace marlow::host
