// What marlowppd does once its arguments are read and its file is open.
#pragma once

#include <cstdio>

#include "marlowppd_arguments.h"

namespace marlow {

constexpr int kExitComplete = 0;
constexpr int kExitStoppedEarly = 1;
constexpr int kExitUsageOrFile = 2;

// Reads the open PPD file through the plug-in's reader, applies the
// --installed options and evaluates once if there were any, and prints the
// model to out. Messages go to err, prefixed with the file's name (UTF-8).
// Answers the exit status.
int RunMarlowppd(const MarlowppdArguments& arguments, const char* fileName, std::FILE* ppd,
                 std::FILE* out, std::FILE* err);

// Parses the arguments and handles help and usage errors; kExitComplete
// means "go on".
int CheckMarlowppdArguments(int argc, char16_t** argv, MarlowppdArguments& arguments,
                            std::FILE* out, std::FILE* err, bool* pbDone);

}  // namespace marlow
