// marlowpkg on Windows: UTF-16 arguments through wmain, paths kept in UTF-16,
// and stdout in binary mode so that the output has the same bytes as on
// other systems.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "run_marlowpkg.h"

namespace {

std::string ConvertToUtf8(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) {
        return std::string();
    }
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, &bytes[0], size, nullptr, nullptr);
    bytes.resize(static_cast<std::size_t>(size) - 1);
    return bytes;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    std::vector<marlow::CommandArgument> arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.push_back({ConvertToUtf8(argv[i]), std::filesystem::path(argv[i])});
    }
    return marlow::RunMarlowpkg(arguments, stdout, stderr);
}
