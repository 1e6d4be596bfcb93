#include "host/guarded_record.h"

#include <cstring>

namespace marlow::host {
namespace {

constexpr unsigned char kFrontGuard = 0xA7;
// At least this many guard bytes in front of every record.
constexpr std::size_t kFrontGuardBytes = 64;

std::size_t GetPageSize() {
    SYSTEM_INFO info = {};
    GetSystemInfo(&info);
    return info.dwPageSize;
}

}  // namespace

GuardedRecord::GuardedRecord(std::size_t size, unsigned char fill) : size_(size) {
    const std::size_t page = GetPageSize();
    const std::size_t usable = (size + kFrontGuardBytes + page - 1) / page * page;
    pages_ = UniqueVirtualPages(VirtualAlloc(nullptr, usable + page, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
    if (!pages_.IsValid()) return;
    auto* base = static_cast<unsigned char*>(pages_.Get());
    DWORD previous = 0;
    if (!VirtualProtect(base + usable, page, PAGE_NOACCESS, &previous)) {
        pages_.Reset();
        return;
    }
    data_ = base + usable - size;
    std::memset(base, kFrontGuard, usable - size);
    std::memset(data_, fill, size);
}

bool GuardedRecord::IsFrontIntact() const {
    if (!pages_.IsValid()) return false;
    const auto* base = static_cast<const unsigned char*>(pages_.Get());
    for (const unsigned char* p = base; p < data_; ++p) {
        if (*p != kFrontGuard) return false;
    }
    return true;
}

}  // namespace marlow::host
