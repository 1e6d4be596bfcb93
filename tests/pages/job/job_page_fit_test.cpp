// The Extended Settings page in each of its eight languages, at the screen's
// DPI (ctest runs it again in prefixes of 120, 144 and 192 DPI): every
// label, check box, radio button and group box shows its whole text, every
// control lies inside the page and the page inside the sheet's page area;
// and the notice's pixels are those of its text drawn in the control's font.
#include "core/resource_string.h"
#include "host/window_picture.h"
#include "job_page_fixture.h"
#include "page_languages.h"
#include "text_fit.h"
#include "thread_language.h"

#include <cstdio>

namespace marlow::test {
namespace {

std::wstring LoadText(HMODULE module, UINT id) {
    WCHAR text[512] = {};
    const int length = LoadStringW(module, id, text, 512);
    return std::wstring(text, length > 0 ? length : 0);
}

// Both pages' templates: 320 by 346 dialog units.
constexpr SIZE kPageUnits = {320, 346};

class JobPageLanguage : public JobPage, public ::testing::WithParamInterface<PageLanguage> {};

TEST_P(JobPageLanguage, EveryTextFitsItsControl) {
    ThreadLanguage language(GetParam().id);
    Open();
    // The page speaks the language: its check box shows this table's text.
    EXPECT_EQ(LoadText(session.Library().Module(), IDS_SAVE_ACCESS_CONTROL),
              host::ReadControlText(page, IDC_SAVE_ACCESS_CONTROL));
    const std::vector<ClippedText> clipped = FindClippedTexts(page);
    EXPECT_TRUE(clipped.empty()) << DescribeClippedTexts(clipped);
    // Where the template puts the controls is the plug-in's part; the size
    // of the page's window is the sheet's, and Wine's sheet measures it in
    // its own font: at 96 DPI that shows the whole page.
    EXPECT_EQ("", DescribeControlsOutsideTemplate(page, kPageUnits.cx, kPageUnits.cy));
    EXPECT_EQ("", DescribePageOutsideSheetArea(Sheet().Window(), page));
    if (ReadScreenDpi() == 96) {
        EXPECT_EQ("", DescribeControlsOutsidePage(page));
    }
    std::printf("%s, %d DPI: %s\n", "Extended Settings", ReadScreenDpi(),
                DescribePageSizing(Sheet().Window(), page, kPageUnits.cx, kPageUnits.cy).c_str());
    std::printf("Extended Settings, %s, %d DPI: tightest %s\n", GetParam().name, ReadScreenDpi(),
                DescribeTightestFit(MeasureTextFits(page)).c_str());
    if (GetEnvironmentVariableW(L"MARLOW_FIT_DETAILS", nullptr, 0) != 0) {
        std::printf("%s", DescribeClippedTexts(MeasureTextFits(page)).c_str());
    }
}

INSTANTIATE_TEST_SUITE_P(Tables, JobPageLanguage, ::testing::ValuesIn(kPageLanguages),
                         NamePageLanguage);

// What the notice should look like, composed here: its text drawn as a
// static text draws it, in its font and colours, on the page's background.
host::Picture ComposeStaticText(HWND control) {
    RECT client = {};
    GetClientRect(control, &client);
    const UniqueWindowDc screen = GetWindowDc(nullptr);
    const UniqueMemoryDc dc(CreateCompatibleDC(screen.Get()));
    const BITMAPINFO info = host::DescribeTopDownPixels(client.right, client.bottom);
    void* bits = nullptr;
    const UniqueBitmap bitmap(CreateDIBSection(dc.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    host::Picture picture;
    if (!bitmap) return picture;
    {
        const UniqueSelection selectBitmap = SelectIntoDc(dc.Get(), bitmap.Get());
        const UniqueSelection selectFont =
            SelectIntoDc(dc.Get(), reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
        FillRect(dc.Get(), &client, GetSysColorBrush(COLOR_BTNFACE));
        SetTextColor(dc.Get(), GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc.Get(), GetSysColor(COLOR_BTNFACE));
        WCHAR text[512] = {};
        GetWindowTextW(control, text, 512);
        DrawTextW(dc.Get(), text, -1, &client, DT_LEFT | DT_WORDBREAK | DT_EXPANDTABS);
        GdiFlush();
    }
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    picture.width = client.right;
    picture.height = client.bottom;
    picture.pixels.assign(pixels, pixels + static_cast<std::size_t>(client.right) * client.bottom);
    for (std::uint32_t& pixel : picture.pixels) pixel &= 0x00FFFFFF;
    return picture;
}

TEST_F(JobPage, TheNoticeShowsItsWholeTextAsComposed) {
    Open();
    const HWND notice = GetDlgItem(page, IDC_ACCESS_NOTICE);
    host::Picture shown;
    ASSERT_TRUE(host::CaptureWindow(notice, &shown));
    const host::Picture composed = ComposeStaticText(notice);
    ASSERT_EQ(composed.width, shown.width);
    ASSERT_EQ(composed.height, shown.height);
    int differing = 0;
    for (std::size_t i = 0; i < shown.pixels.size(); ++i) differing += shown.pixels[i] != composed.pixels[i];
    EXPECT_EQ(0, differing) << "of " << shown.pixels.size() << " pixels of the notice";
    int ink = 0;
    for (std::uint32_t pixel : composed.pixels) ink += pixel != (GetSysColor(COLOR_BTNFACE) & 0xFFFFFF) ? 1 : 0;
    EXPECT_GT(ink, 100) << "the composed text has ink";
}

}  // namespace
}  // namespace marlow::test
