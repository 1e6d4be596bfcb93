#include "host/contact_sheet.h"

#include "platform/com_ref.h"
#include "platform/win32_handles.h"

#include <wincodec.h>

#include <algorithm>
#include <cstring>

namespace marlow::host {

namespace {

constexpr int kGap = 8;
constexpr int kCaptionHeight = 20;
constexpr std::uint32_t kBackground = 0x00FFFFFF;

// A top-down 32-bit DIB section the caption text is drawn into.
struct DibCanvas {
    UniqueMemoryDc dc;
    UniqueBitmap bitmap;
    std::uint32_t* bits = nullptr;
};

[[nodiscard]] bool MakeCanvas(int width, int height, DibCanvas* canvas) {
    const BITMAPINFO info = DescribeTopDownPixels(width, height);
    void* bits = nullptr;
    canvas->dc.Reset(CreateCompatibleDC(nullptr));
    canvas->bitmap.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    canvas->bits = static_cast<std::uint32_t*>(bits);
    return canvas->dc && canvas->bitmap && canvas->bits != nullptr;
}

}  // namespace

HRESULT ComposeContactSheet(const std::vector<ContactSheetTile>& tiles, int columns, Picture* sheet) {
    if (tiles.empty() || columns < 1 || sheet == nullptr) {
        return E_INVALIDARG;
    }
    int cellWidth = 0;
    int cellHeight = 0;
    for (const ContactSheetTile& tile : tiles) {
        cellWidth = std::max(cellWidth, tile.picture.width);
        cellHeight = std::max(cellHeight, tile.picture.height);
    }
    const int count = static_cast<int>(tiles.size());
    const int usedColumns = std::min(columns, count);
    const int rows = (count + columns - 1) / columns;
    const int width = kGap + usedColumns * (cellWidth + kGap);
    const int height = kGap + rows * (cellHeight + kCaptionHeight + kGap);

    DibCanvas canvas;
    if (!MakeCanvas(width, height, &canvas)) {
        return E_OUTOFMEMORY;
    }
    std::fill(canvas.bits, canvas.bits + static_cast<std::size_t>(width) * height, kBackground);
    const UniqueSelection selected = SelectIntoDc(canvas.dc.Get(), canvas.bitmap.Get());
    const UniqueSelection font = SelectIntoDc(canvas.dc.Get(), GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(canvas.dc.Get(), TRANSPARENT);
    SetTextColor(canvas.dc.Get(), RGB(0, 0, 0));
    for (int index = 0; index < count; ++index) {
        const Picture& picture = tiles[static_cast<std::size_t>(index)].picture;
        const int left = kGap + (index % columns) * (cellWidth + kGap);
        const int top = kGap + (index / columns) * (cellHeight + kCaptionHeight + kGap);
        for (int y = 0; y < picture.height; ++y) {
            std::memcpy(canvas.bits + static_cast<std::size_t>(top + y) * width + left,
                        picture.pixels.data() + static_cast<std::size_t>(y) * picture.width,
                        static_cast<std::size_t>(picture.width) * sizeof(std::uint32_t));
        }
        const std::wstring& caption = tiles[static_cast<std::size_t>(index)].caption;
        RECT captionRect = {left, top + cellHeight + 2, left + cellWidth, top + cellHeight + kCaptionHeight};
        DrawTextW(canvas.dc.Get(), caption.c_str(), static_cast<int>(caption.size()), &captionRect,
                  DT_LEFT | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    }
    GdiFlush();
    sheet->width = width;
    sheet->height = height;
    sheet->pixels.assign(canvas.bits, canvas.bits + static_cast<std::size_t>(width) * height);
    for (std::uint32_t& pixel : sheet->pixels) {
        pixel &= 0x00FFFFFF;
    }
    return S_OK;
}

HRESULT WriteContactSheet(const std::vector<ContactSheetTile>& tiles, int columns, const std::wstring& pngPath) {
    Picture sheet;
    const HRESULT hr = ComposeContactSheet(tiles, columns, &sheet);
    return FAILED(hr) ? hr : SavePictureAsPng(sheet, pngPath);
}

HRESULT ReadPngAsPicture(const std::wstring& pngPath, Picture* picture) {
    if (picture == nullptr) {
        return E_POINTER;
    }
    const HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    HRESULT hr = S_OK;
    {
        ComRef<IWICImagingFactory> factory;
        ComRef<IWICBitmapDecoder> decoder;
        ComRef<IWICBitmapFrameDecode> frame;
        ComRef<IWICFormatConverter> converter;
        UINT width = 0;
        UINT height = 0;
        hr = CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IWICImagingFactory, factory.PutVoid());
        if (SUCCEEDED(hr)) {
            hr = factory->CreateDecoderFromFilename(pngPath.c_str(), nullptr, GENERIC_READ,
                                                    WICDecodeMetadataCacheOnDemand, decoder.Put());
        }
        if (SUCCEEDED(hr)) hr = decoder->GetFrame(0, frame.Put());
        if (SUCCEEDED(hr)) hr = factory->CreateFormatConverter(converter.Put());
        if (SUCCEEDED(hr)) {
            hr = converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone,
                                       nullptr, 0.0, WICBitmapPaletteTypeCustom);
        }
        if (SUCCEEDED(hr)) hr = converter->GetSize(&width, &height);
        if (SUCCEEDED(hr) && (width == 0 || height == 0 || width > 32768 || height > 32768)) {
            hr = E_FAIL;
        }
        if (SUCCEEDED(hr)) {
            std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
            hr = converter->CopyPixels(nullptr, width * 4, static_cast<UINT>(pixels.size() * 4),
                                       reinterpret_cast<BYTE*>(pixels.data()));
            if (SUCCEEDED(hr)) {
                for (std::uint32_t& pixel : pixels) {
                    pixel &= 0x00FFFFFF;
                }
                picture->width = static_cast<int>(width);
                picture->height = static_cast<int>(height);
                picture->pixels = std::move(pixels);
            }
        }
    }
    if (SUCCEEDED(init)) {
        CoUninitialize();
    }
    return hr;
}

}  // namespace marlow::host
