// The command line of marlowppd:
//   marlowppd FILE [--installed *KEY=OPTION]... [--json]
//   marlowppd --lint FILE [--json]
#pragma once

#include <cstdint>
#include <memory>

namespace marlow {

struct InstalledOption {
    const char16_t* wszFeature;  // with its asterisk, as the model keeps it
    const char16_t* wszOption;
};

struct MarlowppdArguments {
    int nFileIndex = -1;  // the argument that names the PPD file
    bool bJson = false;
    bool bLint = false;
    bool bHelp = false;
    std::unique_ptr<InstalledOption[]> pInstalled;
    int nInstalledCount = 0;
};

enum class ArgumentsResult { kValid, kHelp, kInvalid, kOutOfMemory };

// Reads the arguments (argv[0] is the program). The values of --installed
// are split in place at their first '='. On kInvalid, *ppszProblem says why.
ArgumentsResult ParseMarlowppdArguments(int argc, char16_t** argv, MarlowppdArguments& arguments,
                                        const char** ppszProblem);

extern const char kMarlowppdUsage[];

}  // namespace marlow
