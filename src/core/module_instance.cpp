#include "core/module_instance.h"

namespace marlow {
namespace {

HINSTANCE g_hModule = nullptr;

}  // namespace

HINSTANCE GetModuleInstance() noexcept { return g_hModule; }

void SetModuleInstance(HINSTANCE hInstance) noexcept { g_hModule = hInstance; }

}  // namespace marlow
