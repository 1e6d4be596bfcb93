#include "core/page_activation_context.h"

#include "platform/win32_handles.h"

namespace marlow {
namespace {

UniqueActCtx g_pageActCtx;

}  // namespace

void ReleasePageActivationContext() noexcept { g_pageActCtx.Reset(); }

}  // namespace marlow
