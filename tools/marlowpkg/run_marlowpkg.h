// marlowpkg's command line, the same on every system:
//
//   marlowpkg check DIR... [--json]
//   marlowpkg surface DLL PLATFORM
//
// Exits 0 when every package is sound, 1 with findings, 2 when the command
// line is wrong or a folder cannot be read as packages.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace marlow {

constexpr int kExitSound = 0;
constexpr int kExitFindings = 1;
constexpr int kExitCannotRead = 2;

struct CommandArgument {
    std::string text;             // UTF-8, for options and messages
    std::filesystem::path path;   // the same argument as a path of this system
};

int RunMarlowpkg(const std::vector<CommandArgument>& arguments, std::FILE* out, std::FILE* err);

}  // namespace marlow
