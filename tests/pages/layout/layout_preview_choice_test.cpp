// Which bitmaps the preview picks for every combination of the six settings
// it shows, against the picture families of the resource set: each choice
// must name a bitmap the library has, of the right family, orientation and
// arrangement; and what it picks from host item arrays, hostile ones
// included.
#include "pages/layout/layout_item_access.h"
#include "pages/layout/layout_preview.h"
#include "res/resource_ids.h"
#include "plugin_module.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace marlow::test {
namespace {

constexpr bool kNewerBuild = kNewerPlatformGeneration;

// The picture each setting asks for, as the resource set lays its families
// out: a family per colour and orientation of the sheet, four pictures per
// pages-per-sheet choice, one per arrangement or binding edge.
UINT ExpectedBase(const PreviewSettings& s) {
    const UINT family[2][2] = {{12201, 12251}, {12101, 12151}};  // [colour][landscape]
    const bool landscape = s.orientation != 0;
    LONG variant = 0;
    if (kNewerBuild) {
        // Which arrangements have a picture of their own.
        if (s.pagesPerSheet == 1) variant = !landscape && s.direction >= 2 ? 1 : 0;
        if (s.pagesPerSheet >= 2 && s.pagesPerSheet <= 5) variant = s.direction;
        if (s.pagesPerSheet == 6) variant = s.bookletEdge;
    }
    return family[s.color][landscape ? 1 : 0] + 4 * static_cast<UINT>(s.pagesPerSheet) + static_cast<UINT>(variant);
}

// The back of the sheet: bound on its left side or on its top.
UINT ExpectedOverlay(const PreviewSettings& s) {
    if (s.duplex == 0 || s.pagesPerSheet == 6) return 0;
    const bool landscape = s.orientation != 0;
    const UINT first = landscape ? 12321 : 12301;
    const UINT left = first + 3 * static_cast<UINT>(s.pagesPerSheet);
    const UINT top = left + 1;
    // Sheet upright: a long-edge flip binds the left side of a portrait page,
    // a short-edge flip its top; a landscape page the other way round.
    const bool sheetTurned = (s.pagesPerSheet == 1 || s.pagesPerSheet == 3) != landscape;
    const bool longEdge = s.duplex == 2;
    return longEdge != sheetTurned ? left : top;
}

std::string Describe(const PreviewSettings& s) {
    return "C" + std::to_string(s.color) + " O" + std::to_string(s.orientation) + " N" +
           std::to_string(s.pagesPerSheet) + " D" + std::to_string(s.duplex) + " R" + std::to_string(s.direction) +
           " E" + std::to_string(s.bookletEdge);
}

bool HasBitmap(HMODULE module, UINT id) {
    return FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(2) /* RT_BITMAP */) != nullptr;
}

TEST(LayoutPreviewChoice, EveryCombinationNamesABitmapOfTheRightFamily) {
    const PluginModule plugin;
    ASSERT_NE(nullptr, plugin.Handle());
    int combinations = 0;
    for (LONG c = 0; c <= 1; ++c)
        for (LONG o = 0; o <= 3; ++o)
            for (LONG n = 0; n <= 6; ++n)
                for (LONG d = 0; d <= 2; ++d)
                    for (LONG r = 0; r <= 3; ++r)
                        for (LONG e = 0; e <= 1; ++e) {
                            const PreviewSettings s = {c, o, d, n, r, e};
                            const PreviewBitmaps chosen = ChoosePreviewBitmaps(s);
                            ++combinations;
                            if (o == 3) {
                                // Not an orientation: the first picture, no back.
                                EXPECT_EQ(12101u, chosen.base) << Describe(s);
                                EXPECT_EQ(0u, chosen.overlay) << Describe(s);
                                continue;
                            }
                            EXPECT_EQ(ExpectedBase(s), chosen.base) << Describe(s);
                            EXPECT_EQ(ExpectedOverlay(s), chosen.overlay) << Describe(s);
                            EXPECT_TRUE(HasBitmap(plugin.Handle(), chosen.base)) << Describe(s) << ": base " << chosen.base;
                            if (chosen.overlay != 0) {
                                EXPECT_TRUE(HasBitmap(plugin.Handle(), chosen.overlay))
                                    << Describe(s) << ": overlay " << chosen.overlay;
                            }
                        }
    EXPECT_EQ(2 * 4 * 7 * 3 * 4 * 2, combinations);
}

