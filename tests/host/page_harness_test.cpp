// The page harness itself, on pages of its own (built in memory): the
// modeless sheet and its message loop, the change log at the sheet window,
// typed characters, the message box catcher, direct notifications, and the
// pictures taken of what the screen shows.
#include "host/keystrokes.h"
#include "host/message_box_catcher.h"
#include "host/modeless_sheet.h"
#include "host/page_driving.h"
#include "host/window_picture.h"
#include "temp_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

namespace marlow::host {
namespace {

constexpr int kCheckId = 100;
constexpr int kEditId = 101;
constexpr int kSwatchId = 102;
constexpr COLORREF kSwatchColour = RGB(200, 30, 60);

// A dialog template with a check box, an edit field and an empty static
// text, laid out as the resource compiler lays one out.
class PageTemplate {
public:
    PageTemplate() {
        Add<DWORD>(WS_CHILD | WS_VISIBLE);  // style
        Add<DWORD>(0);                      // extended style
        Add<WORD>(3);                       // controls
        Add<short>(0), Add<short>(0), Add<short>(200), Add<short>(120);
        Add<WORD>(0), Add<WORD>(0), Add<WORD>(0);  // menu, class, caption
        AddControl(BS_AUTOCHECKBOX | WS_TABSTOP, 10, 10, 100, 12, kCheckId, 0x0080, L"Check");
        AddControl(WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 10, 30, 100, 14, kEditId, 0x0081, L"");
        AddControl(SS_LEFT, 10, 60, 40, 20, kSwatchId, 0x0082, L"");
    }
    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(bytes_.data()); }

private:
    template <typename T>
    int Add(T value) {
        const auto* p = reinterpret_cast<const BYTE*>(&value);
        bytes_.insert(bytes_.end(), p, p + sizeof(T));
        return 0;
    }
    void AddControl(DWORD style, short x, short y, short cx, short cy, WORD id, WORD atom,
                    const wchar_t* text) {
        while (bytes_.size() % 4 != 0) bytes_.push_back(0);
        Add<DWORD>(style | WS_CHILD | WS_VISIBLE);
        Add<DWORD>(0);
        Add<short>(x), Add<short>(y), Add<short>(cx), Add<short>(cy);
        Add<WORD>(id);
        Add<WORD>(0xFFFF), Add<WORD>(atom);
        for (; *text != L'\0'; ++text) Add<WCHAR>(*text);
        Add<WCHAR>(0);
        Add<WORD>(0);  // no creation data
    }
    std::vector<BYTE> bytes_;
};

// Sends PSM_CHANGED when the box is clicked; refuses to be applied or left
// with a warning box while it is checked.
INT_PTR CALLBACK TestPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) == kCheckId && HIWORD(wParam) == BN_CLICKED) {
            SendMessageW(GetParent(page), PSM_CHANGED, reinterpret_cast<WPARAM>(page), 0);
        }
        return FALSE;
    case WM_CTLCOLORSTATIC:
        if (GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) == kSwatchId) {
            static HBRUSH swatch = CreateSolidBrush(kSwatchColour);
            return reinterpret_cast<INT_PTR>(swatch);
        }
        return FALSE;
    case WM_NOTIFY: {
        const UINT code = reinterpret_cast<const NMHDR*>(lParam)->code;
        if (code != PSN_APPLY && code != PSN_KILLACTIVE) return FALSE;
        if (IsDlgButtonChecked(page, kCheckId) == BST_CHECKED) {
            MessageBoxW(page, L"Uncheck the box first.", L"Harness", MB_ICONWARNING | MB_OK);
            SetWindowLongPtrW(page, DWLP_MSGRESULT, PSNRET_INVALID_NOCHANGEPAGE);
        } else {
            SendMessageW(GetParent(page), PSM_UNCHANGED, reinterpret_cast<WPARAM>(page), 0);
            SetWindowLongPtrW(page, DWLP_MSGRESULT, PSNRET_NOERROR);
        }
        return TRUE;
    }
    default:
        return FALSE;
    }
}

class PageHarness : public ::testing::Test {
protected:
    std::vector<HPROPSHEETPAGE> MakePages(int count) {
        std::vector<HPROPSHEETPAGE> pages;
        for (int i = 0; i < count; ++i) {
            PROPSHEETPAGEW record = {};
            record.dwSize = sizeof(record);
            record.dwFlags = PSP_DLGINDIRECT | PSP_USETITLE;
            record.pResource = pageTemplate.Get();
            record.pszTitle = i == 0 ? L"First" : L"Second";
            record.pfnDlgProc = TestPageProc;
            pages.push_back(CreatePropertySheetPageW(&record));
        }
        return pages;
    }
    PageTemplate pageTemplate;
};

