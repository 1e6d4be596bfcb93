// The icons and preview bitmaps of the built library: exactly the
// identifiers the pages use, each in its size and depth, and the bitmaps'
// transparent colours where the preview leaves them out.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <vector>

#include "host/window_picture.h"
#include "platform/win32_handles.h"
#include "plugin_module.h"
#include "res/resource_ids.h"

namespace marlow::test {
namespace {

std::set<UINT> ExpectedIcons() {
    std::set<UINT> ids = {12001};
    for (UINT id = 12011; id <= 12016; ++id) ids.insert(id);
    for (UINT id = 12021; id <= 12030; ++id) ids.insert(id);
    return ids;
}

std::set<UINT> ExpectedBitmaps() {
    std::set<UINT> ids;
    for (UINT first : {12101u, 12201u}) {
        ids.insert({first, first + 4, first + 5});
        for (UINT id = first + 8; id <= first + 25; ++id) ids.insert(id);
    }
    for (UINT first : {12151u, 12251u}) {
        ids.insert({first, first + 4});
        for (UINT id = first + 8; id <= first + 25; ++id) ids.insert(id);
    }
    for (UINT first : {12301u, 12321u}) {
        for (UINT n = 0; n <= 5; ++n) ids.insert({first + 3 * n, first + 3 * n + 1});
    }
    return ids;
}

bool IsOverlay(UINT id) { return id >= 12300; }

BOOL CALLBACK CollectName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR param) {
    if (IS_INTRESOURCE(name)) {
        reinterpret_cast<std::set<UINT>*>(param)->insert(
            static_cast<UINT>(reinterpret_cast<ULONG_PTR>(name)));
    }
    return TRUE;
}

std::set<UINT> ResourceIds(HMODULE hModule, LPCWSTR type) {
    std::set<UINT> ids;
    EnumResourceNamesW(hModule, type, CollectName, reinterpret_cast<LONG_PTR>(&ids));
    return ids;
}

const BYTE* ResourceBytes(HMODULE hModule, LPCWSTR name, LPCWSTR type, DWORD* pSize) {
    HRSRC hInfo = FindResourceW(hModule, name, type);
    HGLOBAL hData = hInfo != nullptr ? LoadResource(hModule, hInfo) : nullptr;
    *pSize = hInfo != nullptr ? SizeofResource(hModule, hInfo) : 0;
    return hData != nullptr ? static_cast<const BYTE*>(LockResource(hData)) : nullptr;
}

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE bWidth, bHeight, bColorCount, bReserved;
    WORD wPlanes, wBitCount;
    DWORD dwBytesInRes;
    WORD nId;
};
#pragma pack(pop)

// Every pixel of the loaded bitmap as COLORREF values, top row first; empty
// when they cannot be read.
std::vector<COLORREF> ReadPixels(HBITMAP hBitmap) {
    host::Picture picture;
    std::vector<COLORREF> pixels;
    if (!host::ReadBitmapPixels(hBitmap, &picture)) return pixels;
    for (std::uint32_t rgb : picture.pixels) {
        pixels.push_back(RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF));
    }
    return pixels;
}

class PictureTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(m_plugin.Handle(), nullptr) << "marlowui.dll did not load"; }
    PluginModule m_plugin;
};

TEST_F(PictureTest, OnlyTheIdentifiersInUseExist) {
    EXPECT_EQ(ResourceIds(m_plugin.Handle(), RT_GROUP_ICON), ExpectedIcons());
    EXPECT_EQ(ResourceIds(m_plugin.Handle(), RT_BITMAP), ExpectedBitmaps());
}

