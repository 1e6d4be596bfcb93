// The system's activation-context functions, as the plug-in reaches them.
// The 64-bit builds import them. The 32-bit builds look each one up by name
// in Kernel32.dll when it is needed, so that the library still loads on a
// system that has none of them; there the plug-in goes on without.
#pragma once

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

}  // namespace marlow
