// Deterministic PPD files of a chosen size for the benchmarks: features with
// options and PostScript code, installable features, and constraints, most
// of them from the installable features to the others, as in printer files.
#pragma once

#include <string>

namespace marlow {
namespace bench {

struct PpdShape {
    int features;      // outside the group "InstallableOptions"
    int options;       // per feature
    int installables;  // features inside the group, four options each
    int constraints;
    int codeBytes;  // PostScript code per option, roughly
};

// About 2 MB: 500 features, 5,000 constraints, 10 installable features.
constexpr PpdShape kLargePpdShape{490, 8, 10, 5000, 300};

std::string GeneratePpd(const PpdShape& shape);

}  // namespace bench
}  // namespace marlow
