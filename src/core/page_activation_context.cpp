#include "core/page_activation_context.h"

#include "core/activation_context_api.h"
#include "core/module_instance.h"
#include "res/resource_ids.h"

#include <memory>
#include <new>

namespace marlow {
namespace {

UniqueActCtx g_pageActCtx;

constexpr DWORD kFirstPathCapacity = MAX_PATH;
constexpr int kMaxPathCalls = 10;

// The library's full path. The buffer doubles while the path comes back cut;
// after ten calls in all the last answer stands (cut, but terminated). Null
// when the path cannot be had or no buffer can be allocated.
std::unique_ptr<WCHAR[]> GetLibraryPath() noexcept {
    DWORD capacity = kFirstPathCapacity;
    for (int call = 1;; ++call) {
        std::unique_ptr<WCHAR[]> path(new (std::nothrow) WCHAR[capacity]);
        if (!path) {
            return nullptr;
        }
        const DWORD length = GetModuleFileNameW(GetModuleInstance(), path.get(), capacity);
        if (length == 0) {
            return nullptr;
        }
        if (length < capacity) {
            return path;
        }
        if (call == kMaxPathCalls) {
            path[capacity - 1] = L'\0';  // older systems leave a cut path unterminated
            return path;
        }
        capacity *= 2;
    }
}

HANDLE CreatePageActivationContext() noexcept {
    const std::unique_ptr<WCHAR[]> path = GetLibraryPath();
    const CreateActCtxWFunction createActCtx = FindCreateActCtxW();
    if (!path || createActCtx == nullptr) {
        return INVALID_HANDLE_VALUE;
    }
    ACTCTXW request = {};
    request.cbSize = sizeof(request);
    request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    request.lpSource = path.get();
    request.lpResourceName = MAKEINTRESOURCEW(IDR_MANIFEST);
    const HANDLE hActCtx = createActCtx(&request);
    // A null answer is no context either.
    return hActCtx != nullptr ? hActCtx : INVALID_HANDLE_VALUE;
}

}  // namespace

HANDLE GetPageActivationContext() noexcept {
    if (!g_pageActCtx.IsValid()) {
        const HANDLE hActCtx = CreatePageActivationContext();
        if (hActCtx != INVALID_HANDLE_VALUE) {
            g_pageActCtx = UniqueActCtx(hActCtx, ActCtxReleasePolicy(FindReleaseActCtx()));
        }
    }
    return g_pageActCtx.Get();
}

void ReleasePageActivationContext() noexcept { g_pageActCtx.Reset(); }

PageActivation ActivatePageActivationContext() noexcept {
    const HANDLE hActCtx = GetPageActivationContext();
    const ActivateActCtxFunction activate = FindActivateActCtx();
    const DeactivateActCtxFunction deactivate = FindDeactivateActCtx();
    ULONG_PTR cookie = 0;
    if (hActCtx == INVALID_HANDLE_VALUE || activate == nullptr || deactivate == nullptr ||
        !activate(hActCtx, &cookie)) {
        return PageActivation();
    }
    return PageActivation(cookie, ActCtxDeactivationPolicy(deactivate));
}

}  // namespace marlow
