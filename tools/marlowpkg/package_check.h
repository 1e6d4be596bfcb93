// marlowpkg check: driver package folders (one INF and the files it copies)
// checked as the printer class installer, the driver and the loader would
// take them. With more than one package (several folders, or a folder of
// package folders) they are also compared: they must offer the same models
// with the same PPD and the same plug-in configuration file.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "package_finding.h"

namespace marlow {

struct PackageCheckResult {
    bool bReadable = false;  // false: error says why nothing could be checked
    std::string error;
    int nPackages = 0;
    PackageFindings findings;
};

struct PackageArgument {
    std::filesystem::path folder;
    std::string label;  // how findings name the folder: the argument as given, in UTF-8
};

// Each argument is a package folder or a folder of them; every package found
// is checked, and all of them are compared with the first.
PackageCheckResult CheckPackages(const std::vector<PackageArgument>& arguments);

}  // namespace marlow
