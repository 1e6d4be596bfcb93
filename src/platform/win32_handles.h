// The owners of the Windows handle kinds we use, all made from the one
// UniqueHandle template: each policy names the handle type, its invalid
// value and the function that gives it up.
#pragma once

#include "platform/unique_handle.h"
#include "platform/windows_sdk.h"

#include <cstdio>

namespace marlow {

namespace detail {
inline int CloseCFile(std::FILE* file) noexcept { return std::fclose(file); }
}  // namespace detail

// A C runtime file (fopen, _wfopen).
using UniqueCFile = UniqueNullHandle<std::FILE*, detail::CloseCFile>;

// A kernel object whose failure value is null (events, processes, threads).
using UniqueKernelHandle = UniqueNullHandle<HANDLE, CloseHandle>;

// A file from CreateFileW, whose failure value is INVALID_HANDLE_VALUE.
struct FileHandlePolicy {
    using Handle = HANDLE;
    static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(Handle handle) noexcept { CloseHandle(handle); }
};
using UniqueFileHandle = UniqueHandle<FileHandlePolicy>;

// A block from a heap that someone else owns (the host's hOEMHeap): the heap
// travels with the block.
class HeapBlockPolicy {
public:
    using Handle = void*;
    HeapBlockPolicy() noexcept = default;
    explicit HeapBlockPolicy(HANDLE hHeap) noexcept : hHeap_(hHeap) {}
    static Handle Invalid() noexcept { return nullptr; }
    void Close(Handle block) const noexcept { HeapFree(hHeap_, 0, block); }

private:
    HANDLE hHeap_ = nullptr;
};
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

// An activation context from CreateActCtxW, whose failure value is
// INVALID_HANDLE_VALUE.
struct ActCtxPolicy {
    using Handle = HANDLE;
    static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(Handle handle) noexcept { ReleaseActCtx(handle); }
};
using UniqueActCtx = UniqueHandle<ActCtxPolicy>;

// An activation context made active with ActivateActCtx, until the cookie goes.
struct ActCtxActivationPolicy {
    using Handle = ULONG_PTR;
    static Handle Invalid() noexcept { return 0; }
    static void Close(Handle cookie) noexcept { DeactivateActCtx(0, cookie); }
};
using UniqueActCtxActivation = UniqueHandle<ActCtxActivationPolicy>;

// Windows and GDI objects.
using UniqueWindow = UniqueNullHandle<HWND, DestroyWindow>;
using UniqueIcon = UniqueNullHandle<HICON, DestroyIcon>;
template <typename GdiHandle>
using UniqueGdiObject = UniqueNullHandle<GdiHandle, DeleteObject>;
using UniqueBitmap = UniqueGdiObject<HBITMAP>;
// A memory device context (CreateCompatibleDC).
using UniqueMemoryDc = UniqueNullHandle<HDC, DeleteDC>;

// A window's device context from GetDC: the window travels with it.
class WindowDcPolicy {
public:
    using Handle = HDC;
    WindowDcPolicy() noexcept = default;
    explicit WindowDcPolicy(HWND hWnd) noexcept : hWnd_(hWnd) {}
    static Handle Invalid() noexcept { return nullptr; }
    void Close(Handle hdc) const noexcept { ReleaseDC(hWnd_, hdc); }

private:
    HWND hWnd_ = nullptr;
};
using UniqueWindowDc = UniqueHandle<WindowDcPolicy>;

[[nodiscard]] inline UniqueWindowDc GetWindowDc(HWND hWnd) noexcept {
    return UniqueWindowDc(GetDC(hWnd), WindowDcPolicy(hWnd));
}

// An object selected into a device context: the handle held is the object
// that was selected before, and it goes back when the selection ends.
class SelectionPolicy {
public:
    using Handle = HGDIOBJ;
    SelectionPolicy() noexcept = default;
    explicit SelectionPolicy(HDC hdc) noexcept : hdc_(hdc) {}
    static Handle Invalid() noexcept { return nullptr; }
    void Close(Handle previous) const noexcept { SelectObject(hdc_, previous); }

private:
    HDC hdc_ = nullptr;
};
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
