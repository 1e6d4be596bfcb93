// An application on the installed printer: DocumentPropertiesW asks the
// spooler's winspool, which loads the driver's configuration module from the
// driver directory, which loads the plug-in the configuration file names.
// The settings an application gets: their size, the defaults, stored
// settings merged (sound and hostile ones, read and written only within
// their sizes), and the sheet shown through compstui with the user's choices
// coming back on OK and not on Cancel.
#include "installed_package.h"

#include "host/compstui_sheet.h"
#include "host/message_box_catcher.h"
#include "host/page_driving.h"
#include "host/private_section_layout.h"
#include "host/shown_sheet_watch.h"
#include "host/ui_module/driver_entry_records.h"
#include "host/utf8_text.h"
#include "platform/property_sheet.h"
#include "platform/win32_handles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <vector>

namespace marlow::test {
namespace {

constexpr std::size_t kPrivateSize = 172;
constexpr std::size_t kSettingsSize = sizeof(DEVMODEW) + kPrivateSize;
constexpr std::size_t kGuardSize = 64;
constexpr unsigned char kOutGuard = 0xA5;
constexpr unsigned char kInGuard = 0x5A;

// The plug-in's private defaults, as stored: size, 'QVPS', version 2,
// reserved 1, everything else zero.
std::vector<unsigned char> ExpectedPrivateDefaults() {
    std::vector<unsigned char> section(kPrivateSize, 0);
    host::WriteSectionU32(section.data(), 0, kPrivateSize);
    host::WriteSectionU32(section.data(), 4, 0x51565053);
    host::WriteSectionU32(section.data(), 8, 2);
    host::WriteSectionU32(section.data(), 12, 1);
    return section;
}

void WriteText(std::vector<unsigned char>& section, const char* field, const std::wstring& text) {
    host::WriteSectionText(section.data(), *host::FindSectionField(field), text);
}

// The defaults with a confidential stored job.
std::vector<unsigned char> ConfidentialJob() {
    std::vector<unsigned char> section = ExpectedPrivateDefaults();
    host::WriteSectionU32(section.data(), 20, 4);
    WriteText(section, "wszJobUserName", L"anna");
    WriteText(section, "wszJobName", L"Quarterly");
    WriteText(section, "wszJobPassword", L"2468");
    return section;
}

// Settings an application passes in: the bytes, then guard bytes that no
// reader may take for settings.
struct StoredBuffer {
    std::vector<unsigned char> bytes;
    DEVMODEW* Devmode() { return reinterpret_cast<DEVMODEW*>(bytes.data()); }
};

StoredBuffer MakeStored(const DEVMODEW& publicPart, const std::vector<unsigned char>& extra) {
    StoredBuffer stored;
    stored.bytes.assign(sizeof(DEVMODEW) + extra.size() + kGuardSize, kInGuard);
    std::memcpy(stored.bytes.data(), &publicPart, sizeof(DEVMODEW));
    std::memcpy(stored.bytes.data() + sizeof(DEVMODEW), extra.data(), extra.size());
    stored.Devmode()->dmSize = sizeof(DEVMODEW);
    stored.Devmode()->dmDriverExtra = static_cast<WORD>(extra.size());
    return stored;
}

// The application's output buffer: the settings' size, then guard bytes.
struct OutBuffer {
    std::vector<unsigned char> bytes = std::vector<unsigned char>(kSettingsSize + kGuardSize, kOutGuard);
    DEVMODEW* Devmode() { return reinterpret_cast<DEVMODEW*>(bytes.data()); }
    std::vector<unsigned char> Private() const {
        return {bytes.begin() + sizeof(DEVMODEW), bytes.begin() + kSettingsSize};
    }
    bool GuardIntact() const {
        return std::all_of(bytes.begin() + kSettingsSize, bytes.end(), [](unsigned char b) { return b == kOutGuard; });
    }
};

class ApplicationPath : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Installed().bPrinterAdded) << host::ToUtf8(Installed().printerProblem);
        name_ = Installed().printerName;
        ASSERT_TRUE(OpenPrinterW(&name_[0], printer_.Put(), nullptr)) << GetLastError();
    }

    LONG CallDocumentProperties(DEVMODEW* out, DEVMODEW* in, DWORD mode, HWND owner = nullptr) {
        return DocumentPropertiesW(owner, printer_.Get(), &name_[0], out, in, mode);
    }

    // DM_OUT_BUFFER without stored settings: the defaults.
    OutBuffer Defaults() {
        OutBuffer out;
        EXPECT_EQ(IDOK, CallDocumentProperties(out.Devmode(), nullptr, DM_OUT_BUFFER));
        return out;
    }

    std::wstring name_;
    UniquePrinter printer_;
};

