// The data file of each install section, on every architecture: a PPD whose
// *PCFileName is the data file's own name, whose *ShortNickName (or
// *NickName when it has none) is the model name of every models line that
// leads to it, the same bytes for every architecture, and what
// `marlowppd --lint` finds in it.
#pragma once

#include "package_context.h"

namespace marlow {

void CheckDataFiles(PackageContext& context);

// The value of a main keyword's first statement ("*PCFileName"), quotes
// removed; false when the file has none. nLine: its line.
[[nodiscard]] bool FindPpdValue(const std::vector<unsigned char>& bytes, const std::string& keyword,
                                std::string& value, int& nLine);

}  // namespace marlow
