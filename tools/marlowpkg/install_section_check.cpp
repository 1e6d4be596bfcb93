#include "install_section_check.h"

#include <filesystem>

#include "source_disks.h"

namespace marlow {

namespace {

constexpr int kMaxDependentFiles = 64;
constexpr char kPrinterDriverDirectory[] = "66000";

std::string Field(const InfLine& line, std::size_t index) {
    return index < line.fields.size() ? line.fields[index] : "";
}

bool ContainsName(const std::vector<CopiedFile>& files, const std::string& name) {
    for (const CopiedFile& file : files) {
        if (EqualsIgnoringCase(file.name, name)) {
            return true;
        }
    }
    return false;
}

// The destination of a file-list section ("" for @files): its own
// [DestinationDirs] line, else DefaultDestDir.
void CheckDestination(PackageContext& context, const std::string& fileList, int nCopyLine) {
    const InfLine* line = fileList.empty() ? nullptr : context.inf.FindLine("DestinationDirs", fileList);
    if (line == nullptr) {
        line = context.inf.FindLine("DestinationDirs", "DefaultDestDir");
    }
    if (line == nullptr) {
        context.AddInfFinding(nCopyLine, "destination",
                              "[DestinationDirs] gives no directory for these files; printer "
                              "driver files go to DefaultDestDir=66000");
    } else if (Field(*line, 0) != kPrinterDriverDirectory) {
        context.AddInfFinding(line->nLine, "destination",
                              "files go to directory " + Field(*line, 0) +
                                  "; printer driver files belong in 66000, the printer driver "
                                  "directory");
    }
}

void AddCopied(PackageContext& context, InstallSectionEntry& install, const std::string& name,
               int nLine) {
    if (ContainsName(install.copied, name)) {
        context.AddInfFinding(nLine, "copy-files",
                              name + " is copied twice by [" + install.name + "]");
        return;
    }
    install.copied.push_back({name, nLine});
}

void ReadFileList(PackageContext& context, InstallSectionEntry& install, const std::string& name,
                  int nCopyLine) {
    const InfSection* list = context.inf.FindSection(name);
    if (list == nullptr) {
        context.AddInfFinding(nCopyLine, "copy-files",
                              "CopyFiles names the section [" + name + "], which does not exist");
        return;
    }
    CheckDestination(context, name, nCopyLine);
    for (const InfLine& line : list->lines) {
        const std::size_t count = line.fields.size();
        const bool bFlagOnly = count == 3 && Field(line, 1).empty() &&
                               !Field(line, 2).empty() &&
                               Field(line, 2).find_first_not_of("0123456789xXabcdefABCDEF") ==
                                   std::string::npos;
        if (line.bHasKey || Field(line, 0).empty() || !(count == 1 || bFlagOnly)) {
            context.AddInfFinding(line.nLine, "file-list",
                                  "a printer file-list line is name[,,flag] only; source and "
                                  "temporary names are not allowed in printer INFs");
            if (line.bHasKey || Field(line, 0).empty()) {
                continue;
            }
        }
        AddCopied(context, install, Field(line, 0), line.nLine);
    }
}

void ReadCopyFiles(PackageContext& context, InstallSectionEntry& install) {
    const InfLine* copy = context.inf.FindLine(install.name, "CopyFiles");
    if (copy == nullptr) {
        context.AddInfFinding(install.nLine, "copy-files",
                              "[" + install.name + "] copies no files (no CopyFiles)");
        return;
    }
    bool bDirectFiles = false;
    for (const std::string& entry : copy->fields) {
        if (entry.empty()) {
            continue;
        }
        if (entry[0] == '@') {
            bDirectFiles = true;
            AddCopied(context, install, entry.substr(1), copy->nLine);
        } else {
            ReadFileList(context, install, entry, copy->nLine);
        }
    }
    if (bDirectFiles) {
        CheckDestination(context, "", copy->nLine);
    }
}

void RequireEntry(PackageContext& context, const InstallSectionEntry& install, const char* key,
                  const char* expected, const char* why) {
    const InfLine* line = context.inf.FindLine(install.name, key);
    if (line == nullptr) {
        context.AddInfFinding(install.nLine, "install-section",
                              "[" + install.name + "] lacks " + key + "=" + expected + "; " + why);
    } else if (!EqualsIgnoringCase(Field(*line, 0), expected)) {
        context.AddInfFinding(line->nLine, "install-section",
                              std::string(key) + " is " + Field(*line, 0) + ", not " + expected +
                                  "; " + why);
    }
}

std::string ReadRole(const PackageContext& context, const InstallSectionEntry& install,
                     const char* key) {
    const InfLine* line = context.inf.FindLine(install.name, key);
    return line == nullptr ? "" : Field(*line, 0);
}

void CheckSources(PackageContext& context, const InstallSectionEntry& install) {
    for (Architecture architecture : kArchitectures) {
        if (!Serves(install, architecture)) {
            continue;
        }
        for (const CopiedFile& file : install.copied) {
            SourceLocation location;
            std::string problem;
            if (!ResolveSource(context.inf, architecture, file.name, location, problem)) {
                context.AddInfFinding(file.nLine, "source-files", problem);
                continue;
            }
            std::filesystem::path found;
            if (!context.folder.FindFile(location.relative, found)) {
                context.AddInfFinding(location.nLine, "source-files",
                                      location.relative + ", the " +
                                          GetPlatformDisplayName(architecture) + " source of " +
                                          file.name + ", is not in the package");
            }
        }
    }
}

}  // namespace

void CheckInstallSections(PackageContext& context) {
    for (InstallSectionEntry& install : context.installSections) {
        ReadCopyFiles(context, install);
        RequireEntry(context, install, "DataSection", "PSCRIPT_DATA",
                     "it makes the platform's PostScript driver the driver and configuration "
                     "module");
        RequireEntry(context, install, "Include", "NTPRINT.INF",
                     "the PostScript driver's files come from the system's NTPRINT.INF");
        RequireEntry(context, install, "Needs", "PSCRIPT.OEM",
                     "it installs the platform's PostScript driver files");

        install.dataFile = ReadRole(context, install, "DataFile");
        if (install.dataFile.empty()) {
            install.dataFile = install.name;  // the section's name is the default
        }
        install.driverFile = ReadRole(context, install, "DriverFile");
        install.configFile = ReadRole(context, install, "ConfigFile");
        install.helpFile = ReadRole(context, install, "HelpFile");
        if (!ContainsName(install.copied, install.dataFile)) {
            const InfLine* line = context.inf.FindLine(install.name, "DataFile");
            context.AddInfFinding(line == nullptr ? install.nLine : line->nLine, "data-file",
                                  "the data file " + install.dataFile + " of [" + install.name +
                                      "] is not among the files it copies");
        }
        for (const CopiedFile& file : install.copied) {
            const std::string& name = file.name;
            if (!EqualsIgnoringCase(name, install.dataFile) &&
                !EqualsIgnoringCase(name, install.driverFile) &&
                !EqualsIgnoringCase(name, install.configFile) &&
                !EqualsIgnoringCase(name, install.helpFile)) {
                install.dependentFiles.push_back(name);
            }
        }
        if (install.dependentFiles.size() > kMaxDependentFiles) {
            context.AddInfFinding(install.nLine, "dependent-files",
                                  "[" + install.name + "] has " +
                                      std::to_string(install.dependentFiles.size()) +
                                      " dependent files; a printer driver may have at most " +
                                      std::to_string(kMaxDependentFiles));
        }
        CheckSources(context, install);
    }
}

}  // namespace marlow
