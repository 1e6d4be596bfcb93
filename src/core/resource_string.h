// The plug-in's string resources, loaded into blocks of the host's heap.
#pragma once

#include "platform/win32_handles.h"

namespace marlow {

namespace detail {
inline BOOL FreeHeapText(HANDLE hHeap, WCHAR* text) noexcept { return HeapFree(hHeap, 0, text); }
}  // namespace detail

// A NUL-terminated text in a block of a heap that someone else owns; freed
// with HeapFree on that heap when the owner goes (Release hands it on).
using HeapTextPolicy = BoundHandlePolicy<WCHAR*, HANDLE, detail::FreeHeapText>;
using UniqueHeapText = UniqueHandle<HeapTextPolicy>;

// Loads string resource id of hModule into a zero-filled block of hHeap that
// grows until the text fits: 257 units first, then 513, 1025 and so on, as
// long as the text fills the capacity tried. A string that does not exist
// gives an empty text; no block (null) when the heap cannot supply one.
[[nodiscard]] UniqueHeapText LoadResourceString(HMODULE hModule, HANDLE hHeap, UINT id) noexcept;

}  // namespace marlow
