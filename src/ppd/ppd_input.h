// Read functions for ReadPpdModel: an open C file, read one byte at a time
// (the plug-in opens the PPD file in text mode), and bytes already in memory.
#pragma once

#include <cstddef>

namespace marlow {

// The context is the FILE* to read with fgetc.
int ReadPpdFileByte(void* file);

// The context is a PpdMemoryInput.
struct PpdMemoryInput {
    const unsigned char* pBytes;
    std::size_t cbSize;
    std::size_t cbRead;
};
int ReadPpdMemoryByte(void* input);

}  // namespace marlow
