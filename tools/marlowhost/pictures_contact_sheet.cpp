#include "pictures_contact_sheet.h"

#include "host/contact_sheet.h"

#include <utility>

namespace marlow::host {

HRESULT WritePicturesContactSheet(const std::wstring& folder, const std::vector<std::wstring>& names) {
    std::vector<ContactSheetTile> tiles;
    for (const std::wstring& name : names) {
        ContactSheetTile tile;
        const HRESULT hr = ReadPngAsPicture(folder + L"\\" + name, &tile.picture);
        if (FAILED(hr)) return hr;
        tile.caption = name;
        tiles.push_back(std::move(tile));
    }
    return WriteContactSheet(tiles, kContactSheetColumns, folder + L"\\" + kContactSheetName);
}

}  // namespace marlow::host
