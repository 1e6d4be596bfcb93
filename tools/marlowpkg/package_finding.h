// One thing wrong with a driver package: where (a file of the package and a
// line of it, 0 for the file as a whole), what kind of fault, and a sentence
// for the engineer.
#pragma once

#include <string>
#include <vector>

namespace marlow {

struct PackageFinding {
    std::string file;      // the package folder as given, '/', the path inside it
    int nLine = 0;         // 1-based; 0: the file as a whole
    std::string category;  // short name, such as "source-files"
    std::string message;   // one sentence, UTF-8
};

using PackageFindings = std::vector<PackageFinding>;

}  // namespace marlow
