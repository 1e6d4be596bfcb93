// The one owner for every kind of handle: files, heap blocks, modules,
// activation contexts, GDI objects, device contexts, image lists, and the
// objects a device context must get back when a selection ends.
//
// A policy says what is owned and how it goes:
//   using Handle = ...;                         the handle type
//   static Handle Invalid() noexcept;           the value that owns nothing
//   void Close(Handle) noexcept;                gives the handle up (may be static)
// A policy may carry state that closing needs (the heap of a heap block, the
// device context of a selection); it travels with the handle.
//
// Portable: no platform header, so the PPD tools and the native tests use it
// as well.
#pragma once

#include <utility>

namespace marlow {

template <typename Policy>
class UniqueHandle : private Policy {
public:
    using Handle = typename Policy::Handle;

    UniqueHandle() noexcept : Policy(), handle_(Policy::Invalid()) {}
    explicit UniqueHandle(Handle handle) noexcept : Policy(), handle_(handle) {}
    UniqueHandle(Handle handle, Policy policy) noexcept
        : Policy(std::move(policy)), handle_(handle) {}

    UniqueHandle(UniqueHandle&& other) noexcept
        : Policy(std::move(static_cast<Policy&>(other))), handle_(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            Reset();
            static_cast<Policy&>(*this) = std::move(static_cast<Policy&>(other));
            handle_ = other.Release();
        }
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    ~UniqueHandle() { Reset(); }

    Handle Get() const noexcept { return handle_; }
    bool IsValid() const noexcept { return !(handle_ == Policy::Invalid()); }
    explicit operator bool() const noexcept { return IsValid(); }

    // Closes what is held and takes the new handle (or nothing).
    void Reset(Handle handle = Policy::Invalid()) noexcept {
        const Handle old = handle_;
        handle_ = handle;
        if (!(old == Policy::Invalid())) {
            Policy::Close(old);
        }
    }

    // Gives the handle up without closing it.
    [[nodiscard]] Handle Release() noexcept {
        const Handle handle = handle_;
        handle_ = Policy::Invalid();
        return handle;
    }

    // For functions that hand a new handle back through an out-parameter:
    // closes what is held and returns the slot to write into.
    Handle* Put() noexcept {
        Reset();
        return &handle_;
    }

private:
    Handle handle_;
};

// The common case: a null (zero) handle owns nothing, and a function known
// when the program is built closes it. Its result, if any, is not looked at.
template <typename H, auto CloseFunction>
struct NullHandlePolicy {
    using Handle = H;
    static constexpr Handle Invalid() noexcept { return Handle(); }
    static void Close(Handle handle) noexcept { static_cast<void>(CloseFunction(handle)); }
};

template <typename H, auto CloseFunction>
using UniqueNullHandle = UniqueHandle<NullHandlePolicy<H, CloseFunction>>;

}  // namespace marlow
