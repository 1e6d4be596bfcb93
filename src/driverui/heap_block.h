// A zero-filled block from a heap the host handed us, freed when it goes.
#pragma once

#include "platform/windows_sdk.h"

namespace marlow {

class HeapBlock {
public:
    HeapBlock(HANDLE hHeap, SIZE_T bytes)
        : hHeap_(hHeap), p_(hHeap != nullptr ? HeapAlloc(hHeap, HEAP_ZERO_MEMORY, bytes) : nullptr) {}
    ~HeapBlock() {
        if (p_ != nullptr) {
            HeapFree(hHeap_, 0, p_);
        }
    }
    HeapBlock(const HeapBlock&) = delete;
    HeapBlock& operator=(const HeapBlock&) = delete;

    void* Get() const { return p_; }

private:
    HANDLE hHeap_;
    void* p_;
};

}  // namespace marlow
