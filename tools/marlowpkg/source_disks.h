// Where a file to copy comes from on one architecture: its line in
// [SourceDisksFiles.<arch>] (or the undecorated section, which serves where
// no decorated one lists the file) gives the disk and an optional folder;
// the disk's line in [SourceDisksNames.<arch>] (or the undecorated one)
// gives the disk's folder inside the package.
#pragma once

#include <string>

#include "inf_file.h"
#include "package_context.h"

namespace marlow {

struct SourceLocation {
    std::string relative;  // path inside the package, '/' separated
    int nLine = 0;         // the [SourceDisksFiles...] line
};

// False with a sentence in problem when the INF does not say where the file
// comes from on that architecture.
[[nodiscard]] bool ResolveSource(const InfFile& inf, Architecture architecture,
                                 const std::string& fileName, SourceLocation& location,
                                 std::string& problem);

}  // namespace marlow