TEST_F(PictureTest, EveryIconIsOneTwentyPixelImageWithAlphaAndMask) {
    for (UINT id : ExpectedIcons()) {
        SCOPED_TRACE(testing::Message() << "icon " << id);
        const UniqueIcon icon(static_cast<HICON>(LoadImageW(m_plugin.Handle(), MAKEINTRESOURCEW(id),
                                                            IMAGE_ICON, 0, 0, LR_DEFAULTCOLOR)));
        ASSERT_TRUE(icon);
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(icon.Get(), &info));
        const UniqueBitmap color(info.hbmColor), mask(info.hbmMask);
        BITMAP bitmap = {};
        ASSERT_TRUE(color) << "a monochrome icon";
        ASSERT_TRUE(GetObjectW(color.Get(), sizeof(bitmap), &bitmap));
        EXPECT_EQ(bitmap.bmWidth, 20);
        EXPECT_EQ(bitmap.bmHeight, 20);

        DWORD size = 0;
        const BYTE* pGroup =
            ResourceBytes(m_plugin.Handle(), MAKEINTRESOURCEW(id), RT_GROUP_ICON, &size);
        ASSERT_NE(pGroup, nullptr);
        ASSERT_GE(size, 6 + sizeof(GroupIconEntry));
        EXPECT_EQ(reinterpret_cast<const WORD*>(pGroup)[2], 1) << "images in the group";
        GroupIconEntry entry;
        memcpy(&entry, pGroup + 6, sizeof(entry));
        EXPECT_EQ(entry.bWidth, 20);
        EXPECT_EQ(entry.bHeight, 20);
        EXPECT_EQ(entry.wBitCount, 32);

        const BYTE* pImage =
            ResourceBytes(m_plugin.Handle(), MAKEINTRESOURCEW(entry.nId), RT_ICON, &size);
        ASSERT_NE(pImage, nullptr);
        BITMAPINFOHEADER header;
        memcpy(&header, pImage, sizeof(header));
        EXPECT_EQ(header.biWidth, 20);
        EXPECT_EQ(header.biHeight, 40) << "colour and mask";
        EXPECT_EQ(header.biBitCount, 32);
        ASSERT_EQ(size, sizeof(header) + 20 * 20 * 4 + 20 * 4);
        // The mask is set exactly where the image is fully transparent, and
        // the image has both transparent and opaque pixels.
        const BYTE* pColor = pImage + sizeof(header);
        const BYTE* pMask = pColor + 20 * 20 * 4;
        int transparent = 0, opaque = 0;
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 20; ++x) {
                BYTE alpha = pColor[(y * 20 + x) * 4 + 3];
                bool masked = (pMask[y * 4 + x / 8] & (0x80 >> (x % 8))) != 0;
                EXPECT_EQ(masked, alpha == 0) << "pixel " << x << "," << y;
                transparent += alpha == 0;
                opaque += alpha == 255;
            }
        }
        EXPECT_GT(transparent, 0);
        EXPECT_GT(opaque, 100);
    }
}

TEST_F(PictureTest, EveryBitmapIsATwentyFourBitPictureOfTwoHundredBy170) {
    for (UINT id : ExpectedBitmaps()) {
        SCOPED_TRACE(testing::Message() << "bitmap " << id);
        const UniqueBitmap loaded(LoadBitmapW(m_plugin.Handle(), MAKEINTRESOURCEW(id)));
        ASSERT_TRUE(loaded);
        BITMAP bitmap = {};
        ASSERT_TRUE(GetObjectW(loaded.Get(), sizeof(bitmap), &bitmap));
        EXPECT_EQ(bitmap.bmWidth, 200);
        EXPECT_EQ(bitmap.bmHeight, 170);

        DWORD size = 0;
        const BYTE* pDib = ResourceBytes(m_plugin.Handle(), MAKEINTRESOURCEW(id), RT_BITMAP, &size);
        ASSERT_NE(pDib, nullptr);
        BITMAPINFOHEADER header;
        memcpy(&header, pDib, sizeof(header));
        EXPECT_EQ(header.biWidth, 200);
        EXPECT_EQ(header.biHeight, 170) << "bottom-up";
        EXPECT_EQ(header.biBitCount, 24);
        EXPECT_EQ(header.biCompression, static_cast<DWORD>(BI_RGB));
    }
}

TEST_F(PictureTest, BackgroundsCarryTheTransparentColourThePreviewLeavesOut) {
    for (UINT id : ExpectedBitmaps()) {
        SCOPED_TRACE(testing::Message() << "bitmap " << id);
        const COLORREF own =
            IsOverlay(id) ? MARLOW_OVERLAY_TRANSPARENT_COLOR : MARLOW_BASE_TRANSPARENT_COLOR;
        const COLORREF other =
            IsOverlay(id) ? MARLOW_BASE_TRANSPARENT_COLOR : MARLOW_OVERLAY_TRANSPARENT_COLOR;
        const UniqueBitmap loaded(LoadBitmapW(m_plugin.Handle(), MAKEINTRESOURCEW(id)));
        ASSERT_TRUE(loaded);
        {
            const UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
            const UniqueSelection selected = SelectIntoDc(dc.Get(), loaded.Get());
            ASSERT_TRUE(selected);
            for (auto [x, y] : {std::pair{0, 0}, {199, 0}, {0, 169}, {199, 169}}) {
                EXPECT_EQ(GetPixel(dc.Get(), x, y), own) << "corner " << x << "," << y;
            }
        }
        std::vector<COLORREF> pixels = ReadPixels(loaded.Get());
        ASSERT_EQ(pixels.size(), 200u * 170u);
        size_t drawn = 0, foreign = 0;
        for (COLORREF pixel : pixels) {
            drawn += pixel != own;
            foreign += pixel == other;
        }
        // A key colour of the other kind would punch a hole into the picture
        // when the preview composes base and overlay.
        EXPECT_EQ(foreign, 0u);
        // A sheet covers a good part of a base; an overlay draws a little.
        EXPECT_GT(drawn, IsOverlay(id) ? 500u : 10000u);
        if (IsOverlay(id)) {
            EXPECT_LT(drawn, 8000u) << "an overlay must leave the base visible";
        }
    }
}

}  // namespace
}  // namespace marlow::test
