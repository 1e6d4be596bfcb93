// The preview as the screen shows it: the area of control 11018 captured
// after a repaint, compared pixel for pixel with a picture composed here
// from the library's own bitmaps - the overlay's background colour keyed
// out over the base, the base's background colour keyed out over the
// window colour, centred in the area. The same program runs a second time
// without Msimg32.dll (see CMakeLists.txt): the page then composes with
// masks, and the pixels must be the same.
#include "host/window_picture.h"
#include "layout_page_fixture.h"

#include <cstdlib>

namespace marlow::test {
namespace {

constexpr std::uint32_t kBaseKey = 0x008080;     // red 0, green 128, blue 128 as 0xRRGGBB
constexpr std::uint32_t kOverlayKey = 0xFFAEC9;  // red 255, green 174, blue 201

std::uint32_t ToRgb(COLORREF colour) {
    return (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
}

// A bitmap of the library as 0xRRGGBB pixels, rows from the top.
host::Picture LoadLibraryBitmap(HMODULE module, UINT id) {
    host::Picture picture;
    const UniqueBitmap bitmap(LoadBitmapW(module, MAKEINTRESOURCEW(id)));
    if (bitmap) {
        EXPECT_TRUE(host::ReadBitmapPixels(bitmap.Get(), &picture)) << "bitmap " << id;
    }
    return picture;
}

// What the area should show: the window colour, and the picture centred.
host::Picture ComposeExpected(HMODULE module, UINT baseId, UINT overlayId, int width, int height) {
    host::Picture area;
    area.width = width;
    area.height = height;
    area.pixels.assign(static_cast<std::size_t>(width) * height, ToRgb(GetSysColor(COLOR_WINDOW)));
    host::Picture base = LoadLibraryBitmap(module, baseId);
    if (overlayId != 0) {
        const host::Picture overlay = LoadLibraryBitmap(module, overlayId);
        for (std::size_t i = 0; i < base.pixels.size() && i < overlay.pixels.size(); ++i) {
            if (overlay.pixels[i] != kOverlayKey) base.pixels[i] = overlay.pixels[i];
        }
    }
    const int left = (width - base.width) / 2;
    const int top = (height - base.height) / 2;
    for (int y = 0; y < base.height; ++y) {
        for (int x = 0; x < base.width; ++x) {
            const std::uint32_t pixel = base.At(x, y);
            if (pixel != kBaseKey && left + x >= 0 && left + x < width && top + y >= 0 && top + y < height) {
                area.pixels[static_cast<std::size_t>(top + y) * width + left + x] = pixel;
            }
        }
    }
    return area;
}

// The area inside the frame's one-pixel black line.
host::Picture Inside(const host::Picture& picture) {
    host::Picture inner;
    inner.width = picture.width - 2;
    inner.height = picture.height - 2;
    for (int y = 1; y + 1 < picture.height; ++y) {
        for (int x = 1; x + 1 < picture.width; ++x) inner.pixels.push_back(picture.At(x, y));
    }
    return inner;
}

std::string DescribeDifference(const host::Picture& expected, const host::Picture& shown) {
    int differing = 0;
    std::string first;
    for (int y = 0; y < expected.height; ++y) {
        for (int x = 0; x < expected.width; ++x) {
            if (expected.At(x, y) == shown.At(x, y)) continue;
            if (differing++ == 0) {
                char text[96];
                std::snprintf(text, sizeof(text), "first at (%d, %d): expected %06X, got %06X", x, y,
                              expected.At(x, y), shown.At(x, y));
                first = text;
            }
        }
    }
    return differing == 0 ? std::string() : std::to_string(differing) + " pixels differ, " + first;
}

class LayoutPreviewPixels : public LayoutPage {
protected:
    // The preview area as the screen shows it after the page repainted.
    host::Picture CapturePreview() {
        RedrawWindow(page, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        Sheet().PumpUntilIdle();
        RECT area = {};
        GetWindowRect(GetDlgItem(page, IDC_PREVIEW_FRAME), &area);
        host::Picture picture;
        EXPECT_TRUE(host::CaptureScreenRect(area, &picture)) << "the preview area lies on the screen";
        return picture;
    }

    void ExpectPreview(const char* what, UINT baseId, UINT overlayId) {
        const host::Picture shown = CapturePreview();
        ASSERT_GT(shown.width, 200) << what;
        const host::Picture expected =
            ComposeExpected(session.Library().Module(), baseId, overlayId, shown.width, shown.height);
        EXPECT_EQ("", DescribeDifference(Inside(expected), Inside(shown))) << what;
    }
};

TEST_F(LayoutPreviewPixels, TheRightMsimg32ForThisRun) {
    // The second run takes the library away; make sure it really is gone.
    const bool withoutMsimg32 = std::getenv("MARLOW_WITHOUT_MSIMG32") != nullptr;
    const UniqueModule library(LoadLibraryW(L"Msimg32.dll"));
    EXPECT_EQ(withoutMsimg32, !library) << (withoutMsimg32 ? "Msimg32.dll still loads" : "Msimg32.dll is missing");
}

TEST_F(LayoutPreviewPixels, ShowsTheSheetForTheSettings) {
    struct Case {
        const char* what;
        LONG color, orientation, duplex, pagesPerSheet, direction, edge;
        UINT base, overlay;
    };
    const Case cases[] = {
        {"colour portrait, one-sided", 1, 0, 0, 0, 0, 0, 12101, 0},
        {"greyscale landscape, two pages, short edge", 0, 1, 1, 1, 0, 0, 12255, 12325},
        {"colour portrait, four pages, long edge", 1, 0, 2, 2, 1, 0, kNewerBuild ? 12110u : 12109u, 12307},
        {"booklet bound right", 1, 0, 1, 6, 0, 1, kNewerBuild ? 12126u : 12125u, 0},
        {"rotated landscape, sixteen pages, long edge", 0, 2, 2, 5, 3, 0, kNewerBuild ? 12274u : 12271u, 12337},
        {"no picture for orientation 3", 1, 3, 0, 0, 0, 0, 12101, 0},
    };
    Open();
    for (const Case& c : cases) {
        Item(DMPUB_COLOR).Sel = c.color;
        Item(DMPUB_ORIENTATION).Sel = c.orientation;
        Item(DMPUB_DUPLEX).Sel = c.duplex;
        Item(DMPUB_NUP).Sel = c.pagesPerSheet;
        Item(host::kDmpubNupDirection).Sel = c.direction;
        Item(host::kDmpubBookletEdge).Sel = c.edge;
        ExpectPreview(c.what, c.base, c.overlay);
    }
}

TEST_F(LayoutPreviewPixels, FollowsTheUsersChoices) {
    Open();
    ChooseEntry(IDC_ORIENTATION, 1);
    ExpectPreview("landscape chosen", 12151, 0);
    ChooseEntry(IDC_DUPLEX, 2);
    ExpectPreview("long edge chosen", 12151, 12322);
}

TEST_F(LayoutPreviewPixels, PagesPerSheetBeyondThePicturesShowOnlyTheWindowColour) {
    MakeRecords();
    Item(DMPUB_NUP).Sel = 40;
    Open();
    const host::Picture shown = CapturePreview();
    host::Picture expected;
    expected.width = shown.width;
    expected.height = shown.height;
    expected.pixels.assign(shown.pixels.size(), ToRgb(GetSysColor(COLOR_WINDOW)));
    EXPECT_EQ("", DescribeDifference(Inside(expected), Inside(shown)));
}

}  // namespace
}  // namespace marlow::test
