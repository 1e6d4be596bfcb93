// The string tables of the built library: every identifier in use exists,
// with text, in each language's own table, and nothing else does; languages
// without a table get the neutral texts through the platform's loader.
#include <gtest/gtest.h>

#include <cwctype>
#include <map>
#include <set>
#include <string>

#include "driverui/feature_name_table.h"
#include "plugin_module.h"
#include "res/resource_ids.h"
#include "thread_language.h"

namespace marlow::test {
namespace {

const LANGID kTableLanguages[] = {0x0400, 1031, 1036, 1040, 1041, 1043, 2070, 3082};

// The strings the code names, by the names it uses: single strings, and the
// lists whose entry i is first + i.
std::set<UINT> IdentifiersInUse() {
    std::set<UINT> ids = {
        IDS_LAYOUT_PAGE_TITLE, IDS_ORIENTATION_LABEL, IDS_DUPLEX_LABEL, IDS_PAGE_ORDER_LABEL,
        IDS_PAGE_FORMAT_GROUP, IDS_PAGES_PER_SHEET_RADIO, IDS_BOOKLET_RADIO,
        IDS_NUP_DIRECTION_LABEL, IDS_BOOKLET_EDGE_LABEL, IDS_DRAW_BORDERS_CHECK,
        IDS_JOB_PAGE_TITLE, IDS_USER_NAME, IDS_JOB_NAME, IDS_PASSWORD, IDS_SAVE_ACCESS_CONTROL,
        IDS_JOB_SETTINGS_GROUP, IDS_ACCESS_CONTROL_NOTICE, IDS_JOB_ERROR_CAPTION,
        IDS_JOB_ENTER_USER_NAME, IDS_JOB_ENTER_JOB_NAME, IDS_RESERVE_JOB_SETTINGS,
        IDS_REPRINT_JOB, IDS_VERIFY_JOB, IDS_CONFIDENTIAL_JOB, IDS_JOB_TYPE,
        IDS_JOB_PASSWORD_DIGITS, IDS_JOB_NEEDS_NAMES, IDS_JOB_NEEDS_PASSWORD,
        IDS_JOB_INVALID_CHARACTERS};
    const std::pair<UINT, UINT> lists[] = {
        {IDS_ORIENTATION_FIRST, 3}, {IDS_DUPLEX_FIRST, 3},       {IDS_PAGE_ORDER_FIRST, 2},
        {IDS_PAGES_PER_SHEET_FIRST, 6}, {IDS_NUP_DIRECTION_FIRST, 4}, {IDS_BOOKLET_EDGE_FIRST, 2}};
    for (const auto& [first, count] : lists) {
        for (UINT i = 0; i < count; ++i) ids.insert(first + i);
    }
    // The display names of the features come from the feature name table.
    for (int row = 0; row < kFeatureNameRowCount; ++row) {
        ids.insert(static_cast<UINT>(FeatureNameTable[row].lStringId));
    }
    return ids;
}

BOOL CALLBACK CollectLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR param) {
    reinterpret_cast<std::set<LANGID>*>(param)->insert(language);
    return TRUE;
}

BOOL CALLBACK CollectBlock(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR param) {
    if (IS_INTRESOURCE(name)) {
        reinterpret_cast<std::set<UINT>*>(param)->insert(
            static_cast<UINT>(reinterpret_cast<ULONG_PTR>(name)));
    }
    return TRUE;
}

// Every non-empty string of one language's own table, read block by block
// from the resource data (16 counted strings per block).
std::map<UINT, std::wstring> ReadStringTable(HMODULE hModule, LANGID language) {
    std::set<UINT> blocks;
    EnumResourceNamesW(hModule, RT_STRING, CollectBlock, reinterpret_cast<LONG_PTR>(&blocks));
    std::map<UINT, std::wstring> texts;
    for (UINT block : blocks) {
        std::set<LANGID> languages;
        EnumResourceLanguagesW(hModule, RT_STRING, MAKEINTRESOURCEW(block), CollectLanguage,
                               reinterpret_cast<LONG_PTR>(&languages));
        if (languages.count(language) == 0) continue;
        HRSRC hInfo = FindResourceExW(hModule, RT_STRING, MAKEINTRESOURCEW(block), language);
        HGLOBAL hData = hInfo != nullptr ? LoadResource(hModule, hInfo) : nullptr;
        const WCHAR* p =
            hData != nullptr ? static_cast<const WCHAR*>(LockResource(hData)) : nullptr;
        if (p == nullptr) continue;
        const WCHAR* pEnd = p + SizeofResource(hModule, hInfo) / sizeof(WCHAR);
        for (UINT i = 0; i < 16 && p < pEnd; ++i) {
            UINT length = *p++;
            if (length > 0 && p + length <= pEnd) {
                texts[(block - 1) * 16 + i] = std::wstring(p, length);
            }
            p += length;
        }
    }
    return texts;
}

std::wstring LoadText(HMODULE hModule, UINT id) {
    wchar_t buffer[512] = {};
    int length = LoadStringW(hModule, id, buffer, 512);
    return std::wstring(buffer, length > 0 ? length : 0);
}

class StringTableTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(m_plugin.Handle(), nullptr) << "marlowui.dll did not load"; }
    PluginModule m_plugin;
};

