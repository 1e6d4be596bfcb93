// The user's choices on the Layout page: what each writes into the host's
// items, what the host is told and when, the change notices the sheet gets,
// and the coupled rules of booklet and two-sided printing.
#include "layout_page_fixture.h"

namespace marlow::test {
namespace {

bool IsChanged(const OPTITEM& item) { return (item.Flags & OPTIF_CHANGEONCE) != 0; }

TEST_F(LayoutPage, OrientationIsWrittenAtOnceAndPushedWhenThePageIsLeft) {
    Open();
    ChooseEntry(IDC_ORIENTATION, 1);
    EXPECT_EQ(1, Item(DMPUB_ORIENTATION).Sel);
    EXPECT_TRUE(IsChanged(Item(DMPUB_ORIENTATION)));
    EXPECT_EQ(Changed(), Sheet().Messages());
    EXPECT_TRUE(UpdatedItems().empty()) << "not before the page is left";
    EXPECT_EQ("*None 6/6, Flip on Short Egde 12/12, Flip on Long Efge 14/14", DescribePictureList(IDC_DUPLEX))
        << "the two-sided pictures follow the orientation";

    ASSERT_TRUE(Sheet().SelectPage(pages->FindPage(IDD_JOB_SETTINGS)));
    EXPECT_EQ(std::vector<int>{DMPUB_ORIENTATION}, UpdatedItems());
    const auto& call = session.DriverUI().UpdateCalls().at(0);
    EXPECT_EQ(records->Param().poemuiobj, call.pci);
    EXPECT_EQ(0u, call.dwPreviousSelection);
    EXPECT_EQ(OEMCUIP_DOCPROP, call.dwMode);
    EXPECT_EQ(1, call.selAtCall);

    // The flag stays: each later leave or apply pushes the item again, and
    // applying the sheet leaves the page first.
    session.DriverUI().ClearRecords();
    ASSERT_TRUE(Sheet().SelectPage(pages->FindPage(IDD_LAYOUT)));
    EXPECT_TRUE(Sheet().Apply());
    EXPECT_EQ((std::vector<int>{DMPUB_ORIENTATION, DMPUB_ORIENTATION}), UpdatedItems());
}

TEST_F(LayoutPage, AMarkedCurrentOptionIsNotPushed) {
    MakeRecords();
    Mark(DMPUB_DUPLEX, {1});
    Item(DMPUB_DUPLEX).Sel = 1;
    Open();
    ChooseEntry(IDC_ORIENTATION, 2);
    ChooseEntry(IDC_DUPLEX, 1);  // the marked entry, chosen again
    EXPECT_TRUE(IsChanged(Item(DMPUB_DUPLEX)));
    EXPECT_TRUE(Sheet().Apply());
    EXPECT_EQ((std::vector<int>{DMPUB_ORIENTATION, DMPUB_ORIENTATION}), UpdatedItems());
    // Once unmarked, it goes.
    ChooseEntry(IDC_DUPLEX, 2);
    session.DriverUI().ClearRecords();
    EXPECT_TRUE(Sheet().Apply());
    EXPECT_EQ((std::vector<int>{DMPUB_ORIENTATION, DMPUB_DUPLEX, DMPUB_ORIENTATION, DMPUB_DUPLEX}), UpdatedItems());
}

TEST_F(LayoutPage, PagesPerSheetAndOrderAreNotPushedByThePage) {
    Open();
    ChooseEntry(IDC_PAGES_PER_SHEET, 3);
    ChooseEntry(IDC_PAGE_ORDER, 1);
    EXPECT_EQ(3, Item(DMPUB_NUP).Sel);
    EXPECT_EQ(1, Item(DMPUB_PAGEORDER).Sel);
    EXPECT_TRUE(IsChanged(Item(DMPUB_NUP)));
    EXPECT_TRUE(IsChanged(Item(DMPUB_PAGEORDER)));
    EXPECT_EQ(Changed(2), Sheet().Messages());
    ASSERT_TRUE(Sheet().SelectPage(pages->FindPage(IDD_JOB_SETTINGS)));
    EXPECT_TRUE(UpdatedItems().empty()) << "the item callback reports them on apply";
}

TEST_F(LayoutPage, ArrangementAndBindingEdgeAreWrittenInTheNewerBuild) {
    FindDescription(descriptions, DMPUB_NUP)->sel = 2;
    Open();
    ChooseEntry(IDC_NUP_DIRECTION, 3);
    if (kNewerBuild) {
        EXPECT_EQ(3, Item(host::kDmpubNupDirection).Sel);
        EXPECT_TRUE(IsChanged(Item(host::kDmpubNupDirection)));
        EXPECT_EQ(Changed(), Sheet().Messages());
        Click(IDC_BOOKLET_RADIO);
        Sheet().ClearMessages();
        ChooseEntry(IDC_BOOKLET_EDGE, 1);
        EXPECT_EQ(1, Item(host::kDmpubBookletEdge).Sel);
        EXPECT_EQ(Changed(), Sheet().Messages());
    } else {
        EXPECT_EQ(0, Item(host::kDmpubNupDirection).Sel) << "the older build has no such list";
        EXPECT_TRUE(Sheet().Messages().empty());
    }
}

TEST_F(LayoutPage, BookletTurnsOneSidedIntoTheShortEdgeFlip) {
    Open();
    Click(IDC_BOOKLET_RADIO);
    EXPECT_EQ(6, Item(DMPUB_NUP).Sel);
    EXPECT_TRUE(IsChanged(Item(DMPUB_NUP)));
    EXPECT_EQ(1, Item(DMPUB_DUPLEX).Sel);
    EXPECT_TRUE(IsChanged(Item(DMPUB_DUPLEX)));
    EXPECT_EQ("None 6/6, *Flip on Short Egde 8/8, Flip on Long Efge 10/10", DescribePictureList(IDC_DUPLEX));
    EXPECT_EQ("1, *2, 4, 6, 9, 16", DescribeTextList(IDC_PAGES_PER_SHEET));
    EXPECT_EQ(kNewerBuild ? "orientation+ orientationLabel+ duplex+ duplexLabel+ order+ orderLabel+ pages( )+ "
                            "booklet(*)+ nup- direction- directionLabel- edge+ edgeLabel+ borders[ ]+"
                          : "orientation+ orientationLabel+ duplex+ duplexLabel+ order+ orderLabel+ pages( )+ "
                            "booklet(*)+ nup- direction~ directionLabel~ edge~ edgeLabel~ borders[ ]~",
              DescribeStates());
    EXPECT_EQ(Changed(), Sheet().Messages());

    // Back to pages per sheet: two pages.
    Click(IDC_PAGES_PER_SHEET_RADIO);
    EXPECT_EQ(1, Item(DMPUB_NUP).Sel);
    EXPECT_EQ("1, *2, 4, 6, 9, 16", DescribeTextList(IDC_PAGES_PER_SHEET));
    EXPECT_EQ(1, Item(DMPUB_DUPLEX).Sel) << "two-sided stays";
    EXPECT_EQ(kNewerBuild ? "orientation+ orientationLabel+ duplex+ duplexLabel+ order+ orderLabel+ pages(*)+ "
                            "booklet( )+ nup+ direction+ directionLabel+ edge- edgeLabel- borders[ ]+"
                          : "orientation+ orientationLabel+ duplex+ duplexLabel+ order+ orderLabel+ pages(*)+ "
                            "booklet( )+ nup+ direction~ directionLabel~ edge~ edgeLabel~ borders[ ]~",
              DescribeStates());
}

TEST_F(LayoutPage, BookletShowsARuledOutShortEdgeFlipItTurnsOn) {
    MakeRecords();
    Mark(DMPUB_DUPLEX, {1, 2});
    Item(DMPUB_ORIENTATION).Sel = 1;
    Open();
    ASSERT_EQ("*None 6/6", DescribePictureList(IDC_DUPLEX));
    Click(IDC_BOOKLET_RADIO);
    EXPECT_EQ(1, Item(DMPUB_DUPLEX).Sel);
    EXPECT_EQ("None 6/6, *Flip on Short Egde 13/13, Flip on Long Efge 15/15", DescribePictureList(IDC_DUPLEX))
        << "the current option is marked now, so every option is listed";
    EXPECT_TRUE(Sheet().Apply());
    EXPECT_TRUE(UpdatedItems().empty()) << "a marked current option is not pushed";
}

TEST_F(LayoutPage, BookletKeepsATwoSidedChoice) {
    FindDescription(descriptions, DMPUB_DUPLEX)->sel = 2;
    Open();
    Click(IDC_BOOKLET_RADIO);
    EXPECT_EQ(2, Item(DMPUB_DUPLEX).Sel);
    EXPECT_FALSE(IsChanged(Item(DMPUB_DUPLEX)));
}

TEST_F(LayoutPage, OneSidedEndsBooklet) {
    FindDescription(descriptions, DMPUB_NUP)->sel = 6;
    FindDescription(descriptions, DMPUB_DUPLEX)->sel = 1;
    Open();
    ASSERT_EQ(BST_CHECKED, host::ReadCheckState(page, IDC_BOOKLET_RADIO));
    ChooseEntry(IDC_DUPLEX, 0);
    EXPECT_EQ(0, Item(DMPUB_DUPLEX).Sel);
    EXPECT_EQ(1, Item(DMPUB_NUP).Sel);
    EXPECT_TRUE(IsChanged(Item(DMPUB_NUP)));
    EXPECT_EQ("1, *2, 4, 6, 9, 16", DescribeTextList(IDC_PAGES_PER_SHEET));
    EXPECT_EQ(kNewerBuild ? "orientation+ orientationLabel+ duplex+ duplexLabel+ order+ orderLabel+ pages(*)+ "
                            "booklet( )+ nup+ direction+ directionLabel+ edge- edgeLabel- borders[ ]+"
                          : "orientation+ orientationLabel+ duplex+ duplexLabel+ order+ orderLabel+ pages(*)+ "
                            "booklet( )+ nup+ direction~ directionLabel~ edge~ edgeLabel~ borders[ ]~",
              DescribeStates());
    EXPECT_EQ(Changed(), Sheet().Messages());
}

TEST_F(LayoutPage, BordersTellTheHostOncePerRealChange) {
    FindDescription(descriptions, DMPUB_NUP)->sel = 2;
    Open();
    if (!kNewerBuild) {
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(page, IDC_DRAW_BORDERS)));
        return;
    }
    Click(IDC_DRAW_BORDERS);
    EXPECT_NE(0u, Item(DMPUB_NUP).Flags & OPTIF_ECB_CHECKED);
    EXPECT_TRUE(IsChanged(Item(DMPUB_NUP)));
    EXPECT_EQ(std::vector<int>{DMPUB_NUP}, UpdatedItems());
    EXPECT_NE(0u, session.DriverUI().UpdateCalls().at(0).flagsAtCall & OPTIF_ECB_CHECKED);
    // A click notice without a change of the check (as a repeated
    // notification would bring) tells the host nothing new.
    SendMessageW(page, WM_COMMAND, MAKEWPARAM(IDC_DRAW_BORDERS, BN_CLICKED), 0);
    EXPECT_EQ(1u, UpdatedItems().size());
    Click(IDC_DRAW_BORDERS);
    EXPECT_EQ(0u, Item(DMPUB_NUP).Flags & OPTIF_ECB_CHECKED);
    EXPECT_EQ((std::vector<int>{DMPUB_NUP, DMPUB_NUP}), UpdatedItems());
    EXPECT_EQ(Changed(3), Sheet().Messages());
}