TEST(LayoutPreviewChoice, TheCasesThatTellTheRulesApart) {
    struct Case {
        const char* what;
        PreviewSettings settings;
        UINT base;
        UINT overlay;
    };
    const Case cases[] = {
        {"colour, portrait, one page, one-sided", {1, 0, 0, 0, 0, 0}, 12101, 0},
        {"greyscale", {0, 0, 0, 0, 0, 0}, 12201, 0},
        {"landscape, two pages, left then down", {1, 1, 0, 1, 2, 0}, 12155, 0},
        {"portrait, two pages, left then down", {1, 0, 0, 1, 2, 0}, kNewerBuild ? 12106u : 12105u, 0},
        {"booklet bound right, two-sided", {1, 0, 2, 6, 0, 1}, kNewerBuild ? 12126u : 12125u, 0},
        {"portrait, one page, long edge", {1, 0, 2, 0, 0, 0}, 12101, 12301},
        {"portrait, one page, short edge", {1, 0, 1, 0, 0, 0}, 12101, 12302},
        {"portrait, two pages, short edge", {1, 0, 1, 1, 0, 0}, 12105, 12304},
        {"landscape, two pages, short edge", {1, 1, 1, 1, 0, 0}, 12155, 12325},
        {"rotated landscape as landscape", {1, 2, 1, 1, 0, 0}, 12155, 12325},
        {"four pages down then left", {0, 0, 0, 2, 3, 0}, kNewerBuild ? 12212u : 12209u, 0},
        {"a colour value of neither kind", {2, 0, 1, 0, 0, 0}, 12101, 12302},
        {"orientation above 2", {1, 3, 1, 0, 0, 0}, 12101, 0},
        // Values a host should not send: no picture rather than another one.
        {"pages per sheet beyond booklet", {1, 0, 0, 7, 0, 0}, 0, 0},
        {"pages per sheet that would reach a greyscale picture", {1, 0, 1, 40, 0, 0}, 0, 0},
        {"an arrangement beyond the four", {1, 0, 0, 2, 4, 0}, kNewerBuild ? 0u : 12109u, 0},
        {"a negative arrangement", {1, 0, 0, 3, -1, 0}, kNewerBuild ? 0u : 12113u, 0},
        {"an arrangement where it does not count", {1, 0, 0, 0, 9, 0}, 12101, 0},
        {"pages per sheet far out", {1, 0, 1, LONG_MAX, 0, 0}, 0, 0},
        {"pages per sheet negative", {1, 0, 1, LONG_MIN, 0, 0}, 0, 0},
        {"two-sided value unknown", {1, 0, 3, 0, 0, 0}, 12101, 0},
    };
    for (const Case& c : cases) {
        const PreviewBitmaps chosen = ChoosePreviewBitmaps(c.settings);
        EXPECT_EQ(c.base, chosen.base) << c.what;
        EXPECT_EQ(c.overlay, chosen.overlay) << c.what;
    }
}

OPTITEM MakeItem(BYTE dmPubId, LONG sel) {
    OPTITEM item = {};
    item.cbSize = sizeof(item);
    item.DMPubID = dmPubId;
    item.Sel = sel;
    return item;
}

TEST(LayoutPreviewChoice, TheLastItemOfEachKindCountsAndAbsentOnesAreZero) {
    EXPECT_EQ(12101u, ChoosePreviewBitmaps(nullptr, 5).base);
    EXPECT_EQ(0u, ChoosePreviewBitmaps(nullptr, 5).overlay);

    std::vector<OPTITEM> items = {MakeItem(DMPUB_COLOR, 0), MakeItem(DMPUB_NUP, 2), MakeItem(DMPUB_COLOR, 1),
                                  MakeItem(DMPUB_DUPLEX, 2), MakeItem(18, 1)};
    const PreviewSettings read = ReadPreviewSettings(items.data(), static_cast<DWORD>(items.size()));
    EXPECT_EQ(1, read.color);
    EXPECT_EQ(0, read.orientation);
    EXPECT_EQ(2, read.pagesPerSheet);
    EXPECT_EQ(2, read.duplex);
    EXPECT_EQ(kNewerBuild ? 1 : 0, read.direction);
    const PreviewBitmaps chosen = ChoosePreviewBitmaps(items.data(), static_cast<DWORD>(items.size()));
    EXPECT_EQ(kNewerBuild ? 12110u : 12109u, chosen.base);
    EXPECT_EQ(12307u, chosen.overlay);

    // No colour item: greyscale. An empty array: the same.
    const OPTITEM none = MakeItem(DMPUB_ORIENTATION, 0);
    EXPECT_EQ(12201u, ChoosePreviewBitmaps(&none, 1).base);
    EXPECT_EQ(12201u, ChoosePreviewBitmaps(&none, 0).base);
}

}  // namespace
}  // namespace marlow::test
