// Many pictures on one: screenshots laid out in rows, each with a caption
// under it, written as one PNG to look at by eye.
#pragma once

#include "host/window_picture.h"

#include <string>
#include <vector>

namespace marlow::host {

struct ContactSheetTile {
    Picture picture;
    std::wstring caption;
};

// Tiles left to right in rows of `columns`; every cell is as large as the
// largest picture, and a picture sits at its cell's top left. E_INVALIDARG
// for no tiles or fewer than one column.
[[nodiscard]] HRESULT ComposeContactSheet(const std::vector<ContactSheetTile>& tiles, int columns,
                                          Picture* sheet);

// ComposeContactSheet, then SavePictureAsPng.
[[nodiscard]] HRESULT WriteContactSheet(const std::vector<ContactSheetTile>& tiles, int columns,
                                        const std::wstring& pngPath);

// A PNG (or any picture WIC decodes) as pixels; its first frame.
[[nodiscard]] HRESULT ReadPngAsPicture(const std::wstring& pngPath, Picture* picture);

}  // namespace marlow::host
