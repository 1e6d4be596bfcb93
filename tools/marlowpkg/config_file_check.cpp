#include "config_file_check.h"

#include <filesystem>
#include <map>

#include "dll_surface.h"
#include "pe_image.h"
#include "source_disks.h"

namespace marlow {

namespace {

bool EndsWithIgnoringCase(const std::string& text, const std::string& ending) {
    return text.size() >= ending.size() &&
           EqualsIgnoringCase(text.substr(text.size() - ending.size()), ending);
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string Trim(const std::string& text) {
    std::size_t start = 0;
    std::size_t end = text.size();
    while (start < end && IsBlank(text[start])) {
        ++start;
    }
    while (end > start && IsBlank(text[end - 1])) {
        --end;
    }
    return text.substr(start, end - start);
}

struct NamedPlugin {
    std::string name;
    int nLine;
};

// Reads [OEMFiles] of one copy of the configuration file; findings against
// that copy; the plug-ins it names.
std::vector<NamedPlugin> ReadOemFiles(PackageContext& context, const std::string& relative,
                                      const std::vector<unsigned char>& bytes) {
    const std::string text = DecodeTextFile(bytes);
    std::vector<NamedPlugin> plugins;
    std::map<std::string, std::map<int, int>> numbers;  // prefix -> number -> line
    bool bInOemFiles = false;
    bool bSawOemFiles = false;
    int nLine = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string line = text.substr(start, end - start);
        ++nLine;
        start = end + (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n' ? 2 : 1);
        const std::string trimmed = Trim(line);
        if (trimmed.empty() || trimmed[0] == '#' || trimmed[0] == ';') {
            continue;
        }
        if (trimmed[0] == '[') {
            bInOemFiles = EqualsIgnoringCase(trimmed, "[OEMFiles]");
            bSawOemFiles = bSawOemFiles || bInOemFiles;
            continue;
        }
        if (!bInOemFiles) {
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos) {
            context.AddFinding(relative, nLine, "oem-files",
                               "a line of [OEMFiles] reads OEMConfigFileN=file.dll");
            continue;
        }
        const std::string rawKey = line.substr(0, equals);
        const std::string rawValue = line.substr(equals + 1);
        if (rawKey != Trim(rawKey) || rawValue != Trim(rawValue)) {
            context.AddFinding(relative, nLine, "oem-files",
                               "blanks around '=' in [OEMFiles]; the driver reads the name with "
                               "the blanks and finds no such file");
        }
        const std::string key = Trim(rawKey);
        const std::string value = Trim(rawValue);
        std::string prefix;
        for (const char* candidate : {"OEMConfigFile", "OEMDriverFile"}) {
            const std::string name(candidate);
            if (key.size() > name.size() && EqualsIgnoringCase(key.substr(0, name.size()), name) &&
                key.find_first_not_of("0123456789", name.size()) == std::string::npos) {
                prefix = name;
            }
        }
        if (prefix.empty() || key.size() - prefix.size() > 4) {
            context.AddFinding(relative, nLine, "oem-files",
                               "\"" + key + "\" is neither OEMConfigFileN nor OEMDriverFileN");
            continue;
        }
        const int number = std::stoi(key.substr(prefix.size()));
        if (!numbers[prefix].emplace(number, nLine).second) {
            context.AddFinding(relative, nLine, "oem-files",
                               key + " appears twice in [OEMFiles]");
        }
        if (value.empty() || value.find_first_of("\\/:") != std::string::npos) {
            context.AddFinding(relative, nLine, "oem-files",
                               "\"" + value + "\" must be a plain file name: the driver looks for "
                               "it in the printer driver directory, never along a path");
            continue;
        }
        plugins.push_back({value, nLine});
    }
    if (!bSawOemFiles) {
        context.AddFinding(relative, 0, "oem-files",
                           "the configuration file has no [OEMFiles] section, so no plug-in loads");
    }
    for (const auto& entry : numbers) {
        int expected = 1;
        for (const auto& numbered : entry.second) {
            if (numbered.first != expected) {
                context.AddFinding(relative, numbered.second, "oem-files",
                                   entry.first + " numbers must run from 1 without gaps; " +
                                       entry.first + std::to_string(expected) + " is missing");
                break;
            }
            ++expected;
        }
    }
    return plugins;
}

void CheckPluginDll(PackageContext& context, Architecture architecture,
                    const std::string& relative, const std::filesystem::path& path) {
    std::vector<unsigned char> bytes;
    PeImage image;
    std::string error;
    if (!PackageFolder::ReadBytes(path, bytes)) {
        context.AddFinding(relative, 0, "dll-unreadable", "the file cannot be read");
        return;
    }
    if (!ReadPeImage(bytes, image, error)) {
        context.AddFinding(relative, 0, "dll-unreadable", "not a DLL Windows can load: " + error);
        return;
    }
    const std::uint16_t expected =
        architecture == Architecture::kX86 ? kMachineX86 : kMachineX64;
    if (image.wMachine != expected) {
        context.AddFinding(relative, 0, "dll-machine",
                           "the DLL is built for " + DescribeMachine(image.wMachine) + ", but " +
                               GetPlatformDisplayName(architecture) +
                               " Windows needs one built for " + DescribeMachine(expected) +
                               " and refuses to load it (ERROR_EXE_MACHINE_TYPE_MISMATCH)");
        return;
    }
    const int oldest = context.nOldestPlatform[static_cast<int>(architecture)];
    for (const std::string& problem : CheckDllSurface(image, oldest, GetSystemImportsText())) {
        context.AddFinding(relative, 0, "dll-surface", problem);
    }
}

void CheckNamedPlugins(PackageContext& context, const InstallSectionEntry& install,
                       Architecture architecture, const std::vector<NamedPlugin>& plugins,
                       const std::string& configRelative) {
    for (const NamedPlugin& plugin : plugins) {
        if (EqualsIgnoringCase(plugin.name, install.driverFile) ||
            EqualsIgnoringCase(plugin.name, install.configFile)) {
            context.AddFinding(configRelative, plugin.nLine, "plugin-role",
                               plugin.name + " is the driver's " +
                                   (EqualsIgnoringCase(plugin.name, install.driverFile)
                                        ? "DriverFile"
                                        : "ConfigFile") +
                                   " in [" + install.name +
                                   "]; a plug-in is a dependent file, the PostScript driver "
                                   "keeps those roles");
            continue;
        }
        bool bDependent = false;
        for (const std::string& name : install.dependentFiles) {
            bDependent = bDependent || EqualsIgnoringCase(name, plugin.name);
        }
        if (!bDependent) {
            context.AddFinding(configRelative, plugin.nLine, "plugin-role",
                               plugin.name + " is not among the files [" + install.name +
                                   "] copies; the driver would not find it, nor would Point and "
                                   "Print clients get it");
            continue;
        }
        SourceLocation location;
        std::string problem;
        std::filesystem::path path;
        if (!ResolveSource(context.inf, architecture, plugin.name, location, problem) ||
            !context.folder.FindFile(location.relative, path)) {
            continue;  // the install section's check names what is missing
        }
        if (EndsWithIgnoringCase(plugin.name, ".dll")) {
            CheckPluginDll(context, architecture, location.relative, path);
        }
    }
}

}  // namespace

void CheckConfigurationFiles(PackageContext& context) {
    for (const InstallSectionEntry& install : context.installSections) {
        std::vector<std::string> configFiles;
        for (const std::string& name : install.dependentFiles) {
            if (EndsWithIgnoringCase(name, ".ini")) {
                configFiles.push_back(name);
            }
        }
        if (configFiles.size() != 1) {
            std::string names;
            for (const std::string& name : configFiles) {
                names += (names.empty() ? "" : ", ") + name;
            }
            context.AddInfFinding(install.nLine, "config-file",
                                  "[" + install.name + "] has " +
                                      std::to_string(configFiles.size()) +
                                      " plug-in configuration files among its dependent files" +
                                      (names.empty() ? "" : " (" + names + ")") +
                                      "; the driver reads exactly one");
            if (configFiles.empty()) {
                continue;
            }
        }
        for (Architecture architecture : kArchitectures) {
            if (!Serves(install, architecture)) {
                continue;
            }
            for (const std::string& config : configFiles) {
                SourceLocation location;
                std::string problem;
                std::filesystem::path path;
                std::vector<unsigned char> bytes;
                if (!ResolveSource(context.inf, architecture, config, location, problem) ||
                    !context.folder.FindFile(location.relative, path) ||
                    !PackageFolder::ReadBytes(path, bytes)) {
                    continue;  // the install section's check names what is missing
                }
                CheckNamedPlugins(context, install, architecture,
                                  ReadOemFiles(context, location.relative, bytes),
                                  location.relative);
            }
        }
    }
}

}  // namespace marlow