TEST_F(ApplicationPath, TheSizeQueryCountsThePublicPartAndThePrivateSection) {
    EXPECT_EQ(static_cast<LONG>(kSettingsSize), CallDocumentProperties(nullptr, nullptr, 0));
}

TEST_F(ApplicationPath, TheOutputBufferGetsThePublicDefaultsAndThePluginsPrivateDefaults) {
    OutBuffer out = Defaults();
    const DEVMODEW& settings = *out.Devmode();
    EXPECT_EQ(sizeof(DEVMODEW), settings.dmSize);
    EXPECT_EQ(kPrivateSize, settings.dmDriverExtra);
    EXPECT_EQ(DMORIENT_PORTRAIT, settings.dmOrientation);
    EXPECT_EQ(DMDUP_SIMPLEX, settings.dmDuplex);
    EXPECT_EQ(name_.substr(0, CCHDEVICENAME - 1), std::wstring(settings.dmDeviceName));
    EXPECT_EQ(ExpectedPrivateDefaults(), out.Private());
    EXPECT_TRUE(out.GuardIntact());
}

struct StoredCase {
    const char* name;
    std::function<StoredBuffer(const DEVMODEW& landscape)> make;
    bool bPublicTaken;                       // the landscape choice comes through
    std::vector<unsigned char> expectedPrivate;
};

std::vector<unsigned char> Prefix(const std::vector<unsigned char>& bytes, std::size_t size) {
    return {bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size)};
}

std::vector<StoredCase> StoredCases() {
    const std::vector<unsigned char> defaults = ExpectedPrivateDefaults();
    const std::vector<unsigned char> job = ConfidentialJob();
    std::vector<unsigned char> oldVersion = job;
    host::WriteSectionU32(oldVersion.data(), 8, 1);
    // The first 24 bytes of a job (kind and flags), as a section of 24 bytes.
    std::vector<unsigned char> shortSection = Prefix(job, 24);
    host::WriteSectionU32(shortSection.data(), 0, 24);
    std::vector<unsigned char> shortResult = defaults;
    host::WriteSectionU32(shortResult.data(), 20, 4);
    std::vector<unsigned char> lyingSection = Prefix(job, 24);  // says 172, carries 24
    std::vector<unsigned char> hugeSection = job;
    host::WriteSectionU32(hugeSection.data(), 0, 0xFFFFFFF0u);
    std::vector<unsigned char> foreignSignature = job;
    host::WriteSectionU32(foreignSignature.data(), 4, 0x58585858);
    std::vector<unsigned char> otherDriver(300, 0x11);       // a size no section can have
    std::vector<unsigned char> otherDriverSized(300, 0x22);  // its own header, its own signature
    host::WriteSectionU32(otherDriverSized.data(), 0, 300);
    host::WriteSectionU32(otherDriverSized.data(), 4, 0x12345678);

    const auto with = [](std::vector<unsigned char> extra) {
        return [extra](const DEVMODEW& landscape) { return MakeStored(landscape, extra); };
    };
    const auto withPublicSize = [job](WORD size) {
        return [job, size](const DEVMODEW& landscape) {
            StoredBuffer stored = MakeStored(landscape, job);
            stored.Devmode()->dmSize = size;
            return stored;
        };
    };
    return {
        {"a sound stored job (version 1)", with(oldVersion), true, job},
        {"a short section of the same signature", with(shortSection), true, shortResult},
        {"a section claiming more than the settings carry", with(lyingSection), true, defaults},
        {"a section claiming nearly 4 GB", with(hugeSection), true, defaults},
        {"a section of another signature", with(foreignSignature), true, defaults},
        {"another driver's extra bytes", with(otherDriver), true, defaults},
        {"another driver's sized extra bytes", with(otherDriverSized), true, defaults},
        {"no private section", with({}), true, defaults},
        {"a public size of 10 bytes", withPublicSize(10), false, defaults},
        {"a public size of 64 KB", withPublicSize(0xFFFF), false, defaults},
    };
}

