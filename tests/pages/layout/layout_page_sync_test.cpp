// The Layout page as it is shown: every list and button rebuilt from the
// host's items - full set or not, disabled items, items without options,
// conflict marks, booklet, landscape pictures - and read back as the
// controls show them.
#include "host/import_patch.h"
#include "layout_page_fixture.h"

namespace marlow::test {
namespace {

const char kOrientationEntries[] = "*Portrait 0/0, Landscape 2/2, Rotated Landscape 4/4";
const char kDuplexEntries[] = "*None 6/6, Flip on Short Egde 8/8, Flip on Long Efge 10/10";
const char kOrderEntries[] = "*Front to Back 17/17, Back to Front 17/17";
const char kNupEntries[] = "*1, 2, 4, 6, 9, 16";
const char kDirectionEntries[] = "*Right then Down, Down then Right, Left then Down, Down then Left";
const char kEdgeEntries[] = "*On Left Edge, On Right Edge";

TEST_F(LayoutPage, TheFullSetFillsEveryList) {
    Open();
    EXPECT_EQ(kOrientationEntries, DescribePictureList(IDC_ORIENTATION));
    EXPECT_EQ(kDuplexEntries, DescribePictureList(IDC_DUPLEX));
    EXPECT_EQ(kOrderEntries, DescribePictureList(IDC_PAGE_ORDER));
    EXPECT_EQ(kNupEntries, DescribeTextList(IDC_PAGES_PER_SHEET));
    if (kNewerBuild) {
        EXPECT_EQ(kDirectionEntries, DescribeTextList(IDC_NUP_DIRECTION));
        EXPECT_EQ(kEdgeEntries, DescribeTextList(IDC_BOOKLET_EDGE));
        EXPECT_EQ("orientation+ orientationLabel+ duplex+ duplexLabel+ order+ orderLabel+ pages(*)+ booklet( )+ "
                  "nup+ direction+ directionLabel+ edge- edgeLabel- borders[ ]-",
                  DescribeStates());
    } else {
        EXPECT_EQ("", DescribeTextList(IDC_NUP_DIRECTION)) << "the older build leaves it alone";
        EXPECT_EQ("orientation+ orientationLabel+ duplex+ duplexLabel+ order+ orderLabel+ pages(*)+ booklet( )+ "
                  "nup+ direction~ directionLabel~ edge~ edgeLabel~ borders[ ]~",
                  DescribeStates());
    }
}

TEST_F(LayoutPage, TheLabelsComeFromTheStringTable) {
    Open();
    const std::pair<int, const wchar_t*> labels[] = {
        {IDC_ORIENTATION_LABEL, L"&Orientation:"}, {IDC_DUPLEX_LABEL, L"Print on &Both Sides:"},
        {IDC_PAGE_ORDER_LABEL, L"Page O&rder:"},   {IDC_PAGE_FORMAT_GROUP, L"Page Format"},
        {IDC_PAGES_PER_SHEET_RADIO, L"Page&s per Sheet"}, {IDC_BOOKLET_RADIO, L"Boo&klet"},
    };
    for (const auto& [id, text] : labels) EXPECT_EQ(text, host::ReadControlText(page, id)) << "control " << id;
    // The template says "Dra&w Borders:"; the newer build shows the table's text.
    EXPECT_EQ(kNewerBuild ? L"Dra&w Borderles" : L"Dra&w Borders:", host::ReadControlText(page, IDC_DRAW_BORDERS));
}

TEST_F(LayoutPage, WithoutPageOrderTheFullSetControlsAreDisabled) {
    RemoveItem(descriptions, DMPUB_PAGEORDER);
    Open();
    EXPECT_EQ("", DescribePictureList(IDC_PAGE_ORDER));
    EXPECT_EQ(kNupEntries, DescribeTextList(IDC_PAGES_PER_SHEET));
    EXPECT_EQ(kNewerBuild ? "orientation+ orientationLabel+ duplex+ duplexLabel+ order- orderLabel- pages(*)+ "
                            "booklet( )- nup+ direction- directionLabel- edge- edgeLabel- borders[ ]-"
                          : "orientation+ orientationLabel+ duplex+ duplexLabel+ order- orderLabel- pages(*)+ "
                            "booklet( )- nup+ direction~ directionLabel~ edge~ edgeLabel~ borders[ ]~",
              DescribeStates());
    // Booklet is not offered without the full set, even when the item says so.
    FindDescription(descriptions, DMPUB_NUP)->sel = 6;
    MakeRecords();
    Open();
    EXPECT_EQ("1, 2, 4, 6, 9, 16", DescribeTextList(IDC_PAGES_PER_SHEET)) << "nothing current";
    EXPECT_EQ(BST_CHECKED, host::ReadCheckState(page, IDC_PAGES_PER_SHEET_RADIO));
    EXPECT_EQ(BST_UNCHECKED, host::ReadCheckState(page, IDC_BOOKLET_RADIO));
}

TEST_F(LayoutPage, DisabledItemsDisableTheirControlsButPagesPerSheetEnablesItsList) {
    for (BYTE id : {BYTE(DMPUB_ORIENTATION), BYTE(DMPUB_DUPLEX), BYTE(DMPUB_NUP), BYTE(DMPUB_PAGEORDER),
                    host::kDmpubNupDirection, host::kDmpubBookletEdge}) {
        FindDescription(descriptions, id)->flags |= OPTIF_DISABLED;
    }
    Open();
    // The lists are filled all the same.
    EXPECT_EQ(kOrientationEntries, DescribePictureList(IDC_ORIENTATION));
    // The arrangement's own item comes after pages per sheet, so it stays disabled.
    EXPECT_EQ(kNewerBuild ? "orientation- orientationLabel- duplex- duplexLabel- order- orderLabel- pages(*)- "
                            "booklet( )+ nup+ direction- directionLabel- edge- edgeLabel- borders[ ]-"
                          : "orientation- orientationLabel- duplex- duplexLabel- order- orderLabel- pages(*)- "
                            "booklet( )+ nup+ direction~ directionLabel~ edge~ edgeLabel~ borders[ ]~",
              DescribeStates());
}

TEST_F(LayoutPage, ItemsWithoutOptionsLeaveTheirListsEmptyAndIgnoreCommands) {
    for (BYTE id : {BYTE(DMPUB_ORIENTATION), BYTE(DMPUB_NUP)}) {
        FindDescription(descriptions, id)->options.clear();
    }
    FindDescription(descriptions, DMPUB_ORIENTATION)->flags |= OPTIF_DISABLED;
    Open();
    EXPECT_EQ("", DescribePictureList(IDC_ORIENTATION));
    EXPECT_EQ("", DescribeTextList(IDC_PAGES_PER_SHEET));
    EXPECT_FALSE(host::IsControlEnabled(page, IDC_ORIENTATION)) << "the disabled flag still counts";
    EXPECT_EQ(BST_UNCHECKED, host::ReadCheckState(page, IDC_PAGES_PER_SHEET_RADIO)) << "template state";

    Click(IDC_BOOKLET_RADIO);
    SendMessageW(GetDlgItem(page, IDC_ORIENTATION), CB_SETCURSEL, 0, 0);
    SendMessageW(page, WM_COMMAND, MAKEWPARAM(IDC_ORIENTATION, CBN_SELCHANGE), 0);
    EXPECT_EQ(0, Item(DMPUB_NUP).Sel);
    EXPECT_EQ(0u, Item(DMPUB_NUP).Flags & OPTIF_CHANGEONCE);
    EXPECT_EQ(0u, Item(DMPUB_ORIENTATION).Flags & OPTIF_CHANGEONCE);
    EXPECT_TRUE(Sheet().Messages().empty()) << "no change notice";
}

TEST_F(LayoutPage, MarkedOptionsAreLeftOutUnlessTheCurrentOneIsMarked) {
    MakeRecords();
    Mark(DMPUB_DUPLEX, {1, 2});
    Mark(DMPUB_PAGEORDER, {1});
    Open();
    EXPECT_EQ("*None 6/6", DescribePictureList(IDC_DUPLEX));
    EXPECT_EQ("*Front to Back 17/17, Back to Front 16/16", DescribePictureList(IDC_PAGE_ORDER))
        << "page order keeps its marked entries, with the warning sign alone";

    Item(DMPUB_DUPLEX).Sel = 1;
    ShowAgain();
    EXPECT_EQ("None 6/6, *Flip on Short Egde 9/9, Flip on Long Efge 11/11", DescribePictureList(IDC_DUPLEX));
}

TEST_F(LayoutPage, AMarkedOrientationBetweenOthersLeavesNoGap) {
    MakeRecords();
    Mark(DMPUB_ORIENTATION, {1});
    Open();
    EXPECT_EQ("*Portrait 0/0, Rotated Landscape 4/4", DescribePictureList(IDC_ORIENTATION));
    // The second entry stands for option 2, in both directions.
    ChooseEntry(IDC_ORIENTATION, 1);
    EXPECT_EQ(2, Item(DMPUB_ORIENTATION).Sel);
    ShowAgain();
    EXPECT_EQ("Portrait 0/0, *Rotated Landscape 4/4", DescribePictureList(IDC_ORIENTATION));
}

TEST_F(LayoutPage, ASelectionOutsideTheOptionsShowsNoCurrentEntry) {
    MakeRecords();
    Mark(DMPUB_ORIENTATION, {1});
    Mark(DMPUB_DUPLEX, {2});
    // Far outside: reading the option parameters there would fault.
    Item(DMPUB_ORIENTATION).Sel = 0x7FFFFFF0;
    Item(DMPUB_DUPLEX).Sel = -5;
    Item(DMPUB_PAGEORDER).Sel = 2;
    Item(DMPUB_NUP).Sel = -1;
    Open();
    EXPECT_EQ("Portrait 0/0, Rotated Landscape 4/4", DescribePictureList(IDC_ORIENTATION)) << "not marked";
    EXPECT_EQ("None 6/6, Flip on Short Egde 12/12", DescribePictureList(IDC_DUPLEX))
        << "a Sel other than 0 counts as landscape";
    EXPECT_EQ("Front to Back 17/17, Back to Front 17/17", DescribePictureList(IDC_PAGE_ORDER));
    EXPECT_EQ("1, 2, 4, 6, 9, 16", DescribeTextList(IDC_PAGES_PER_SHEET));
    // Leaving pushes what the page changed only; nothing changed.
    ASSERT_TRUE(Sheet().SelectPage(pages->FindPage(IDD_JOB_SETTINGS)));
    EXPECT_TRUE(UpdatedItems().empty());
}

TEST_F(LayoutPage, BookletShowsTheBindingEdgeInsteadOfTheArrangement) {
    FindDescription(descriptions, DMPUB_NUP)->sel = 6;
    FindDescription(descriptions, DMPUB_NUP)->flags |= OPTIF_ECB_CHECKED;
    FindDescription(descriptions, host::kDmpubBookletEdge)->sel = 1;
    Open();
    EXPECT_EQ("1, 2, 4, 6, 9, 16", DescribeTextList(IDC_PAGES_PER_SHEET)) << "no current entry";
    if (kNewerBuild) {
        EXPECT_EQ("On Left Edge, *On Right Edge", DescribeTextList(IDC_BOOKLET_EDGE));
        EXPECT_EQ("orientation+ orientationLabel+ duplex+ duplexLabel+ order+ orderLabel+ pages( )+ booklet(*)+ "
                  "nup- direction- directionLabel- edge+ edgeLabel+ borders[x]+",
                  DescribeStates());
    } else {
        EXPECT_EQ("orientation+ orientationLabel+ duplex+ duplexLabel+ order+ orderLabel+ pages( )+ booklet(*)+ "
                  "nup- direction~ directionLabel~ edge~ edgeLabel~ borders[ ]~",
                  DescribeStates());
    }
}

TEST_F(LayoutPage, OnePagePerSheetShowsTheBordersFlagDisabled) {
    FindDescription(descriptions, DMPUB_NUP)->flags |= OPTIF_ECB_CHECKED;
    Open();
    if (kNewerBuild) {
        EXPECT_EQ(BST_CHECKED, host::ReadCheckState(page, IDC_DRAW_BORDERS));
        EXPECT_FALSE(host::IsControlEnabled(page, IDC_DRAW_BORDERS));
        // Picking one page per sheet clears it as well.
        ChooseEntry(IDC_PAGES_PER_SHEET, 0);
        EXPECT_EQ(BST_UNCHECKED, host::ReadCheckState(page, IDC_DRAW_BORDERS));
        EXPECT_FALSE(host::IsControlEnabled(page, IDC_DRAW_BORDERS));
        ChooseEntry(IDC_PAGES_PER_SHEET, 2);
        EXPECT_EQ(BST_CHECKED, host::ReadCheckState(page, IDC_DRAW_BORDERS));
        EXPECT_TRUE(host::IsControlEnabled(page, IDC_DRAW_BORDERS));
    } else {
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(page, IDC_DRAW_BORDERS)));
    }
}

