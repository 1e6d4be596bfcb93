// Leaving and applying the Extended Settings page: the check of a stored
// job's input with its two messages, the bytes saved into the private
// section, the result reported to the host, and the answers of the page's
// own procedure.
#include "job_page_fixture.h"

namespace marlow::test {
namespace {

using host::CaughtMessageBox;
using host::ClickControl;
using host::TypeText;

const wchar_t kNeedsNames[] = L"When saving a print job to the printer, you should specify a user name and job name.";
const wchar_t kNeedsPassword[] =
    L"To enable password-protected printing, please enter the password, user name and job name.";

// Bytes of every field set to something, so that what the page writes - and
// what it leaves - shows.
void FillStoredSection(unsigned char* section) {
    for (std::size_t i = 0; i < PRIVATE_DEVMODE_SIZE; ++i) section[i] = static_cast<unsigned char>(0x40 + i % 61);
    WritePrivateDevmodeU32(section, offsetof(PrivateDevmode, dwSignature), PRIVATE_DEVMODE_SIGNATURE);
    WritePrivateDevmodeU32(section, offsetof(PrivateDevmode, dwReserveJobType), RESERVE_JOB_NONE);
    WritePrivateDevmodeU8(section, offsetof(PrivateDevmode, bSaveAccessControl), 0);
}

// The bytes of a text written as the page writes it: the units and a NUL at
// the start of the field, the rest as it was.
void ExpectText(std::vector<unsigned char>& bytes, const PrivateDevmodeText& field, const std::u16string& text) {
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const char16_t unit = i < text.size() ? text[i] : u'\0';
        bytes[field.offset + 2 * i] = static_cast<unsigned char>(unit);
        bytes[field.offset + 2 * i + 1] = static_cast<unsigned char>(unit >> 8);
    }
}

class JobPageApply : public JobPage {
protected:
    // The one box caught, or a failure.
    static CaughtMessageBox OnlyBox(const host::MessageBoxCatcher& catcher) {
        EXPECT_EQ(1u, catcher.Boxes().size());
        return catcher.Boxes().empty() ? CaughtMessageBox() : catcher.Boxes()[0];
    }

