// marlowhost's installed path: the driver package installed into the Wine
// prefix's spooler as the class installer would (host/package_install.h),
// with marlowdrvui.dll as the driver's UI module, and the sheet opened the
// way an application opens it: DocumentPropertiesW with DM_IN_PROMPT. The
// script runs in that sheet; the report adds the document settings that
// came back to the application. Everything installed is removed again.
#pragma once

#include "command_line.h"

#include <cstdio>

namespace marlow::host {

// Returns the program's exit status (0, 1 when the script stopped, 2 when
// the package could not be installed or the sheet not shown).
int RunInstalledSheet(const HostOptions& options);

// --time-sheet: the time from the call to the sheet shown, through
// DocumentPropertiesW and on the direct path, runs of each in turn.
int TimeSheetPaths(const HostOptions& options, const std::wstring& dllPath, const std::wstring& ppdPath);

}  // namespace marlow::host