TEST_F(ApplicationPath, StoredSettingsAreMergedWithinTheirOwnSizes) {
    OutBuffer defaults = Defaults();
    DEVMODEW landscape = *defaults.Devmode();
    landscape.dmOrientation = DMORIENT_LANDSCAPE;
    landscape.dmFields |= DM_ORIENTATION;
    for (const StoredCase& stored : StoredCases()) {
        SCOPED_TRACE(stored.name);
        StoredBuffer in = stored.make(landscape);
        const std::vector<unsigned char> inBefore = in.bytes;
        OutBuffer out;
        EXPECT_EQ(IDOK, CallDocumentProperties(out.Devmode(), in.Devmode(), DM_IN_BUFFER | DM_OUT_BUFFER));
        EXPECT_EQ(stored.bPublicTaken ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT, out.Devmode()->dmOrientation);
        EXPECT_EQ(kPrivateSize, out.Devmode()->dmDriverExtra);
        EXPECT_EQ(stored.expectedPrivate, out.Private());
        EXPECT_TRUE(out.GuardIntact());
        EXPECT_EQ(inBefore, in.bytes);  // the application's settings are not written to
    }
}

// The sheet through DocumentPropertiesW: landscape on the Layout page, a
// confidential stored job on the Extended Settings page, then the button.
struct PromptRun {
    LONG returned = 0;
    bool bShown = false;
    std::vector<std::wstring> tabs;
    std::wstring pluginPath, modulePath;
    std::vector<host::CaughtMessageBox> boxes;
};

