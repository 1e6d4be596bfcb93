// marlowhost: plays the PostScript driver's UI module against a built
// marlowui.dll and shows the sheet it makes, in the platform's own common
// property-sheet UI: with a user, or driven by a script. See kHostUsage.
#include "command_line.h"
#include "frame_report.h"
#include "installed_sheet.h"
#include "sheet_report.h"
#include "monkey.h"
#include "pictures_contact_sheet.h"
#include "sheet_checks.h"
#include "sheet_script.h"

#include "host/compstui_sheet.h"
#include "host/contact_sheet.h"
#include "host/driver_items_page.h"
#include "host/message_box_catcher.h"
#include "host/plugin_session.h"
#include "host/thread_language.h"
#include "host/utf8_text.h"
#include "platform/unique_c_file.h"
#include "platform/win32_handles.h"

#include <shellapi.h>

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <atomic>
#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <thread>
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

// The settings the host keeps from one sheet to the next: the private
// section and the items' choices (the driver keeps them in its DEVMODE).
struct KeptSettings {
    std::vector<unsigned char> privateSection;
    std::vector<LONG> choices;
};

KeptSettings KeepSettings(HostSheet& sheet) {
    KeptSettings kept;
    kept.privateSection.assign(sheet.PrivateSection(), sheet.PrivateSection() + sheet.PrivateSectionSize());
    for (DWORD i = 0; i < sheet.Items().Count(); ++i) kept.choices.push_back(sheet.Items()[i].Sel);
    return kept;
}

std::unique_ptr<HostSheet> MakeKeptSheet(PluginSession& session, const KeptSettings& kept) {
    auto sheet = session.MakeDocumentSheet(kept.privateSection);
    for (DWORD i = 0; i < sheet->Items().Count() && i < kept.choices.size(); ++i) {
        sheet->Items()[i].Sel = kept.choices[i];
    }
    return sheet;
}

// The monkey's record: every step taken, written as a script as it is
// taken, so that a crash or a hang leaves it behind too.
class MonkeyRecord {
public:
    MonkeyRecord(const HostOptions& options)
        : path_(options.monkeyScript.empty()
                    ? L"marlowhost-monkey-" + std::to_wstring(options.monkeySeed) + L".txt"
                    : options.monkeyScript),
          file_(_wfopen(path_.c_str(), L"wb")) {
        if (!file_) return;
        const std::string language = options.language.empty() ? std::string() : " --lang " + ToUtf8(options.language);
        std::fprintf(file_.Get(),
                     "# marlowhost --monkey %lu --steps %lu%s: the steps up to the fault.\n"
                     "# Replay: marlowhost --check%s --script THIS-FILE\n",
                     options.monkeySeed, options.monkeySteps, language.c_str(), language.c_str());
        std::fflush(file_.Get());
    }
    bool IsOpen() const { return file_.IsValid(); }
    const std::wstring& Path() const { return path_; }
    void Note(const ScriptStep& step) {
        const std::string line = ToUtf8(step.text) + "\n";
        std::fwrite(line.data(), 1, line.size(), file_.Get());
        std::fflush(file_.Get());
    }
    // No fault: no script is left behind.
    void Discard() {
        file_.Reset();
        DeleteFileW(path_.c_str());
    }

private:
    std::wstring path_;
    UniqueCFile file_;
};

MonkeyRecord* g_monkeyRecord = nullptr;
std::atomic<DWORD> g_lastStepTick{0};
constexpr DWORD kStepTimeLimitMs = 60000;  // far beyond any step; only a hang reaches it

void ReportMonkeyFault(const std::string& what) {
    std::fprintf(stderr, "marlowhost: the monkey %s; the steps so far are in %s\n", what.c_str(),
                 g_monkeyRecord != nullptr ? ToUtf8(g_monkeyRecord->Path()).c_str() : "(no file)");
    std::fflush(stderr);
}

