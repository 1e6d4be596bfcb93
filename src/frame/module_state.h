// Process-wide state of the library: the module handle, stored once at
// process attach, and the two counts that DllCanUnloadNow reads. The counts
// change only by interlocked operations.
#pragma once

#include "platform/windows_sdk.h"

namespace marlow {

HINSTANCE GetModuleInstance();
void SetModuleInstance(HINSTANCE hInstance);

void CountObjectCreated();
void CountObjectDestroyed();
void LockServerCount(bool lock);

// True while a plug-in object lives or a LockServer lock is held.
bool IsModuleInUse();

}  // namespace marlow
