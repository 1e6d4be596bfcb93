// What the checks of one package share: its folder, its INF as read, the
// findings so far, and what the INF offers on each architecture.
#pragma once

#include <string>
#include <vector>

#include "inf_file.h"
#include "package_finding.h"
#include "package_folder.h"

namespace marlow {

enum class Architecture { kX86, kAmd64 };
constexpr Architecture kArchitectures[] = {Architecture::kX86, Architecture::kAmd64};

// "x86" or "amd64": the INF's decoration.
const char* GetDecorationName(Architecture architecture);
// "x86" or "x64": how the user knows the platform.
const char* GetPlatformDisplayName(Architecture architecture);

// A models line: "Model name" = InstallSection, HardwareID.
struct ModelEntry {
    std::string modelName;
    std::string installSection;
    int nLine = 0;
    bool bServesX86 = false;
    bool bServesAmd64 = false;
};

// A file the install section copies, with the line that says so.
struct CopiedFile {
    std::string name;
    int nLine = 0;
};

// An install section as the checks understood it.
struct InstallSectionEntry {
    std::string name;
    int nLine = 0;
    bool bServesX86 = false;
    bool bServesAmd64 = false;
    std::vector<CopiedFile> copied;
    std::string dataFile;
    std::string driverFile;
    std::string configFile;
    std::string helpFile;
    std::vector<std::string> dependentFiles;
};

struct PackageContext {
    PackageContext(PackageFolder folderIn, std::string infNameIn, InfFile infIn)
        : folder(std::move(folderIn)), infName(std::move(infNameIn)), inf(std::move(infIn)) {}

    void AddFinding(const std::string& relative, int nLine, const char* category,
                    const std::string& message) {
        findings.push_back({folder.Describe(relative), nLine, category, message});
    }
    void AddInfFinding(int nLine, const char* category, const std::string& message) {
        AddFinding(infName, nLine, category, message);
    }

    PackageFolder folder;
    std::string infName;  // file name of the INF in the folder
    InfFile inf;
    PackageFindings findings;

    // Filled by the models check: the oldest platform each architecture's
    // models section is for (-1: none serves it), the models and the
    // install sections they name.
    int nOldestPlatform[2] = {-1, -1};
    std::vector<ModelEntry> models;
    std::vector<InstallSectionEntry> installSections;
};

inline bool Serves(const InstallSectionEntry& section, Architecture architecture) {
    return architecture == Architecture::kX86 ? section.bServesX86 : section.bServesAmd64;
}

}  // namespace marlow
