#include "run_marlowpkg.h"

#include <exception>

#include "dll_surface.h"
#include "finding_report.h"
#include "package_check.h"
#include "package_folder.h"
#include "pe_image.h"

namespace marlow {

namespace {

constexpr char kUsage[] =
    "usage: marlowpkg check DIR... [--json]\n"
    "       marlowpkg surface DLL PLATFORM\n"
    "  check: checks driver packages: each DIR is a package folder (one INF and\n"
    "  the files it copies) or a folder of package folders; with more than one\n"
    "  package they are also compared.\n"
    "  surface: checks that a plug-in DLL loads on PLATFORM (\"Windows 2000\",\n"
    "  \"Windows XP\", \"Windows Server 2003\", \"Windows Vista\", ...).\n"
    "  Exit status: 0 sound, 1 findings, 2 cannot read.\n";

int CheckSurface(const std::vector<CommandArgument>& arguments, std::FILE* out, std::FILE* err) {
    if (arguments.size() != 4) {
        std::fputs("marlowpkg: surface takes a DLL and a platform\n", err);
        std::fputs(kUsage, err);
        return kExitCannotRead;
    }
    const std::string& dll = arguments[2].text;
    const int platform = FindPlatform(arguments[3].text);
    if (platform < 0) {
        std::fprintf(err, "marlowpkg: unknown platform \"%s\"\n", arguments[3].text.c_str());
        return kExitCannotRead;
    }
    std::vector<unsigned char> bytes;
    PeImage image;
    std::string error;
    if (!PackageFolder::ReadBytes(arguments[2].path, bytes)) {
        std::fprintf(err, "marlowpkg: cannot read %s\n", dll.c_str());
        return kExitCannotRead;
    }
    if (!ReadPeImage(bytes, image, error)) {
        std::fprintf(err, "marlowpkg: %s: %s\n", dll.c_str(), error.c_str());
        return kExitCannotRead;
    }
    const std::vector<std::string> problems =
        CheckDllSurface(image, platform, GetSystemImportsText());
    for (const std::string& problem : problems) {
        std::fprintf(out, "%s: %s\n", dll.c_str(), problem.c_str());
    }
    std::size_t functions = 0;
    for (const PeImport& import : image.imports) {
        functions += import.functions.size();
    }
    std::fprintf(out, "%s: %s DLL, subsystem version %d.%d, %zu imported functions of %zu DLLs; %s\n",
                 dll.c_str(), DescribeMachine(image.wMachine).c_str(), image.nMajorSubsystemVersion,
                 image.nMinorSubsystemVersion, functions, image.imports.size(),
                 problems.empty() ? ("loads on " + arguments[3].text).c_str()
                                  : ("does not load on " + arguments[3].text).c_str());
    return problems.empty() ? kExitSound : kExitFindings;
}

int RunCommand(const std::vector<CommandArgument>& arguments, std::FILE* out, std::FILE* err) {
    if (arguments.size() == 2 && (arguments[1].text == "--help" || arguments[1].text == "-h")) {
        std::fputs(kUsage, out);
        return kExitSound;
    }
    if (arguments.size() >= 2 && arguments[1].text == "surface") {
        return CheckSurface(arguments, out, err);
    }
    if (arguments.size() < 2 || arguments[1].text != "check") {
        std::fputs("marlowpkg: the command is missing or unknown\n", err);
        std::fputs(kUsage, err);
        return kExitCannotRead;
    }
    bool bJson = false;
    std::vector<PackageArgument> folders;
    for (std::size_t i = 2; i < arguments.size(); ++i) {
        if (arguments[i].text == "--json") {
            bJson = true;
        } else if (arguments[i].text.size() > 1 && arguments[i].text.compare(0, 2, "--") == 0) {
            std::fprintf(err, "marlowpkg: unknown option %s\n", arguments[i].text.c_str());
            std::fputs(kUsage, err);
            return kExitCannotRead;
        } else {
            folders.push_back({arguments[i].path, arguments[i].text});
        }
    }
    if (folders.empty()) {
        std::fputs("marlowpkg: no package folder given\n", err);
        std::fputs(kUsage, err);
        return kExitCannotRead;
    }
    const PackageCheckResult result = CheckPackages(folders);
    if (!result.bReadable) {
        std::fprintf(err, "marlowpkg: %s\n", result.error.c_str());
        return kExitCannotRead;
    }
    if (bJson) {
        PrintFindingsJson(result, out);
    } else {
        PrintFindingsText(result, out);
    }
    return result.findings.empty() ? kExitSound : kExitFindings;
}

}  // namespace

int RunMarlowpkg(const std::vector<CommandArgument>& arguments, std::FILE* out, std::FILE* err) {
    try {
        return RunCommand(arguments, out, err);
    } catch (const std::exception& exception) {
        std::fprintf(err, "marlowpkg: %s\n", exception.what());
        return kExitCannotRead;
    }
}

}  // namespace marlow
