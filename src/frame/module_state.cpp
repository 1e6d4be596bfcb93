#include "frame/module_state.h"

namespace marlow {
namespace {

HINSTANCE g_hModule = nullptr;
LONG volatile g_liveObjects = 0;
LONG volatile g_serverLocks = 0;

}  // namespace

HINSTANCE GetModuleInstance() { return g_hModule; }

void SetModuleInstance(HINSTANCE hInstance) { g_hModule = hInstance; }

void CountObjectCreated() { InterlockedIncrement(&g_liveObjects); }

void CountObjectDestroyed() { InterlockedDecrement(&g_liveObjects); }

void LockServerCount(bool lock) {
    if (lock) {
        InterlockedIncrement(&g_serverLocks);
    } else {
        InterlockedDecrement(&g_serverLocks);
    }
}

bool IsModuleInUse() { return g_liveObjects != 0 || g_serverLocks != 0; }

}  // namespace marlow
