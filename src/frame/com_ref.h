// A counted reference on a COM interface, released when it goes.
#pragma once

#include "platform/windows_sdk.h"

namespace marlow {

template <typename Interface>
class ComRef {
public:
    ComRef() = default;
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    ~ComRef() { Reset(); }

    Interface* Get() const { return p_; }
    Interface* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }

    void Reset() {
        Interface* p = p_;
        p_ = nullptr;
        if (p != nullptr) {
            p->Release();
        }
    }

    // Takes over a reference that someone handed us (a QueryInterface result);
    // whatever was held before is released.
    void Attach(Interface* p) {
        Reset();
        p_ = p;
    }

private:
    Interface* p_ = nullptr;
};

}  // namespace marlow
