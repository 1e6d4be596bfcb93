// marlowhost's command line.
#pragma once

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
    bool showHelp = false;
    std::wstring error;  // non-empty: the command line was not understood
};

HostOptions ParseHostOptions(const std::vector<std::wstring>& arguments);

extern const char kHostUsage[];

}  // namespace marlow::host
