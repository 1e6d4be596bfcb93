#include "marlowppd_arguments.h"

#include <new>

namespace marlow {

const char kMarlowppdUsage[] =
    "usage: marlowppd FILE [--installed *KEY=OPTION]... [--json]\n"
    "       marlowppd --lint FILE [--json]\n"
    "Reads a PPD file the way the marlowui plug-in does and prints its features,\n"
    "options (with their constrained marks), installable selections and constraints.\n"
    "  --installed *KEY=OPTION  set an installed option, then evaluate the constraints\n"
    "  --json                   print JSON instead of text\n"
    "  --lint                   print where the plug-in reads the file differently from\n"
    "                           the PPD format, and what the user then misses\n"
    "Exit status: 0 read completely (--lint: no finding), 1 reading stopped early\n"
    "(--lint: findings), 2 usage or file error.\n";

namespace {

bool Equals(const char16_t* text, const char* ascii) {
    for (; *ascii != 0; ++text, ++ascii) {
        if (*text != static_cast<unsigned char>(*ascii)) {
            return false;
        }
    }
    return *text == 0;
}

bool StartsWith(const char16_t* text, const char* ascii) {
    for (; *ascii != 0; ++text, ++ascii) {
        if (*text != static_cast<unsigned char>(*ascii)) {
            return false;
        }
    }
    return true;
}

// "*KEY=OPTION", split at the first '='; the key must not be empty.
bool SplitInstalled(char16_t* value, InstalledOption& installed) {
    char16_t* equals = value;
    while (*equals != 0 && *equals != u'=') {
        ++equals;
    }
    if (*equals == 0 || equals == value) {
        return false;
    }
    *equals = 0;
    installed.wszFeature = value;
    installed.wszOption = equals + 1;
    return true;
}

ArgumentsResult Invalid(const char* problem, const char** ppszProblem) {
    *ppszProblem = problem;
    return ArgumentsResult::kInvalid;
}

}  // namespace

ArgumentsResult ParseMarlowppdArguments(int argc, char16_t** argv, MarlowppdArguments& arguments,
                                        const char** ppszProblem) {
    *ppszProblem = "";
    arguments.pInstalled.reset(new (std::nothrow) InstalledOption[argc > 0 ? argc : 1]);
    if (!arguments.pInstalled) {
        return ArgumentsResult::kOutOfMemory;
    }
    for (int i = 1; i < argc; ++i) {
        char16_t* value = nullptr;
        if (Equals(argv[i], "--help") || Equals(argv[i], "-h")) {
            return ArgumentsResult::kHelp;
        } else if (Equals(argv[i], "--json")) {
            arguments.bJson = true;
        } else if (Equals(argv[i], "--lint")) {
            arguments.bLint = true;
        } else if (Equals(argv[i], "--installed")) {
            if (i + 1 >= argc) {
                return Invalid("--installed needs *KEY=OPTION", ppszProblem);
            }
            value = argv[++i];
        } else if (StartsWith(argv[i], "--installed=")) {
            value = argv[i] + 12;
        } else if (StartsWith(argv[i], "--")) {
            return Invalid("unknown option", ppszProblem);
        } else if (arguments.nFileIndex >= 0) {
            return Invalid("more than one file", ppszProblem);
        } else {
            arguments.nFileIndex = i;
        }
        if (value != nullptr &&
            !SplitInstalled(value, arguments.pInstalled[arguments.nInstalledCount++])) {
            return Invalid("--installed needs *KEY=OPTION", ppszProblem);
        }
    }
    if (arguments.nFileIndex < 0) {
        return Invalid("no file given", ppszProblem);
    }
    if (arguments.bLint && arguments.nInstalledCount > 0) {
        return Invalid("--lint takes no --installed", ppszProblem);
    }
    return ArgumentsResult::kValid;
}

}  // namespace marlow
