// What the tests of the Layout page share: the page opened in a real sheet
// over item arrays built by the host kit (changed by each test before the
// page opens), and readable descriptions of what its lists and buttons show.
#pragma once

#include "host/document_pages.h"
#include "host/page_driving.h"
#include "host/utf8_text.h"
#include "pages/layout/layout_item_access.h"
#include "platform_version_patch.h"
#include "res/resource_ids.h"
#include "sheet_test_support.h"

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace marlow::host {
inline void PrintTo(const SheetMessage& m, std::ostream* os) {
    *os << (m.message == PSM_CHANGED ? "PSM_CHANGED" : "message ") << " from 0x" << std::hex << m.wParam
        << std::dec;
}
}  // namespace marlow::host

namespace marlow::test {

constexpr bool kNewerBuild = kNewerPlatformGeneration;

class LayoutPage : public SheetTest {
protected:
    void SetUp() override {
        SheetTest::SetUp();
        descriptions = DocumentItemDescriptions();
    }

    void TearDown() override {
        if (pages && pages->Sheet() != nullptr) {
            for (const auto& box : pages->Sheet()->UnexpectedBoxes()) {
                ADD_FAILURE() << "unexpected message box \"" << host::ToUtf8(box.text) << "\"";
            }
        }
    }

    // Builds the sheet's records from descriptions, runs CommonUIProp on a platform
    // with the Layout page, and clears every conflict mark it left, so that
    // each test sets the marks it means.
    void MakeRecords() {
        pages.reset();
        records = session.MakeSheet(OEMCUIP_DOCPROP, descriptions);
        PlatformVersionPatch patch(session.Library().Module(), kWindows7);
        ASSERT_EQ(S_OK, session.RunCommonUIProp(*records));
        for (DWORD i = 0; i < records->Items().Count(); ++i) {
            OPTITEM& item = records->Items()[i];
            for (WORD k = 0; item.pOptType != nullptr && k < item.pOptType->Count; ++k) {
                item.pOptType->pOptParam[k].Flags &= ~static_cast<BYTE>(OPTPF_OVERLAY_WARNING_ICON);
            }
        }
    }

    OPTITEM& Item(BYTE dmPubId) {
        OPTITEM* item = records->Items().FindByDmPubId(dmPubId);
        EXPECT_NE(nullptr, item) << "no item " << int(dmPubId);
        static OPTITEM none = {};
        return item != nullptr ? *item : none;
    }

    void Mark(BYTE dmPubId, std::initializer_list<int> options) {
        for (int option : options) {
            Item(dmPubId).pOptType->pOptParam[option].Flags |= OPTPF_OVERLAY_WARNING_ICON;
        }
    }

    // Opens the Layout page over the records as they stand (made first if
    // the test did not make them); the logs start empty.
    HWND Open() {
        if (!records) MakeRecords();
        if (pages) TearDown();
        pages.reset();
        pages = std::make_unique<host::DocumentPages>(session.Plugin(), *records);
        EXPECT_EQ(S_OK, pages->AddPages());
        page = pages->OpenPage(IDD_LAYOUT);
        EXPECT_NE(nullptr, page) << "the Layout page did not open";
        if (page != nullptr) {
            Sheet().ClearMessages();
            session.DriverUI().ClearRecords();
        }
        return page;
    }

    // The page is shown again: the sheet goes to the other page and back.
    void ShowAgain() {
        const int layout = pages->FindPage(IDD_LAYOUT);
        ASSERT_TRUE(Sheet().SelectPage(pages->FindPage(IDD_JOB_SETTINGS)));
        ASSERT_TRUE(Sheet().SelectPage(layout));
    }

    host::ModelessSheet& Sheet() { return *pages->Sheet(); }

