// The common-controls functions the Layout page uses. The plug-in does not
// import them: each call looks its function up by name in "Comctl32.dll",
// loaded with the pages' activation context active (version 6 of the common
// controls), and is made under that context. Without the context the calls
// go ahead under the thread's own. A function that cannot be found fails as
// the function itself would: no image list, no icon added.
#pragma once

#include "platform/unique_handle.h"
#include "platform/windows_sdk.h"

namespace marlow {

void CallInitCommonControls() noexcept;
[[nodiscard]] HIMAGELIST CallImageListCreate(int cx, int cy, UINT flags, int cInitial, int cGrow) noexcept;
// Appends the icon (index -1); the new image's index, or -1.
int CallImageListAppendIcon(HIMAGELIST hImageList, HICON hIcon) noexcept;
BOOL CallImageListDestroy(HIMAGELIST hImageList) noexcept;

// An image list, destroyed through the by-name ImageList_Destroy.
struct ImageListPolicy {
    using Handle = HIMAGELIST;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle hImageList) noexcept { static_cast<void>(CallImageListDestroy(hImageList)); }
};
using UniqueImageList = UniqueHandle<ImageListPolicy>;

}  // namespace marlow
