// Writes small DLL images for the tests: the headers, one section with the
// export and import tables, nothing to run. What the loader would read of
// them is what a real DLL of that surface shows.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "pe_image.h"

namespace marlow {

struct PeImagePlan {
    std::uint16_t wMachine = kMachineX64;
    int nMajorSubsystemVersion = 5;
    int nMinorSubsystemVersion = 2;
    std::vector<std::string> exports = {"DllCanUnloadNow", "DllGetClassObject"};
    std::vector<PeImport> imports = {{"KERNEL32.dll", {"CloseHandle", "GetVersionExW"}},
                                     {"USER32.dll", {"LoadStringW"}}};
};

std::vector<unsigned char> BuildPeImage(const PeImagePlan& plan);

// The plan of a plug-in that loads on every platform from Windows 2000 (x86)
// or Server 2003 (x64) on.
PeImagePlan MakePluginPlan(std::uint16_t wMachine);

}  // namespace marlow
