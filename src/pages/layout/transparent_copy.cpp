#include "pages/layout/transparent_copy.h"

#include "core/page_activation_context.h"
#include "platform/win32_handles.h"

namespace marlow {
namespace {

using TransparentBltFunction = BOOL(WINAPI*)(HDC hdcDest, int xDest, int yDest, int wDest, int hDest,
                                             HDC hdcSrc, int xSrc, int ySrc, int wSrc, int hSrc,
                                             UINT crTransparent);

// The system's own transparent copy; false when it is not there or fails.
bool CopyWithTransparentBlt(HDC hdcDest, int destWidth, int destHeight, HDC hdcSource, int sourceWidth,
                            int sourceHeight, COLORREF transparent) noexcept {
    const PageActivation activation = ActivatePageActivationContext();
    const UniqueModule library(LoadLibraryW(L"Msimg32.dll"));
    if (!library) {
        return false;
    }
    const auto transparentBlt = reinterpret_cast<TransparentBltFunction>(
        reinterpret_cast<void*>(GetProcAddress(library.Get(), "TransparentBlt")));
    return transparentBlt != nullptr &&
           transparentBlt(hdcDest, 0, 0, destWidth, destHeight, hdcSource, 0, 0, sourceWidth, sourceHeight,
                          transparent) != FALSE;
}

// A memory context compatible with the destination, with a bitmap selected
// that goes back out before both are released.
struct MaskContext {
    UniqueMemoryDc dc;
    UniqueBitmap bitmap;
    UniqueSelection selection;  // declared last: deselected first
};

MaskContext MakeMaskContext(HDC hdcDest, HBITMAP bitmap) noexcept {
    MaskContext context;
    context.dc.Reset(CreateCompatibleDC(hdcDest));
    context.bitmap.Reset(bitmap);
    context.selection = SelectIntoDc(context.dc.Get(), context.bitmap.Get());
    return context;
}

void CopyBlock(HDC to, SIZE size, HDC from, DWORD rop) noexcept {
    static_cast<void>(BitBlt(to, 0, 0, size.cx, size.cy, from, 0, 0, rop));
}

// The same picture from masks: the destination's pixels where the source has
// the transparent colour, the source's elsewhere.
void ComposeWithMasks(HDC hdcDest, HDC hdcSource, int sourceWidth, int sourceHeight,
                      COLORREF transparent) noexcept {
    POINT extent = {sourceWidth, sourceHeight};
    static_cast<void>(DPtoLP(hdcSource, &extent, 1));
    const SIZE size = {extent.x, extent.y};

    // A: the inverse mask, B: the mask (both monochrome), K: the composition,
    // S: a copy of the source to restore it from.
    const MaskContext inverse = MakeMaskContext(hdcDest, CreateBitmap(size.cx, size.cy, 1, 1, nullptr));
    const MaskContext mask = MakeMaskContext(hdcDest, CreateBitmap(size.cx, size.cy, 1, 1, nullptr));
    const MaskContext composition = MakeMaskContext(hdcDest, CreateCompatibleBitmap(hdcDest, size.cx, size.cy));
    const MaskContext saved = MakeMaskContext(hdcDest, CreateCompatibleBitmap(hdcDest, size.cx, size.cy));
    if (!inverse.selection || !mask.selection || !composition.selection || !saved.selection) {
        return;  // a context or bitmap could not be made: nothing is drawn
    }

    static_cast<void>(SetMapMode(hdcSource, GetMapMode(hdcDest)));
    CopyBlock(saved.dc.Get(), size, hdcSource, SRCCOPY);

    // Converted to monochrome, the pixels of the background colour turn white.
    const COLORREF oldBackground = SetBkColor(hdcSource, transparent);
    CopyBlock(mask.dc.Get(), size, hdcSource, SRCCOPY);
    static_cast<void>(SetBkColor(hdcSource, oldBackground));
    CopyBlock(inverse.dc.Get(), size, mask.dc.Get(), NOTSRCCOPY);

    CopyBlock(composition.dc.Get(), size, hdcDest, SRCCOPY);
    CopyBlock(composition.dc.Get(), size, mask.dc.Get(), SRCAND);
    CopyBlock(hdcSource, size, inverse.dc.Get(), SRCAND);
    CopyBlock(composition.dc.Get(), size, hdcSource, SRCPAINT);
    CopyBlock(hdcDest, size, composition.dc.Get(), SRCCOPY);

    CopyBlock(hdcSource, size, saved.dc.Get(), SRCCOPY);
}

}  // namespace

void DrawTransparent(HDC hdcDest, int destWidth, int destHeight, HDC hdcSource, int sourceWidth,
                     int sourceHeight, COLORREF transparent) noexcept {
    if (CopyWithTransparentBlt(hdcDest, destWidth, destHeight, hdcSource, sourceWidth, sourceHeight,
                               transparent)) {
        return;
    }
    ComposeWithMasks(hdcDest, hdcSource, sourceWidth, sourceHeight, transparent);
}

}  // namespace marlow