TEST_F(LayoutPage, LandscapeShowsTheLandscapeTwoSidedPictures) {
    MakeRecords();
    Item(DMPUB_ORIENTATION).Sel = 1;
    Open();
    EXPECT_EQ("Portrait 0/0, *Landscape 2/2, Rotated Landscape 4/4", DescribePictureList(IDC_ORIENTATION));
    EXPECT_EQ("*None 6/6, Flip on Short Egde 12/12, Flip on Long Efge 14/14", DescribePictureList(IDC_DUPLEX));
    Item(DMPUB_ORIENTATION).Sel = 2;
    Mark(DMPUB_DUPLEX, {1, 2});
    Item(DMPUB_DUPLEX).Sel = 2;
    ShowAgain();
    EXPECT_EQ("None 6/6, Flip on Short Egde 13/13, *Flip on Long Efge 15/15", DescribePictureList(IDC_DUPLEX));
}

TEST_F(LayoutPage, ThePictureListsShareOneImageListOfSeventeenIcons) {
    Open();
    const auto images = reinterpret_cast<HIMAGELIST>(SendDlgItemMessageW(page, IDC_ORIENTATION, CBEM_GETIMAGELIST, 0, 0));
    ASSERT_NE(nullptr, images);
    EXPECT_EQ(17, ImageList_GetImageCount(images));
    int cx = 0, cy = 0;
    EXPECT_TRUE(ImageList_GetIconSize(images, &cx, &cy));
    EXPECT_EQ(20, cx);
    EXPECT_EQ(20, cy);
    for (int id : {IDC_DUPLEX, IDC_PAGE_ORDER}) {
        EXPECT_EQ(images, reinterpret_cast<HIMAGELIST>(SendDlgItemMessageW(page, id, CBEM_GETIMAGELIST, 0, 0)));
    }
    EXPECT_EQ(nullptr, reinterpret_cast<HIMAGELIST>(
                           SendDlgItemMessageW(page, IDC_PAGES_PER_SHEET, CBEM_GETIMAGELIST, 0, 0)));
}