LONG WINAPI ReportMonkeyCrash(EXCEPTION_POINTERS* exception) {
    // Where: the module and the offset in it, for addr2line.
    void* address = exception->ExceptionRecord->ExceptionAddress;
    HMODULE module = nullptr;
    wchar_t modulePath[MAX_PATH] = L"?";
    if (GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                           static_cast<LPCWSTR>(address), &module)) {
        GetModuleFileNameW(module, modulePath, MAX_PATH);
    }
    char what[512];
    std::snprintf(what, sizeof(what), "met exception 0x%08lX at %s+0x%llx",
                  static_cast<unsigned long>(exception->ExceptionRecord->ExceptionCode), ToUtf8(modulePath).c_str(),
                  static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(address) -
                                                  reinterpret_cast<std::uintptr_t>(module)));
    ReportMonkeyFault(what);
#ifdef _WIN64
    const auto* stack = reinterpret_cast<const std::uintptr_t*>(exception->ContextRecord->Rsp);
    for (int i = 0; i < 256; ++i) {
        HMODULE owner = nullptr;
        wchar_t path[MAX_PATH] = L"";
        if (GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                               reinterpret_cast<LPCWSTR>(stack[i]), &owner)) {
            GetModuleFileNameW(owner, path, MAX_PATH);
            std::fprintf(stderr, "  %s+0x%llx\n", ToUtf8(path).c_str(),
                         static_cast<unsigned long long>(stack[i] - reinterpret_cast<std::uintptr_t>(owner)));
        }
    }
#endif
    ExitProcess(1);
}

// A step that does not come back within the limit is a hang.
void WatchForHangs(std::atomic<bool>* done) {
    while (!done->load()) {
        Sleep(500);
        const DWORD last = g_lastStepTick.load();
        if (last != 0 && GetTickCount() - last > kStepTimeLimitMs) {
            ReportMonkeyFault("found a step that did not finish within 60 s");
            ExitProcess(1);
        }
    }
}

struct GuiCounts {
    DWORD gdi;
    DWORD user;
};

BOOL CALLBACK CountWindow(HWND window, LPARAM count) {
    ++*reinterpret_cast<DWORD*>(count);
    EnumChildWindows(window, CountWindow, count);
    return TRUE;
}

// Wine answers GetGuiResources with 0: there the thread's windows (with
// their children) stand in for the USER objects.
GuiCounts CountGuiObjects() {
    GuiCounts counts = {GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS),
                        GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)};
    if (counts.user == 0) {
        EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&counts.user));
    }
    return counts;
}

