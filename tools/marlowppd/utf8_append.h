// One code point written as UTF-8 at the end of a string: the lint's texts
// and the package checker's decoded INF files share it.
#pragma once

#include <cstdint>
#include <string>

namespace marlow {

void AppendUtf8(std::string& out, std::uint32_t codePoint);

}  // namespace marlow
