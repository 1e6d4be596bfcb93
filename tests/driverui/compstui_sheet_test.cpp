// The whole document sheet in the platform's own common property-sheet UI:
// compstui asks the driver's sheet function, which hands each request to the
// plug-in, and shows the pages the plug-in added, titled in the user's
// language.
#include "host/compstui_sheet.h"
#include "host/window_picture.h"
#include "platform_version_patch.h"
#include "sheet_test_support.h"
#include "thread_language.h"


namespace marlow::test {
namespace {

using CompstuiSheet = SheetTest;

TEST_F(CompstuiSheet, ShowsThePluginsPagesTitledInTheUsersLanguage) {
    ThreadLanguage french(1036);
    std::unique_ptr<host::HostSheet> records;
    {
        PlatformVersionPatch patch(session.Library().Module(), kWindows7);
        records = OpenDocumentSheet();
    }
    std::vector<std::wstring> titles;
    HWND extendedSettings = nullptr;
    host::Picture picture;
    const host::CompstuiSheetRun run = host::RunCompstuiDocumentSheet(
        session.Plugin(), *records,
        [&](HWND sheet) {
            titles = host::ReadTabTitles(sheet);
            // The last page is the plug-in's Extended Settings page.
            SendMessageW(sheet, PSM_SETCURSEL, titles.size() - 1, 0);
            extendedSettings = reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
            EXPECT_TRUE(host::CaptureWindow(sheet, &picture));
        },
        PSBTN_CANCEL);

    ASSERT_TRUE(run.bLoaded) << "compstui.dll or CommonPropertySheetUIW missing";
    ASSERT_TRUE(run.bShown) << "the sheet did not come up";
    ASSERT_GE(titles.size(), 2u);
    EXPECT_EQ(L"Mise en page", titles[titles.size() - 2]);
    EXPECT_EQ(L"Param\u00E8tres \u00E9tendus", titles.back());
    EXPECT_NE(nullptr, extendedSettings);
    EXPECT_GT(picture.width, 0);

    // Every request went to the plug-in, the pages among them; it answers
    // those of its version and refuses the rest (compstui sends the
    // before-init request in an unfilled record).
    bool initialised = false;
    for (const auto& request : run.requests) {
        SCOPED_TRACE(testing::Message() << "reason " << request.reason << ", version " << request.version);
        initialised = initialised || request.reason == PROPSHEETUI_REASON_INIT;
        EXPECT_EQ(request.version == 0x0100 ? S_OK : E_FAIL, request.answer);
    }
    EXPECT_TRUE(initialised);
}

}  // namespace
}  // namespace marlow::test
