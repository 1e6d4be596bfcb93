// A record the host hands over, placed so that a write or read beyond its
// end faults at once (its last byte ends a page, and the page after it is
// no-access), with guard bytes in front of it that show a write before its
// start. Its bytes start as a fill of the caller's choice.
#pragma once

#include "platform/win32_handles.h"

#include <cstddef>

namespace marlow::host {

class GuardedRecord {
public:
    // size may be 0: Data() then points at the no-access page itself.
    explicit GuardedRecord(std::size_t size, unsigned char fill = 0);
    GuardedRecord(const GuardedRecord&) = delete;
    GuardedRecord& operator=(const GuardedRecord&) = delete;

    bool IsReady() const { return pages_.IsValid(); }
    unsigned char* Data() const { return data_; }
    std::size_t Size() const { return size_; }
    // The guard bytes in front of the record hold their pattern still.
    bool IsFrontIntact() const;

private:
    UniqueVirtualPages pages_;
    unsigned char* data_ = nullptr;
    std::size_t size_ = 0;
};

}  // namespace marlow::host
