// CommonUIProp as the driver calls it - counting call, then filling call -
// on item arrays built from a PPD, with the printer's PPD found through the
// real spooler and the installed options answered by the stand-in driver.
#include "host/import_patch.h"
#include "platform_version_patch.h"
#include "reported_platform.h"
#include "sheet_test_support.h"

#include <algorithm>

namespace marlow::test {
namespace {

using host::HostItemDescription;
using host::HostSheet;

constexpr wchar_t kRenderingName[] = L"Color Mode";
constexpr wchar_t kOutputBinName[] = L"Output Bin";
constexpr wchar_t kGlossName[] = L"Gloss Finish";

// The DMPubIDs of the standard layout items this build hides: in the newer
// generation also manual duplex (19) and staple (20), which the Layout page
// does not offer.
std::vector<BYTE> LayoutIdsOfThisBuild() {
#if NTDDI_VERSION >= 0x06000000
    return {1, 7, 16, 17, 18, 19, 20, 21};
#else
    return {1, 7, 16, 17};
#endif
}

// What it hides on the platform the test runs on: nothing on a legacy one.
std::vector<BYTE> HiddenLayoutIds() {
    return RunsOnLegacyPlatform() ? std::vector<BYTE>() : LayoutIdsOfThisBuild();
}

std::vector<BYTE> HiddenIdsOf(HostSheet& sheet) {
    std::vector<BYTE> hidden;
    for (DWORD i = 0; i < sheet.Items().Count(); ++i) {
        if (sheet.Items()[i].Flags & OPTIF_HIDE) hidden.push_back(sheet.Items()[i].DMPubID);
    }
    std::sort(hidden.begin(), hidden.end());
    return hidden;
}

// The items whose flags, or whose choices' flags, differ from what the host
// built.
std::vector<std::size_t> ChangedItems(HostSheet& sheet) {
    std::vector<std::size_t> changed;
    host::ItemArray& items = sheet.Items();
    for (DWORD i = 0; i < items.Count(); ++i) {
        bool differs = items[i].Flags != items.Description(i).flags;
        for (WORD k = 0; items[i].pOptType != nullptr && k < items[i].pOptType->Count; ++k) {
            differs = differs || items[i].pOptType->pOptParam[k].Flags != 0;
        }
        if (differs) changed.push_back(i);
    }
    return changed;
}

using ItemAdjustment = SheetTest;

TEST_F(ItemAdjustment, CountingCallAddsNoItemsOnEitherSheet) {
    for (DWORD mode : {OEMCUIP_DOCPROP, OEMCUIP_PRNPROP}) {
        auto sheet = mode == OEMCUIP_DOCPROP ? session.MakeDocumentSheet() : session.MakePrinterSheet();
        sheet->PrepareCountingCall();
        sheet->Param().cOEMOptItems = 7;
        EXPECT_EQ(S_OK, session.Plugin().CommonUIProp(mode, &sheet->Param()));
        EXPECT_EQ(0u, sheet->Param().cOEMOptItems) << mode;
    }
}

TEST_F(ItemAdjustment, HidesTheLayoutItemsOfThisBuildAndInstallsTheCallback) {
    auto sheet = OpenDocumentSheet();
    EXPECT_EQ(HiddenLayoutIds(), HiddenIdsOf(*sheet));
    EXPECT_NE(nullptr, sheet->Param().OEMCUIPCallback);
    EXPECT_NE(nullptr, sheet->Param().pOEMUserData);
}

TEST_F(ItemAdjustment, MarksTheInputSlotsTheLowerCassettesRuleOut) {
    session.DriverUI().SetInstalledOption("QVTrayUnit", "1Tray");
    auto sheet = OpenDocumentSheet();
    EXPECT_EQ(Texts({L"Cassette 2", L"Cassette 3"}), MarkedChoices(sheet->Items().FindByDmPubId(DMPUB_DEFSOURCE)));

    // A later sheet of the same object asks again and evaluates anew.
    session.DriverUI().SetInstalledOption("QVTrayUnit", "2Tray");
    sheet = OpenDocumentSheet();
    EXPECT_EQ(Texts({L"Cassette 3"}), MarkedChoices(sheet->Items().FindByDmPubId(DMPUB_DEFSOURCE)));

    session.DriverUI().SetInstalledOption("QVTrayUnit", "3Tray");
    sheet = OpenDocumentSheet();
    EXPECT_TRUE(MarkedChoices(sheet->Items().FindByDmPubId(DMPUB_DEFSOURCE)).empty());
}

TEST_F(ItemAdjustment, AsksTheHostForEachInstallableFeatureAndKeepsDefaultsWhenRefused) {
    session.DriverUI().RefuseGetDriverSetting(true);
    auto sheet = OpenDocumentSheet();
    const std::vector<std::string> asked = {"QVTrayUnit", "QVDuplexOption", "QVStackerOption"};
    EXPECT_EQ(asked, session.DriverUI().SettingsAskedFor());
    // The PPD's defaults: no cassette unit, no duplex unit, no stacker.
    EXPECT_EQ(Texts({L"Cassette 2", L"Cassette 3"}), MarkedChoices(sheet->Items().FindByDmPubId(DMPUB_DEFSOURCE)));
    EXPECT_EQ(Texts({L"Short Edge", L"Long Edge"}), MarkedChoices(sheet->Items().FindByDmPubId(DMPUB_DUPLEX)));
}

TEST_F(ItemAdjustment, MarksPpdFeatureItemsThatTheFeatureTableKnows) {
    session.DriverUI().SetInstalledOption("QVStackerOption", "False");
    auto sheet = OpenDocumentSheet();
    EXPECT_EQ(Texts({L"Stacker"}), MarkedChoices(sheet->Items().FindByName(kOutputBinName)));
    // Ruled out as well, but not a feature the plug-in looks after.
    EXPECT_TRUE(MarkedChoices(sheet->Items().FindByName(kGlossName)).empty());

    session.DriverUI().SetInstalledOption("QVStackerOption", "True");
    sheet = OpenDocumentSheet();
    EXPECT_TRUE(MarkedChoices(sheet->Items().FindByName(kOutputBinName)).empty());
}

TEST_F(ItemAdjustment, DuplexChoicesFollowTheDuplexUnit) {
    session.DriverUI().SetInstalledOption("QVDuplexOption", "True");
    auto sheet = OpenDocumentSheet();
    EXPECT_TRUE(MarkedChoices(sheet->Items().FindByDmPubId(DMPUB_DUPLEX)).empty());
    EXPECT_EQ(!RunsOnLegacyPlatform(),
              HasFlag(sheet->Items().FindByDmPubId(DMPUB_DUPLEX), OPTIF_HIDE));
}

TEST_F(ItemAdjustment, ReadsThePpdFileOncePerObject) {
    session.DriverUI().SetInstalledOption("QVTrayUnit", "1Tray");
    OpenDocumentSheet();
    // The printer's file changes under us: every cassette allowed now. The
    // object keeps the model it read.
    TempFile relaxed(std::string(kTestPrinterPpd).substr(0, std::string(kTestPrinterPpd).find("*UIConstraints")));
    ASSERT_TRUE(CopyFileW(relaxed.Path().c_str(), session.Printer().InstalledPpdPath().c_str(), FALSE));
    auto sheet = OpenDocumentSheet();
    EXPECT_EQ(Texts({L"Cassette 2", L"Cassette 3"}), MarkedChoices(sheet->Items().FindByDmPubId(DMPUB_DEFSOURCE)));
}

TEST_F(ItemAdjustment, ColourModeIsDisabledOnlyWhenAColourItemBeforeItIsOff) {
    auto descriptions = DocumentItemDescriptions();
    FindDescription(descriptions, DMPUB_COLOR)->sel = 0;
    auto sheet = OpenSheet(OEMCUIP_DOCPROP, descriptions);
    EXPECT_TRUE(HasFlag(sheet->Items().FindByName(kRenderingName), OPTIF_DISABLED));

    FindDescription(descriptions, DMPUB_COLOR)->sel = 1;
    sheet = OpenSheet(OEMCUIP_DOCPROP, descriptions);
    EXPECT_FALSE(HasFlag(sheet->Items().FindByName(kRenderingName), OPTIF_DISABLED));

    FindDescription(descriptions, DMPUB_COLOR)->sel = 0;
    MoveItemToEnd(descriptions, DMPUB_COLOR);
    sheet = OpenSheet(OEMCUIP_DOCPROP, descriptions);
    EXPECT_FALSE(HasFlag(sheet->Items().FindByName(kRenderingName), OPTIF_DISABLED)) << "colour item after it";

    RemoveItem(descriptions, DMPUB_COLOR);
    sheet = OpenSheet(OEMCUIP_DOCPROP, descriptions);
    EXPECT_FALSE(HasFlag(sheet->Items().FindByName(kRenderingName), OPTIF_DISABLED)) << "no colour item";
}

TEST_F(ItemAdjustment, APrinterWithoutItsPpdGetsOnlyTheHiding) {
    session.DriverUI().SetInstalledOption("QVTrayUnit", "1Tray");
    auto descriptions = DocumentItemDescriptions();
    FindDescription(descriptions, DMPUB_COLOR)->sel = 0;
    auto sheet = session.MakeSheet(OEMCUIP_DOCPROP, descriptions);
    sheet->Param().hPrinter = nullptr;  // the spooler can tell us nothing
    ASSERT_EQ(S_OK, session.RunCommonUIProp(*sheet));
    EXPECT_EQ(HiddenLayoutIds(), HiddenIdsOf(*sheet));
    EXPECT_TRUE(MarkedChoices(sheet->Items().FindByDmPubId(DMPUB_DEFSOURCE)).empty());
    EXPECT_FALSE(HasFlag(sheet->Items().FindByName(kRenderingName), OPTIF_DISABLED));
    EXPECT_NE(nullptr, sheet->Param().OEMCUIPCallback);
}

TEST_F(ItemAdjustment, WithoutItsOwnModuleThePluginMarksNothing) {
    session.DriverUI().SetInstalledOption("QVTrayUnit", "1Tray");
    auto sheet = session.MakeDocumentSheet();
    sheet->Param().hModule = nullptr;
    ASSERT_EQ(S_OK, session.RunCommonUIProp(*sheet));
    EXPECT_EQ(HiddenLayoutIds(), HiddenIdsOf(*sheet));
    EXPECT_TRUE(MarkedChoices(sheet->Items().FindByDmPubId(DMPUB_DEFSOURCE)).empty());
}

TEST_F(ItemAdjustment, AnObjectWithoutTheDriverInterfaceUsesThePpdDefaults) {
    ComRef<IPrintOemUI2> bare;
    ASSERT_EQ(S_OK, session.Library().CreatePluginObject(bare.Put()));
    auto sheet = session.MakeDocumentSheet();
    sheet->PrepareCountingCall();
    EXPECT_EQ(S_OK, bare->CommonUIProp(OEMCUIP_DOCPROP, &sheet->Param()));
    sheet->PrepareFillingCall();
    EXPECT_EQ(S_OK, bare->CommonUIProp(OEMCUIP_DOCPROP, &sheet->Param()));
    bare.Reset();
    EXPECT_EQ(Texts({L"Cassette 2", L"Cassette 3"}), MarkedChoices(sheet->Items().FindByDmPubId(DMPUB_DEFSOURCE)));
}

TEST_F(ItemAdjustment, LeavesIncompleteHostItemsAloneAndGoesOnWithTheRest) {
    session.DriverUI().SetInstalledOption("QVTrayUnit", "1Tray");
    auto descriptions = DocumentItemDescriptions();
    FindDescription(descriptions, DMPUB_COLOR)->sel = 0;
    auto sheet = session.MakeSheet(OEMCUIP_DOCPROP, descriptions);
    host::ItemArray& items = sheet->Items();
    items.FindByDmPubId(DMPUB_FORMNAME)->pOptType = nullptr;
    items.FindByDmPubId(DMPUB_MEDIATYPE)->pOptType->pOptParam = nullptr;
    items.FindByName(kOutputBinName)->UserData = 0;
    reinterpret_cast<USERDATA*>(items.FindByName(kRenderingName)->UserData)->pKeyWordName = nullptr;
    items.FindByName(kGlossName)->pName = nullptr;
    ASSERT_EQ(S_OK, session.RunCommonUIProp(*sheet));

    EXPECT_EQ(Texts({L"Cassette 2", L"Cassette 3"}), MarkedChoices(items.FindByDmPubId(DMPUB_DEFSOURCE)));
    EXPECT_FALSE(HasFlag(items.FindByName(kRenderingName), OPTIF_DISABLED)) << "no keyword, no rule";
    EXPECT_EQ(HiddenLayoutIds(), HiddenIdsOf(*sheet));
}

TEST_F(ItemAdjustment, MissingHostRecordsLeaveTheItemsAsTheyWere) {
    session.DriverUI().SetInstalledOption("QVTrayUnit", "1Tray");
    EXPECT_EQ(S_OK, session.Plugin().CommonUIProp(OEMCUIP_DOCPROP, nullptr));
    EXPECT_EQ(S_OK, session.Plugin().CommonUIProp(OEMCUIP_PRNPROP, nullptr));

    // No item array, but a count of many: the array is not read, so nothing
    // changes; the document sheet still gets its callback.
    for (DWORD mode : {OEMCUIP_DOCPROP, OEMCUIP_PRNPROP, DWORD{7}}) {
        auto sheet = session.MakeSheet(mode, DocumentItemDescriptions());
        sheet->Param().pDrvOptItems = nullptr;
        EXPECT_EQ(S_OK, session.RunCommonUIProp(*sheet)) << "mode " << mode;
        EXPECT_EQ(std::vector<std::size_t>(), ChangedItems(*sheet)) << "mode " << mode;
        EXPECT_EQ(mode == OEMCUIP_DOCPROP, sheet->Param().OEMCUIPCallback != nullptr) << "mode " << mode;
    }

    // A sheet mode the plug-in does not know: the items stay as they are.
    auto unknown = session.MakeSheet(7, DocumentItemDescriptions());
    EXPECT_EQ(S_OK, session.RunCommonUIProp(*unknown));
    EXPECT_EQ(std::vector<std::size_t>(), ChangedItems(*unknown));

    // No heap and no OEMUIOBJ for a new object: the PPD path cannot be
    // fetched, so there is no model and only the hiding is done.
    ComRef<IPrintOemUI2> fresh;
    ASSERT_EQ(S_OK, session.Library().CreatePluginObject(fresh.Put()));
    ASSERT_EQ(S_OK, fresh->PublishDriverInterface(&session.DriverUI()));
    auto sheet = session.MakeDocumentSheet();
    sheet->Param().hOEMHeap = nullptr;
    sheet->Param().poemuiobj = nullptr;
    sheet->PrepareCountingCall();
    EXPECT_EQ(S_OK, fresh->CommonUIProp(OEMCUIP_DOCPROP, &sheet->Param()));
    sheet->PrepareFillingCall();
    EXPECT_EQ(S_OK, fresh->CommonUIProp(OEMCUIP_DOCPROP, &sheet->Param()));
    EXPECT_EQ(HiddenLayoutIds(), HiddenIdsOf(*sheet));
    EXPECT_TRUE(MarkedChoices(sheet->Items().FindByDmPubId(DMPUB_DEFSOURCE)).empty());
    EXPECT_EQ(ChangedItems(*sheet).size(), HiddenLayoutIds().size()) << "only the hidden items changed";
}

TEST_F(ItemAdjustment, PrinterSheetHidesTheFormToTrayGroupUpToItsNextSibling) {
    std::vector<HostItemDescription> descriptions(6);
    const BYTE levels[] = {1, 2, 2, 1, 2, 1};
    for (std::size_t i = 0; i < descriptions.size(); ++i) {
        descriptions[i].level = levels[i];
        descriptions[i].name = L"item " + std::to_wstring(i);
        descriptions[i].options = {L"A4", L"Letter"};
    }
    descriptions[0].nameResourceId = host::kFormTrayAssignName;
    descriptions[5].nameResourceId = host::kInitialTreeItemName;
    auto sheet = OpenSheet(OEMCUIP_PRNPROP, descriptions);
    host::ItemArray& items = sheet->Items();

    const bool hidden[] = {true, true, true, false, false, false};
    for (std::size_t i = 0; i < descriptions.size(); ++i) {
        EXPECT_EQ(hidden[i], HasFlag(&items[i], OPTIF_HIDE)) << "item " << i;
        const bool paramsHidden = (items[i].pOptType->pOptParam[0].Flags & OPTPF_HIDE) != 0;
        EXPECT_EQ(hidden[i] && i != 0, paramsHidden) << "options of item " << i;
    }
    EXPECT_TRUE(HasFlag(&items[5], OPTIF_INITIAL_TVITEM));
    EXPECT_EQ(nullptr, sheet->Param().OEMCUIPCallback) << "no callback on the printer sheet";
}

// A printer sheet whose items stand on the given levels, the form-to-tray
// group at index group; answers which items ended up hidden, as a row of
// 'H' (hidden) and '.' (left alone).
std::string HiddenRowOfPrinterSheet(host::PluginSession& session, const std::vector<BYTE>& levels,
                                    std::size_t group) {
    std::vector<HostItemDescription> descriptions(levels.size());
    for (std::size_t i = 0; i < levels.size(); ++i) {
        descriptions[i].level = levels[i];
        descriptions[i].name = L"item " + std::to_wstring(i);
        descriptions[i].options = {L"A4", L"Letter"};
    }
    descriptions[group].nameResourceId = host::kFormTrayAssignName;
    auto sheet = session.MakeSheet(OEMCUIP_PRNPROP, descriptions);
    EXPECT_EQ(S_OK, session.RunCommonUIProp(*sheet));
    std::string row;
    for (std::size_t i = 0; i < levels.size(); ++i) {
        row += HasFlag(&sheet->Items()[i], OPTIF_HIDE) ? 'H' : '.';
    }
    return row;
}

TEST_F(ItemAdjustment, PrinterSheetEndsTheHiddenGroupAtItsLevelOrAShallowerOne) {
    struct Case {
        const char* what;
        std::vector<BYTE> levels;
        std::size_t group;
        const char* hidden;
    };
    const Case cases[] = {
        {"siblings", {1, 2, 2, 1, 2}, 0, "HHH.."},
        {"a nested group, then a shallower item", {2, 3, 4, 3, 1, 2}, 0, "HHHH.."},
        {"a shallower item and none on the group's level after", {1, 2, 3, 1, 1}, 1, ".HH.."},
        {"the group last", {1, 1, 2}, 2, "..H"},
        {"the group at the top level", {1, 2, 3, 1}, 0, "HHH."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.hidden, HiddenRowOfPrinterSheet(session, c.levels, c.group)) << c.what;
    }
}

TEST_F(ItemAdjustment, TheInitialTreeItemIsAPrinterSheetMatter) {
    auto descriptions = DocumentItemDescriptions();
    HostItemDescription item400;
    item400.nameResourceId = host::kInitialTreeItemName;
    descriptions.push_back(item400);
    auto sheet = OpenSheet(OEMCUIP_DOCPROP, descriptions);
    EXPECT_FALSE(HasFlag(&sheet->Items()[descriptions.size() - 1], OPTIF_INITIAL_TVITEM));
}

TEST_F(ItemAdjustment, PrinterSheetBuiltFromThePpdLosesItsTrayAssignments) {
    auto sheet = session.MakePrinterSheet();
    ASSERT_EQ(S_OK, session.RunCommonUIProp(*sheet));
    host::ItemArray& items = sheet->Items();
    EXPECT_TRUE(HasFlag(items.FindByName(L"Cassette 1"), OPTIF_HIDE));
    EXPECT_TRUE(HasFlag(items.FindByName(L"Automatically Select"), OPTIF_HIDE));
    EXPECT_FALSE(HasFlag(items.FindByName(L"Installable Options"), OPTIF_HIDE));
    EXPECT_FALSE(HasFlag(items.FindByName(L"Lower Cassette Unit"), OPTIF_HIDE));
}

// --- The PPD path, as the spooler reports it ---

std::wstring g_fakeDataFile;

// Answers a driver whose data file is g_fakeDataFile.
BOOL WINAPI FakeGetPrinterDriverW(HANDLE, LPWSTR, DWORD level, LPBYTE buffer, DWORD size, LPDWORD needed) {
    const DWORD bytes = sizeof(DRIVER_INFO_3W) + (g_fakeDataFile.size() + 1) * sizeof(WCHAR);
    *needed = bytes;
    if (level != 3 || buffer == nullptr || size < bytes) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    auto* info = reinterpret_cast<DRIVER_INFO_3W*>(buffer);
    *info = DRIVER_INFO_3W{};
    info->pDataFile = reinterpret_cast<LPWSTR>(info + 1);
    CopyMemory(info->pDataFile, g_fakeDataFile.c_str(), (g_fakeDataFile.size() + 1) * sizeof(WCHAR));
    return TRUE;
}

TEST_F(ItemAdjustment, APathTooLongForTheBufferGivesNoModelYet) {
    session.DriverUI().SetInstalledOption("QVTrayUnit", "1Tray");
    {
        g_fakeDataFile = L"C:\\" + std::wstring(257, L'x');  // 260 units
        host::ImportPatch patch(session.Library().Module(), "winspool.drv", "GetPrinterDriverW",
                                reinterpret_cast<void*>(&FakeGetPrinterDriverW));
        ASSERT_TRUE(patch.IsActive());
        auto sheet = OpenDocumentSheet();
        EXPECT_TRUE(MarkedChoices(sheet->Items().FindByDmPubId(DMPUB_DEFSOURCE)).empty());
    }
    // No model was kept, so the next counting call reads the real file.
    auto sheet = OpenDocumentSheet();
    EXPECT_EQ(Texts({L"Cassette 2", L"Cassette 3"}), MarkedChoices(sheet->Items().FindByDmPubId(DMPUB_DEFSOURCE)));
}

TEST_F(ItemAdjustment, AMissingPpdFileGivesAnEmptyModelForGood) {
    session.DriverUI().SetInstalledOption("QVTrayUnit", "1Tray");
    {
        g_fakeDataFile = L"C:\\no such directory\\" + std::wstring(238, L'y');  // 259 units
        host::ImportPatch patch(session.Library().Module(), "winspool.drv", "GetPrinterDriverW",
                                reinterpret_cast<void*>(&FakeGetPrinterDriverW));
        ASSERT_TRUE(patch.IsActive());
        ASSERT_EQ(259u, g_fakeDataFile.size());
        auto sheet = OpenDocumentSheet();
        EXPECT_TRUE(MarkedChoices(sheet->Items().FindByDmPubId(DMPUB_DEFSOURCE)).empty());
    }
    auto sheet = OpenDocumentSheet();
    EXPECT_TRUE(MarkedChoices(sheet->Items().FindByDmPubId(DMPUB_DEFSOURCE)).empty());
    EXPECT_EQ(HiddenLayoutIds(), HiddenIdsOf(*sheet));
}

// --- The platform version decides whether the layout items stay ---

struct PlatformCase {
    PlatformVersion version;
    bool layoutHidden;
};

class LegacyPlatform : public SheetTest, public ::testing::WithParamInterface<PlatformCase> {};

TEST_P(LegacyPlatform, DecidesWhetherTheLayoutItemsStayVisible) {
    PlatformVersionPatch patch(session.Library().Module(), GetParam().version);
    ASSERT_TRUE(patch.IsActive());
    auto sheet = OpenDocumentSheet();
    EXPECT_EQ(GetParam().layoutHidden ? LayoutIdsOfThisBuild() : std::vector<BYTE>(),
              HiddenIdsOf(*sheet));
}

INSTANTIATE_TEST_SUITE_P(
    Versions, LegacyPlatform,
    ::testing::Values(PlatformCase{{"nt4", TRUE, 4, 0, 6}, false},
                      PlatformCase{{"w2000", TRUE, 5, 0, 4}, false},
                      PlatformCase{kWindowsXpSp2, false},
                      PlatformCase{{"xp_sp3", TRUE, 5, 1, 3}, true},
                      PlatformCase{{"server2003", TRUE, 5, 2, 0}, true},
                      PlatformCase{{"vista", TRUE, 6, 0, 0}, true},
                      PlatformCase{kWindows7, true},
                      PlatformCase{{"query_fails", FALSE, 0, 0, 0}, true}),
    [](const ::testing::TestParamInfo<PlatformCase>& info) { return std::string(info.param.version.name); });

// Unpatched: the version the system reports (an older one in the legacy test
// passes, whose Wine prefixes are made to report it).
TEST_F(ItemAdjustment, ThePlatformWeRunOnDecidesWhetherTheLayoutItemsStayVisible) {
    const ReportedPlatform platform = QueryReportedPlatform();
    ASSERT_TRUE(platform.bQueried) << "GetVersionExW failed: " << GetLastError();
    const std::string meant = PlatformThePrefixReports();
    if (!meant.empty()) {
        EXPECT_EQ(meant, DescribePlatform(platform))
            << "the Wine prefix of this pass reports another version";
    }
    auto sheet = OpenDocumentSheet();
    EXPECT_EQ(IsLegacyPlatform(platform) ? std::vector<BYTE>() : LayoutIdsOfThisBuild(),
              HiddenIdsOf(*sheet))
        << "on Windows " << DescribePlatform(platform);
}

}  // namespace
}  // namespace marlow::test