// The image lists the plug-in makes and destroys through the functions it
// looks up by name in the common controls library, while the recorder lives.
class ImageListRecorder {
public:
    explicit ImageListRecorder(HMODULE plugin)
        : patch_(plugin, "kernel32.dll", "GetProcAddress", reinterpret_cast<void*>(&Look)) {
        created.clear();
        destroyed.clear();
    }

    static inline std::vector<HIMAGELIST> created;
    static inline std::vector<HIMAGELIST> destroyed;

private:
    using CreateFunction = HIMAGELIST(WINAPI*)(int, int, UINT, int, int);
    using DestroyFunction = BOOL(WINAPI*)(HIMAGELIST);
    static inline CreateFunction create_ = nullptr;
    static inline DestroyFunction destroy_ = nullptr;

    static HIMAGELIST WINAPI Create(int cx, int cy, UINT flags, int initial, int grow) {
        const HIMAGELIST images = create_(cx, cy, flags, initial, grow);
        if (images != nullptr) created.push_back(images);
        return images;
    }
    static BOOL WINAPI Destroy(HIMAGELIST images) {
        destroyed.push_back(images);
        return destroy_(images);
    }
    static FARPROC WINAPI Look(HMODULE module, LPCSTR name) {
        const FARPROC found = GetProcAddress(module, name);
        if (found == nullptr || IS_INTRESOURCE(name)) return found;
        if (lstrcmpA(name, "ImageList_Create") == 0) {
            create_ = reinterpret_cast<CreateFunction>(reinterpret_cast<void*>(found));
            return reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&Create));
        }
        if (lstrcmpA(name, "ImageList_Destroy") == 0) {
            destroy_ = reinterpret_cast<DestroyFunction>(reinterpret_cast<void*>(found));
            return reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&Destroy));
        }
        return found;
    }

    host::ImportPatch patch_;
};

