// marlowhost's command line.
#pragma once

#include "script.h"

#include <string>
#include <utility>
#include <vector>

namespace marlow::host {

struct HostOptions {
    std::wstring dllPath;  // empty: marlowui.dll beside the program
    std::wstring ppdPath;  // empty: the sample PPD beside the program
    // Installed options as the printer reports them: 8-bit keyword without
    // asterisk, and option keyword.
    std::vector<std::pair<std::string, std::string>> installed;
    bool colourOn = true;
    std::wstring language;     // empty: the thread's own
    bool printerSheet = false;  // the printer-properties sheet instead of the document sheet
    bool json = false;
    bool frameReport = false;  // only the plug-in object's answers, no sheet
    // Script steps in order: from --script files and -e, as given.
    std::vector<ScriptStep> steps;
    bool scripted = false;       // a script was given (even an empty one): no user
    std::wstring screenshotsDir;  // empty: no pictures
    // The installed path: the driver package to install; empty: the direct path.
    std::wstring packageDir;
    int timingRuns = 0;  // --time-sheet: runs of each path; 0: no timing
    bool showHelp = false;
    std::wstring error;        // non-empty: the command line was not understood
    std::wstring scriptError;  // non-empty: a script could not be read (names the line)
};

HostOptions ParseHostOptions(const std::vector<std::wstring>& arguments);

extern const char kHostUsage[];

}  // namespace marlow::host
