// marlowhost: plays the PostScript driver's UI module against a built
// marlowui.dll and shows the sheet it makes, in the platform's own common
// property-sheet UI: with a user, or driven by a script. See kHostUsage.
#include "command_line.h"
#include "frame_report.h"
#include "installed_sheet.h"
#include "sheet_report.h"
#include "sheet_script.h"

#include "host/compstui_sheet.h"
#include "host/contact_sheet.h"
#include "host/driver_items_page.h"
#include "host/message_box_catcher.h"
#include "host/plugin_session.h"
#include "host/thread_language.h"
#include "host/utf8_text.h"
#include "platform/win32_handles.h"

#include <shellapi.h>

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <memory>
#include <string>
#include <vector>

namespace marlow::host {
namespace {

constexpr wchar_t kSamplePpd[] = L"marlow-c.ppd";
constexpr wchar_t kPrinterName[] = L"Vantor Marlow C (marlowhost)";

std::vector<std::wstring> GetArguments() {
    int count = 0;
    const UniqueLocalMemory<LPWSTR*> argv(CommandLineToArgvW(GetCommandLineW(), &count));
    std::vector<std::wstring> arguments;
    for (int i = 1; argv && i < count; ++i) {
        arguments.emplace_back(argv.Get()[i]);
    }
    return arguments;
}

int Fail(int status, const std::wstring& message) {
    std::fprintf(stderr, "marlowhost: %s\n", ToUtf8(message).c_str());
    return status;
}

// Why the PPD file cannot be used, said before the spooler is asked to take
// it; empty when it can be tried.
std::wstring CheckPpdFile(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        return missing ? L"the PPD file " + path + L" does not exist" : std::wstring();
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return L"the PPD file " + path + L" is a folder";
    }
    return std::wstring();
}

// The keywords of --installed are bytes of the PPD file, shown as they are.
std::wstring ToWide(const std::string& bytes) {
    std::wstring wide;
    for (char c : bytes) wide.push_back(static_cast<wchar_t>(static_cast<unsigned char>(c)));
    return wide;
}

// The first --installed pair whose feature, or whose option of that feature,
// the PPD does not have, and what is missing; empty when the PPD has them all.
std::wstring FindUnknownInstalledOption(const PrinterPpd& ppd, const HostOptions& options) {
    for (const auto& [keyword, option] : options.installed) {
        const std::wstring pair = L"--installed *" + ToWide(keyword) + L"=" + ToWide(option);
        const PpdUiFeature* feature = ppd.FindFeature(keyword);
        if (feature == nullptr) {
            return pair + L": the PPD has no feature *" + ToWide(keyword);
        }
        if (feature->FindChoice(option) < 0) {
            return pair + L": the feature *" + ToWide(keyword) + L" has no option " +
                   ToWide(option);
        }
    }
    return std::wstring();
}

// The printer sheet shows the installed options the printer reports.
void ShowInstalledOptions(HostSheet& sheet, const PrinterPpd& ppd, const HostOptions& options) {
    for (const auto& installed : options.installed) {
        const PpdUiFeature* feature = ppd.FindFeature(installed.first);
        OPTITEM* item = feature != nullptr ? sheet.Items().FindByName(feature->translation) : nullptr;
        const int choice = feature != nullptr ? feature->FindChoice(installed.second) : -1;
        if (item != nullptr && choice >= 0) {
            item->Sel = choice;
        }
    }
}

std::unique_ptr<HostSheet> MakeSheet(PluginSession& session, const HostOptions& options) {
    for (const auto& installed : options.installed) {
        session.DriverUI().SetInstalledOption(installed.first, installed.second);
    }
    if (options.printerSheet) {
        auto sheet = session.MakePrinterSheet();
        ShowInstalledOptions(*sheet, session.Ppd(), options);
        return sheet;
    }
    auto sheet = session.MakeDocumentSheet();
    if (OPTITEM* colour = sheet->Items().FindByDmPubId(DMPUB_COLOR)) {
        colour->Sel = options.colourOn ? 1 : 0;
    }
    return sheet;
}

bool MakeFolder(const std::wstring& path) {
    return CreateDirectoryW(path.c_str(), nullptr) != FALSE || GetLastError() == ERROR_ALREADY_EXISTS;
}

constexpr wchar_t kContactSheetName[] = L"contact-sheet.png";
constexpr int kContactSheetColumns = 3;

// All the run's pictures on one, read back from their files.
HRESULT WritePicturesContactSheet(const std::wstring& folder, const std::vector<std::wstring>& names) {
    std::vector<ContactSheetTile> tiles;
    for (const std::wstring& name : names) {
        ContactSheetTile tile;
        const HRESULT hr = ReadPngAsPicture(folder + L"\\" + name, &tile.picture);
        if (FAILED(hr)) return hr;
        tile.caption = name;
        tiles.push_back(std::move(tile));
    }
    return WriteContactSheet(tiles, kContactSheetColumns, folder + L"\\" + kContactSheetName);
}

int RunSheet(const HostOptions& options, const std::wstring& dllPath, const std::wstring& ppdPath) {
    if (!options.screenshotsDir.empty() && !MakeFolder(options.screenshotsDir)) {
        return Fail(2, L"cannot make the folder " + options.screenshotsDir);
    }
    PluginSession session(dllPath, kPrinterName, ppdPath);
    if (!session.IsReady()) {
        return Fail(2, session.Problem());
    }
    const std::wstring unknownOption = FindUnknownInstalledOption(session.Ppd(), options);
    if (!unknownOption.empty()) {
        return Fail(2, unknownOption);
    }
    std::unique_ptr<HostSheet> sheet = MakeSheet(session, options);
    const HRESULT commonUIProp = session.RunCommonUIProp(*sheet);

    DriverItemsPage itemsPage(*sheet, session.DriverUI());
    // A script's message boxes are caught and closed; a user answers them.
    std::unique_ptr<MessageBoxCatcher> catcher;
    if (options.scripted) catcher = std::make_unique<MessageBoxCatcher>();
    SheetScript script(options.steps, itemsPage, options.screenshotsDir, catcher.get());

    CompstuiSheetPlan plan;
    plan.hostPages.push_back(itemsPage.Describe());
    plan.bPrinterSheet = options.printerSheet;
    plan.whenShown = [&](HWND window) { script.Start(window, options.scripted); };
    plan.closeButton = 0;  // the script or the user closes it
    const CompstuiSheetRun run = RunCompstuiSheet(session.Plugin(), *sheet, plan);
    if (!run.bLoaded) {
        return Fail(2, L"the platform's compstui.dll or its CommonPropertySheetUIW is missing");
    }
    ScriptOutcome outcome = script.Finish();
    if (!outcome.pictures.empty()) {
        if (FAILED(WritePicturesContactSheet(options.screenshotsDir, outcome.pictures))) {
            return Fail(2, L"the contact sheet could not be written into " + options.screenshotsDir);
        }
        outcome.contactSheet = kContactSheetName;
    }

    const SheetReportInput input = {options.printerSheet, commonUIProp,          *sheet,
                                    session.DriverUI(),   itemsPage.CallbackCalls(), outcome,
                                    options.scripted};
    const std::string report = options.json ? WriteJsonReport(input) : WriteTextReport(input);
    std::fwrite(report.data(), 1, report.size(), stdout);
    if (!outcome.failure.empty()) {
        return Fail(1, L"the script stopped at " + outcome.failure);
    }
    return 0;
}

int RunHost(const HostOptions& options) {
    std::unique_ptr<ThreadLanguage> language;
    if (!options.language.empty()) {
        language = std::make_unique<ThreadLanguage>(ParseLanguageName(options.language.c_str()));
    }
    const std::wstring dllPath = options.dllPath.empty() ? GetProgramDirectory() + L"marlowui.dll" : options.dllPath;
    const std::wstring ppdPath = options.ppdPath.empty() ? GetProgramDirectory() + kSamplePpd : options.ppdPath;
    PluginLibrary library(dllPath);
    if (!library.IsLoaded()) {
        const bool otherBitness = library.LoadError() == ERROR_BAD_EXE_FORMAT;
        return Fail(2, L"cannot load " + dllPath + L" (error " + std::to_wstring(library.LoadError()) + L")" +
                           (otherBitness ? L": not a DLL of this program's bitness (each build's marlowhost.exe loads that build's DLL)"
                                         : L""));
    }
    if (options.timingRuns != 0) {
        return TimeSheetPaths(options, dllPath, ppdPath);
    }
    if (!options.packageDir.empty()) {
        library.Unload();  // the installed copy is the one to load
        const std::wstring badStep = CheckScriptSteps(options.steps);
        if (!options.scriptError.empty()) return Fail(1, options.scriptError);
        if (!badStep.empty()) return Fail(1, L"the script stopped at " + badStep);
        return RunInstalledSheet(options);
    }
    if (options.frameReport) {
        return ReportPluginFrame(stdout, library);
    }
    const std::wstring ppdProblem = CheckPpdFile(ppdPath);
    if (!ppdProblem.empty()) {
        return Fail(2, ppdProblem);
    }
    if (!options.scriptError.empty()) {
        return Fail(1, options.scriptError);
    }
    const std::wstring badStep = CheckScriptSteps(options.steps);
    if (!badStep.empty()) {
        return Fail(1, L"the script stopped at " + badStep);
    }
    return RunSheet(options, dllPath, ppdPath);
}

}  // namespace
}  // namespace marlow::host

int main() {
    // Bytes out as they are: the same report on every platform.
    _setmode(_fileno(stdout), _O_BINARY);
    const marlow::host::HostOptions options = marlow::host::ParseHostOptions(marlow::host::GetArguments());
    if (options.showHelp) {
        std::fputs(marlow::host::kHostUsage, stdout);
        return 0;
    }
    if (!options.error.empty()) {
        std::fprintf(stderr, "marlowhost: %s\n%s", marlow::host::ToUtf8(options.error).c_str(),
                     marlow::host::kHostUsage);
        return 2;
    }
    return marlow::host::RunHost(options);
}
