// The two process-wide counts that DllCanUnloadNow reads: live plug-in
// objects and LockServer locks. They change only by interlocked operations.
#pragma once

namespace marlow {

void CountObjectCreated() noexcept;
void CountObjectDestroyed() noexcept;
void LockServerCount(bool lock) noexcept;

// True while a plug-in object lives or a LockServer lock is held.
[[nodiscard]] bool IsModuleInUse() noexcept;

}  // namespace marlow
