// The Layout page in each of its eight languages, at the screen's DPI (ctest
// runs it again in prefixes of 120, 144 and 192 DPI): every label, radio
// button, check box and group box shows its whole text, every entry of
// every list fits the closed box and the dropped list, every control lies
// inside the page and the page inside the sheet's page area; and no two
// controls of the page share an accelerator with each other or with the
// Apply button of that language's own sheets.
#include "layout_page_fixture.h"
#include "text_fit.h"
#include "thread_language.h"

#include <cstdio>
#include <cwctype>
#include <map>

namespace marlow::test {
namespace {

struct Language {
    const char* name;
    LANGID id;
    // The Apply button of the platform's own sheets in this language (the
    // sheet under test shows Wine's own text, whatever the language).
    const wchar_t* apply;
};

const Language kLanguages[] = {
    {"neutral", 0x0409, L"&Apply"},   {"German", 1031, L"\u00DC&bernehmen"}, {"French", 1036, L"&Appliquer"},
    {"Italian", 1040, L"&Applica"},   {"Japanese", 1041, L"\u9069\u7528(&A)"}, {"Dutch", 1043, L"&Toepassen"},
    {"Portuguese", 2070, L"&Aplicar"}, {"Spanish", 3082, L"&Aplicar"}};

std::wstring LoadText(HMODULE module, UINT id) {
    WCHAR text[512] = {};
    const int length = LoadStringW(module, id, text, 512);
    return std::wstring(text, length > 0 ? length : 0);
}

// The accelerator of a text: the letter after a single ampersand.
wchar_t FindAccelerator(const std::wstring& text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == L'&') {
            if (text[i + 1] != L'&') return static_cast<wchar_t>(std::towupper(text[i + 1]));
            ++i;
        }
    }
    return 0;
}

// Both pages' templates: 320 by 346 dialog units.
constexpr SIZE kPageUnits = {320, 346};

class LayoutPageLanguage : public LayoutPage, public ::testing::WithParamInterface<Language> {};

TEST_P(LayoutPageLanguage, EveryTextFitsItsControl) {
    ThreadLanguage language(GetParam().id);
    Open();
    EXPECT_EQ(LoadText(session.Library().Module(), IDS_BOOKLET_RADIO), host::ReadControlText(page, IDC_BOOKLET_RADIO))
        << "the page speaks the language";
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
    std::printf("%s, %d DPI: %s\n", "Layout", ReadScreenDpi(),
                DescribePageSizing(Sheet().Window(), page, kPageUnits.cx, kPageUnits.cy).c_str());
    const std::vector<ClippedText> fits = MeasureTextFits(page);
    // Labels and the entries of six lists; the 5.x build hides the
    // direction, binding edge and borders controls.
    EXPECT_GE(fits.size(), kNewerBuild ? 40u : 30u);
    std::printf("Layout, %s, %d DPI: tightest %s\n", GetParam().name, ReadScreenDpi(),
                DescribeTightestFit(fits).c_str());
    if (GetEnvironmentVariableW(L"MARLOW_FIT_DETAILS", nullptr, 0) != 0) std::printf("%s", DescribeClippedTexts(fits).c_str());
}

TEST_P(LayoutPageLanguage, AcceleratorsAreUniqueOnThePageAndTheSheet) {
    ThreadLanguage language(GetParam().id);
    Open();
    std::map<wchar_t, std::string> owners;
    owners[FindAccelerator(GetParam().apply)] = "the sheet's button \"" + host::ToUtf8(GetParam().apply) + "\"";
    for (HWND child = GetWindow(page, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child)) continue;
        WCHAR text[128] = {};
        GetWindowTextW(child, text, 128);
        const wchar_t key = FindAccelerator(text);
        if (key == 0) continue;
        const std::string owner = "control " + std::to_string(GetDlgCtrlID(child)) + " \"" + host::ToUtf8(text) + "\"";
        const auto [it, inserted] = owners.emplace(key, owner);
        EXPECT_TRUE(inserted) << owner << " shares its accelerator with " << it->second;
    }
    EXPECT_GE(owners.size(), 6u) << "the labels carry accelerators";
}

INSTANTIATE_TEST_SUITE_P(Tables, LayoutPageLanguage, ::testing::ValuesIn(kLanguages),
                         [](const ::testing::TestParamInfo<Language>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace marlow::test