HWND OpenTab(HWND sheet, const std::wstring& title) {
    const std::vector<std::wstring> tabs = host::ReadTabTitles(sheet);
    const auto found = std::find(tabs.begin(), tabs.end(), title);
    if (found == tabs.end()) return nullptr;
    SendMessageW(sheet, PSM_SETCURSEL, static_cast<WPARAM>(found - tabs.begin()), 0);
    return reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

void ChooseComboEntry(HWND page, int id, int position) {
    const HWND list = GetDlgItem(page, id);
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(position), 0);
    SendMessageW(page, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

std::wstring LoadedModulePath(const wchar_t* name) {
    const HMODULE module = GetModuleHandleW(name);
    wchar_t path[MAX_PATH] = {};
    if (module != nullptr) GetModuleFileNameW(module, path, MAX_PATH);
    return path;
}

// Controls of the plug-in's pages.
constexpr int kOrientationList = 11004;
constexpr int kLandscapeEntry = 1;
constexpr int kReserveJob = 10006;
constexpr int kConfidentialJob = 10012;
constexpr int kJobPassword = 10014;
constexpr int kJobUserName = 10016;
constexpr int kJobName = 10018;

PromptRun RunPrompt(HANDLE printer, std::wstring name, OutBuffer& out, DEVMODEW* in, int button) {
    PromptRun run;
    host::MessageBoxCatcher catcher;
    host::ShownSheetWatch watch([&](HWND sheet) {
        run.tabs = host::ReadTabTitles(sheet);
        run.pluginPath = LoadedModulePath(L"marlowui.dll");
        run.modulePath = LoadedModulePath(L"marlowdrvui.dll");
        if (HWND layout = OpenTab(sheet, L"Layout")) ChooseComboEntry(layout, kOrientationList, kLandscapeEntry);
        if (HWND job = OpenTab(sheet, L"Extended Settings")) {
            host::ClickControl(job, kReserveJob);
            host::ClickControl(job, kConfidentialJob);
            host::TypeText(job, kJobPassword, L"2468");
            host::TypeText(job, kJobUserName, L"anna");
            host::TypeText(job, kJobName, L"Quarterly");
        }
        PostMessageW(sheet, PSM_PRESSBUTTON, static_cast<WPARAM>(button), 0);
    });
    run.returned = DocumentPropertiesW(nullptr, printer, &name[0], out.Devmode(), in,
                                       DM_IN_BUFFER | DM_IN_PROMPT | DM_OUT_BUFFER);
    run.bShown = watch.WasShown();
    run.boxes = catcher.Boxes();
    return run;
}

TEST_F(ApplicationPath, OkOnTheSheetHandsTheUsersChoicesBackByteForByte) {
    OutBuffer defaults = Defaults();
    OutBuffer out = defaults;
    const PromptRun run = RunPrompt(printer_.Get(), name_, out, defaults.Devmode(), PSBTN_OK);
    ASSERT_TRUE(run.bShown);
    EXPECT_EQ(IDOK, run.returned);
    EXPECT_EQ((std::vector<std::wstring>{L"Layout", L"Extended Settings"}),
              std::vector<std::wstring>(run.tabs.end() - std::min<std::size_t>(2, run.tabs.size()), run.tabs.end()));
    EXPECT_TRUE(run.boxes.empty()) << host::ToUtf8(run.boxes.empty() ? L"" : run.boxes[0].text);
    EXPECT_EQ(DMORIENT_LANDSCAPE, out.Devmode()->dmOrientation);
    EXPECT_EQ(ConfidentialJob(), out.Private());
    EXPECT_TRUE(out.GuardIntact());
    // The installed copies, not the build tree's.
    const std::wstring versionDir = host::GetDriverDirectory(nullptr) + L"\\3\\";
    EXPECT_EQ(0, lstrcmpiW((versionDir + L"marlowui.dll").c_str(), run.pluginPath.c_str())) << host::ToUtf8(run.pluginPath);
    EXPECT_EQ(0, lstrcmpiW((versionDir + L"marlowdrvui.dll").c_str(), run.modulePath.c_str())) << host::ToUtf8(run.modulePath);
}

TEST_F(ApplicationPath, CancelOnTheSheetLeavesTheApplicationsSettingsAsTheyWere) {
    OutBuffer defaults = Defaults();
    OutBuffer out = defaults;
    const PromptRun run = RunPrompt(printer_.Get(), name_, out, defaults.Devmode(), PSBTN_CANCEL);
    ASSERT_TRUE(run.bShown);
    // Windows' winspool answers IDCANCEL; Wine 8's answers what
    // CommonPropertySheetUIW returned (1, the sheet ran), whichever button
    // closed it. The settings tell the application the truth either way.
    EXPECT_TRUE(run.returned == IDCANCEL || run.returned == IDOK) << run.returned;
    RecordProperty("returned_on_cancel", static_cast<int>(run.returned));
    EXPECT_EQ(defaults.bytes, out.bytes);
}

}  // namespace
}  // namespace marlow::test

namespace marlow::test {
namespace {

TEST_F(ApplicationPath, DeviceCapabilitiesAnswersFromTheDriversModule) {
    std::wstring port = L"FILE:";
    EXPECT_EQ(static_cast<int>(sizeof(DEVMODEW)), DeviceCapabilitiesW(name_.c_str(), port.c_str(), DC_SIZE, nullptr, nullptr));
    EXPECT_EQ(static_cast<int>(kPrivateSize), DeviceCapabilitiesW(name_.c_str(), port.c_str(), DC_EXTRA, nullptr, nullptr));
    EXPECT_EQ(90, DeviceCapabilitiesW(name_.c_str(), port.c_str(), DC_ORIENTATION, nullptr, nullptr));
    EXPECT_EQ(1, DeviceCapabilitiesW(name_.c_str(), port.c_str(), DC_DUPLEX, nullptr, nullptr));
    EXPECT_EQ(-1, DeviceCapabilitiesW(name_.c_str(), port.c_str(), DC_PAPERS, nullptr, nullptr));
}

}  // namespace
}  // namespace marlow::test

