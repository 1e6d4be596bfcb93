// Where the driver's UI module finds its plug-in: the configuration file
// among the printer driver's dependent files (the one ending in ".ini"), its
// [OEMFiles] section, and the user-interface plug-ins it names
// (OEMConfigFile1, OEMConfigFile2, ... in load order, numbered without gaps),
// which lie in the same directory.
#pragma once

#include "platform/windows_sdk.h"

#include <string>
#include <vector>

namespace marlow::host {

struct PluginConfiguration {
    std::wstring dataFile;          // the PPD (DRIVER_INFO_3.pDataFile)
    std::wstring configurationFile; // the .ini among the dependent files; empty: none
    std::vector<std::wstring> userInterfacePlugins;  // full paths, in load order
    std::wstring problem;           // what is missing, when there is no plug-in to load
};

// The dependent files of a DRIVER_INFO_3 (a list of strings ending in an
// empty one); null gives none.
std::vector<std::wstring> SplitDependentFiles(const wchar_t* list);

// The configuration of the printer's driver, through GetPrinterDriverW level 3.
PluginConfiguration FindPluginConfiguration(HANDLE hPrinter);

// The plug-in names of a configuration file, as written (OEMConfigFile1 ...);
// reading stops at the first number that is missing.
std::vector<std::wstring> ReadOemConfigFiles(const std::wstring& configurationFile);

}  // namespace marlow::host
