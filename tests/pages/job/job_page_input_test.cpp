// Input on the Extended Settings page: which controls the clicks enable,
// what each text field lets through when typed and how much of it, and the
// change notices the sheet receives.
#include "job_page_fixture.h"

namespace marlow::test {
namespace {

using host::ClickControl;
using host::ReadControlText;
using host::TypeCharacter;
using host::TypeText;

TEST_F(JobPage, TheStoredJobControlsFollowTheirCheckBoxAndTheKind) {
    Open();
    const std::pair<int, const char*> steps[] = {
        {IDC_RESERVE_JOB, "reserve[x]+ verify(*)+ reprint( )+ confidential( )+ password\"\"- user\"\"+ job\"\"+"},
        {IDC_CONFIDENTIAL_JOB, "reserve[x]+ verify( )+ reprint( )+ confidential(*)+ password\"\"+ user\"\"+ job\"\"+"},
        {IDC_REPRINT_JOB, "reserve[x]+ verify( )+ reprint(*)+ confidential( )+ password\"\"- user\"\"+ job\"\"+"},
        {IDC_CONFIDENTIAL_JOB, "reserve[x]+ verify( )+ reprint( )+ confidential(*)+ password\"\"+ user\"\"+ job\"\"+"},
        {IDC_RESERVE_JOB, "reserve[ ]+ verify( )- reprint( )- confidential(*)- password\"\"- user\"\"- job\"\"-"},
    };
    const std::string access = DescribeAccessControl();
    for (const auto& [id, expected] : steps) {
        Sheet().ClearMessages();
        ClickControl(page, id);
        EXPECT_EQ(expected, DescribeStoredJob()) << "after a click on " << id;
        EXPECT_EQ(Notices({PSM_CHANGED}), ChangeNotices()) << "after a click on " << id;
    }
    EXPECT_EQ(access, DescribeAccessControl()) << "the stored-job controls drive only their own part";
}

TEST_F(JobPage, TheAccessFieldsFollowTheirCheckBox) {
    Open();
    const std::string storedJob = DescribeStoredJob();
    ClickControl(page, IDC_SAVE_ACCESS_CONTROL);
    EXPECT_EQ("save[x]+ user\"\"+ password\"\"+", DescribeAccessControl());
    EXPECT_EQ(Notices({PSM_CHANGED}), ChangeNotices());
    ClickControl(page, IDC_SAVE_ACCESS_CONTROL);
    EXPECT_EQ("save[ ]+ user\"\"- password\"\"-", DescribeAccessControl());
    EXPECT_EQ(storedJob, DescribeStoredJob()) << "the access check box drives only its own part";
}

// Each field's filter, with characters inside and outside its set; text
// already there shows what a swallowed character did not add.
struct FilterCase {
    int id;
    WPARAM code;
    bool passes;
};

TEST_F(JobPage, EachFieldLetsThroughOnlyItsCharacters) {
    SetReserveJobType(RESERVE_JOB_CONFIDENTIAL);
    SetSaveAccessControl(1);
    Open();
    const int names[] = {IDC_JOB_USER_NAME, IDC_JOB_NAME, IDC_ACCESS_USER_NAME};
    std::vector<FilterCase> cases;
    for (int id : names) {
        for (WPARAM code : {WPARAM{'A'}, WPARAM{'z'}, WPARAM{' '}, WPARAM{'!'}, WPARAM{'#'}, WPARAM{'~'}, WPARAM{'0'}})
            cases.push_back({id, code, true});
        // Double quote, percent sign, controls (the clipboard keys among
        // them), DEL, beyond ASCII, and high bits beside a passing code.
        for (WPARAM code : {WPARAM{'"'}, WPARAM{'%'}, WPARAM{0x1F}, WPARAM{0x03}, WPARAM{0x16}, WPARAM{0x18},
                            WPARAM{0x7F}, WPARAM{0xE9}, WPARAM{0x3042}, WPARAM{0x10041}})
            cases.push_back({id, code, false});
    }
    for (WPARAM code : {WPARAM{'!'}, WPARAM{'"'}, WPARAM{'%'}, WPARAM{'~'}, WPARAM{'a'}, WPARAM{'9'}})
        cases.push_back({IDC_ACCESS_PASSWORD, code, true});
    for (WPARAM code : {WPARAM{' '}, WPARAM{0x7F}, WPARAM{0x0D}, WPARAM{0xE9}, WPARAM{0x10021}})
        cases.push_back({IDC_ACCESS_PASSWORD, code, false});
    for (WPARAM code : {WPARAM{'0'}, WPARAM{'9'}})
        cases.push_back({IDC_JOB_PASSWORD, code, true});
    for (WPARAM code : {WPARAM{'/'}, WPARAM{':'}, WPARAM{'a'}, WPARAM{' '}, WPARAM{0x0660}, WPARAM{0x10030}})
        cases.push_back({IDC_JOB_PASSWORD, code, false});

    for (const FilterCase& c : cases) {
        host::PasteText(page, c.id, L"1");
        Sheet().ClearMessages();
        TypeCharacter(page, c.id, c.code);
        const std::wstring expected = c.passes ? std::wstring(L"1") + static_cast<wchar_t>(c.code) : L"1";
        EXPECT_EQ(expected, ReadControlText(page, c.id)) << "field " << c.id << ", code 0x" << std::hex << c.code;
        EXPECT_EQ(c.passes ? 1u : 0u, ChangeNotices().size())
            << "change notices, field " << c.id << ", code 0x" << std::hex << c.code;
    }
}

TEST_F(JobPage, BackspacePassesEveryFilter) {
    SetReserveJobType(RESERVE_JOB_CONFIDENTIAL);
    SetSaveAccessControl(1);
    Open();
    for (int id : {IDC_JOB_USER_NAME, IDC_JOB_NAME, IDC_JOB_PASSWORD, IDC_ACCESS_USER_NAME, IDC_ACCESS_PASSWORD}) {
        host::PasteText(page, id, L"12");
        TypeCharacter(page, id, VK_BACK);
        EXPECT_EQ(L"1", ReadControlText(page, id)) << "field " << id;
    }
}

TEST_F(JobPage, TypingStopsAtEachFieldsLimit) {
    SetReserveJobType(RESERVE_JOB_CONFIDENTIAL);
    SetSaveAccessControl(1);
    Open();
    const std::pair<int, std::size_t> limits[] = {{IDC_JOB_USER_NAME, 14}, {IDC_JOB_NAME, 14},
                                                  {IDC_JOB_PASSWORD, 4},   {IDC_ACCESS_USER_NAME, 14},
                                                  {IDC_ACCESS_PASSWORD, 20}};
    for (const auto& [id, limit] : limits) {
        TypeText(page, id, std::wstring(limit + 3, L'7'));
        EXPECT_EQ(std::wstring(limit, L'7'), ReadControlText(page, id)) << "field " << id;
    }
}

TEST_F(JobPage, PastedTextIsNotFiltered) {
    SetReserveJobType(RESERVE_JOB_VERIFY);
    Open();
    host::PasteText(page, IDC_JOB_NAME, L"100% \"sure\"");
    EXPECT_EQ(L"100% \"sure\"", ReadControlText(page, IDC_JOB_NAME));
    EXPECT_EQ(Notices({PSM_CHANGED}), ChangeNotices());
}

}  // namespace
}  // namespace marlow::test
