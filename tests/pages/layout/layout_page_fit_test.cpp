// The Layout page in each of its eight languages: every label, radio
// button, check box and group box shows its whole text, and no two controls
// of the page share an accelerator with each other or with the sheet's
// Apply button of that language.
#include "layout_page_fixture.h"
#include "text_fit.h"
#include "thread_language.h"

#include <cwctype>
#include <map>

namespace marlow::test {
namespace {

struct Language {
    const char* name;
    LANGID id;
    // The sheet's Apply button as the system shows it in this language (the
    // sheet under test shows Wine's own text, whatever the language).
    const wchar_t* apply;
};

const Language kLanguages[] = {
    {"neutral", 0x0409, L"&Apply"},   {"German", 1031, L"\u00DC&bernehmen"}, {"French", 1036, L"A&ppliquer"},
    {"Italian", 1040, L"&Applica"},   {"Japanese", 1041, L"\u9069\u7528(&A)"}, {"Dutch", 1043, L"&Toepassen"},
    {"Portuguese", 2070, L"&Aplicar"}, {"Spanish", 3082, L"A&plicar"}};

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

class LayoutPageLanguage : public LayoutPage, public ::testing::WithParamInterface<Language> {};

TEST_P(LayoutPageLanguage, EveryTextFitsItsControl) {
    ThreadLanguage language(GetParam().id);
    Open();
    EXPECT_EQ(LoadText(session.Library().Module(), IDS_BOOKLET_RADIO), host::ReadControlText(page, IDC_BOOKLET_RADIO))
        << "the page speaks the language";
    const std::vector<ClippedText> clipped = FindClippedTexts(page);
    EXPECT_TRUE(clipped.empty()) << DescribeClippedTexts(clipped);
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