// Objects left behind by a sheet add up from sheet to sheet; the counts
// after the second sheet (when every page has had its chance to set up
// what it keeps) are the mark.
constexpr DWORD kGuiObjectSlack = 4;

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
    std::unique_ptr<Monkey> monkey;
    std::unique_ptr<MonkeyRecord> record;
    std::atomic<bool> done{false};
    std::thread watchdog;
    if (options.monkey) {
        monkey = std::make_unique<Monkey>(static_cast<std::uint32_t>(options.monkeySeed), options.monkeySteps);
        record = std::make_unique<MonkeyRecord>(options);
        if (!record->IsOpen()) return Fail(2, L"cannot write " + record->Path());
        g_monkeyRecord = record.get();
        SetUnhandledExceptionFilter(ReportMonkeyCrash);
        watchdog = std::thread(WatchForHangs, &done);
    }
    struct StopWatchdog {
        std::atomic<bool>& done;
        std::thread& thread;
        ~StopWatchdog() {
            done = true;
            if (thread.joinable()) thread.join();
        }
    } stopWatchdog{done, watchdog};

    std::vector<ScriptStep> steps = options.steps;
    std::set<wchar_t> pasted;
    std::unique_ptr<KeptSettings> kept;
    GuiCounts mark = {};
    unsigned long stepsTaken = 0;
    for (int sheetNumber = 1;; ++sheetNumber) {
        // The driver interface's log names the items of the sheet it was made on.
        if (kept) session.DriverUI().ClearRecords();
        std::unique_ptr<HostSheet> sheet = kept ? MakeKeptSheet(session, *kept) : MakeSheet(session, options);
        const HRESULT commonUIProp = session.RunCommonUIProp(*sheet);
        const KeptSettings before = KeepSettings(*sheet);

        DriverItemsPage itemsPage(*sheet, session.DriverUI());
        // A script's message boxes are caught and closed; a user answers them.
        std::unique_ptr<MessageBoxCatcher> catcher;
        if (options.scripted) catcher = std::make_unique<MessageBoxCatcher>();
        SheetScript script(steps, itemsPage, options.screenshotsDir, catcher.get());
        std::unique_ptr<SheetChecks> checks;
        if (options.check && catcher) {
            checks = std::make_unique<SheetChecks>(*sheet, session.Library().Module(), *catcher, pasted);
            checks->NoteHiddenItems();
        }
        SheetScriptHooks hooks;
        if (checks) {
            hooks.before = [&](HWND window, const ScriptStep& step) {
                g_lastStepTick = GetTickCount();
                checks->BeforeStep(window, step);
            };
            hooks.after = [&](HWND window, const ScriptStep& step) { return checks->AfterStep(window, step); };
        }
        if (monkey) {
            monkey->UseSheet(*sheet, itemsPage);
            hooks.generate = [&](HWND window, ScriptStep* step) {
                if (!monkey->TakeStep(window, step)) return false;
                record->Note(*step);
                ++stepsTaken;
                return true;
            };
        }
        script.SetHooks(hooks);

        CompstuiSheetPlan plan;
        plan.hostPages.push_back(itemsPage.Describe());
        plan.bPrinterSheet = options.printerSheet;
        plan.whenShown = [&](HWND window) { script.Start(window, options.scripted); };
        plan.closeButton = 0;  // the script or the user closes it
        const CompstuiSheetRun run = RunCompstuiSheet(session.Plugin(), *sheet, plan);
        g_lastStepTick = 0;
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
        // The sheet has gone: what it left behind.
        if (outcome.failure.empty() && (options.check || monkey)) {
            const GuiCounts now = CountGuiObjects();
            if (sheetNumber == 2) mark = now;
            if (sheetNumber > 2 && (now.gdi > mark.gdi + kGuiObjectSlack || now.user > mark.user + kGuiObjectSlack)) {
                outcome.failure = L"sheet " + std::to_wstring(sheetNumber) + L": GDI/USER objects grew from " +
                                  std::to_wstring(mark.gdi) + L"/" + std::to_wstring(mark.user) + L" to " +
                                  std::to_wstring(now.gdi) + L"/" + std::to_wstring(now.user);
            }
        }
        const std::size_t next = script.NextStepIndex();
        const bool bNewSheetStep = next < script.Steps().size() && script.Steps()[next].verb == L"new-sheet";
        const bool bMoreSheets = outcome.failure.empty() &&
                                 (bNewSheetStep || (monkey && monkey->HasStepsLeft() && !outcome.bClosedByHost));
        if (!bMoreSheets) {
            if (monkey) {
                if (!outcome.failure.empty()) {
                    ReportMonkeyFault("(seed " + std::to_string(options.monkeySeed) + ") stopped at " +
                                      ToUtf8(outcome.failure));
                    return 1;
                }
                const GuiCounts last = CountGuiObjects();
                std::printf("marlowhost: the monkey (seed %lu) took %lu steps on %d sheets; everything held"
                            " (GDI/USER objects after the second sheet %lu/%lu, after the last %lu/%lu)\n",
                            options.monkeySeed, stepsTaken, sheetNumber, static_cast<unsigned long>(mark.gdi),
                            static_cast<unsigned long>(mark.user), static_cast<unsigned long>(last.gdi),
                            static_cast<unsigned long>(last.user));
                record->Discard();
                return 0;
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
        // OK keeps the sheet's settings; Cancel (or Esc) those it opened with.
        kept = std::make_unique<KeptSettings>(run.dwResult == CPSUI_OK ? KeepSettings(*sheet) : before);
        if (bNewSheetStep) {
            steps.assign(script.Steps().begin() + static_cast<std::ptrdiff_t>(next) + 1, script.Steps().end());
        } else {
            const ScriptStep newSheet = monkey->TakeNewSheet();
            record->Note(newSheet);
            steps.clear();
        }
    }
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
