#include "core/resource_string.h"

namespace marlow {
namespace {

constexpr int kFirstTextLength = 256;
// LoadStringW cannot give more than this; the growth stops here whatever it answers.
constexpr int kLongestTextLength = 65536;

UniqueHeapText AllocateText(HANDLE hHeap, int units) noexcept {
    void* block = hHeap != nullptr
                      ? HeapAlloc(hHeap, HEAP_ZERO_MEMORY, static_cast<SIZE_T>(units) * sizeof(WCHAR))
                      : nullptr;
    return UniqueHeapText(static_cast<WCHAR*>(block), HeapTextPolicy(hHeap));
}

}  // namespace

UniqueHeapText LoadResourceString(HMODULE hModule, HANDLE hHeap, UINT id) noexcept {
    int capacity = kFirstTextLength + 1;
    UniqueHeapText text = AllocateText(hHeap, capacity);
    if (!text) {
        return text;
    }
    // A text that fills the capacity but its terminator may have been cut:
    // load it again into twice the room.
    int length = LoadStringW(hModule, id, text.Get(), capacity);
    for (int filled = kFirstTextLength; length == filled && filled < kLongestTextLength;) {
        filled *= 2;
        capacity = filled + 1;
        text.Reset();
        text = AllocateText(hHeap, capacity);
        if (!text) {
            return text;
        }
        length = LoadStringW(hModule, id, text.Get(), capacity);
    }
    return text;
}

}  // namespace marlow
