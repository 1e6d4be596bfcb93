// The system's activation-context functions, as the plug-in reaches them.
// The 64-bit builds import them. The 32-bit builds look each one up by name
// in Kernel32.dll when it is needed, so that the library still loads on a
// system that has none of them; there the plug-in goes on without.
#pragma once

#include "platform/unique_handle.h"
#include "platform/windows_sdk.h"

namespace marlow {

using CreateActCtxWFunction = HANDLE(WINAPI*)(const ACTCTXW* pActCtx);
using ReleaseActCtxFunction = void(WINAPI*)(HANDLE hActCtx);
using ActivateActCtxFunction = BOOL(WINAPI*)(HANDLE hActCtx, ULONG_PTR* lpCookie);
using DeactivateActCtxFunction = BOOL(WINAPI*)(DWORD dwFlags, ULONG_PTR ulCookie);

// Each is null when the system lacks the function.
[[nodiscard]] CreateActCtxWFunction FindCreateActCtxW() noexcept;
[[nodiscard]] ReleaseActCtxFunction FindReleaseActCtx() noexcept;
[[nodiscard]] ActivateActCtxFunction FindActivateActCtx() noexcept;
[[nodiscard]] DeactivateActCtxFunction FindDeactivateActCtx() noexcept;

// An activation context, given back through the release function found when
// it was made (none found: nothing to call).
class ActCtxReleasePolicy {
public:
    using Handle = HANDLE;
    ActCtxReleasePolicy() noexcept = default;
    explicit ActCtxReleasePolicy(ReleaseActCtxFunction release) noexcept : release_(release) {}
    static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    void Close(Handle hActCtx) const noexcept {
        if (release_ != nullptr) {
            release_(hActCtx);
        }
    }

private:
    ReleaseActCtxFunction release_ = nullptr;
};
using UniqueActCtx = UniqueHandle<ActCtxReleasePolicy>;

// An activation, until the cookie goes back through the deactivation
// function found when it was made.
class ActCtxDeactivationPolicy {
public:
    using Handle = ULONG_PTR;
    ActCtxDeactivationPolicy() noexcept = default;
    explicit ActCtxDeactivationPolicy(DeactivateActCtxFunction deactivate) noexcept
        : deactivate_(deactivate) {}
    static Handle Invalid() noexcept { return 0; }
    void Close(Handle cookie) const noexcept {
        if (deactivate_ != nullptr) {
            static_cast<void>(deactivate_(0, cookie));
        }
    }

private:
    DeactivateActCtxFunction deactivate_ = nullptr;
};
using UniqueActCtxActivation = UniqueHandle<ActCtxDeactivationPolicy>;

}  // namespace marlow
