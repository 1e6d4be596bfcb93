// marlowppd --lint: where the plug-in reads a PPD file differently from the
// PPD format, and what the user then misses. The file is read twice: line by
// line as the format means it, and by the plug-in's own reader, statement by
// statement; each finding names the line, a category and the consequence.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace marlow {

struct LintFinding {
    std::int64_t nLine;    // 0: the file as a whole
    const char* category;  // short name, such as "short-constraint"
    std::string message;   // one sentence, UTF-8
};

// The findings for the file's bytes (as fgetc delivers them), by line.
std::vector<LintFinding> LintPpd(const std::vector<unsigned char>& bytes);

}  // namespace marlow
