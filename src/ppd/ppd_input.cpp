#include "ppd/ppd_input.h"

#include <cstdio>

namespace marlow {

int ReadPpdFileByte(void* file) {
    const int c = std::fgetc(static_cast<std::FILE*>(file));
    return c == EOF ? -1 : c;
}

int ReadPpdMemoryByte(void* input) {
    PpdMemoryInput& memory = *static_cast<PpdMemoryInput*>(input);
    if (memory.cbRead >= memory.cbSize) {
        return -1;
    }
    return memory.pBytes[memory.cbRead++];
}

}  // namespace marlow
