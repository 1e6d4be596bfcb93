#include "host/window_picture.h"

#include "platform/com_ref.h"
#include "platform/win32_handles.h"

#include <wincodec.h>

namespace marlow::host {

BITMAPINFO DescribeTopDownPixels(int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

bool ReadBitmapPixels(HBITMAP bitmap, Picture* picture) {
    BITMAP header = {};
    if (bitmap == nullptr || GetObjectW(bitmap, sizeof(header), &header) == 0 || header.bmWidth <= 0 ||
        header.bmHeight <= 0) {
        return false;
    }
    BITMAPINFO info = DescribeTopDownPixels(header.bmWidth, header.bmHeight);
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(header.bmWidth) * header.bmHeight);
    const UniqueWindowDc screen = GetWindowDc(nullptr);
    if (GetDIBits(screen.Get(), bitmap, 0, static_cast<UINT>(header.bmHeight), pixels.data(), &info,
                  DIB_RGB_COLORS) != header.bmHeight) {
        return false;
    }
    for (std::uint32_t& pixel : pixels) {
        pixel &= 0x00FFFFFF;
    }
    picture->width = header.bmWidth;
    picture->height = header.bmHeight;
    picture->pixels = std::move(pixels);
    return true;
}

bool CaptureScreenRect(const RECT& rect, Picture* picture) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0 || rect.left < 0 || rect.top < 0 ||
        rect.right > GetSystemMetrics(SM_CXSCREEN) || rect.bottom > GetSystemMetrics(SM_CYSCREEN)) {
        return false;
    }
    const UniqueWindowDc screen = GetWindowDc(nullptr);
    const UniqueMemoryDc memory(CreateCompatibleDC(screen.Get()));
    const BITMAPINFO info = DescribeTopDownPixels(width, height);
    void* bits = nullptr;
    const UniqueBitmap bitmap(CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!screen || !memory || !bitmap || bits == nullptr) {
        return false;
    }
    {
        const UniqueSelection selection = SelectIntoDc(memory.Get(), bitmap.Get());
        if (!BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), rect.left, rect.top, SRCCOPY)) {
            return false;
        }
        GdiFlush();
    }
    const auto* source = static_cast<const std::uint32_t*>(bits);
    picture->width = width;
    picture->height = height;
    picture->pixels.assign(source, source + static_cast<std::size_t>(width) * height);
    for (std::uint32_t& pixel : picture->pixels) {
        pixel &= 0x00FFFFFF;
    }
    return true;
}

bool CaptureWindow(HWND window, Picture* picture) {
    RECT rect = {};
    if (window == nullptr || !GetWindowRect(window, &rect)) {
        return false;
    }
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    return CaptureScreenRect(rect, picture);
}

HRESULT SavePictureAsPng(const Picture& picture, const std::wstring& path) {
    const HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    HRESULT hr = S_OK;
    {
        ComRef<IWICImagingFactory> factory;
        ComRef<IWICStream> stream;
        ComRef<IWICBitmapEncoder> encoder;
        ComRef<IWICBitmapFrameEncode> frame;
        // Rows of 24-bit blue-green-red, as the encoder takes them.
        const UINT stride = static_cast<UINT>(picture.width) * 3;
        std::vector<BYTE> rows(static_cast<std::size_t>(stride) * picture.height);
        for (int y = 0; y < picture.height; ++y) {
            for (int x = 0; x < picture.width; ++x) {
                const std::uint32_t pixel = picture.At(x, y);
                BYTE* out = &rows[static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x) * 3];
                out[0] = static_cast<BYTE>(pixel);
                out[1] = static_cast<BYTE>(pixel >> 8);
                out[2] = static_cast<BYTE>(pixel >> 16);
            }
        }
        WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
        hr = CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IWICImagingFactory, factory.PutVoid());
        if (SUCCEEDED(hr)) hr = factory->CreateStream(stream.Put());
        if (SUCCEEDED(hr)) hr = stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE);
        if (SUCCEEDED(hr)) hr = factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.Put());
        if (SUCCEEDED(hr)) hr = encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache);
        if (SUCCEEDED(hr)) hr = encoder->CreateNewFrame(frame.Put(), nullptr);
        if (SUCCEEDED(hr)) hr = frame->Initialize(nullptr);
        if (SUCCEEDED(hr)) hr = frame->SetSize(static_cast<UINT>(picture.width), static_cast<UINT>(picture.height));
        if (SUCCEEDED(hr)) hr = frame->SetPixelFormat(&format);
        if (SUCCEEDED(hr) && !IsEqualGUID(format, GUID_WICPixelFormat24bppBGR)) hr = E_FAIL;
        if (SUCCEEDED(hr)) {
            hr = frame->WritePixels(static_cast<UINT>(picture.height), stride,
                                    static_cast<UINT>(rows.size()), rows.data());
        }
        if (SUCCEEDED(hr)) hr = frame->Commit();
        if (SUCCEEDED(hr)) hr = encoder->Commit();
    }
    if (SUCCEEDED(init)) {
        CoUninitialize();
    }
    return hr;
}

HRESULT SaveWindowAsPng(HWND window, const std::wstring& path) {
    Picture picture;
    return CaptureWindow(window, &picture) ? SavePictureAsPng(picture, path) : E_FAIL;
}

}  // namespace marlow::host
