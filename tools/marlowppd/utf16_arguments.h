// The command line as zero-terminated UTF-16 texts, the form the model's
// keywords are compared in. Each platform's main fills it from its own argv.
#pragma once

#include <cstddef>
#include <memory>

namespace marlow {

class Utf16Arguments {
public:
    // Room for argc arguments; false without memory.
    bool Allocate(int argc);
    // A buffer of units + 1 code units for argument index, zero-filled;
    // null without memory.
    char16_t* Reserve(int index, std::size_t units);
    char16_t** Get() { return ppArguments_.get(); }

private:
    std::unique_ptr<std::unique_ptr<char16_t[]>[]> pStorage_;
    std::unique_ptr<char16_t*[]> ppArguments_;
};

}  // namespace marlow
