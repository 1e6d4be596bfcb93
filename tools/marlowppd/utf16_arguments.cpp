#include "utf16_arguments.h"

#include <new>

namespace marlow {

bool Utf16Arguments::Allocate(int argc) {
    const std::size_t count = argc > 0 ? static_cast<std::size_t>(argc) : 1;
    pStorage_.reset(new (std::nothrow) std::unique_ptr<char16_t[]>[count]);
    ppArguments_.reset(new (std::nothrow) char16_t*[count]());
    return pStorage_ && ppArguments_;
}

char16_t* Utf16Arguments::Reserve(int index, std::size_t units) {
    pStorage_[index].reset(new (std::nothrow) char16_t[units + 1]());
    ppArguments_[index] = pStorage_[index].get();
    return ppArguments_[index];
}

}  // namespace marlow
