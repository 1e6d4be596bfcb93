// The command line of a test-support program, as wide-character arguments.
#pragma once

namespace marlow::test {

// Splits the process's command line and calls run with it; 1 when the line
// cannot be split.
int RunWithArguments(int (*run)(int argc, wchar_t** argv));

}  // namespace marlow::test
