// The owners of the Windows handle kinds we use, all made from the one
// UniqueHandle template: each policy names the handle type, its invalid
// value and the function that gives it up.
#pragma once

#include "platform/unique_c_file.h"
#include "platform/unique_handle.h"
#include "platform/windows_sdk.h"

namespace marlow {

// Handles whose failure value is INVALID_HANDLE_VALUE rather than null.
template <auto CloseFunction>
struct InvalidValueHandlePolicy {
    using Handle = HANDLE;
    static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(Handle handle) noexcept { static_cast<void>(CloseFunction(handle)); }
};

// Handles that give themselves up through something they came from (the
// heap of a heap block, the window of a device context, the device context of
// a selection): that context travels with the handle.
template <typename H, typename Context, auto CloseFunction>
class BoundHandlePolicy {
public:
    using Handle = H;
    BoundHandlePolicy() noexcept = default;
    explicit BoundHandlePolicy(Context context) noexcept : context_(context) {}
    static Handle Invalid() noexcept { return Handle(); }
    void Close(Handle handle) const noexcept { static_cast<void>(CloseFunction(context_, handle)); }

private:
    Context context_ = Context();
};

// A kernel object whose failure value is null (events, processes, threads).
using UniqueKernelHandle = UniqueNullHandle<HANDLE, CloseHandle>;

// A file from CreateFileW.
using UniqueFileHandle = UniqueHandle<InvalidValueHandlePolicy<CloseHandle>>;

// A block from a heap that someone else owns (the host's hOEMHeap).
namespace detail {
inline BOOL FreeHeapBlock(HANDLE hHeap, void* block) noexcept { return HeapFree(hHeap, 0, block); }
}  // namespace detail
using HeapBlockPolicy = BoundHandlePolicy<void*, HANDLE, detail::FreeHeapBlock>;
using UniqueHeapBlock = UniqueHandle<HeapBlockPolicy>;

// A zero-filled block of the given size from a heap; owns nothing when the
// heap is missing or cannot supply it.
[[nodiscard]] inline UniqueHeapBlock AllocateHeapBlock(HANDLE hHeap, SIZE_T bytes) noexcept {
    void* block = hHeap != nullptr ? HeapAlloc(hHeap, HEAP_ZERO_MEMORY, bytes) : nullptr;
    return UniqueHeapBlock(block, HeapBlockPolicy(hHeap));
}

// A heap of our own (HeapCreate).
using UniqueHeap = UniqueNullHandle<HANDLE, HeapDestroy>;

// A library loaded with LoadLibraryW.
using UniqueModule = UniqueNullHandle<HMODULE, FreeLibrary>;

// A printer opened with OpenPrinterW, or added with AddPrinterW.
using UniquePrinter = UniqueNullHandle<HANDLE, ClosePrinter>;

// Activation contexts have their owners beside the functions the plug-in
// finds at run time (core/activation_context_api.h): the 32-bit library must
// not import them.

// Windows and GDI objects.
using UniqueWindow = UniqueNullHandle<HWND, DestroyWindow>;
using UniqueIcon = UniqueNullHandle<HICON, DestroyIcon>;
template <typename GdiHandle>
using UniqueGdiObject = UniqueNullHandle<GdiHandle, DeleteObject>;
using UniqueBitmap = UniqueGdiObject<HBITMAP>;
// A memory device context (CreateCompatibleDC).
using UniqueMemoryDc = UniqueNullHandle<HDC, DeleteDC>;

// A window's device context from GetDC.
using UniqueWindowDc = UniqueHandle<BoundHandlePolicy<HDC, HWND, ReleaseDC>>;

[[nodiscard]] inline UniqueWindowDc GetWindowDc(HWND hWnd) noexcept {
    return UniqueWindowDc(GetDC(hWnd), BoundHandlePolicy<HDC, HWND, ReleaseDC>(hWnd));
}

// An object selected into a device context: the handle held is the object
// that was selected before, and it goes back when the selection ends.
using SelectionPolicy = BoundHandlePolicy<HGDIOBJ, HDC, SelectObject>;
using UniqueSelection = UniqueHandle<SelectionPolicy>;

[[nodiscard]] inline UniqueSelection SelectIntoDc(HDC hdc, HGDIOBJ object) noexcept {
    HGDIOBJ previous = hdc != nullptr && object != nullptr ? SelectObject(hdc, object) : nullptr;
    return UniqueSelection(previous, SelectionPolicy(hdc));
}

// Memory from LocalAlloc, or handed out by a function that says to LocalFree
// it (CommandLineToArgvW).
template <typename Pointer>
using UniqueLocalMemory = UniqueNullHandle<Pointer, LocalFree>;

}  // namespace marlow
