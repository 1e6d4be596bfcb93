// What the tests of the Extended Settings page share: the page opened in a
// real sheet over a private section the test lays out byte by byte (with
// guard bytes of the host behind it), and readable descriptions of the
// controls' states.
#pragma once

#include "devmode/private_devmode.h"
#include "host/document_pages.h"
#include "host/message_box_catcher.h"
#include "host/page_driving.h"
#include "host/utf8_text.h"
#include "platform_version_patch.h"
#include "res/resource_ids.h"
#include "sheet_test_support.h"

#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace marlow::host {
// "PSM_CHANGED from 0x30074" in failure messages.
inline void PrintTo(const SheetMessage& m, std::ostream* os) {
    *os << (m.message == PSM_CHANGED ? "PSM_CHANGED" : m.message == PSM_UNCHANGED ? "PSM_UNCHANGED" : "message ")
        << " from 0x" << std::hex << m.wParam << std::dec;
}
}  // namespace marlow::host

namespace marlow::test {

constexpr std::size_t kSectionGuard = 16;
constexpr unsigned char kGuardByte = 0xEE;

class JobPage : public SheetTest {
protected:
    void SetUp() override {
        SheetTest::SetUp();
        std::vector<unsigned char> section = session.GetPrivateDefaults();
        ASSERT_EQ(PRIVATE_DEVMODE_SIZE, section.size());
        section.resize(PRIVATE_DEVMODE_SIZE + kSectionGuard, kGuardByte);
        records = session.MakeDocumentSheet(section);
        // A platform with the Layout page, so that there is a page to go to.
        PlatformVersionPatch patch(session.Library().Module(), kWindows7);
        ASSERT_EQ(S_OK, session.RunCommonUIProp(*records));
    }

    void TearDown() override {
        if (pages && pages->Sheet() != nullptr) {
            for (const auto& box : pages->Sheet()->UnexpectedBoxes()) {
                ADD_FAILURE() << "unexpected message box \"" << host::ToUtf8(box.text) << "\"";
            }
        }
    }

    unsigned char* Section() { return records->PrivateSection(); }
    std::vector<unsigned char> SectionBytes() {
        return std::vector<unsigned char>(Section(), Section() + PRIVATE_DEVMODE_SIZE + kSectionGuard);
    }

    void SetReserveJobType(std::uint32_t type) {
        WritePrivateDevmodeU32(Section(), offsetof(PrivateDevmode, dwReserveJobType), type);
    }
    void SetSaveAccessControl(std::uint8_t value) {
        WritePrivateDevmodeU8(Section(), offsetof(PrivateDevmode, bSaveAccessControl), value);
    }
    // Stores the units as they are: no terminator is added.
    void SetFieldUnits(const PrivateDevmodeText& field, const std::u16string& units) {
        for (std::size_t i = 0; i < units.size(); ++i) {
            Section()[field.offset + 2 * i] = static_cast<unsigned char>(units[i]);
            Section()[field.offset + 2 * i + 1] = static_cast<unsigned char>(units[i] >> 8);
        }
    }
    void SetFieldText(const PrivateDevmodeText& field, const std::u16string& text) {
        SetFieldUnits(field, text + u'\0');
    }

    // Registers the pages and opens the Extended Settings page over the
    // section as it stands; the logs start empty.
    HWND Open() {
        if (pages) TearDown();  // the boxes of the sheet that goes
        pages.reset();          // one sheet at a time
        pages = std::make_unique<host::DocumentPages>(session.Plugin(), *records);
        EXPECT_EQ(S_OK, pages->AddPages());
        page = pages->OpenPage(IDD_JOB_SETTINGS);
        EXPECT_NE(nullptr, page) << "the Extended Settings page did not open";
        if (page != nullptr) {
            Sheet().ClearMessages();
            pages->Recorder().ClearCalls();
        }
        return page;
    }

    host::ModelessSheet& Sheet() { return *pages->Sheet(); }
    int LayoutIndex() const { return pages->FindPage(IDD_LAYOUT); }
    int JobIndex() const { return pages->FindPage(IDD_JOB_SETTINGS); }

    // The handle the host returned for the Extended Settings page.
    HANDLE JobPageHandle() const {
        for (const auto& added : pages->Recorder().Pages()) {
            if (added.record.pszTemplate == MAKEINTRESOURCEW(IDD_JOB_SETTINGS)) return added.hPage;
        }
        return nullptr;
    }

    std::vector<host::SheetMessage> ChangeNotices() const { return pages->Sheet()->Messages(); }
    std::vector<host::SheetMessage> Notices(std::initializer_list<UINT> messages) const {
        std::vector<host::SheetMessage> expected;
        for (UINT message : messages) expected.push_back({message, reinterpret_cast<WPARAM>(page)});
        return expected;
    }

    // "name[x]+" for a check box, "name(*)-" for a radio button, name"text"+
    // for a field; + enabled, - disabled.
    std::string DescribeControl(const char* name, int id) const {
        const HWND control = GetDlgItem(page, id);
        WCHAR className[16] = {};
        GetClassNameW(control, className, 16);
        std::string description = name;
        if (lstrcmpiW(className, L"Edit") == 0) {
            description += "\"" + host::ToUtf8(host::ReadControlText(page, id)) + "\"";
        } else {
            const bool radio = (GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
            const bool checked = host::ReadCheckState(page, id) == BST_CHECKED;
            description += radio ? (checked ? "(*)" : "( )") : (checked ? "[x]" : "[ ]");
        }
        return description + (host::IsControlEnabled(page, id) ? "+" : "-");
    }

    std::string DescribeStoredJob() const {
        return DescribeControl("reserve", IDC_RESERVE_JOB) + " " + DescribeControl("verify", IDC_VERIFY_JOB) + " " +
               DescribeControl("reprint", IDC_REPRINT_JOB) + " " +
               DescribeControl("confidential", IDC_CONFIDENTIAL_JOB) + " " +
               DescribeControl("password", IDC_JOB_PASSWORD) + " " + DescribeControl("user", IDC_JOB_USER_NAME) +
               " " + DescribeControl("job", IDC_JOB_NAME);
    }

    std::string DescribeAccessControl() const {
        return DescribeControl("save", IDC_SAVE_ACCESS_CONTROL) + " " +
               DescribeControl("user", IDC_ACCESS_USER_NAME) + " " +
               DescribeControl("password", IDC_ACCESS_PASSWORD);
    }

    // The byte offsets where the section (and the guard behind it) differs.
    static std::string DescribeDifferences(const std::vector<unsigned char>& expected,
                                           const std::vector<unsigned char>& actual) {
        std::string differences;
        for (std::size_t i = 0; i < expected.size() && i < actual.size(); ++i) {
            if (expected[i] != actual[i]) {
                differences += "byte " + std::to_string(i) + ": expected " + std::to_string(expected[i]) +
                               ", got " + std::to_string(actual[i]) + "\n";
            }
        }
        return differences;
    }

    std::unique_ptr<host::HostSheet> records;
    std::unique_ptr<host::DocumentPages> pages;
    HWND page = nullptr;
};

}  // namespace marlow::test
