// The contact sheet: pictures in their cells, captions under them, and the
// round trip through a PNG file.
#include "host/contact_sheet.h"

#include "temp_file.h"

#include <gtest/gtest.h>

namespace marlow::host {
namespace {

Picture MakeSolidPicture(int width, int height, std::uint32_t colour) {
    Picture picture;
    picture.width = width;
    picture.height = height;
    picture.pixels.assign(static_cast<std::size_t>(width) * height, colour);
    return picture;
}

int CountDarkPixels(const Picture& picture, int left, int top, int right, int bottom) {
    int dark = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            if ((picture.At(x, y) & 0xFF) < 0x80) {
                ++dark;
            }
        }
    }
    return dark;
}

TEST(ContactSheet, LaysTheTilesOutInRowsWithTheirCaptionsAndSurvivesThePngRoundTrip) {
    const std::vector<ContactSheetTile> tiles = {
        {MakeSolidPicture(40, 30, 0x00FF0000), L"red"},
        {MakeSolidPicture(20, 50, 0x0000FF00), L"green"},
        {MakeSolidPicture(40, 50, 0x000000FF), L""},
    };
    test::TempFile file("", L".png");
    ASSERT_EQ(S_OK, WriteContactSheet(tiles, 2, file.Path()));
    Picture sheet;
    ASSERT_EQ(S_OK, ReadPngAsPicture(file.Path(), &sheet));

    // Cells of the largest picture (40 x 50), two columns, two rows, a caption
    // line under each, gaps of 8 around.
    ASSERT_EQ(8 + 2 * (40 + 8), sheet.width);
    ASSERT_EQ(8 + 2 * (50 + 20 + 8), sheet.height);
    EXPECT_EQ(0x00FF0000u, sheet.At(8, 8));
    EXPECT_EQ(0x00FF0000u, sheet.At(8 + 39, 8 + 29));
    EXPECT_EQ(0x00FFFFFFu, sheet.At(8 + 39, 8 + 30));  // below the shorter picture
    EXPECT_EQ(0x0000FF00u, sheet.At(56, 8 + 49));
    EXPECT_EQ(0x000000FFu, sheet.At(8, 86));
    EXPECT_EQ(0x00FFFFFFu, sheet.At(sheet.width - 1, sheet.height - 1));

    EXPECT_GT(CountDarkPixels(sheet, 8, 58, 48, 78), 10) << "the first caption";
    EXPECT_EQ(0, CountDarkPixels(sheet, 8, 136, 48, 156)) << "an empty caption";
}

TEST(ContactSheet, RefusesNothingToLayOutAndFilesThatAreNoPictures) {
    Picture sheet;
    EXPECT_EQ(E_INVALIDARG, ComposeContactSheet({}, 3, &sheet));
    EXPECT_EQ(E_INVALIDARG, ComposeContactSheet({{MakeSolidPicture(2, 2, 0), L"x"}}, 0, &sheet));

    test::TempFile notAPicture("this is no PNG", L".png");
    Picture read;
    EXPECT_TRUE(FAILED(ReadPngAsPicture(notAPicture.Path(), &read)));
    EXPECT_TRUE(FAILED(ReadPngAsPicture(L"Z:\\no\\such\\file.png", &read)));
    EXPECT_EQ(0, read.width);
}

}  // namespace
}  // namespace marlow::host
