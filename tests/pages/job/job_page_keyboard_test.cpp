// The Extended Settings page from the keyboard alone, keys going through
// the sheet's dialog manager: Tab and Shift+Tab visit every enabled tab stop
// in the template's order (in all eight languages), Space works the check
// boxes and the arrows the stored-job radio buttons, and what is saved is
// what the same choices made with the mouse save.
#include "devmode/private_devmode.h"
#include "job_page_fixture.h"
#include "keyboard_walk.h"
#include "page_keys.h"
#include "page_languages.h"
#include "thread_language.h"

#include <cstdio>

namespace marlow::test {
namespace {

class JobPageKeys : public PageKeys<JobPage> {
protected:
    std::uint32_t StoredJobType() { return ReadPrivateDevmodeU32(Section(), offsetof(PrivateDevmode, dwReserveJobType)); }
};

class JobPageKeysInLanguage : public JobPageKeys, public ::testing::WithParamInterface<PageLanguage> {};

// With everything enabled: both check boxes on, the confidential job chosen.
// The checked radio button is a tab stop too: checking an automatic radio
// button gives it WS_TABSTOP (and takes it from the others).
TEST_P(JobPageKeysInLanguage, TabAndShiftTabVisitEveryEnabledTabStopInTemplateOrder) {
    ThreadLanguage language(GetParam().id);
    SetReserveJobType(4);
    SetSaveAccessControl(1);
    ASSERT_NE(nullptr, Open());
    const std::vector<int> stops = ListTabStops(page);
    EXPECT_EQ("10009, 10002, 10004, 10006, 10012, 10014, 10016, 10018", JoinIds(stops));
    EXPECT_EQ(JoinIds(stops), JoinIds(WalkFocus(Sheet(), page, stops.front(), L"Tab")));
    std::vector<int> backwards(stops.rbegin(), stops.rend());
    EXPECT_EQ(JoinIds(backwards), JoinIds(WalkFocus(Sheet(), page, stops.back(), L"Shift+Tab")));
}

TEST_P(JobPageKeysInLanguage, TabSkipsTheFieldsTheCheckBoxesLeaveDisabled) {
    ThreadLanguage language(GetParam().id);
    ASSERT_NE(nullptr, Open());
    EXPECT_EQ("10009, 10006", JoinIds(WalkFocus(Sheet(), page, IDC_SAVE_ACCESS_CONTROL, L"Tab")))
        << "the checked \"Verify Job\" is disabled with the rest";
}

INSTANTIATE_TEST_SUITE_P(Tables, JobPageKeysInLanguage, ::testing::ValuesIn(kPageLanguages),
                         NamePageLanguage);

// Space on "Reserve Job Settings", Down from "Verify Job" to "Confidential
// Job" (the order on screen is Verify, Re-Print, Confidential; the arrows
// follow the template: Re-Print, Verify, Confidential), then the fields and
// Apply: the same record as the clicks would make.
TEST_F(JobPageKeys, SpaceAndArrowsChooseTheStoredJobAsClicksDo) {
    Open();
    SetFocus(GetDlgItem(page, IDC_RESERVE_JOB));
    Press(L"Space");
    EXPECT_EQ("reserve[x]+ verify(*)+ reprint( )+ confidential( )+ password\"\"- user\"\"+ job\"\"+",
              DescribeStoredJob());
    EXPECT_EQ(Notices({PSM_CHANGED}), ChangeNotices());

    SetFocus(GetDlgItem(page, IDC_VERIFY_JOB));
    Press(L"Down");
    EXPECT_EQ(IDC_CONFIDENTIAL_JOB, Focused());
    EXPECT_EQ("reserve[x]+ verify( )+ reprint( )+ confidential(*)+ password\"\"+ user\"\"+ job\"\"+",
              DescribeStoredJob())
        << "the password field opens as after a click";
    Press(L"Up");
    Press(L"Up");
    EXPECT_EQ(IDC_REPRINT_JOB, Focused());
    EXPECT_EQ(BST_CHECKED, host::ReadCheckState(page, IDC_REPRINT_JOB));

    host::TypeText(page, IDC_JOB_USER_NAME, L"anna");
    host::TypeText(page, IDC_JOB_NAME, L"q4");
    ASSERT_TRUE(Sheet().Apply());
    EXPECT_EQ(1u, StoredJobType()) << "re-print";

    // Where the arrows leave the radio buttons, for the record: the group
    // runs from the notice to the last field.
    SetFocus(GetDlgItem(page, IDC_CONFIDENTIAL_JOB));
    Press(L"Down");
    const int belowLast = Focused();
    SetFocus(GetDlgItem(page, IDC_REPRINT_JOB));
    Press(L"Up");
    const int aboveFirst = Focused();
    std::printf("Extended Settings radio group: Down from 10012 goes to %d, Up from 10010 to %d\n", belowLast,
                aboveFirst);
    EXPECT_NE(0, belowLast * aboveFirst) << "the focus stays on the page";
}

TEST_F(JobPageKeys, SpaceOnTheAccessControlBoxOpensItsFieldsAsAClickDoes) {
    Open();
    SetFocus(GetDlgItem(page, IDC_SAVE_ACCESS_CONTROL));
    Press(L"Space");
    EXPECT_EQ("save[x]+ user\"\"+ password\"\"+", DescribeAccessControl());
    Press(L"Tab");
    EXPECT_EQ(IDC_ACCESS_USER_NAME, Focused());
    Press(L"Shift+Tab");
    Press(L"Space");
    EXPECT_EQ("save[ ]+ user\"\"- password\"\"-", DescribeAccessControl());
    EXPECT_EQ(Notices({PSM_CHANGED, PSM_CHANGED}), ChangeNotices());
}

}  // namespace
}  // namespace marlow::test
