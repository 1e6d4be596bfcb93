// Copies a picture onto another, leaving out the pixels of one colour.
#pragma once

#include "platform/windows_sdk.h"

namespace marlow {

// Copies the source context onto the destination context, both from their
// origin, without the source pixels of the transparent colour. Uses
// TransparentBlt of "Msimg32.dll" (looked up by name, under the pages'
// activation context); when that library or function is missing or the
// call fails, composes the same picture with masks, which leaves the source
// as it was. The mask composition copies a block of the source's size
// without stretching.
void DrawTransparent(HDC hdcDest, int destWidth, int destHeight, HDC hdcSource, int sourceWidth,
                     int sourceHeight, COLORREF transparent) noexcept;

}  // namespace marlow