TEST_F(PageHarness, TheSheetRunsOnTheTestsLoopAndLogsTheChangeNotices) {
    ModelessSheet sheet(MakePages(2));
    ASSERT_TRUE(sheet.IsOpen());
    RECT rect = {};
    GetWindowRect(sheet.Window(), &rect);
    EXPECT_EQ(0, rect.left);
    EXPECT_EQ(0, rect.top);
    EXPECT_EQ(0, sheet.CurrentIndex());
    EXPECT_EQ(nullptr, sheet.PageWindow(1)) << "a page is made when it is first shown";

    const HWND first = sheet.CurrentPage();
    ClickControl(first, kCheckId);
    ClickControl(first, kCheckId);
    ASSERT_EQ(2u, sheet.Messages().size());
    EXPECT_EQ(static_cast<UINT>(PSM_CHANGED), sheet.Messages()[0].message);
    EXPECT_EQ(reinterpret_cast<WPARAM>(first), sheet.Messages()[0].wParam);

    sheet.ClearMessages();
    EXPECT_TRUE(sheet.SelectPage(1));
    EXPECT_NE(nullptr, sheet.PageWindow(1));
    ASSERT_EQ(1u, sheet.Messages().size()) << "the page that was left said it was unchanged";
    EXPECT_EQ(static_cast<UINT>(PSM_UNCHANGED), sheet.Messages()[0].message);

    sheet.PressButton(PSBTN_OK);
    EXPECT_FALSE(sheet.IsOpen()) << "OK finishes the sheet";
}

TEST_F(PageHarness, TypedCharactersReachTheControlAndReadBack) {
    ModelessSheet sheet(MakePages(1));
    const HWND page = sheet.CurrentPage();
    TypeText(page, kEditId, L"abc");
    TypeCharacter(page, kEditId, VK_BACK);
    EXPECT_EQ(L"ab", ReadControlText(page, kEditId));
    PasteText(page, kEditId, L"pasted");
    EXPECT_EQ(L"pasted", ReadControlText(page, kEditId));
    EXPECT_TRUE(IsControlEnabled(page, kEditId));
    EnableWindow(GetDlgItem(page, kEditId), FALSE);
    EXPECT_FALSE(IsControlEnabled(page, kEditId));
}

TEST_F(PageHarness, CatchesTheWarningBoxOfARefusedApplyAndKeepsThePage) {
    ModelessSheet sheet(MakePages(2));
    const HWND page = sheet.CurrentPage();
    ClickControl(page, kCheckId);
    MessageBoxCatcher catcher;
    ASSERT_TRUE(catcher.IsHooked());
    EXPECT_FALSE(sheet.SelectPage(1)) << "the page refuses to be left";
    EXPECT_EQ(0, sheet.CurrentIndex());
    ASSERT_EQ(1u, catcher.Boxes().size());
    const CaughtMessageBox& box = catcher.Boxes()[0];
    EXPECT_EQ(L"Harness", box.caption);
    EXPECT_EQ(L"Uncheck the box first.", box.text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONWARNING), box.icon);
    EXPECT_EQ(std::vector<int>{IDOK}, box.buttons);
    EXPECT_EQ(sheet.Window(), box.hOwner) << "a box asked to be owned by a page belongs to its sheet";

    catcher.Clear();
    ClickControl(page, kCheckId);
    EXPECT_TRUE(sheet.Apply());
    EXPECT_TRUE(catcher.Boxes().empty());
}

TEST_F(PageHarness, CallsThePageProcedureDirectly) {
    ModelessSheet sheet(MakePages(1));
    const HWND page = sheet.CurrentPage();
    PageAnswer answer = NotifyPageDirectly(page, PSN_APPLY);
    EXPECT_EQ(TRUE, answer.returned);
    EXPECT_EQ(PSNRET_NOERROR, answer.msgResult);
    answer = NotifyPageDirectly(page, PSN_SETACTIVE, 77);
    EXPECT_EQ(FALSE, answer.returned);
    EXPECT_EQ(77, answer.msgResult) << "left as it was";
}

