#include "package_check.h"

#include <algorithm>
#include <system_error>

#include "config_file_check.h"
#include "data_file_check.h"
#include "install_section_check.h"
#include "models_check.h"
#include "package_context.h"
#include "source_disks.h"
#include "version_section_check.h"

namespace marlow {

const char* GetDecorationName(Architecture architecture) {
    return architecture == Architecture::kX86 ? "x86" : "amd64";
}

const char* GetPlatformDisplayName(Architecture architecture) {
    return architecture == Architecture::kX86 ? "x86" : "x64";
}

namespace {

bool EndsWithInf(const std::string& name) {
    return name.size() > 4 && EqualsIgnoringCase(name.substr(name.size() - 4), ".inf");
}

// The INF files directly in the folder, sorted.
std::vector<std::string> ListInfFiles(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().u8string();
        if (EndsWithInf(name) && it->is_regular_file(error)) {
            names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

// What packages must agree on.
struct PackageOffer {
    std::string label;
    std::string infFile;
    std::vector<std::string> models;
    std::string dataFile;
    std::vector<unsigned char> dataBytes;
    std::string configFile;
    std::vector<unsigned char> configBytes;
};

// The bytes of a file the install section copies, from the first
// architecture that has it.
void ReadCopiedFile(const PackageContext& context, const std::string& name,
                    std::vector<unsigned char>& bytes) {
    for (Architecture architecture : kArchitectures) {
        SourceLocation location;
        std::string problem;
        std::filesystem::path path;
        if (ResolveSource(context.inf, architecture, name, location, problem) &&
            context.folder.FindFile(location.relative, path) &&
            PackageFolder::ReadBytes(path, bytes)) {
            return;
        }
    }
}

PackageOffer DescribeOffer(const PackageContext& context) {
    PackageOffer offer;
    offer.label = context.folder.GetLabel();
    offer.infFile = context.folder.Describe(context.infName);
    for (const ModelEntry& model : context.models) {
        offer.models.push_back(model.modelName);
    }
    std::sort(offer.models.begin(), offer.models.end());
    offer.models.erase(std::unique(offer.models.begin(), offer.models.end()), offer.models.end());
    if (!context.installSections.empty()) {
        const InstallSectionEntry& install = context.installSections.front();
        offer.dataFile = install.dataFile;
        ReadCopiedFile(context, install.dataFile, offer.dataBytes);
        for (const std::string& name : install.dependentFiles) {
            if (name.size() > 4 && EqualsIgnoringCase(name.substr(name.size() - 4), ".ini")) {
                offer.configFile = name;
                ReadCopiedFile(context, name, offer.configBytes);
                break;
            }
        }
    }
    return offer;
}

std::string JoinQuoted(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) {
        text += (text.empty() ? "\"" : ", \"") + name + "\"";
    }
    return text.empty() ? "none" : text;
}

void CompareOffers(const PackageOffer& first, const PackageOffer& other, PackageFindings& findings) {
    const auto add = [&](const std::string& message) {
        findings.push_back({other.infFile, 0, "packages-differ", message});
    };
    if (other.models != first.models) {
        add("offers the models " + JoinQuoted(other.models) + ", " + first.label + " offers " +
            JoinQuoted(first.models));
    }
    if (!EqualsIgnoringCase(other.dataFile, first.dataFile)) {
        add("installs the PPD as " + other.dataFile + ", " + first.label + " as " + first.dataFile);
    } else if (other.dataBytes != first.dataBytes) {
        add("its PPD " + other.dataFile + " differs from the one in " + first.label);
    }
    if (!EqualsIgnoringCase(other.configFile, first.configFile)) {
        add("its plug-in configuration file is " + other.configFile + ", in " + first.label +
            " it is " + first.configFile);
    } else if (other.configBytes != first.configBytes) {
        add("its plug-in configuration file " + other.configFile + " differs from the one in " +
            first.label);
    }
}

// Checks one package folder holding exactly one INF.
PackageOffer CheckOnePackage(const std::filesystem::path& folder, const std::string& label,
                             const std::string& infName, PackageFindings& findings) {
    std::vector<unsigned char> bytes;
    PackageContext context(PackageFolder(folder, label), infName, InfFile());
    if (!PackageFolder::ReadBytes(folder / std::filesystem::u8path(infName), bytes)) {
        context.AddInfFinding(0, "inf-syntax", "the INF cannot be read");
    } else {
        context.inf = ReadInfFile(bytes);
        for (const InfProblem& problem : context.inf.GetProblems()) {
            const bool bUndefined = problem.message.find("is not defined in [Strings]") !=
                                    std::string::npos;
            context.AddInfFinding(problem.nLine, bUndefined ? "undefined-string" : "inf-syntax",
                                  problem.message);
        }
        CheckVersionSection(context);
        CheckModels(context);
        CheckInstallSections(context);
        CheckDataFiles(context);
        CheckConfigurationFiles(context);
    }
    findings.insert(findings.end(), context.findings.begin(), context.findings.end());
    return DescribeOffer(context);
}

std::string JoinLabel(const std::string& label, const std::string& name) {
    if (label.empty() || label.back() == '/' || label.back() == '\\') {
        return label + name;
    }
    return label + "/" + name;
}

}  // namespace

PackageCheckResult CheckPackages(const std::vector<PackageArgument>& arguments) {
    PackageCheckResult result;
    struct FoundPackage {
        std::filesystem::path folder;
        std::string label;
        std::string infName;
    };
    std::vector<FoundPackage> packages;
    for (const PackageArgument& argument : arguments) {
        std::error_code error;
        if (!std::filesystem::is_directory(argument.folder, error)) {
            result.error = argument.label + " is not a folder that can be read";
            return result;
        }
        const std::vector<std::string> infFiles = ListInfFiles(argument.folder);
        if (infFiles.size() > 1) {
            result.error = argument.label + " holds " + std::to_string(infFiles.size()) +
                           " INF files; a package has exactly one";
            return result;
        }
        if (infFiles.size() == 1) {
            packages.push_back({argument.folder, argument.label, infFiles[0]});
            continue;
        }
        // A folder of packages: each subfolder that holds exactly one INF.
        std::vector<std::string> subfolders;
        for (std::filesystem::directory_iterator it(argument.folder, error), end;
             !error && it != end; it.increment(error)) {
            if (it->is_directory(error) && ListInfFiles(it->path()).size() == 1) {
                subfolders.push_back(it->path().filename().u8string());
            }
        }
        if (subfolders.empty()) {
            result.error = argument.label + " holds no INF file, nor folders that each hold one";
            return result;
        }
        std::sort(subfolders.begin(), subfolders.end());
        for (const std::string& name : subfolders) {
            const std::filesystem::path subfolder = argument.folder / std::filesystem::u8path(name);
            packages.push_back({subfolder, JoinLabel(argument.label, name), ListInfFiles(subfolder)[0]});
        }
    }
    if (packages.empty()) {
        result.error = "no package folder given";
        return result;
    }
    result.bReadable = true;
    std::vector<PackageOffer> offers;
    for (const FoundPackage& package : packages) {
        offers.push_back(
            CheckOnePackage(package.folder, package.label, package.infName, result.findings));
        ++result.nPackages;
    }
    for (std::size_t i = 1; i < offers.size(); ++i) {
        CompareOffers(offers[0], offers[i], result.findings);
    }
    return result;
}

}  // namespace marlow
