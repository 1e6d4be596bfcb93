// The Layout page from the keyboard alone, keys going through the sheet's
// dialog manager as a user's do: Tab and Shift+Tab visit every enabled tab
// stop in the template's order, each accelerator reaches its control (in
// all eight languages), and Space and the arrow keys change the host's
// items as the same choice made with the mouse does.
#include "keyboard_walk.h"
#include "layout_page_fixture.h"
#include "page_keys.h"
#include "page_languages.h"
#include "thread_language.h"

#include <cstdio>

namespace marlow::test {
namespace {

using LayoutPageKeys = PageKeys<LayoutPage>;

class LayoutPageKeysInLanguage : public LayoutPageKeys, public ::testing::WithParamInterface<PageLanguage> {};

TEST_P(LayoutPageKeysInLanguage, TabAndShiftTabVisitEveryEnabledTabStopInTemplateOrder) {
    ThreadLanguage language(GetParam().id);
    ASSERT_NE(nullptr, Open());
    const std::vector<int> stops = ListTabStops(page);
    ASSERT_GE(stops.size(), 4u) << "the three picture lists and the list of pages per sheet at least";
    EXPECT_EQ(JoinIds(stops), JoinIds(WalkFocus(Sheet(), page, stops.front(), L"Tab")));
    std::vector<int> backwards(stops.rbegin(), stops.rend());
    EXPECT_EQ(JoinIds(backwards), JoinIds(WalkFocus(Sheet(), page, stops.back(), L"Shift+Tab")));
}

// Labels take the focus to the control after them; radio buttons and the
// check box are clicked. Controls whose accelerator works only in another
// state of the page come in the order that reaches that state: the
// direction before the booklet is chosen, the binding edge and the borders
// after it.
TEST_P(LayoutPageKeysInLanguage, EveryAcceleratorReachesItsControl) {
    ThreadLanguage language(GetParam().id);
    ASSERT_NE(nullptr, Open());
    const int order[] = {IDC_ORIENTATION_LABEL,     IDC_DUPLEX_LABEL,  IDC_PAGE_ORDER_LABEL,
                         IDC_NUP_DIRECTION_LABEL,   IDC_BOOKLET_RADIO, IDC_PAGES_PER_SHEET_RADIO,
                         IDC_BOOKLET_RADIO,         IDC_BOOKLET_EDGE_LABEL, IDC_DRAW_BORDERS};
    int reached = 0;
    for (int id : order) {
        const HWND control = GetDlgItem(page, id);
        if (!IsWindowVisible(control)) continue;  // the 5.x build hides some
        const wchar_t letter = ReadAccelerator(host::ReadControlText(page, id));
        ASSERT_NE(0, letter) << "control " << id << " has an accelerator";
        const std::wstring key = std::wstring(L"Alt+") + letter;
        WCHAR className[16] = {};
        GetClassNameW(control, className, 16);
        Sheet().ClearMessages();
        SetFocus(GetDlgItem(page, IDC_ORIENTATION));
        Press(key.c_str());
        if (lstrcmpiW(className, L"Static") == 0) {
            const HWND next = GetWindow(control, GW_HWNDNEXT);
            EXPECT_EQ(GetDlgCtrlID(next), Focused()) << host::ToUtf8(key) << " from label " << id;
        } else {
            const bool radio = (GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
            if (radio) {
                EXPECT_EQ(BST_CHECKED, host::ReadCheckState(page, id)) << host::ToUtf8(key);
            }
            EXPECT_EQ(Changed(), Sheet().Messages()) << host::ToUtf8(key) << " clicks " << id;
        }
        ++reached;
    }
    EXPECT_EQ(kNewerBuild ? 9 : 6, reached);
    if (kNewerBuild) {
        EXPECT_EQ(6, Item(DMPUB_NUP).Sel) << "the booklet was chosen";
        EXPECT_NE(0, Item(DMPUB_NUP).Flags & OPTIF_ECB_CHECKED) << "Alt+W drew the borders";
    }
}

INSTANTIATE_TEST_SUITE_P(Tables, LayoutPageKeysInLanguage, ::testing::ValuesIn(kPageLanguages),
                         NamePageLanguage);

TEST_F(LayoutPageKeys, ArrowsInAListChooseAsTheMouseDoes) {
    Open();
    SetFocus(GetDlgItem(page, IDC_ORIENTATION));
    Press(L"Down");
    EXPECT_EQ(1, Item(DMPUB_ORIENTATION).Sel);
    EXPECT_NE(0, Item(DMPUB_ORIENTATION).Flags & OPTIF_CHANGEONCE);
    EXPECT_EQ("Portrait 0/0, *Landscape 2/2, Rotated Landscape 4/4", DescribePictureList(IDC_ORIENTATION));
    EXPECT_EQ(Changed(), Sheet().Messages());

    Press(L"Tab");
    ASSERT_EQ(IDC_DUPLEX, Focused());
    Press(L"Down");
    EXPECT_EQ(1, Item(DMPUB_DUPLEX).Sel) << "two-sided, with the landscape pictures";
    EXPECT_EQ("None 6/6, *Flip on Short Egde 12/12, Flip on Long Efge 14/14", DescribePictureList(IDC_DUPLEX));
    Press(L"Up");
    EXPECT_EQ(0, Item(DMPUB_DUPLEX).Sel);

    SetFocus(GetDlgItem(page, IDC_PAGES_PER_SHEET));
    Press(L"End");
    EXPECT_EQ(5, Item(DMPUB_NUP).Sel) << "sixteen pages per sheet";
    if (kNewerBuild) {
        EXPECT_TRUE(host::IsControlEnabled(page, IDC_DRAW_BORDERS)) << "as after the mouse";
    }
}

TEST_F(LayoutPageKeys, SpaceOnTheBordersBoxTellsTheHostOnceAsAClickDoes) {
    MakeRecords();
    Item(DMPUB_NUP).Sel = 1;
    Open();
    if (!kNewerBuild) {
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(page, IDC_DRAW_BORDERS))) << "the 5.x build hides the box";
        return;
    }
    SetFocus(GetDlgItem(page, IDC_DRAW_BORDERS));
    Press(L"Space");
    EXPECT_EQ(BST_CHECKED, host::ReadCheckState(page, IDC_DRAW_BORDERS));
    EXPECT_NE(0, Item(DMPUB_NUP).Flags & OPTIF_ECB_CHECKED);
    EXPECT_EQ(std::vector<int>{DMPUB_NUP}, UpdatedItems());
    Press(L"Space");
    EXPECT_EQ(0, Item(DMPUB_NUP).Flags & OPTIF_ECB_CHECKED);
    EXPECT_EQ((std::vector<int>{DMPUB_NUP, DMPUB_NUP}), UpdatedItems());
}

// Down on "Pages per Sheet" moves to "Booklet" and chooses it, as a click
// does: booklet and two-sided on the short edge. Where Down goes after the
// booklet is recorded, not prescribed: the group of the radio buttons runs
// from the page-order label to the list of pages per sheet.
TEST_F(LayoutPageKeys, ArrowsMoveBetweenTheRadioButtonsAndChooseAsAClickDoes) {
    Open();
    SetFocus(GetDlgItem(page, IDC_PAGES_PER_SHEET_RADIO));
    Press(L"Down");
    EXPECT_EQ(IDC_BOOKLET_RADIO, Focused());
    EXPECT_EQ(BST_CHECKED, host::ReadCheckState(page, IDC_BOOKLET_RADIO));
    EXPECT_EQ(6, Item(DMPUB_NUP).Sel);
    EXPECT_EQ(1, Item(DMPUB_DUPLEX).Sel) << "a booklet is printed on both sides";
    Press(L"Up");
    EXPECT_EQ(IDC_PAGES_PER_SHEET_RADIO, Focused());
    EXPECT_EQ(1, Item(DMPUB_NUP).Sel) << "back from the booklet to two pages per sheet";

    SetFocus(GetDlgItem(page, IDC_PAGES_PER_SHEET_RADIO));
    Press(L"Up");
    const int aboveFirst = Focused();
    SetFocus(GetDlgItem(page, IDC_BOOKLET_RADIO));
    Press(L"Down");
    const int belowLast = Focused();
    std::printf("Layout radio group: Up from 11010 goes to %d, Down from 11011 to %d\n", aboveFirst, belowLast);
    EXPECT_NE(0, aboveFirst * belowLast) << "the focus stays on the page";
}

}  // namespace
}  // namespace marlow::test
