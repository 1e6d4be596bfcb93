// marlowpkg on POSIX systems: arguments and paths in UTF-8.
#include <cstdio>
#include <vector>

#include "run_marlowpkg.h"

int main(int argc, char** argv) {
    std::vector<marlow::CommandArgument> arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.push_back({argv[i], std::filesystem::u8path(argv[i])});
    }
    return marlow::RunMarlowpkg(arguments, stdout, stderr);
}
