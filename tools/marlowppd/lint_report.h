// Printing the lint's findings: one line each, "LINE: category: sentence"
// ("-" for the file as a whole), or JSON with the line null there.
#pragma once

#include <cstdio>
#include <vector>

#include "ppd_lint.h"

namespace marlow {

void PrintLintText(const std::vector<LintFinding>& findings, std::FILE* out);
void PrintLintJson(const std::vector<LintFinding>& findings, std::FILE* out);

}  // namespace marlow
