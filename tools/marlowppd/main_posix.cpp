// marlowppd on POSIX systems: arguments in UTF-8, the file opened with fopen.
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "ppd/ppd_input.h"
#include "run_marlowppd.h"
#include "utf16_arguments.h"

namespace marlow {
namespace {

// UTF-8 to UTF-16; a byte that starts no valid sequence becomes U+FFFD.
std::size_t DecodeUtf8(const unsigned char* bytes, char16_t* out) {
    std::size_t length = 0;
    while (*bytes != 0) {
        unsigned int codePoint = *bytes++;
        int trailing = codePoint >= 0xF0 ? 3 : codePoint >= 0xE0 ? 2 : codePoint >= 0xC0 ? 1 : 0;
        if ((codePoint >= 0x80 && trailing == 0) || codePoint >= 0xF8) {
            out[length++] = 0xFFFD;
            continue;
        }
        if (trailing > 0) {
            codePoint &= 0xFFu >> (trailing + 2);
        }
        for (; trailing > 0 && (*bytes & 0xC0) == 0x80; --trailing) {
            codePoint = (codePoint << 6) | (*bytes++ & 0x3F);
        }
        if (trailing > 0 || codePoint > 0x10FFFF) {
            out[length++] = 0xFFFD;
        } else if (codePoint >= 0x10000) {
            out[length++] = static_cast<char16_t>(0xD800 + ((codePoint - 0x10000) >> 10));
            out[length++] = static_cast<char16_t>(0xDC00 + ((codePoint - 0x10000) & 0x3FF));
        } else {
            out[length++] = static_cast<char16_t>(codePoint);
        }
    }
    return length;
}

bool ConvertArguments(int argc, char** argv, Utf16Arguments& arguments) {
    if (!arguments.Allocate(argc)) {
        return false;
    }
    for (int i = 0; i < argc; ++i) {
        // Never more units than bytes, a surrogate pair needing four bytes.
        char16_t* units = arguments.Reserve(i, std::strlen(argv[i]));
        if (units == nullptr) {
            return false;
        }
        DecodeUtf8(reinterpret_cast<const unsigned char*>(argv[i]), units);
    }
    return true;
}

int RunMain(int argc, char** argv) {
    Utf16Arguments wide;
    if (!ConvertArguments(argc, argv, wide)) {
        std::fputs("marlowppd: out of memory\n", stderr);
        return kExitUsageOrFile;
    }
    MarlowppdArguments arguments;
    bool bDone = false;
    const int status = CheckMarlowppdArguments(argc, wide.Get(), arguments, stdout, stderr, &bDone);
    if (bDone) {
        return status;
    }
    const char* fileName = argv[arguments.nFileIndex];
    UniqueCFile file(std::fopen(fileName, "r"));
    if (!file) {
        std::fprintf(stderr, "marlowppd: cannot open %s: %s\n", fileName, std::strerror(errno));
        return kExitUsageOrFile;
    }
    return RunMarlowppd(arguments, fileName, file.Get(), stdout, stderr);
}

}  // namespace
}  // namespace marlow

int main(int argc, char** argv) { return marlow::RunMain(argc, argv); }
