// What a window shows on the screen, as pixels, and as a PNG file written
// with the platform's imaging component (WIC).
#pragma once

#include "platform/windows_sdk.h"

#include <cstdint>
#include <string>
#include <vector>

namespace marlow::host {

// Pixels as 0x00RRGGBB, rows from the top.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    std::uint32_t At(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
};

// The header of a 32-bit picture whose rows run from the top (BI_RGB), as
// CreateDIBSection and GetDIBits take it.
BITMAPINFO DescribeTopDownPixels(int width, int height);

// A bitmap's pixels (a loaded resource, say); false when it has none.
[[nodiscard]] bool ReadBitmapPixels(HBITMAP bitmap, Picture* picture);

// The window (frame included) as the screen shows it, after it has repainted.
// False when it does not lie wholly on the screen (pixels off the screen
// read as black) or the copy fails.
[[nodiscard]] bool CaptureWindow(HWND window, Picture* picture);

// The part of the screen a rectangle covers (screen coordinates).
[[nodiscard]] bool CaptureScreenRect(const RECT& rect, Picture* picture);

[[nodiscard]] HRESULT SavePictureAsPng(const Picture& picture, const std::wstring& path);

// CaptureWindow, then SavePictureAsPng. E_FAIL when the capture fails.
[[nodiscard]] HRESULT SaveWindowAsPng(HWND window, const std::wstring& path);

}  // namespace marlow::host
