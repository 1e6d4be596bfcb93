#include "frame/object_counts.h"

#include "platform/windows_sdk.h"

namespace marlow {
namespace {

LONG volatile g_liveObjects = 0;
LONG volatile g_serverLocks = 0;

}  // namespace

void CountObjectCreated() noexcept { InterlockedIncrement(&g_liveObjects); }

void CountObjectDestroyed() noexcept { InterlockedDecrement(&g_liveObjects); }

void LockServerCount(bool lock) noexcept {
    if (lock) {
        InterlockedIncrement(&g_serverLocks);
    } else {
        InterlockedDecrement(&g_serverLocks);
    }
}

bool IsModuleInUse() noexcept { return g_liveObjects != 0 || g_serverLocks != 0; }

}  // namespace marlow
