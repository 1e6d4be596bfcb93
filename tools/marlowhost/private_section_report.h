// Prints a private settings section field by field, the way a person reads it.
#pragma once

#include <cstddef>
#include <cstdio>

namespace marlow::host {

// Fields that lie beyond size bytes are named but not read.
void PrintPrivateSection(std::FILE* out, const unsigned char* section, std::size_t size);

}  // namespace marlow::host
