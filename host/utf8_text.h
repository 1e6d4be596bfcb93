// UTF-8 for the host programs' reports: the same bytes on every platform.
#pragma once

#include <string>

namespace marlow::host {

std::string ToUtf8(const std::wstring& text);

}  // namespace marlow::host