TEST_F(PageHarness, PicturesShowWhatTheScreenShows) {
    ModelessSheet sheet(MakePages(1));
    const HWND swatch = GetDlgItem(sheet.CurrentPage(), kSwatchId);
    RECT rect = {};
    GetWindowRect(swatch, &rect);
    Picture picture;
    ASSERT_TRUE(CaptureWindow(swatch, &picture));
    ASSERT_EQ(rect.right - rect.left, picture.width);
    ASSERT_EQ(rect.bottom - rect.top, picture.height);
    const std::uint32_t expected =
        GetRValue(kSwatchColour) << 16 | GetGValue(kSwatchColour) << 8 | GetBValue(kSwatchColour);
    int wrong = 0;
    for (std::uint32_t pixel : picture.pixels) wrong += pixel != expected ? 1 : 0;
    EXPECT_EQ(0, wrong) << "of " << picture.pixels.size() << " pixels of the swatch";

    // A window partly off the screen cannot be read back.
    SetWindowPos(sheet.Window(), nullptr, -50, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_FALSE(CaptureWindow(sheet.Window(), &picture));
}

TEST_F(PageHarness, SavesTheSheetAsAPngOfItsSize) {
    ModelessSheet sheet(MakePages(1));
    test::TempFile file("", L".png");
    ASSERT_EQ(S_OK, SaveWindowAsPng(sheet.Window(), file.Path()));
    std::ifstream in(file.Path().c_str(), std::ios::binary);
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_GT(bytes.size(), 24u);
    const unsigned char signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    EXPECT_TRUE(std::equal(std::begin(signature), std::end(signature), bytes.begin()));
    auto readBigEndian = [&](std::size_t at) {
        return static_cast<LONG>(bytes[at] << 24 | bytes[at + 1] << 16 | bytes[at + 2] << 8 | bytes[at + 3]);
    };
    RECT rect = {};
    GetWindowRect(sheet.Window(), &rect);
    EXPECT_EQ(rect.right - rect.left, readBigEndian(16)) << "IHDR width";
    EXPECT_EQ(rect.bottom - rect.top, readBigEndian(20)) << "IHDR height";
}

TEST(KeyNames, ReadAsTestersWriteThemAndRefuseTheRest) {
    struct Case {
        const wchar_t* name;
        UINT virtualKey;
        bool shift, control, alt;
        const wchar_t* canonical;
    };
    const Case cases[] = {
        {L"Tab", VK_TAB, false, false, false, L"Tab"},
        {L"shift+tab", VK_TAB, true, false, false, L"Shift+Tab"},
        {L"Ctrl + Tab", VK_TAB, false, true, false, L"Ctrl+Tab"},
        {L"Down", VK_DOWN, false, false, false, L"Down"},
        {L"SPACE", VK_SPACE, false, false, false, L"Space"},
        {L"Enter", VK_RETURN, false, false, false, L"Enter"},
        {L"Esc", VK_ESCAPE, false, false, false, L"Esc"},
        {L"Alt+B", 'B', false, false, true, L"Alt+B"},
        {L"alt+k", 'K', false, false, true, L"Alt+K"},
        {L"Alt+7", '7', false, false, true, L"Alt+7"},
    };
    for (const Case& c : cases) {
        KeyChord chord;
        ASSERT_TRUE(ParseKeyChord(c.name, &chord)) << c.name;
        EXPECT_EQ(c.virtualKey, chord.virtualKey) << c.name;
        EXPECT_EQ(c.shift, chord.shift) << c.name;
        EXPECT_EQ(c.control, chord.control) << c.name;
        EXPECT_EQ(c.alt, chord.alt) << c.name;
        EXPECT_EQ(std::wstring(c.canonical), NameKeyChord(chord)) << c.name;
    }
    for (const wchar_t* bad : {L"", L"+", L"Alt+", L"Hyper+B", L"Tabulator", L"Alt+\u00DC", L"Alt+BB", L"Shift+"}) {
        KeyChord chord;
        chord.virtualKey = 77;
        EXPECT_FALSE(ParseKeyChord(bad, &chord)) << "\"" << bad << "\"";
        EXPECT_EQ(77u, chord.virtualKey) << "a refused name leaves the chord alone";
    }
}

TEST_F(PageHarness, KeysGoThroughTheSheetsDialogManager) {
    ModelessSheet sheet(MakePages(2));
    ASSERT_TRUE(sheet.IsOpen());
    const HWND first = sheet.CurrentPage();
    const HWND check = GetDlgItem(first, kCheckId);
    const HWND edit = GetDlgItem(first, kEditId);
    SetFocus(check);
    auto press = [&](const wchar_t* name) {
        KeyChord chord;
        ASSERT_TRUE(ParseKeyChord(name, &chord)) << name;
        sheet.PressKey(chord);
    };

    press(L"Tab");
    EXPECT_EQ(edit, GetFocus()) << "Tab goes to the next tab stop";
    press(L"Shift+Tab");
    EXPECT_EQ(check, GetFocus()) << "Shift+Tab goes back";
    EXPECT_EQ(0, GetKeyState(VK_SHIFT) & 0x8000) << "Shift is let go";

    press(L"Space");
    EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(first, kCheckId)) << "Space clicks the focused box";
    ASSERT_EQ(1u, sheet.Messages().size()) << "as a click, it tells the sheet";
    press(L"Space");
    EXPECT_EQ(BST_UNCHECKED, IsDlgButtonChecked(first, kCheckId));

    press(L"Ctrl+Tab");
    EXPECT_EQ(1, sheet.CurrentIndex()) << "Ctrl+Tab goes to the next page";

    press(L"Esc");
    EXPECT_FALSE(sheet.IsOpen()) << "Esc cancels the sheet";
}

}  // namespace
}  // namespace marlow::host
