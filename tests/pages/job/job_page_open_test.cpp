// The Extended Settings page as it opens: the stored job, the access-control
// settings and the five texts loaded from the private section, the texts of
// the string tables, and what it does when the host's records are missing.
#include "job_page_fixture.h"

namespace marlow::test {
namespace {

using host::ReadControlText;

struct StoredJobCase {
    std::uint32_t dwReserveJobType;
    const char* expected;
};

TEST_F(JobPage, OpensWithTheStoredJobKind) {
    const StoredJobCase cases[] = {
        // No stored job: "Verify Job" preselected, everything disabled.
        {0, "reserve[ ]+ verify(*)- reprint( )- confidential( )- password\"\"- user\"\"- job\"\"-"},
        {1, "reserve[x]+ verify( )+ reprint(*)+ confidential( )+ password\"\"- user\"\"+ job\"\"+"},
        {2, "reserve[x]+ verify(*)+ reprint( )+ confidential( )+ password\"\"- user\"\"+ job\"\"+"},
        // 3 is no kind of stored job.
        {3, "reserve[ ]+ verify(*)- reprint( )- confidential( )- password\"\"- user\"\"- job\"\"-"},
        {4, "reserve[x]+ verify( )+ reprint( )+ confidential(*)+ password\"\"+ user\"\"+ job\"\"+"},
        {0x80000001, "reserve[ ]+ verify(*)- reprint( )- confidential( )- password\"\"- user\"\"- job\"\"-"},
    };
    for (const StoredJobCase& c : cases) {
        SetReserveJobType(c.dwReserveJobType);
        Open();
        EXPECT_EQ(c.expected, DescribeStoredJob()) << "dwReserveJobType " << c.dwReserveJobType;
    }
}

TEST_F(JobPage, AnyNonZeroByteTurnsAccessControlOn) {
    const std::pair<std::uint8_t, const char*> cases[] = {
        {0, "save[ ]+ user\"\"- password\"\"-"},
        {1, "save[x]+ user\"\"+ password\"\"+"},
        {0x80, "save[x]+ user\"\"+ password\"\"+"},
    };
    for (const auto& [value, expected] : cases) {
        SetSaveAccessControl(value);
        Open();
        EXPECT_EQ(expected, DescribeAccessControl()) << "bSaveAccessControl " << int(value);
    }
}

TEST_F(JobPage, FieldsFilledToTheirLimitsShowEveryCharacter) {
    SetFieldText(JOB_USER_NAME_TEXT, u"abcdefghijklmn");
    SetFieldText(JOB_NAME_TEXT, u"Quarterly 2024");
    SetFieldText(JOB_PASSWORD_TEXT, u"0123");
    SetFieldText(ACCESS_USER_NAME_TEXT, u"operator~12345");
    SetFieldText(ACCESS_PASSWORD_TEXT, u"!#$&'()*+,-./:;<=>?@");
    Open();
    EXPECT_EQ(L"abcdefghijklmn", ReadControlText(page, IDC_JOB_USER_NAME));
    EXPECT_EQ(L"Quarterly 2024", ReadControlText(page, IDC_JOB_NAME));
    EXPECT_EQ(L"0123", ReadControlText(page, IDC_JOB_PASSWORD));
    EXPECT_EQ(L"operator~12345", ReadControlText(page, IDC_ACCESS_USER_NAME));
    EXPECT_EQ(L"!#$&'()*+,-./:;<=>?@", ReadControlText(page, IDC_ACCESS_PASSWORD));
}

TEST_F(JobPage, FieldsWithoutATerminatorAreReadToTheirEndAndNoFurther) {
    // Every unit of each field is a character, and the next field starts
    // with something else: a read past a field's end would show it.
    SetFieldUnits(JOB_USER_NAME_TEXT, u"UUUUUUUUUUUUUUU");
    SetFieldUnits(JOB_NAME_TEXT, u"JJJJJJJJJJJJJJJ");
    SetFieldUnits(JOB_PASSWORD_TEXT, u"55555");
    SetFieldUnits(ACCESS_USER_NAME_TEXT, u"aaaaaaaaaaaaaaa");
    SetFieldUnits(ACCESS_PASSWORD_TEXT, u"ppppppppppppppppppppp");
    Section()[166] = 'X';  // the padding behind the last field
    Section()[167] = 0;
    Open();
    EXPECT_EQ(std::wstring(15, L'U'), ReadControlText(page, IDC_JOB_USER_NAME));
    EXPECT_EQ(std::wstring(15, L'J'), ReadControlText(page, IDC_JOB_NAME));
    EXPECT_EQ(std::wstring(5, L'5'), ReadControlText(page, IDC_JOB_PASSWORD));
    EXPECT_EQ(std::wstring(15, L'a'), ReadControlText(page, IDC_ACCESS_USER_NAME));
    EXPECT_EQ(std::wstring(21, L'p'), ReadControlText(page, IDC_ACCESS_PASSWORD));
}

TEST_F(JobPage, ShowsTheTextsOfTheStringTables) {
    Open();
    const std::pair<int, const wchar_t*> texts[] = {
        {IDC_SAVE_ACCESS_CONTROL, L"Save Access Control settings"},
        {IDC_ACCESS_USER_NAME_LABEL, L"User Name"},
        {IDC_ACCESS_NOTICE, L"If Access Control is set on the printer, you must enter a password."},
        {IDC_ACCESS_PASSWORD_LABEL, L"Password"},
        {IDC_ACCESS_GROUP, L"Job Settings"},
        {IDC_RESERVE_JOB, L"Reserve Job Settings"},
        {IDC_REPRINT_JOB, L"Re-Print Job"},
        {IDC_VERIFY_JOB, L"Verify Job"},
        {IDC_CONFIDENTIAL_JOB, L"Confidential Job"},
        {IDC_JOB_PASSWORD_GROUP, L"Password"},
        {IDC_JOB_USER_NAME_GROUP, L"User Name"},
        {IDC_JOB_NAME_GROUP, L"Job Name"},
    };
    for (const auto& [id, text] : texts) {
        EXPECT_EQ(text, ReadControlText(page, id)) << "control " << id;
    }
    // The group box without an id of its own.
    HWND reserveGroup = nullptr;
    for (HWND child = GetWindow(page, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetDlgCtrlID(child) == IDC_RESERVE_GROUP) reserveGroup = child;
    }
    ASSERT_NE(nullptr, reserveGroup);
    WCHAR text[64] = {};
    GetWindowTextW(reserveGroup, text, 64);
    EXPECT_STREQ(L"Reserve Job Settings", text);
}

TEST_F(JobPage, AHeapThatGivesNothingLeavesTheLabelsEmpty) {
    records->Param().hOEMHeap = nullptr;
    Open();
    EXPECT_EQ(L"", ReadControlText(page, IDC_SAVE_ACCESS_CONTROL));
    EXPECT_EQ(L"", ReadControlText(page, IDC_ACCESS_NOTICE));
    // The values load all the same.
    EXPECT_EQ("reserve[ ]+ verify(*)- reprint( )- confidential( )- password\"\"- user\"\"- job\"\"-",
              DescribeStoredJob());
}

// A host that calls CommonUIProp without a record before the sheet opens:
// the page keeps its template, still limits and filters its fields and sets
// their enabling, and then handles nothing.
TEST_F(JobPage, WithoutTheHostsRecordThePageKeepsItsTemplateAndHandlesNothing) {
    SetReserveJobType(RESERVE_JOB_CONFIDENTIAL);
    SetFieldText(JOB_NAME_TEXT, u"stored");
    EXPECT_EQ(S_OK, session.Plugin().CommonUIProp(OEMCUIP_DOCPROP, nullptr));
    const std::vector<unsigned char> before = SectionBytes();
    Open();
    EXPECT_EQ(L"Reserve Job", ReadControlText(page, IDC_SAVE_ACCESS_CONTROL)) << "the template's text";
    EXPECT_EQ(L"Re-Print", ReadControlText(page, IDC_REPRINT_JOB));
    EXPECT_EQ("reserve[ ]+ verify( )- reprint( )- confidential( )- password\"\"- user\"\"- job\"\"-",
              DescribeStoredJob())
        << "nothing loaded";
    host::TypeText(page, IDC_JOB_NAME, L"50% \"x\"");
    EXPECT_EQ(L"50 x", ReadControlText(page, IDC_JOB_NAME)) << "filtered";

    host::ClickControl(page, IDC_RESERVE_JOB);
    EXPECT_EQ(BST_CHECKED, host::ReadCheckState(page, IDC_RESERVE_JOB));
    EXPECT_FALSE(host::IsControlEnabled(page, IDC_VERIFY_JOB)) << "no enabling update";
    EXPECT_TRUE(ChangeNotices().empty()) << "no change notices";

    host::MessageBoxCatcher catcher;
    EXPECT_TRUE(Sheet().Apply());
    EXPECT_TRUE(catcher.Boxes().empty()) << "no check";
    EXPECT_TRUE(pages->Recorder().CallsOf(CPSFUNC_SET_RESULT).empty());
    EXPECT_EQ(before, SectionBytes()) << "no save";
}

TEST_F(JobPage, WithoutAPrivateSectionThePageKeepsItsTemplateStateAndSavesNothing) {
    records->Param().pOEMDM = nullptr;
    const std::vector<unsigned char> before = SectionBytes();
    Open();
    EXPECT_EQ("reserve[ ]+ verify( )- reprint( )- confidential( )- password\"\"- user\"\"- job\"\"-",
              DescribeStoredJob());
    EXPECT_EQ(L"Save Access Control settings", ReadControlText(page, IDC_SAVE_ACCESS_CONTROL));
    host::ClickControl(page, IDC_SAVE_ACCESS_CONTROL);
    host::TypeText(page, IDC_ACCESS_USER_NAME, L"op");
    EXPECT_TRUE(Sheet().Apply());
    EXPECT_EQ(2u, pages->Recorder().CallsOf(CPSFUNC_SET_RESULT).size()) << "the page is fine, left and applied";
    EXPECT_EQ(before, SectionBytes());
}

// The size field of a stored section may say anything; the page reads and
// writes the fields of its 172 bytes and leaves the header alone.
TEST_F(JobPage, AHostileSizeFieldChangesNothingTheSectionSays) {
    for (std::uint32_t size : {0xFFFFFFFFu, 12u, 0u}) {
        SCOPED_TRACE(testing::Message() << "dwSize " << size);
        WritePrivateDevmodeU32(Section(), 0, size);
        SetReserveJobType(RESERVE_JOB_REPRINT);
        SetFieldText(JOB_USER_NAME_TEXT, u"anna");
        SetFieldText(JOB_NAME_TEXT, u"report");
        Open();
        EXPECT_EQ("reserve[x]+ verify( )+ reprint(*)+ confidential( )+ password\"\"- user\"anna\"+ job\"report\"+",
                  DescribeStoredJob());
        host::TypeText(page, IDC_JOB_NAME, L"s");  // where the caret is after loading: in front
        ASSERT_TRUE(Sheet().Apply());
        EXPECT_EQ(size, ReadPrivateDevmodeU32(Section(), 0));
        char16_t name[JOB_NAME_UNITS + 1];
        ReadPrivateDevmodeText(Section(), JOB_NAME_TEXT, name);
        EXPECT_EQ(std::u16string(u"sreport"), std::u16string(name));
        for (std::size_t i = PRIVATE_DEVMODE_SIZE; i < PRIVATE_DEVMODE_SIZE + kSectionGuard; ++i) {
            EXPECT_EQ(kGuardByte, Section()[i]) << "byte " << i << " behind the section";
        }
    }
}

}  // namespace
}  // namespace marlow::test
