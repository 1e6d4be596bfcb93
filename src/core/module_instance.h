// The library's own instance handle, stored once at process attach. The
// pages load their templates from it and the activation context is made from
// its path.
#pragma once

#include "platform/windows_sdk.h"

namespace marlow {

HINSTANCE GetModuleInstance() noexcept;
void SetModuleInstance(HINSTANCE hInstance) noexcept;

}  // namespace marlow
