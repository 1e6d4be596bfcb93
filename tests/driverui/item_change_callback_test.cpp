// The item callback the plug-in installs on the document sheet, called the
// way the common property-sheet UI calls it: on a selection change and when
// the sheet applies.
#include "sheet_test_support.h"

namespace marlow::test {
namespace {

constexpr wchar_t kRenderingName[] = L"Color Mode";

class ItemCallback : public SheetTest {
protected:
    void SetUp() override {
        SheetTest::SetUp();
        session.DriverUI().SetInstalledOption("QVDuplexOption", "True");
    }

    std::unique_ptr<host::HostSheet> OpenWithDuplexChangedTo(LONG sel) {
        auto sheet = OpenDocumentSheet();
        OPTITEM* duplex = sheet->Items().FindByDmPubId(DMPUB_DUPLEX);
        duplex->Sel = sel;
        duplex->Flags |= OPTIF_CHANGEONCE;
        session.DriverUI().ClearRecords();
        return sheet;
    }

    std::vector<BYTE> ReportedIds() {
        std::vector<BYTE> ids;
        for (const auto& call : session.DriverUI().UpdateCalls()) ids.push_back(call.pOptItem->DMPubID);
        return ids;
    }
};

TEST_F(ItemCallback, ColourModeFollowsTheColourItem) {
    auto sheet = OpenDocumentSheet();
    OPTITEM* colour = sheet->Items().FindByDmPubId(DMPUB_COLOR);
    OPTITEM* rendering = sheet->Items().FindByName(kRenderingName);
    session.DriverUI().ClearRecords();

    colour->Sel = 0;
    EXPECT_EQ(CPSUICB_ACTION_OPTIF_CHANGED, sheet->CallItemCallback(CPSUICB_REASON_SEL_CHANGED, colour));
    EXPECT_TRUE(HasFlag(rendering, OPTIF_DISABLED));
    EXPECT_EQ(0, rendering->Sel);
    ASSERT_EQ(1u, session.DriverUI().UpdateCalls().size());
    const auto& call = session.DriverUI().UpdateCalls()[0];
    EXPECT_EQ(rendering, call.pOptItem);
    EXPECT_EQ(0u, call.dwPreviousSelection);
    EXPECT_EQ(OEMCUIP_DOCPROP, call.dwMode);
    EXPECT_EQ(sheet->Param().poemuiobj, call.pci);

    colour->Sel = 1;
    EXPECT_EQ(CPSUICB_ACTION_OPTIF_CHANGED, sheet->CallItemCallback(CPSUICB_REASON_SEL_CHANGED, colour));
    EXPECT_FALSE(HasFlag(rendering, OPTIF_DISABLED));
    EXPECT_EQ(1, rendering->Sel);
}

TEST_F(ItemCallback, ARefusedColourModeUpdateKeepsTheLocalChange) {
    session.DriverUI().RefuseUpdateUISetting(-1);
    auto sheet = OpenDocumentSheet();
    OPTITEM* colour = sheet->Items().FindByDmPubId(DMPUB_COLOR);
    colour->Sel = 0;
    EXPECT_EQ(CPSUICB_ACTION_OPTIF_CHANGED, sheet->CallItemCallback(CPSUICB_REASON_SEL_CHANGED, colour));
    EXPECT_TRUE(HasFlag(sheet->Items().FindByName(kRenderingName), OPTIF_DISABLED));
}

TEST_F(ItemCallback, OtherChangesTouchNothing) {
    auto sheet = OpenDocumentSheet();
    OPTITEM* rendering = sheet->Items().FindByName(kRenderingName);
    const OPTITEM before = *rendering;
    session.DriverUI().ClearRecords();
    OPTITEM* source = sheet->Items().FindByDmPubId(DMPUB_DEFSOURCE);
    source->Sel = 0;
    EXPECT_EQ(CPSUICB_ACTION_OPTIF_CHANGED, sheet->CallItemCallback(CPSUICB_REASON_SEL_CHANGED, source));
    for (WORD reason : {CPSUICB_REASON_PUSHBUTTON, CPSUICB_REASON_ITEMS_REVERTED, CPSUICB_REASON_KILLACTIVE}) {
        EXPECT_EQ(CPSUICB_ACTION_OPTIF_CHANGED, sheet->CallItemCallback(reason, source));
    }
    EXPECT_EQ(before.Flags, rendering->Flags);
    EXPECT_EQ(before.Sel, rendering->Sel);
    EXPECT_TRUE(session.DriverUI().UpdateCalls().empty());
}

TEST_F(ItemCallback, OnlyTheFirstItemWithTheColourModeKeywordFollows) {
    auto descriptions = DocumentItemDescriptions();
    host::HostItemDescription second;
    second.name = L"Second Color Mode";
    second.keyword = "QVRendering";
    second.options = {L"Grayscale", L"Color"};
    second.sel = 1;
    descriptions.push_back(second);
    auto sheet = OpenSheet(OEMCUIP_DOCPROP, descriptions);
    OPTITEM* colour = sheet->Items().FindByDmPubId(DMPUB_COLOR);
    colour->Sel = 0;
    sheet->CallItemCallback(CPSUICB_REASON_SEL_CHANGED, colour);
    EXPECT_TRUE(HasFlag(sheet->Items().FindByName(kRenderingName), OPTIF_DISABLED));
    EXPECT_FALSE(HasFlag(sheet->Items().FindByName(L"Second Color Mode"), OPTIF_DISABLED));
    EXPECT_EQ(1, sheet->Items().FindByName(L"Second Color Mode")->Sel);
}

TEST_F(ItemCallback, WithoutAColourModeItemTheHostIsNotCalled) {
    auto sheet = OpenDocumentSheet();
    // The keyword is gone from the only item that had it.
    reinterpret_cast<USERDATA*>(sheet->Items().FindByName(kRenderingName)->UserData)->pKeyWordName = nullptr;
    session.DriverUI().ClearRecords();
    OPTITEM* colour = sheet->Items().FindByDmPubId(DMPUB_COLOR);
    colour->Sel = 0;
    EXPECT_EQ(CPSUICB_ACTION_OPTIF_CHANGED, sheet->CallItemCallback(CPSUICB_REASON_SEL_CHANGED, colour));
    EXPECT_TRUE(session.DriverUI().UpdateCalls().empty());
    EXPECT_FALSE(HasFlag(sheet->Items().FindByName(kRenderingName), OPTIF_DISABLED));
}

TEST_F(ItemCallback, ApplyWritesTheDuplexModeTheHostAccepted) {
    const struct {
        LONG sel;
        short dmDuplex;
    } cases[] = {{1, DMDUP_HORIZONTAL}, {2, DMDUP_VERTICAL}, {0, DMDUP_SIMPLEX}};
    for (const auto& c : cases) {
        auto sheet = OpenWithDuplexChangedTo(c.sel);
        sheet->PublicDevmode().dmDuplex = 0;
        EXPECT_EQ(CPSUICB_ACTION_ITEMS_APPLIED, sheet->CallItemCallback(CPSUICB_REASON_APPLYNOW, nullptr));
        EXPECT_EQ(c.dmDuplex, sheet->PublicDevmode().dmDuplex) << "Sel " << c.sel;
        ASSERT_EQ(1u, session.DriverUI().UpdateCalls().size());
        EXPECT_EQ(static_cast<DWORD>(c.sel), session.DriverUI().UpdateCalls()[0].dwPreviousSelection);
        EXPECT_TRUE(HasFlag(sheet->Items().FindByDmPubId(DMPUB_DUPLEX), OPTIF_CHANGEONCE)) << "left set";
    }
}

TEST_F(ItemCallback, ApplySkipsChoicesThatAreRuledOutOrOutOfRangeOrUnchanged) {
    auto sheet = OpenWithDuplexChangedTo(1);
    OPTITEM* duplex = sheet->Items().FindByDmPubId(DMPUB_DUPLEX);
    sheet->PublicDevmode().dmDuplex = 0;

    duplex->pOptType->pOptParam[1].Flags |= OPTPF_OVERLAY_WARNING_ICON;
    sheet->CallItemCallback(CPSUICB_REASON_APPLYNOW, nullptr);
    duplex->pOptType->pOptParam[1].Flags = 0;

    for (LONG sel : {LONG{3}, LONG{-1}}) {
        duplex->Sel = sel;
        sheet->CallItemCallback(CPSUICB_REASON_APPLYNOW, nullptr);
    }

    duplex->Sel = 1;
    duplex->Flags &= ~static_cast<DWORD>(OPTIF_CHANGEONCE);
    sheet->CallItemCallback(CPSUICB_REASON_APPLYNOW, nullptr);

    EXPECT_TRUE(session.DriverUI().UpdateCalls().empty());
    EXPECT_EQ(0, sheet->PublicDevmode().dmDuplex);
}

TEST_F(ItemCallback, ApplyReportsThisBuildsLayoutItems) {
    auto sheet = OpenDocumentSheet();
    for (DWORD i = 0; i < sheet->Items().Count(); ++i) {
        OPTITEM& item = sheet->Items()[i];
        if (item.DMPubID != 0 && item.pOptType != nullptr) item.Flags |= OPTIF_CHANGEONCE;
    }
    session.DriverUI().ClearRecords();
    EXPECT_EQ(CPSUICB_ACTION_ITEMS_APPLIED, sheet->CallItemCallback(CPSUICB_REASON_APPLYNOW, nullptr));
#if NTDDI_VERSION >= 0x06000000
    const std::vector<BYTE> expected = {1, 7, 16, 17, 18, 21};  // never manual duplex or staple
#else
    const std::vector<BYTE> expected = {1, 7, 16, 17};
#endif
    EXPECT_EQ(expected, ReportedIds());
}

TEST_F(ItemCallback, ARefusedDuplexReportLeavesTheModeAndTheOthersStillGo) {
    session.DriverUI().RefuseUpdateUISetting(DMPUB_DUPLEX);
    auto sheet = OpenWithDuplexChangedTo(2);
    sheet->Items().FindByDmPubId(DMPUB_ORIENTATION)->Flags |= OPTIF_CHANGEONCE;
    sheet->Items().FindByDmPubId(DMPUB_NUP)->Flags |= OPTIF_CHANGEONCE;
    sheet->PublicDevmode().dmDuplex = DMDUP_SIMPLEX;
    EXPECT_EQ(CPSUICB_ACTION_ITEMS_APPLIED, sheet->CallItemCallback(CPSUICB_REASON_APPLYNOW, nullptr));
    EXPECT_EQ(DMDUP_SIMPLEX, sheet->PublicDevmode().dmDuplex);
    EXPECT_EQ((std::vector<BYTE>{DMPUB_ORIENTATION, DMPUB_DUPLEX, DMPUB_NUP}), ReportedIds());
}

TEST_F(ItemCallback, WithoutItsContextTheCallbackReportsNothing) {
    auto sheet = OpenWithDuplexChangedTo(1);
    sheet->Param().pOEMUserData = nullptr;
    sheet->PublicDevmode().dmDuplex = 0;
    EXPECT_EQ(CPSUICB_ACTION_ITEMS_APPLIED, sheet->CallItemCallback(CPSUICB_REASON_APPLYNOW, nullptr));
    EXPECT_TRUE(session.DriverUI().UpdateCalls().empty());
    EXPECT_EQ(0, sheet->PublicDevmode().dmDuplex);

    // The colour mode still follows; only the host is not told.
    OPTITEM* colour = sheet->Items().FindByDmPubId(DMPUB_COLOR);
    colour->Sel = 0;
    EXPECT_EQ(CPSUICB_ACTION_OPTIF_CHANGED, sheet->CallItemCallback(CPSUICB_REASON_SEL_CHANGED, colour));
    EXPECT_TRUE(HasFlag(sheet->Items().FindByName(kRenderingName), OPTIF_DISABLED));
    EXPECT_TRUE(session.DriverUI().UpdateCalls().empty());
}

TEST_F(ItemCallback, SurvivesIncompleteRecords) {
    auto sheet = OpenWithDuplexChangedTo(1);
    OEMCUIPCALLBACK callback = sheet->Param().OEMCUIPCallback;
    ASSERT_NE(nullptr, callback);
    EXPECT_EQ(CPSUICB_ACTION_OPTIF_CHANGED, sheet->CallItemCallback(CPSUICB_REASON_SEL_CHANGED, nullptr));
    EXPECT_EQ(CPSUICB_ACTION_OPTIF_CHANGED, callback(nullptr, &sheet->Param()));

    CPSUICBPARAM apply = {};
    apply.cbSize = sizeof(apply);
    apply.Reason = CPSUICB_REASON_APPLYNOW;
    EXPECT_EQ(CPSUICB_ACTION_ITEMS_APPLIED, callback(&apply, nullptr));

    // No public settings: the duplex item is reported, nothing is written.
    sheet->Param().pPublicDM = nullptr;
    EXPECT_EQ(CPSUICB_ACTION_ITEMS_APPLIED, callback(&apply, &sheet->Param()));
    EXPECT_EQ(1u, session.DriverUI().UpdateCalls().size());

    // Items without option parameters are never reported.
    session.DriverUI().ClearRecords();
    sheet->Items().FindByDmPubId(DMPUB_DUPLEX)->pOptType->pOptParam = nullptr;
    EXPECT_EQ(CPSUICB_ACTION_ITEMS_APPLIED, callback(&apply, &sheet->Param()));
    sheet->Items().FindByDmPubId(DMPUB_DUPLEX)->pOptType = nullptr;
    EXPECT_EQ(CPSUICB_ACTION_ITEMS_APPLIED, callback(&apply, &sheet->Param()));
    sheet->Param().pDrvOptItems = nullptr;
    EXPECT_EQ(CPSUICB_ACTION_ITEMS_APPLIED, callback(&apply, &sheet->Param()));
    EXPECT_TRUE(session.DriverUI().UpdateCalls().empty());
}

}  // namespace
}  // namespace marlow::test
