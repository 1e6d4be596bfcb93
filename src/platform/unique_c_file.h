// A C runtime file (fopen, _wfopen), closed when its owner goes. Portable, so
// the PPD tools use it on every platform.
#pragma once

#include "platform/unique_handle.h"

#include <cstdio>

namespace marlow {

namespace detail {
inline int CloseCFile(std::FILE* file) noexcept { return std::fclose(file); }
}  // namespace detail

using UniqueCFile = UniqueNullHandle<std::FILE*, detail::CloseCFile>;

}  // namespace marlow
