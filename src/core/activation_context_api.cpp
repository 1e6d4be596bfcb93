#include "core/activation_context_api.h"

namespace marlow {

#if defined(_WIN64)

CreateActCtxWFunction FindCreateActCtxW() noexcept { return &CreateActCtxW; }
ReleaseActCtxFunction FindReleaseActCtx() noexcept { return &ReleaseActCtx; }
ActivateActCtxFunction FindActivateActCtx() noexcept { return &ActivateActCtx; }
DeactivateActCtxFunction FindDeactivateActCtx() noexcept { return &DeactivateActCtx; }

#else

namespace {

template <typename Function>
Function FindKernelFunction(const char* name) noexcept {
    const HMODULE hKernel = GetModuleHandleW(L"Kernel32.dll");
    if (hKernel == nullptr) {
        return nullptr;
    }
    // Through void*: a direct cast between function pointer types warns.
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(hKernel, name)));
}

}  // namespace

CreateActCtxWFunction FindCreateActCtxW() noexcept {
    return FindKernelFunction<CreateActCtxWFunction>("CreateActCtxW");
}
ReleaseActCtxFunction FindReleaseActCtx() noexcept {
    return FindKernelFunction<ReleaseActCtxFunction>("ReleaseActCtx");
}
ActivateActCtxFunction FindActivateActCtx() noexcept {
    return FindKernelFunction<ActivateActCtxFunction>("ActivateActCtx");
}
DeactivateActCtxFunction FindDeactivateActCtx() noexcept {
    return FindKernelFunction<DeactivateActCtxFunction>("DeactivateActCtx");
}

#endif

}  // namespace marlow
