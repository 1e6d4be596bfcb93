// A PPD file as the format means it, line by line: each statement begins a
// line with '*' ("*%" begins a comment), has a main keyword, an optional
// option keyword with a translation after the first '/', a colon and a value;
// a quoted value runs to the next double quote, over lines if need be. This
// is the lint's own reading, independent of the plug-in's token reader.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace marlow {

struct PpdLineStatement {
    std::int64_t nLine = 0;   // 1 plus the line feeds before the statement
    std::string keyword;      // "*OpenUI", "*PageSize", "*UIConstraints"
    std::string option;       // the option keyword: "*PageSize" after "*OpenUI", "Letter"
    bool bHasSlash = false;   // the option part had a '/'
    std::string translation;  // after the first '/', <hex> read, blanks around cut
    std::string value;        // the quoted text, or the rest of the line without blanks around
    bool bQuoted = false;
    bool bHasColon = false;
};

std::vector<PpdLineStatement> ReadPpdLines(const std::vector<unsigned char>& bytes);

// The value split at blanks (spaces, tabs, line ends).
std::vector<std::string> SplitValueTokens(const std::string& value);

}  // namespace marlow