TEST_F(StringTableTest, EachLanguageHoldsExactlyTheIdentifiersInUseWithText) {
    const std::set<UINT> expected = IdentifiersInUse();
    for (LANGID language : kTableLanguages) {
        SCOPED_TRACE(testing::Message() << "language " << language);
        std::map<UINT, std::wstring> table = ReadStringTable(m_plugin.Handle(), language);
        std::set<UINT> present;
        for (const auto& [id, text] : table) present.insert(id);
        EXPECT_EQ(present, expected);
    }
}

TEST_F(StringTableTest, LabelsKeepOneAccessKeyEach) {
    const UINT labels[] = {11050, 11051, 11052, 11054, 11055, 11056, 11058, 11059};
    for (LANGID language : kTableLanguages) {
        SCOPED_TRACE(testing::Message() << "language " << language);
        std::map<UINT, std::wstring> table = ReadStringTable(m_plugin.Handle(), language);
        std::set<wchar_t> keys;
        for (UINT id : labels) {
            const std::wstring& text = table[id];
            size_t amp = text.find(L'&');
            ASSERT_NE(amp, std::wstring::npos) << "string " << id << " has no access key";
            ASSERT_LT(amp + 1, text.size());
            EXPECT_EQ(text.find(L'&', amp + 1), std::wstring::npos) << "string " << id;
            wchar_t key = static_cast<wchar_t>(towupper(text[amp + 1]));
            EXPECT_TRUE(keys.insert(key).second) << "access key of string " << id << " used twice";
        }
    }
}

TEST_F(StringTableTest, NeutralTableCarriesTheProductTexts) {
    std::map<UINT, std::wstring> neutral = ReadStringTable(m_plugin.Handle(), 0x0400);
    EXPECT_EQ(neutral[10021], L"Rotate By 180\u00B0");
    EXPECT_EQ(neutral[11066], L"Flip on Short Egde");
    EXPECT_EQ(neutral[11067], L"Flip on Long Efge");
    EXPECT_EQ(neutral[11059], L"Dra&w Borderles");
    EXPECT_EQ(neutral[11054], L"Page&s per Sheet");
    EXPECT_EQ(neutral[15005], L"Save Access Control settings");
    EXPECT_EQ(neutral[20147],
              L"If Access Control is set on the printer, you must enter a password.");
    EXPECT_EQ(neutral[25011],
              L"To enable password-protected printing, please enter the password, user name and "
              L"job name.");
    // The never-shown 25012 is Japanese here: katakana and kanji, no Latin letter.
    const std::wstring& japanese = neutral[25012];
    ASSERT_FALSE(japanese.empty());
    for (wchar_t c : japanese) EXPECT_GE(c, 0x3000) << "in string 25012";
}

TEST_F(StringTableTest, NonLatinTextsArriveIntact) {
    EXPECT_EQ(ReadStringTable(m_plugin.Handle(), 1041)[11060], L"\u7E26");  // 縦
    EXPECT_EQ(ReadStringTable(m_plugin.Handle(), 1031)[10002], L"Aufl\u00F6sung");
    EXPECT_EQ(ReadStringTable(m_plugin.Handle(), 2070)[10002], L"Resolu\u00E7\u00E3o");
}

TEST_F(StringTableTest, LoaderFollowsTheThreadLanguageAndFallsBackToNeutral) {
    std::map<UINT, std::wstring> neutral = ReadStringTable(m_plugin.Handle(), 0x0400);
    std::map<UINT, std::wstring> german = ReadStringTable(m_plugin.Handle(), 1031);
    // The loader tries the user's own language before the neutral table, so
    // the fallback shows only where the user's language has no table; the
    // test command runs Wine in such a locale (scripts/wine-run.sh).
    const LANGID userLanguage = GetUserDefaultLangID();
    for (LANGID language : kTableLanguages) {
        ASSERT_FALSE(language != 0x0400 && PRIMARYLANGID(language) == PRIMARYLANGID(userLanguage))
            << "the user's language " << userLanguage << " has a table of its own, so the "
            << "fallback cannot show; run the test in a locale without one (LC_ALL=C)";
    }
    {
        ThreadLanguage guard(1031);
        EXPECT_EQ(LoadText(m_plugin.Handle(), 11061), german[11061]);
    }
    ThreadLanguage guard(1053);  // Swedish: no table of its own
    for (UINT id : IdentifiersInUse()) {
        EXPECT_EQ(LoadText(m_plugin.Handle(), id), neutral[id]) << "string " << id;
    }
}

}  // namespace
}  // namespace marlow::test
