// marlowppd on Windows: UTF-16 arguments through wmain, the file opened with
// _wfopen in text mode as the plug-in opens it, and stdout in binary mode so
// that the output has the same bytes as on other systems.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <memory>
#include <new>

#include "ppd/ppd_input.h"
#include "run_marlowppd.h"
#include "utf16_arguments.h"

namespace marlow {
namespace {

bool CopyArguments(int argc, wchar_t** argv, Utf16Arguments& arguments) {
    if (!arguments.Allocate(argc)) {
        return false;
    }
    for (int i = 0; i < argc; ++i) {
        const std::size_t length = std::wcslen(argv[i]);
        char16_t* units = arguments.Reserve(i, length);
        if (units == nullptr) {
            return false;
        }
        for (std::size_t u = 0; u < length; ++u) {
            units[u] = static_cast<char16_t>(argv[i][u]);
        }
    }
    return true;
}

// The file name for messages, in UTF-8 like the rest of the output.
std::unique_ptr<char[]> ConvertToUtf8(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::unique_ptr<char[]> bytes(new (std::nothrow) char[size > 0 ? size : 1]());
    if (bytes && size > 0) {
        WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes.get(), size, nullptr, nullptr);
    }
    return bytes;
}

int RunMain(int argc, wchar_t** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    Utf16Arguments wide;
    if (!CopyArguments(argc, argv, wide)) {
        std::fputs("marlowppd: out of memory\n", stderr);
        return kExitUsageOrFile;
    }
    MarlowppdArguments arguments;
    bool bDone = false;
    const int status = CheckMarlowppdArguments(argc, wide.Get(), arguments, stdout, stderr, &bDone);
    if (bDone) {
        return status;
    }
    const std::unique_ptr<char[]> fileName = ConvertToUtf8(argv[arguments.nFileIndex]);
    if (!fileName) {
        std::fputs("marlowppd: out of memory\n", stderr);
        return kExitUsageOrFile;
    }
    UniqueCFile file(_wfopen(argv[arguments.nFileIndex], L"r"));
    if (!file) {
        std::fprintf(stderr, "marlowppd: cannot open %s: %s\n", fileName.get(),
                     std::strerror(errno));
        return kExitUsageOrFile;
    }
    return RunMarlowppd(arguments, fileName.get(), file.Get(), stdout, stderr);
}

}  // namespace
}  // namespace marlow

int wmain(int argc, wchar_t** argv) { return marlow::RunMain(argc, argv); }
