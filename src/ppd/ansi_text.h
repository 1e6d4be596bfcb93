// The one platform call of the model: turning the PPD file's 8-bit text into
// UTF-16. Windows builds go through the system's ANSI code page; elsewhere the
// bytes are read as Windows-1252, which leaves ASCII unchanged.
#pragma once

#include <cstdint>

namespace marlow {

// Converts the zero-terminated byte string into out, which has room for
// capacity code units (capacity >= 1). A result that does not fit is cut to
// capacity - 1 units; out is always zero-terminated. Returns the number of
// units written, without the zero; 0 when the conversion fails.
std::int32_t ConvertAnsiText(const char* bytes, char16_t* out, std::int32_t capacity);

}  // namespace marlow
