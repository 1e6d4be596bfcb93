// The activation context the plug-in's pages run under, made from the
// library's own manifest, so that their controls are those of version 6 of
// the common controls. One per process: made when a page first needs it,
// tried again while that fails, released when the library unloads.
#pragma once

#include "core/activation_context_api.h"
#include "platform/windows_sdk.h"

namespace marlow {

// The process-wide context, made on first need; INVALID_HANDLE_VALUE when it
// cannot be made (the next call tries again).
[[nodiscard]] HANDLE GetPageActivationContext() noexcept;

// Releases the context if one was made; called at process detach.
void ReleasePageActivationContext() noexcept;

// While an activation lives, the page context is the thread's active one; it
// is deactivated when the owner goes.
using PageActivation = UniqueActCtxActivation;

// Makes the page context active for as long as the result lives. Owns
// nothing (and the calls then run under the thread's context as it was) when
// there is no page context or the system has no activation contexts.
[[nodiscard]] PageActivation ActivatePageActivationContext() noexcept;

}  // namespace marlow
