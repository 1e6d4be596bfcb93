// A counted reference on a COM interface, released when it goes. Movable;
// Attach takes over a reference someone handed us, Detach hands ours on, and
// Put gives the address an out-parameter writes a new reference to.
//
// Portable: it only calls the interface's Release, so it needs no platform
// header and the native tests use it too.
#pragma once

namespace marlow {

template <typename Interface>
class ComRef {
public:
    ComRef() noexcept = default;
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    ComRef(ComRef&& other) noexcept : p_(other.Detach()) {}
    ComRef& operator=(ComRef&& other) noexcept {
        if (this != &other) {
            Attach(other.Detach());
        }
        return *this;
    }
    ~ComRef() { Reset(); }

    Interface* Get() const noexcept { return p_; }
    Interface* operator->() const noexcept { return p_; }
    explicit operator bool() const noexcept { return p_ != nullptr; }

    // Releases what is held; holds nothing afterwards.
    void Reset() noexcept {
        Interface* p = p_;
        p_ = nullptr;
        if (p != nullptr) {
            p->Release();
        }
    }

    // Takes over a reference (a QueryInterface result); whatever was held
    // before is released.
    void Attach(Interface* p) noexcept {
        Interface* old = p_;
        p_ = p;
        if (old != nullptr) {
            old->Release();
        }
    }

    // Hands the reference on without releasing it.
    [[nodiscard]] Interface* Detach() noexcept {
        Interface* p = p_;
        p_ = nullptr;
        return p;
    }

    // For a function that hands a new reference back through an
    // out-parameter: releases what is held and returns the slot to write.
    Interface** Put() noexcept {
        Reset();
        return &p_;
    }
    // The same slot typed as QueryInterface and DllGetClassObject want it.
    void** PutVoid() noexcept { return reinterpret_cast<void**>(Put()); }

private:
    Interface* p_ = nullptr;
};

}  // namespace marlow
