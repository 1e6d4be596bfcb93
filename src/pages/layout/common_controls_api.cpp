#include "pages/layout/common_controls_api.h"

#include "core/page_activation_context.h"
#include "platform/win32_handles.h"

namespace marlow {
namespace {

using InitCommonControlsFunction = void(WINAPI*)();
using ImageListCreateFunction = HIMAGELIST(WINAPI*)(int cx, int cy, UINT flags, int cInitial, int cGrow);
using ImageListReplaceIconFunction = int(WINAPI*)(HIMAGELIST hImageList, int i, HICON hIcon);
using ImageListDestroyFunction = BOOL(WINAPI*)(HIMAGELIST hImageList);

// Runs call(function) with the function looked up by name, under the pages'
// activation context; failure when the library or the function is missing.
// The library stays loaded only for the call: the sheet that shows the page
// has it loaded for as long as the page lives.
template <typename Function, typename Result, typename Call>
Result CallCommonControl(const char* name, Result failure, Call&& call) noexcept {
    const PageActivation activation = ActivatePageActivationContext();
    const UniqueModule library(LoadLibraryW(L"Comctl32.dll"));
    if (!library) {
        return failure;
    }
    // Through void*: a direct cast between function pointer types warns.
    const auto function =
        reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library.Get(), name)));
    return function != nullptr ? call(function) : failure;
}

}  // namespace

void CallInitCommonControls() noexcept {
    static_cast<void>(CallCommonControl<InitCommonControlsFunction>(
        "InitCommonControls", false, [](InitCommonControlsFunction function) {
            function();
            return true;
        }));
}

HIMAGELIST CallImageListCreate(int cx, int cy, UINT flags, int cInitial, int cGrow) noexcept {
    return CallCommonControl<ImageListCreateFunction>(
        "ImageList_Create", static_cast<HIMAGELIST>(nullptr),
        [&](ImageListCreateFunction function) { return function(cx, cy, flags, cInitial, cGrow); });
}

int CallImageListAppendIcon(HIMAGELIST hImageList, HICON hIcon) noexcept {
    return CallCommonControl<ImageListReplaceIconFunction>(
        "ImageList_ReplaceIcon", -1,
        [&](ImageListReplaceIconFunction function) { return function(hImageList, -1, hIcon); });
}

BOOL CallImageListDestroy(HIMAGELIST hImageList) noexcept {
    return CallCommonControl<ImageListDestroyFunction>(
        "ImageList_Destroy", FALSE, [&](ImageListDestroyFunction function) { return function(hImageList); });
}

}  // namespace marlow