namespace marlow::test {
namespace {

// Wine's PrinterProperties is a stub that never reaches the driver: the
// printer folder's one step, CommonPropertySheetUIW on the installed
// module's DrvDevicePropertySheets, is taken here.
TEST_F(ApplicationPath, ThePrinterSheetOfTheInstalledModuleShowsTheDriversItems) {
    const host::InstalledDriver driver = host::ReadInstalledDriver(name_);
    ASSERT_TRUE(driver.bFound);
    const UniqueModule module(LoadLibraryW(driver.configFile.c_str()));
    ASSERT_TRUE(module);
    const UniqueModule compstui(LoadLibraryW(L"compstui.dll"));
    const auto sheetFunction = reinterpret_cast<PFNPROPSHEETUI_STDCALL>(
        reinterpret_cast<void*>(GetProcAddress(module.Get(), "DrvDevicePropertySheets")));
    const auto commonPropertySheetUI = reinterpret_cast<PFN_CommonPropertySheetUIW>(
        reinterpret_cast<void*>(GetProcAddress(compstui.Get(), "CommonPropertySheetUIW")));
    ASSERT_NE(nullptr, sheetFunction);
    ASSERT_NE(nullptr, commonPropertySheetUI);

    DEVICEPROPERTYHEADER header = {};
    header.cbSize = sizeof(header);
    header.hPrinter = printer_.Get();
    header.pszPrinterName = &name_[0];
    std::vector<std::wstring> tabs;
    host::ShownSheetWatch watch([&](HWND sheet) {
        tabs = host::ReadTabTitles(sheet);
        PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    });
    DWORD result = 0;
    commonPropertySheetUI(nullptr, sheetFunction, reinterpret_cast<LPARAM>(&header), &result);
    ASSERT_TRUE(watch.WasShown());
    EXPECT_EQ(std::vector<std::wstring>{L"Advanced"}, tabs);

    // A header that says it is smaller than the record: no sheet, no crash.
    DEVICEPROPERTYHEADER shortHeader = header;
    shortHeader.cbSize = 4;
    host::ShownSheetWatch none([](HWND sheet) { PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0); });
    EXPECT_LE(commonPropertySheetUI(nullptr, sheetFunction, reinterpret_cast<LPARAM>(&shortHeader), &result), 0);
    EXPECT_FALSE(none.WasShown());
}

}  // namespace
}  // namespace marlow::test

namespace marlow::test {
namespace {

// What winspool hands the module is not trusted either: a missing header,
// or one shorter than the record, gets -1 and ERROR_INVALID_PARAMETER, and
// an output buffer is never written then.
TEST_F(ApplicationPath, TheModuleRefusesAMissingOrShortHeader) {
    const host::InstalledDriver driver = host::ReadInstalledDriver(name_);
    ASSERT_TRUE(driver.bFound);
    const UniqueModule module(LoadLibraryW(driver.configFile.c_str()));
    const auto documentSheets = reinterpret_cast<PFNPROPSHEETUI_STDCALL>(
        reinterpret_cast<void*>(GetProcAddress(module.Get(), "DrvDocumentPropertySheets")));
    ASSERT_NE(nullptr, documentSheets);

    SetLastError(0);
    EXPECT_EQ(-1, documentSheets(nullptr, 0));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());

    OutBuffer out;
    DOCUMENTPROPERTYHEADER header = {};
    header.cbSize = sizeof(header) - 1;
    header.hPrinter = printer_.Get();
    header.pszPrinterName = &name_[0];
    header.pdmOut = out.Devmode();
    header.cbOut = kSettingsSize;
    header.fMode = DM_OUT_BUFFER;
    SetLastError(0);
    EXPECT_EQ(-1, documentSheets(nullptr, reinterpret_cast<LPARAM>(&header)));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
    EXPECT_TRUE(std::all_of(out.bytes.begin(), out.bytes.end(), [](unsigned char b) { return b == kOutGuard; }));

    // The sound header, straight to the module: the defaults.
    header.cbSize = sizeof(header);
    EXPECT_EQ(CPSUI_OK, documentSheets(nullptr, reinterpret_cast<LPARAM>(&header)));
    EXPECT_EQ(ExpectedPrivateDefaults(), out.Private());
    EXPECT_TRUE(out.GuardIntact());
}

}  // namespace
}  // namespace marlow::test
