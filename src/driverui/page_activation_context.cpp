#include "driverui/page_activation_context.h"

namespace marlow {
namespace {

HANDLE g_hPageActCtx = INVALID_HANDLE_VALUE;

}  // namespace

void ReleasePageActivationContext() {
    if (g_hPageActCtx != INVALID_HANDLE_VALUE) {
        ReleaseActCtx(g_hPageActCtx);
        g_hPageActCtx = INVALID_HANDLE_VALUE;
    }
}

}  // namespace marlow