    // A list selection as the user makes it: the entry at position becomes
    // current and the page hears CBN_SELCHANGE.
    void ChooseEntry(int listId, int position) {
        const HWND list = GetDlgItem(page, listId);
        SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(position), 0);
        SendMessageW(page, WM_COMMAND, MAKEWPARAM(listId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
        Sheet().PumpUntilIdle();
    }
    void Click(int id) {
        host::ClickControl(page, id);
        Sheet().PumpUntilIdle();
    }

    // "*Portrait 0/0, Landscape 2/2": each entry's text and its image and
    // selected image (and its indent when not 0); the current one starred.
    std::string DescribePictureList(int id) const {
        return DescribeEntries(id, [](HWND list, int position) {
            WCHAR text[128] = {};
            COMBOBOXEXITEMW entry = {};
            entry.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE | CBEIF_INDENT;
            entry.iItem = position;
            entry.pszText = text;
            entry.cchTextMax = 128;
            SendMessageW(list, CBEM_GETITEMW, 0, reinterpret_cast<LPARAM>(&entry));
            std::string description = host::ToUtf8(text) + " " + std::to_string(entry.iImage) + "/" +
                                      std::to_string(entry.iSelectedImage);
            if (entry.iIndent != 0) description += " indent " + std::to_string(entry.iIndent);
            return description;
        });
    }

    // "1, *2, 4": the texts of a plain list, the current one starred.
    std::string DescribeTextList(int id) const {
        return DescribeEntries(id, [](HWND list, int position) {
            WCHAR text[128] = {};
            SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(text));
            return host::ToUtf8(text);
        });
    }

    std::string DescribeEntries(int id, const std::function<std::string(HWND, int)>& describeEntry) const {
        const HWND list = GetDlgItem(page, id);
        const int count = static_cast<int>(SendMessageW(list, CB_GETCOUNT, 0, 0));
        const int current = static_cast<int>(SendMessageW(list, CB_GETCURSEL, 0, 0));
        std::string description;
        for (int position = 0; position < count; ++position) {
            if (!description.empty()) description += ", ";
            description += (position == current ? "*" : "") + describeEntry(list, position);
        }
        return description;
    }

    // "pages(*)+ booklet( )- ..." for the enabling and checks of every
    // control of the page: [x] a checked box, (*) a checked radio button,
    // + enabled, - disabled.
    std::string DescribeStates() const {
        const std::pair<const char*, int> controls[] = {
            {"orientation", IDC_ORIENTATION},     {"orientationLabel", IDC_ORIENTATION_LABEL},
            {"duplex", IDC_DUPLEX},               {"duplexLabel", IDC_DUPLEX_LABEL},
            {"order", IDC_PAGE_ORDER},            {"orderLabel", IDC_PAGE_ORDER_LABEL},
            {"pages", IDC_PAGES_PER_SHEET_RADIO}, {"booklet", IDC_BOOKLET_RADIO},
            {"nup", IDC_PAGES_PER_SHEET},         {"direction", IDC_NUP_DIRECTION},
            {"directionLabel", IDC_NUP_DIRECTION_LABEL}, {"edge", IDC_BOOKLET_EDGE},
            {"edgeLabel", IDC_BOOKLET_EDGE_LABEL}, {"borders", IDC_DRAW_BORDERS},
        };
        std::string description;
        for (const auto& [name, id] : controls) {
            const HWND control = GetDlgItem(page, id);
            if (!description.empty()) description += " ";
            description += name;
            const LONG style = GetWindowLongW(control, GWL_STYLE);
            const LONG type = style & BS_TYPEMASK;
            WCHAR className[32] = {};
            GetClassNameW(control, className, 32);
            if (lstrcmpiW(className, L"Button") == 0 && type == BS_AUTORADIOBUTTON) {
                description += host::ReadCheckState(page, id) == BST_CHECKED ? "(*)" : "( )";
            } else if (lstrcmpiW(className, L"Button") == 0 && type == BS_AUTOCHECKBOX) {
                description += host::ReadCheckState(page, id) == BST_CHECKED ? "[x]" : "[ ]";
            }
            description += IsWindowVisible(control) ? (host::IsControlEnabled(page, id) ? "+" : "-") : "~";
        }
        return description;
    }

    // The DMPubIDs of the items the host was told about, in order.
    std::vector<int> UpdatedItems() {
        std::vector<int> ids;
        for (const auto& call : session.DriverUI().UpdateCalls()) ids.push_back(call.pOptItem->DMPubID);
        return ids;
    }

    std::vector<host::SheetMessage> Changed(int times = 1) const {
        return std::vector<host::SheetMessage>(static_cast<std::size_t>(times),
                                               {PSM_CHANGED, reinterpret_cast<WPARAM>(page)});
    }

    std::vector<host::HostItemDescription> descriptions;
    std::unique_ptr<host::HostSheet> records;
    std::unique_ptr<host::DocumentPages> pages;
    HWND page = nullptr;
};

}  // namespace marlow::test