TEST_F(LayoutPage, AListWhoseItemIsAbsentChangesNothing) {
    RemoveItem(descriptions, DMPUB_PAGEORDER);
    RemoveItem(descriptions, DMPUB_ORIENTATION);
    Open();
    // Entries the host's items did not give: the user can pick them, the
    // page has nothing to write them to.
    SendDlgItemMessageW(page, IDC_PAGE_ORDER, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"extra"));
    ChooseEntry(IDC_PAGE_ORDER, 0);
    ChooseEntry(IDC_ORIENTATION, 0);
    EXPECT_TRUE(Sheet().Messages().empty());
    ASSERT_TRUE(Sheet().SelectPage(pages->FindPage(IDD_JOB_SETTINGS)));
    EXPECT_TRUE(UpdatedItems().empty());
}

TEST_F(LayoutPage, TheProcedureAnswersEachMessage) {
    Open();
    // Leaving and applying are answered as on the Extended Settings page;
    // other notifications leave the message result as it was.
    struct Answer {
        UINT code;
        INT_PTR returned;
        LONG_PTR msgResult;
    };
    const Answer answers[] = {{PSN_RESET, FALSE, -12345},
                              {PSN_KILLACTIVE, TRUE, PSNRET_NOERROR},
                              {PSN_APPLY, TRUE, PSNRET_NOERROR},
                              {PSN_SETACTIVE, TRUE, -12345}};
    for (const Answer& expected : answers) {
        const host::PageAnswer answer = host::NotifyPageDirectly(page, expected.code);
        EXPECT_EQ(expected.returned, answer.returned) << "notification " << int(expected.code);
        EXPECT_EQ(expected.msgResult, answer.msgResult) << "notification " << int(expected.code);
    }
    const auto proc = reinterpret_cast<DLGPROC>(GetWindowLongPtrW(page, DWLP_DLGPROC));
    EXPECT_EQ(FALSE, proc(page, WM_NOTIFY, 0, 0)) << "a notification without its record";
    EXPECT_EQ(TRUE, proc(page, WM_COMMAND, MAKEWPARAM(IDC_PAGE_FORMAT_GROUP, BN_CLICKED), 0));
    EXPECT_EQ(FALSE, proc(page, WM_COMMAND, MAKEWPARAM(IDC_ORIENTATION, CBN_DROPDOWN), 0));
    EXPECT_TRUE(Sheet().Messages().empty());
}

}  // namespace
}  // namespace marlow::test
