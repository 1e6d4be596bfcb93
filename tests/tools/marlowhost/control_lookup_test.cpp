// Naming controls as testers do: by a static label beside or above them, the
// group box around them, their own text or their number; and choosing an
// entry as a user does, which the parent hears as a selection change.
#include "control_lookup.h"

#include "platform/win32_handles.h"

#include <gtest/gtest.h>

namespace marlow::host {
namespace {

WPARAM g_lastCommand = 0;

LRESULT CALLBACK RecordCommands(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) g_lastCommand = wParam;
    return DefWindowProcW(window, message, wParam, lParam);
}

class ControlLookup : public testing::Test {
protected:
    void SetUp() override {
        WNDCLASSW type = {};
        type.lpfnWndProc = RecordCommands;
        type.hInstance = GetModuleHandleW(nullptr);
        type.lpszClassName = L"MarlowLookupTestPage";
        RegisterClassW(&type);
        page_.Reset(CreateWindowExW(0, type.lpszClassName, L"", WS_POPUP, 0, 0, 400, 300, nullptr,
                                    nullptr, type.hInstance, nullptr));
        ASSERT_NE(nullptr, page_.Get());
        // In window order: the edit fields before their labels, as the
        // Extended Settings page has them.
        Add(L"Edit", L"", ES_AUTOHSCROLL, 11, 100, 8, 100, 20);
        Add(L"Edit", L"", ES_PASSWORD, 12, 100, 38, 100, 20);
        Add(L"Static", L"&User Name:", 0, 1, 10, 10, 80, 15);
        Add(L"Static", L"Password:", 0, 2, 10, 40, 80, 15);
        Add(L"Button", L"Job Name", BS_GROUPBOX, 3, 220, 10, 150, 60);
        Add(L"Edit", L"", 0, 13, 230, 30, 100, 20);
        Add(L"Button", L"Boo&klet", BS_AUTOCHECKBOX, 14, 10, 80, 100, 20);
        Add(L"Static", L"Print on &Both Sides:", 0, 4, 10, 110, 150, 15);
        combo_ = Add(L"ComboBox", L"", CBS_DROPDOWNLIST, 15, 10, 125, 150, 100);
        SendMessageW(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"None"));
        SendMessageW(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"Flip on Short Egde"));
        HWND hidden = Add(L"Button", L"Hidden", BS_PUSHBUTTON, 16, 200, 200, 80, 20);
        ShowWindow(hidden, SW_HIDE);
        ShowWindow(page_.Get(), SW_SHOWNA);
    }

    HWND Add(const wchar_t* type, const wchar_t* text, DWORD style, int id, int x, int y, int width,
             int height) {
        return CreateWindowExW(0, type, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                               page_.Get(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               GetModuleHandleW(nullptr), nullptr);
    }

    int Find(const wchar_t* label, ControlKind kind) {
        std::wstring problem;
        HWND control = FindControl(page_.Get(), label, kind, &problem);
        return control != nullptr ? GetDlgCtrlID(control) : 0;
    }

    UniqueWindow page_;
    HWND combo_ = nullptr;
};

TEST_F(ControlLookup, FindsTheControlALabelNames) {
    struct Case {
        const wchar_t* label;
        ControlKind kind;
        int id;
    };
    const Case cases[] = {
        {L"User Name", ControlKind::kText, 11},           // label to its left
        {L"user name:", ControlKind::kText, 11},          // case and colon ignored
        {L"Password", ControlKind::kText, 12},
        {L"Job Name", ControlKind::kText, 13},            // the group box around it
        {L"Booklet", ControlKind::kButton, 14},           // its own text, '&' ignored
        {L"Print on Both Sides", ControlKind::kChoice, 15},  // label above it
        {L"13", ControlKind::kText, 13},                  // by number
        {L"Booklet", ControlKind::kText, 0},              // a button is no text field
        {L"Hidden", ControlKind::kButton, 0},             // not shown: not there
        {L"14", ControlKind::kText, 0},                   // that number is a button
        {L"Nowhere", ControlKind::kButton, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.id, Find(c.label, c.kind)) << c.label;
    }
}

TEST_F(ControlLookup, SaysWhatThePageHasWhenALabelIsNotThere) {
    std::wstring problem;
    EXPECT_EQ(nullptr, FindControl(page_.Get(), L"Bookelt", ControlKind::kButton, &problem));
    EXPECT_EQ(L"no button labelled \"Bookelt\" on this page (its labels: \"user name\", \"password\", "
              L"\"job name\", \"booklet\", \"print on both sides\")",
              problem);
}

TEST_F(ControlLookup, ChoosesAnEntryAsAUserDoesAndNamesTheEntriesWhenNoneMatches) {
    std::wstring problem;
    g_lastCommand = 0;
    ASSERT_TRUE(ChooseEntry(combo_, L"flip on short egde", &problem));
    EXPECT_EQ(1, SendMessageW(combo_, CB_GETCURSEL, 0, 0));
    EXPECT_EQ(MAKEWPARAM(15, CBN_SELCHANGE), g_lastCommand);

    g_lastCommand = 0;
    EXPECT_FALSE(ChooseEntry(combo_, L"Flip on Long Edge", &problem));
    EXPECT_EQ(L"no choice \"Flip on Long Edge\" (the list holds \"None\", \"Flip on Short Egde\")", problem);
    EXPECT_EQ(1, SendMessageW(combo_, CB_GETCURSEL, 0, 0));
    EXPECT_EQ(0u, g_lastCommand);
}

TEST(NormalizeLabel, DropsAcceleratorsTrailingColonsBlanksAndCase) {
    EXPECT_EQ(L"print on both sides", NormalizeLabel(L"  Print on &Both Sides: "));
    EXPECT_EQ(L"dra&w borderles", NormalizeLabel(L"Dra&&w Borderles")) << "&& stands for one &";
    EXPECT_EQ(L"\u30e6\u30fc\u30b6\u30fc\u540d", NormalizeLabel(L"\u30e6\u30fc\u30b6\u30fc\u540d\uff1a"));
    EXPECT_EQ(L"", NormalizeLabel(L"&:"));
}

}  // namespace
}  // namespace marlow::host
