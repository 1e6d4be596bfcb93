#include "run_marlowpkg.h"

#include <exception>

#include "finding_report.h"
#include "package_check.h"

namespace marlow {

namespace {

constexpr char kUsage[] =
    "usage: marlowpkg check DIR... [--json]\n"
    "  Checks driver packages: each DIR is a package folder (one INF and the\n"
    "  files it copies) or a folder of package folders; with more than one\n"
    "  package they are also compared. Exit status: 0 sound, 1 findings,\n"
    "  2 cannot read.\n";

int RunCommand(const std::vector<CommandArgument>& arguments, std::FILE* out, std::FILE* err) {
    if (arguments.size() == 2 && (arguments[1].text == "--help" || arguments[1].text == "-h")) {
        std::fputs(kUsage, out);
        return kExitSound;
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