TEST_F(LayoutPage, TheImageListGoesWithThePageAlsoWhenTheHostsRecordWentFirst) {
    for (const bool recordGone : {false, true}) {
        ImageListRecorder recorder(session.Library().Module());
        ASSERT_TRUE(Open() != nullptr);
        ASSERT_EQ(1u, recorder.created.size());
        if (recordGone) {
            // A later CommonUIProp without a record leaves the context with none.
            PlatformVersionPatch patch(session.Library().Module(), kWindows7);
            EXPECT_EQ(S_OK, session.Plugin().CommonUIProp(OEMCUIP_DOCPROP, nullptr));
        }
        pages.reset();
        EXPECT_EQ(recorder.created, recorder.destroyed)
            << (recordGone ? "record gone before the page" : "record kept");
        records.reset();
    }
}

TEST_F(LayoutPage, WithoutTheHostsRecordThePageKeepsItsTemplateAndHandlesNothing) {
    MakeRecords();
    {
        // On a platform with the Layout page, as MakeRecords runs it.
        PlatformVersionPatch patch(session.Library().Module(), kWindows7);
        EXPECT_EQ(S_OK, session.Plugin().CommonUIProp(OEMCUIP_DOCPROP, nullptr));
    }
    ASSERT_NE(nullptr, Open());
    EXPECT_EQ(L"Dra&w Borders:", host::ReadControlText(page, IDC_DRAW_BORDERS)) << "the template's text";
    EXPECT_EQ("", DescribePictureList(IDC_ORIENTATION));
    EXPECT_EQ(nullptr, reinterpret_cast<HIMAGELIST>(
                           SendDlgItemMessageW(page, IDC_ORIENTATION, CBEM_GETIMAGELIST, 0, 0)));
    Click(IDC_BOOKLET_RADIO);
    EXPECT_EQ(0, Item(DMPUB_NUP).Sel);
    EXPECT_TRUE(Sheet().Messages().empty());
    const host::PageAnswer answer = host::NotifyPageDirectly(page, PSN_APPLY);
    EXPECT_EQ(FALSE, answer.returned);
}

}  // namespace
}  // namespace marlow::test
