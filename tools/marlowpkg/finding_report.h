// Printing the findings: one line each, "FILE:LINE: category: sentence"
// ("FILE: category: sentence" for a file as a whole), or one JSON object
// with the number of packages and the findings (line null for a whole file).
#pragma once

#include <cstdio>

#include "package_check.h"

namespace marlow {

void PrintFindingsText(const PackageCheckResult& result, std::FILE* out);
void PrintFindingsJson(const PackageCheckResult& result, std::FILE* out);

}  // namespace marlow