    // An apply refused with a warning box of this text under "Error": the
    // page stays, and nothing is saved or reported to the host.
    void ExpectApplyRefused(const wchar_t* text) {
        const std::vector<unsigned char> before = SectionBytes();
        host::MessageBoxCatcher catcher;
        EXPECT_FALSE(Sheet().Apply());
        const CaughtMessageBox box = OnlyBox(catcher);
        EXPECT_EQ(L"Error", box.caption);
        EXPECT_EQ(text, box.text);
        EXPECT_EQ(static_cast<UINT>(MB_ICONWARNING), box.icon);
        EXPECT_EQ(std::vector<int>{IDOK}, box.buttons);
        EXPECT_EQ(JobIndex(), Sheet().CurrentIndex()) << "the page stays";
        EXPECT_EQ(before, SectionBytes()) << "nothing saved";
        EXPECT_TRUE(pages->Recorder().CallsOf(CPSFUNC_SET_RESULT).empty());
    }
};

TEST_F(JobPageApply, AStoredJobWithoutItsNamesIsRefusedWithAWarning) {
    Open();
    ClickControl(page, IDC_RESERVE_JOB);  // "Verify Job" is selected
    TypeText(page, IDC_JOB_USER_NAME, L"anna");
    ExpectApplyRefused(kNeedsNames);

    // Leaving for another page is refused the same way.
    const std::vector<unsigned char> before = SectionBytes();
    host::MessageBoxCatcher catcher;
    ClickControl(page, IDC_REPRINT_JOB);
    EXPECT_FALSE(Sheet().SelectPage(LayoutIndex()));
    EXPECT_EQ(kNeedsNames, OnlyBox(catcher).text);
    EXPECT_EQ(before, SectionBytes());
}

TEST_F(JobPageApply, AConfidentialJobNeedsItsPasswordAndOneDigitWillDo) {
    Open();
    ClickControl(page, IDC_RESERVE_JOB);
    ClickControl(page, IDC_CONFIDENTIAL_JOB);
    TypeText(page, IDC_JOB_USER_NAME, L"anna");
    TypeText(page, IDC_JOB_NAME, L"payroll");
    ExpectApplyRefused(kNeedsPassword);
    TypeText(page, IDC_JOB_PASSWORD, L"7");
    host::MessageBoxCatcher catcher;
    EXPECT_TRUE(Sheet().Apply());
    EXPECT_TRUE(catcher.Boxes().empty());
    EXPECT_EQ(RESERVE_JOB_CONFIDENTIAL, ReadPrivateDevmodeU32(Section(), offsetof(PrivateDevmode, dwReserveJobType)));
}

struct SavedTexts {
    std::u16string jobPassword, jobUserName, jobName, accessUserName, accessPassword;
};

// Each text typed into a field emptied first; a confidential job, access
// control on.
TEST_F(JobPageApply, SavesEveryFieldByteByByte) {
    const SavedTexts cases[] = {
        {u"12", u"anna", u"Q3 report", u"op", u"s3cret!"},
        // Every field at its limit: the terminator takes the field's last unit.
        {u"9876", u"abcdefghijklmn", u"ABCDEFGHIJKLMN", u"~~~~~~~~~~~~~~", u"!!!!!!!!!!!!!!!!!!!!"},
    };
    for (const SavedTexts& c : cases) {
        SCOPED_TRACE(testing::Message() << "job name of " << c.jobName.size() << " characters");
        FillStoredSection(Section());
        std::vector<unsigned char> expected = SectionBytes();
        Open();
        ClickControl(page, IDC_RESERVE_JOB);
        ClickControl(page, IDC_CONFIDENTIAL_JOB);
        ClickControl(page, IDC_SAVE_ACCESS_CONTROL);
        const std::pair<int, const std::u16string*> fields[] = {
            {IDC_JOB_PASSWORD, &c.jobPassword}, {IDC_JOB_USER_NAME, &c.jobUserName}, {IDC_JOB_NAME, &c.jobName},
            {IDC_ACCESS_USER_NAME, &c.accessUserName}, {IDC_ACCESS_PASSWORD, &c.accessPassword}};
        for (const auto& [id, text] : fields) {
            host::PasteText(page, id, L"");
            TypeText(page, id, std::wstring(text->begin(), text->end()));
        }
        ASSERT_TRUE(Sheet().Apply());

        expected[16] = 1;                                                        // bSaveAccessControl
        expected[20] = 4, expected[21] = 0, expected[22] = 0, expected[23] = 0;  // dwReserveJobType
        ExpectText(expected, JOB_PASSWORD_TEXT, c.jobPassword);
        ExpectText(expected, JOB_USER_NAME_TEXT, c.jobUserName);
        ExpectText(expected, JOB_NAME_TEXT, c.jobName);
        ExpectText(expected, ACCESS_USER_NAME_TEXT, c.accessUserName);
        ExpectText(expected, ACCESS_PASSWORD_TEXT, c.accessPassword);
        EXPECT_EQ("", DescribeDifferences(expected, SectionBytes()));
    }
}

TEST_F(JobPageApply, ALongerTextLoadedIsSavedAsFarAsAFieldIsRead) {
    // A stored name of 15 units without a terminator shows whole, and is
    // saved as its first 14 characters.
    SetReserveJobType(RESERVE_JOB_REPRINT);
    SetFieldUnits(JOB_USER_NAME_TEXT, u"UUUUUUUUUUUUUUU");
    SetFieldText(JOB_NAME_TEXT, u"x");
    Open();
    ASSERT_TRUE(Sheet().Apply());
    char16_t text[JOB_USER_NAME_UNITS + 1];
    EXPECT_EQ(14u, ReadPrivateDevmodeText(Section(), JOB_USER_NAME_TEXT, text));
}

TEST_F(JobPageApply, NoStoredJobKeepsTheStoredStringsAndShowsThemDisabledAgain) {
    FillStoredSection(Section());
    SetReserveJobType(RESERVE_JOB_VERIFY);
    SetSaveAccessControl(1);
    SetFieldText(JOB_USER_NAME_TEXT, u"anna");
    SetFieldText(JOB_NAME_TEXT, u"report");
    SetFieldText(JOB_PASSWORD_TEXT, u"42");
    SetFieldText(ACCESS_USER_NAME_TEXT, u"op");
    SetFieldText(ACCESS_PASSWORD_TEXT, u"pw");
    std::vector<unsigned char> expected = SectionBytes();
    Open();
    TypeText(page, IDC_ACCESS_USER_NAME, L"x");
    TypeText(page, IDC_JOB_NAME, L"x");
    ClickControl(page, IDC_RESERVE_JOB);
    ClickControl(page, IDC_SAVE_ACCESS_CONTROL);
    ASSERT_TRUE(Sheet().Apply());
    expected[16] = 0;
    expected[20] = 0, expected[21] = 0, expected[22] = 0, expected[23] = 0;
    EXPECT_EQ("", DescribeDifferences(expected, SectionBytes()));

    Open();
    EXPECT_EQ("reserve[ ]+ verify(*)- reprint( )- confidential( )- password\"42\"- user\"anna\"- job\"report\"-",
              DescribeStoredJob());
    EXPECT_EQ("save[ ]+ user\"op\"- password\"pw\"-", DescribeAccessControl());
}

TEST_F(JobPageApply, LeavingThePageSavesAtOnceAndTellsTheHost) {
    Open();
    ClickControl(page, IDC_RESERVE_JOB);
    TypeText(page, IDC_JOB_USER_NAME, L"anna");
    TypeText(page, IDC_JOB_NAME, L"proof");
    Sheet().ClearMessages();
    ASSERT_TRUE(Sheet().SelectPage(LayoutIndex()));

    EXPECT_EQ(RESERVE_JOB_VERIFY, ReadPrivateDevmodeU32(Section(), offsetof(PrivateDevmode, dwReserveJobType)));
    const auto results = pages->Recorder().CallsOf(CPSFUNC_SET_RESULT);
    ASSERT_EQ(1u, results.size());
    EXPECT_EQ(reinterpret_cast<LPARAM>(JobPageHandle()), results[0].lParam1);
    EXPECT_EQ(CPSUI_OK, results[0].lParam2);
    EXPECT_EQ(Notices({PSM_UNCHANGED, PSM_UNCHANGED}), ChangeNotices());
}

TEST_F(JobPageApply, CancelSavesNothing) {
    const std::vector<unsigned char> before = SectionBytes();
    Open();
    ClickControl(page, IDC_RESERVE_JOB);
    TypeText(page, IDC_JOB_USER_NAME, L"anna");
    Sheet().PressButton(PSBTN_CANCEL);
    EXPECT_FALSE(Sheet().IsOpen());
    EXPECT_EQ(before, SectionBytes());
    EXPECT_TRUE(pages->Recorder().CallsOf(CPSFUNC_SET_RESULT).empty());
}

// The dialog manager hides part of these answers; the procedure shows them.
TEST_F(JobPageApply, TheProcedureAnswersEachNotification) {
    Open();
    host::PageAnswer answer = host::NotifyPageDirectly(page, PSN_APPLY);
    EXPECT_EQ(TRUE, answer.returned);
    EXPECT_EQ(PSNRET_NOERROR, answer.msgResult);
    answer = host::NotifyPageDirectly(page, PSN_KILLACTIVE);
    EXPECT_EQ(TRUE, answer.returned);
    EXPECT_EQ(PSNRET_NOERROR, answer.msgResult);

    ClickControl(page, IDC_RESERVE_JOB);
    {
        host::MessageBoxCatcher catcher;
        answer = host::NotifyPageDirectly(page, PSN_APPLY);
        EXPECT_EQ(TRUE, answer.returned);
        EXPECT_EQ(PSNRET_INVALID_NOCHANGEPAGE, answer.msgResult);
        EXPECT_EQ(1u, catcher.Boxes().size());
    }
    answer = host::NotifyPageDirectly(page, PSN_RESET);
    EXPECT_EQ(FALSE, answer.returned);
    EXPECT_EQ(-12345, answer.msgResult) << "left as it was";
    answer = host::NotifyPageDirectly(page, PSN_SETACTIVE);
    EXPECT_EQ(TRUE, answer.returned);
    EXPECT_EQ(-12345, answer.msgResult) << "no answer of its own";

    const auto procedure = reinterpret_cast<DLGPROC>(GetWindowLongPtrW(page, DWLP_DLGPROC));
    EXPECT_EQ(FALSE, procedure(page, WM_NOTIFY, 0, 0)) << "a notification without its record";
    EXPECT_EQ(FALSE, procedure(page, WM_TIMER, 1, 0));
}

}  // namespace
}  // namespace marlow::test
