// Prints a private settings section field by field, the way a person reads it.
#pragma once

#include <cstdio>

namespace marlow::host {

void PrintPrivateSection(std::FILE* out, const void* pRecord);

}  // namespace marlow::host
