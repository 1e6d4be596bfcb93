// The activation context the plug-in's pages run under, made from the
// library's own manifest; one per process, released when the library unloads.
#pragma once

#include "platform/windows_sdk.h"

namespace marlow {

// Releases the process-wide context if one was made; called at process detach.
void ReleasePageActivationContext() noexcept;

}  // namespace marlow
