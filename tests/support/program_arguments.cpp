#include "program_arguments.h"

#include "platform/win32_handles.h"

#include <shellapi.h>

namespace marlow::test {

int RunWithArguments(int (*run)(int argc, wchar_t** argv)) {
    int argc = 0;
    const UniqueLocalMemory<LPWSTR*> argv(CommandLineToArgvW(GetCommandLineW(), &argc));
    return argv ? run(argc, argv.Get()) : 1;
}

}  // namespace marlow::test
