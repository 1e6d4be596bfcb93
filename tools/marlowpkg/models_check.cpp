#include "models_check.h"

#include <algorithm>
#include <cctype>
#include <map>

#include "dll_surface.h"

namespace marlow {

namespace {

// A decoration: NT[architecture][.major[.minor[...]]].
struct Decoration {
    bool bValid = false;
    std::string architecture;  // lower case; empty: every architecture
    int major = -1;
    int minor = 0;
};

Decoration ParseDecoration(const std::string& text) {
    Decoration decoration;
    if (text.size() < 2 || !EqualsIgnoringCase(text.substr(0, 2), "NT")) {
        return decoration;
    }
    std::size_t dot = text.find('.');
    std::string architecture = text.substr(2, dot == std::string::npos ? dot : dot - 2);
    for (char& c : architecture) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    if (!architecture.empty() && architecture != "x86" && architecture != "amd64" &&
        architecture != "ia64" && architecture != "arm" && architecture != "arm64") {
        return decoration;
    }
    decoration.architecture = architecture;
    int parts[2] = {-1, 0};
    for (int i = 0; i < 2 && dot != std::string::npos; ++i) {
        const std::size_t next = text.find('.', dot + 1);
        const std::string part = text.substr(dot + 1, next == std::string::npos ? next : next - dot - 1);
        if (part.empty()) {
            break;  // an empty major or minor version stands for any
        }
        if (part.size() > 3 || part.find_first_not_of("0123456789") != std::string::npos) {
            return decoration;
        }
        parts[i] = std::stoi(part);
        dot = next;
    }
    decoration.major = parts[0];
    decoration.minor = parts[0] < 0 ? 0 : parts[1];
    decoration.bValid = true;
    return decoration;
}

// The oldest platform of the table the decoration admits on the
// architecture (x64 Windows began with 5.2).
int FindOldestPlatform(const Decoration& decoration, Architecture architecture) {
    const int floor = architecture == Architecture::kAmd64 ? FindPlatform("Windows Server 2003")
                                                           : FindPlatform("Windows 2000");
    if (decoration.major < 0) {
        return floor;
    }
    const int platform = FindFirstPlatformFrom(decoration.major, decoration.minor);
    return platform < 0 ? -1 : platform < floor ? floor : platform;
}

bool DecorationServes(const Decoration& decoration, Architecture architecture) {
    return decoration.architecture.empty() ||
           decoration.architecture == GetDecorationName(architecture);
}

// Whether the package carries files for the architecture.
bool CarriesFilesFor(const PackageContext& context, Architecture architecture) {
    const std::string decorated = std::string("SourceDisksNames.") + GetDecorationName(architecture);
    return context.inf.FindSection(decorated) != nullptr;
}

struct ModelsSection {
    std::string name;
    int nLine;  // the manufacturer line that names it
    bool bServes[2];
};

void TakeOldest(int& current, int candidate) {
    if (candidate >= 0 && (current < 0 || candidate < current)) {
        current = candidate;
    }
}

InstallSectionEntry& FindOrAddInstallSection(PackageContext& context, const std::string& name,
                                             int nLine) {
    for (InstallSectionEntry& entry : context.installSections) {
        if (EqualsIgnoringCase(entry.name, name)) {
            return entry;
        }
    }
    InstallSectionEntry entry;
    entry.name = name;
    entry.nLine = nLine;
    context.installSections.push_back(entry);
    return context.installSections.back();
}

void ReadModelsSection(PackageContext& context, const ModelsSection& models,
                       std::map<std::string, std::pair<std::string, int>>& hardwareIds) {
    const InfSection* section = context.inf.FindSection(models.name);
    std::map<std::string, int> seen;
    for (const InfLine& line : section->lines) {
        if (!line.bHasKey || line.key.empty() || line.fields.empty() || line.fields[0].empty()) {
            context.AddInfFinding(line.nLine, "models",
                                  "a models line reads \"Model name\" = InstallSection, HardwareID");
            continue;
        }
        std::string lower = line.key;
        for (char& c : lower) {
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        if (!seen.emplace(lower, line.nLine).second) {
            context.AddInfFinding(line.nLine, "models",
                                  "\"" + line.key + "\" appears twice in [" + models.name + "]");
        }
        ModelEntry model;
        model.modelName = line.key;
        model.installSection = line.fields[0];
        model.nLine = line.nLine;
        model.bServesX86 = models.bServes[0];
        model.bServesAmd64 = models.bServes[1];
        context.models.push_back(model);

        for (std::size_t i = 1; i < line.fields.size() && i < 2; ++i) {
            std::string id = line.fields[i];
            for (char& c : id) {
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            }
            if (id.empty()) {
                continue;
            }
            const auto found = hardwareIds.find(id);
            if (found == hardwareIds.end()) {
                hardwareIds.emplace(id, std::make_pair(line.key, line.nLine));
            } else if (!EqualsIgnoringCase(found->second.first, line.key)) {
                context.AddInfFinding(line.nLine, "hardware-id",
                                      "the hardware id " + line.fields[i] + " stands for \"" +
                                          line.key + "\" here and for \"" + found->second.first +
                                          "\" on line " + std::to_string(found->second.second) +
                                          "; Windows cannot tell which driver fits the printer");
            }
        }

        if (context.inf.FindSection(model.installSection) == nullptr) {
            context.AddInfFinding(line.nLine, "install-section",
                                  "the install section [" + model.installSection + "] of \"" +
                                      line.key + "\" does not exist");
            continue;
        }
        InstallSectionEntry& install =
            FindOrAddInstallSection(context, model.installSection,
                                    context.inf.FindSection(model.installSection)->nLine);
        install.bServesX86 = install.bServesX86 || models.bServes[0];
        install.bServesAmd64 = install.bServesAmd64 || models.bServes[1];
    }
}

}  // namespace

void CheckModels(PackageContext& context) {
    const InfSection* manufacturer = context.inf.FindSection("Manufacturer");
    if (manufacturer == nullptr || manufacturer->lines.empty()) {
        context.AddInfFinding(manufacturer == nullptr ? 0 : manufacturer->nLine, "manufacturer",
                              "the INF has no [Manufacturer] entry, so it offers no printer");
        return;
    }
    std::vector<ModelsSection> sections;
    for (const InfLine& line : manufacturer->lines) {
        if (line.fields.empty() || line.fields[0].empty()) {
            context.AddInfFinding(line.nLine, "manufacturer",
                                  "a manufacturer line names no models section");
            continue;
        }
        const std::string& base = line.fields[0];
        for (std::size_t i = 1; i < line.fields.size(); ++i) {
            const Decoration decoration = ParseDecoration(line.fields[i]);
            const std::string name = base + "." + line.fields[i];
            if (!decoration.bValid) {
                context.AddInfFinding(line.nLine, "manufacturer",
                                      "\"" + line.fields[i] +
                                          "\" is no decoration of the form NT[architecture][.major"
                                          "[.minor]]");
                continue;
            }
            if (context.inf.FindSection(name) == nullptr) {
                context.AddInfFinding(line.nLine, "manufacturer",
                                      "the models section [" + name +
                                          "] that this line names does not exist");
                continue;
            }
            ModelsSection models{name, line.nLine, {false, false}};
            for (Architecture architecture : kArchitectures) {
                const int index = static_cast<int>(architecture);
                if (DecorationServes(decoration, architecture)) {
                    models.bServes[index] = true;
                    TakeOldest(context.nOldestPlatform[index],
                               FindOldestPlatform(decoration, architecture));
                }
            }
            sections.push_back(models);
        }
        // The undecorated section: x86 systems without a decorated match,
        // and the systems older than decorations.
        if (context.inf.FindSection(base) != nullptr) {
            sections.push_back({base, line.nLine, {true, false}});
            TakeOldest(context.nOldestPlatform[0], FindPlatform("Windows 2000"));
        } else if (line.fields.size() == 1) {
            context.AddInfFinding(line.nLine, "manufacturer",
                                  "the models section [" + base + "] does not exist");
        }
    }
    for (Architecture architecture : kArchitectures) {
        const int index = static_cast<int>(architecture);
        if (CarriesFilesFor(context, architecture) && context.nOldestPlatform[index] < 0) {
            context.AddInfFinding(
                manufacturer->nLine, "manufacturer",
                std::string("the package carries files for ") + GetPlatformDisplayName(architecture) +
                    " but no models section serves it" +
                    (architecture == Architecture::kAmd64
                         ? "; x64 Windows reads only a models section decorated NTamd64"
                         : ""));
        }
    }
    // In the order of the file, so that findings follow it.
    std::stable_sort(sections.begin(), sections.end(),
                     [&](const ModelsSection& a, const ModelsSection& b) {
                         return context.inf.FindSection(a.name)->nLine <
                                context.inf.FindSection(b.name)->nLine;
                     });
    std::map<std::string, std::pair<std::string, int>> hardwareIds;
    for (const ModelsSection& models : sections) {
        ReadModelsSection(context, models, hardwareIds);
    }
}

}  // namespace marlow
