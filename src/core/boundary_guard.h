// No C++ exception may cross into the host: its frames cannot be unwound.
// The plug-in allocates with std::nothrow and throws nothing itself; this
// guard at every entry point is the last line should a library call throw.
#pragma once

#include "platform/windows_sdk.h"

#include <new>

namespace marlow {

template <typename Result, typename Body>
Result CallGuarded(Result onFailure, Body&& body) noexcept {
    try {
        return body();
    } catch (...) {
        return onFailure;
    }
}

template <typename Body>
HRESULT CallGuardedHr(Body&& body) noexcept {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_FAIL;
    }
}

}  // namespace marlow
