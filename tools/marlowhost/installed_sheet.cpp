#include "installed_sheet.h"

#include "json_writer.h"
#include "pictures_contact_sheet.h"
#include "private_section_report.h"
#include "sheet_script.h"

#include "host/compstui_sheet.h"
#include "host/contact_sheet.h"
#include "host/driver_calls.h"
#include "host/driver_items_page.h"
#include "host/message_box_catcher.h"
#include "host/package_install.h"
#include "host/plugin_library.h"
#include "host/plugin_session.h"
#include "host/shown_sheet_watch.h"
#include "host/utf8_text.h"
#include "platform/win32_handles.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace marlow::host {
namespace {

constexpr wchar_t kInstalledPrinter[] = L"Vantor Marlow C (marlowhost, installed)";
constexpr wchar_t kDirectPrinter[] = L"Vantor Marlow C (marlowhost, timed)";
constexpr wchar_t kModuleName[] = L"marlowdrvui.dll";

int Fail(int status, const std::wstring& message) {
    std::fprintf(stderr, "marlowhost: %s\n", ToUtf8(message).c_str());
    return status;
}

// The package in the spooler for as long as this object lives.
class Installation {
public:
    Installation(const std::wstring& packageDir, std::wstring* problem) {
        const PackageInfReading inf = ReadPackageInf(packageDir + L"\\marlowc.inf", ProcessArchitecture());
        if (!inf.problem.empty()) {
            *problem = L"the package's INF: " + inf.problem;
            return;
        }
        model_ = inf.modelName;
        static_cast<void>(RemoveInstalledPackage(kInstalledPrinter, model_, {}));
        const PackageCopyResult copy = CopyPackageFiles(packageDir, inf);
        copied_ = copy.copied;
        if (!copy.missing.empty() || !copy.failed.empty() || copy.copied.size() != inf.copyFiles.size()) {
            *problem = L"the package's files were not all copied" +
                       (copy.missing.empty() ? std::wstring() : L" (missing: " + copy.missing.front() + L")");
            return;
        }
        const std::wstring driverDir = GetDriverDirectory(nullptr) + L"\\";
        if (!CopyFileW((GetProgramDirectory() + kModuleName).c_str(), (driverDir + kModuleName).c_str(), FALSE)) {
            *problem = std::wstring(L"cannot copy ") + kModuleName + L" from beside the program";
            return;
        }
        copied_.push_back(driverDir + kModuleName);
        DriverRegistration driver;
        driver.architecture = ProcessArchitecture();
        driver.modelName = model_;
        driver.uiModule = driverDir + kModuleName;
        driver.dataFile = driverDir + inf.dataFile;
        for (const std::wstring& file : inf.copyFiles) {
            if (file != inf.dataFile) driver.dependentFiles.push_back(driverDir + file);
        }
        if (RegisterDriver(driver, problem) && AddInstalledPrinter(kInstalledPrinter, model_, problem)) {
            installed_ = ReadInstalledDriver(kInstalledPrinter);
        }
    }
    ~Installation() {
        if (!model_.empty()) static_cast<void>(RemoveInstalledPackage(kInstalledPrinter, model_, copied_));
    }
    Installation(const Installation&) = delete;
    Installation& operator=(const Installation&) = delete;

    bool IsReady() const { return installed_.bFound; }
    const InstalledDriver& Driver() const { return installed_; }

private:
    std::wstring model_;
    std::vector<std::wstring> copied_;
    InstalledDriver installed_;
};

LONGLONG Now() {
    LARGE_INTEGER now = {};
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

double Milliseconds(LONGLONG from, LONGLONG to) {
    LARGE_INTEGER frequency = {};
    QueryPerformanceFrequency(&frequency);
    return frequency.QuadPart > 0 ? 1000.0 * static_cast<double>(to - from) / static_cast<double>(frequency.QuadPart)
                                  : 0.0;
}

std::string FormatNumber(const char* format, double value) {
    char text[32];
    std::snprintf(text, sizeof(text), format, value);
    return text;
}

const char* DescribeOrientation(short orientation) {
    return orientation == DMORIENT_LANDSCAPE ? "DMORIENT_LANDSCAPE"
           : orientation == DMORIENT_PORTRAIT ? "DMORIENT_PORTRAIT"
                                              : "unset";
}

const char* DescribeDuplex(short duplex) {
    switch (duplex) {
    case DMDUP_SIMPLEX: return "DMDUP_SIMPLEX";
    case DMDUP_VERTICAL: return "DMDUP_VERTICAL";
    case DMDUP_HORIZONTAL: return "DMDUP_HORIZONTAL";
    default: return "unset";
    }
}

const char* DescribeColour(short colour) {
    return colour == DMCOLOR_COLOR ? "DMCOLOR_COLOR" : colour == DMCOLOR_MONOCHROME ? "DMCOLOR_MONOCHROME" : "unset";
}

std::string JoinQuoted(const std::vector<std::wstring>& texts) {
    std::string joined;
    for (const std::wstring& text : texts) joined += (joined.empty() ? "\"" : ", \"") + ToUtf8(text) + "\"";
    return joined;
}

struct InstalledReport {
    const InstalledDriver& driver;
    LONG answered;
    const ScriptOutcome& outcome;
    bool bScripted;
    const std::vector<unsigned char>& settings;  // what came back, dmSize + dmDriverExtra bytes
};

void AppendLine(std::string* out, const std::string& line) { *out += line + "\n"; }

std::string WriteText(const InstalledReport& report) {
    std::string out;
    const auto& devmode = *reinterpret_cast<const DEVMODEW*>(report.settings.data());
    AppendLine(&out, "Installed driver \"" + ToUtf8(report.driver.name) + "\" (" + ToUtf8(report.driver.environment) +
                         "), dependent files " + JoinQuoted([&] {
                             std::vector<std::wstring> names;
                             for (const std::wstring& file : report.driver.dependentFiles) {
                                 names.push_back(file.substr(file.find_last_of(L'\\') + 1));
                             }
                             return names;
                         }()));
    AppendLine(&out, "Document sheet through DocumentPropertiesW, answered " + std::to_string(report.answered) +
                         "; pages " + JoinQuoted(report.outcome.pageTitles));
    if (report.bScripted) {
        AppendLine(&out, "\nScript, " + std::to_string(report.outcome.stepsRun.size()) + " steps carried out:");
        for (const std::wstring& step : report.outcome.stepsRun) AppendLine(&out, "  " + ToUtf8(step));
        if (!report.outcome.failure.empty()) AppendLine(&out, "  stopped at " + ToUtf8(report.outcome.failure));
        if (report.outcome.bClosedByHost) AppendLine(&out, "  then the host closed the sheet with Cancel");
        AppendLine(&out, "\nMessage boxes: " + std::to_string(report.outcome.boxes.size()));
        for (const CaughtMessageBox& box : report.outcome.boxes) {
            AppendLine(&out, "  \"" + ToUtf8(box.caption) + "\": \"" + ToUtf8(box.text) + "\"");
        }
    }
    AppendLine(&out, "\nDocument settings returned to the application:");
    AppendLine(&out, "  dmSize " + std::to_string(devmode.dmSize) + ", dmDriverExtra " +
                         std::to_string(devmode.dmDriverExtra));
    AppendLine(&out, std::string("  dmOrientation ") + DescribeOrientation(devmode.dmOrientation));
    AppendLine(&out, std::string("  dmDuplex ") + DescribeDuplex(devmode.dmDuplex));
    AppendLine(&out, std::string("  dmColor ") + DescribeColour(devmode.dmColor));
    AppendLine(&out, "  private section:");
    for (const DecodedField& field : DecodePrivateSection(report.settings.data() + sizeof(DEVMODEW),
                                                          report.settings.size() - sizeof(DEVMODEW))) {
        char line[64];
        std::snprintf(line, sizeof(line), "    %-20s ", field.name.c_str());
        AppendLine(&out, line + field.value);
    }
    if (!report.outcome.contactSheet.empty()) AppendLine(&out, "\nPictures: " + JoinQuoted(report.outcome.pictures));
    return out;
}

std::string WriteJson(const InstalledReport& report) {
    std::string out;
    JsonWriter json(&out);
    const auto& devmode = *reinterpret_cast<const DEVMODEW*>(report.settings.data());
    json.BeginObject();
    json.Field("driver", ToUtf8(report.driver.name));
    json.Field("environment", ToUtf8(report.driver.environment));
    json.Field("answered", report.answered);
    json.Key("pages");
    json.BeginArray();
    for (const std::wstring& title : report.outcome.pageTitles) json.String(ToUtf8(title));
    json.EndArray();
    json.Key("steps");
    json.BeginArray();
    for (const std::wstring& step : report.outcome.stepsRun) json.String(ToUtf8(step));
    json.EndArray();
    json.Field("stoppedAt", ToUtf8(report.outcome.failure));
    json.Key("messageBoxes");
    json.BeginArray();
    for (const CaughtMessageBox& box : report.outcome.boxes) json.String(ToUtf8(box.text));
    json.EndArray();
    json.Key("returnedSettings");
    json.BeginObject();
    json.Field("dmSize", devmode.dmSize);
    json.Field("dmDriverExtra", devmode.dmDriverExtra);
    json.Field("dmOrientation", DescribeOrientation(devmode.dmOrientation));
    json.Field("dmDuplex", DescribeDuplex(devmode.dmDuplex));
    json.Field("dmColor", DescribeColour(devmode.dmColor));
    json.Key("privateSection");
    json.BeginObject();
    for (const DecodedField& field : DecodePrivateSection(report.settings.data() + sizeof(DEVMODEW),
                                                          report.settings.size() - sizeof(DEVMODEW))) {
        json.Field(field.name, field.value);
    }
    json.EndObject();
    json.EndObject();
    json.EndObject();
    return out + "\n";
}

// The settings an application keeps, in a buffer of the size the size query
// answered; empty when the printer answers no size.
std::vector<unsigned char> AskSettings(HANDLE printer, std::wstring name, DEVMODEW* in, DWORD mode, LONG* answered) {
    const LONG size = DocumentPropertiesW(nullptr, printer, &name[0], nullptr, nullptr, 0);
    if (size < static_cast<LONG>(sizeof(DEVMODEW))) return {};
    std::vector<unsigned char> settings(static_cast<std::size_t>(size), 0);
    if (in != nullptr) std::copy_n(reinterpret_cast<const unsigned char*>(in), settings.size(), settings.begin());
    *answered = DocumentPropertiesW(nullptr, printer, &name[0], reinterpret_cast<DEVMODEW*>(settings.data()), in, mode);
    return settings;
}

}  // namespace

int RunInstalledSheet(const HostOptions& options) {
    if (!options.screenshotsDir.empty() && !CreateDirectoryW(options.screenshotsDir.c_str(), nullptr) &&
        GetLastError() != ERROR_ALREADY_EXISTS) {
        return Fail(2, L"cannot make the folder " + options.screenshotsDir);
    }
    std::wstring problem;
    Installation installation(options.packageDir, &problem);
    if (!installation.IsReady()) {
        return Fail(2, L"cannot install the package " + options.packageDir + L": " + problem);
    }
    std::wstring name = kInstalledPrinter;
    UniquePrinter printer;
    if (!OpenPrinterW(&name[0], printer.Put(), nullptr)) {
        static_cast<void>(printer.Release());
        return Fail(2, L"cannot open the installed printer");
    }
    LONG answered = 0;
    std::vector<unsigned char> stored = AskSettings(printer.Get(), name, nullptr, DM_OUT_BUFFER, &answered);
    if (stored.empty() || answered != IDOK) {
        return Fail(2, L"the installed printer gives no document settings");
    }

    std::unique_ptr<MessageBoxCatcher> catcher;
    if (options.scripted) catcher = std::make_unique<MessageBoxCatcher>();
    SheetScript script(options.steps, ChooseItemOptionInSheet, options.screenshotsDir, catcher.get());
    ShownSheetWatch watch([&](HWND sheet) { script.Start(sheet, options.scripted); });
    const std::vector<unsigned char> settings =
        AskSettings(printer.Get(), name, reinterpret_cast<DEVMODEW*>(stored.data()),
                    DM_IN_BUFFER | DM_IN_PROMPT | DM_OUT_BUFFER, &answered);
    if (!watch.WasShown() || settings.empty()) {
        return Fail(2, L"DocumentPropertiesW showed no sheet (answered " + std::to_wstring(answered) + L")");
    }
    ScriptOutcome outcome = script.Finish();
    if (!outcome.pictures.empty()) {
        if (FAILED(WritePicturesContactSheet(options.screenshotsDir, outcome.pictures))) {
            return Fail(2, L"the contact sheet could not be written into " + options.screenshotsDir);
        }
        outcome.contactSheet = kContactSheetName;
    }
    const InstalledReport report = {installation.Driver(), answered, outcome, options.scripted, settings};
    const std::string text = options.json ? WriteJson(report) : WriteText(report);
    std::fwrite(text.data(), 1, text.size(), stdout);
    if (!outcome.failure.empty()) {
        return Fail(1, L"the script stopped at " + outcome.failure);
    }
    return 0;
}

int TimeSheetPaths(const HostOptions& options, const std::wstring& dllPath, const std::wstring& ppdPath) {
    std::wstring problem;
    Installation installation(options.packageDir, &problem);
    if (!installation.IsReady()) {
        return Fail(2, L"cannot install the package " + options.packageDir + L": " + problem);
    }
    PluginSession session(dllPath, kDirectPrinter, ppdPath);
    if (!session.IsReady()) {
        return Fail(2, session.Problem());
    }
    std::wstring name = kInstalledPrinter;
    UniquePrinter printer;
    if (!OpenPrinterW(&name[0], printer.Put(), nullptr)) {
        static_cast<void>(printer.Release());
        return Fail(2, L"cannot open the installed printer");
    }
    std::vector<double> installed, direct;
    for (int run = 0; run < options.timingRuns; ++run) {
        // Through DocumentPropertiesW: winspool loads the driver's module,
        // which finds and loads the plug-in, reads the PPD and runs the sheet.
        LONGLONG shown = 0;
        const LONGLONG called = Now();
        {
            ShownSheetWatch watch([&](HWND sheet) {
                shown = Now();
                PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
            });
            LONG answered = 0;
            static_cast<void>(AskSettings(printer.Get(), name, nullptr, DM_IN_PROMPT | DM_OUT_BUFFER, &answered));
            if (!watch.WasShown()) return Fail(2, L"DocumentPropertiesW showed no sheet");
        }
        installed.push_back(Milliseconds(called, shown));

        // The direct path: the loaded plug-in's records, CommonUIProp and
        // compstui, as marlowhost's main command does it.
        const LONGLONG started = Now();
        std::unique_ptr<HostSheet> sheet = session.MakeDocumentSheet();
        static_cast<void>(session.RunCommonUIProp(*sheet));
        DriverItemsPage itemsPage(*sheet, session.DriverUI());
        CompstuiSheetPlan plan;
        plan.hostPages.push_back(itemsPage.Describe());
        plan.whenShown = [&](HWND) { shown = Now(); };
        plan.closeButton = PSBTN_CANCEL;
        if (!RunCompstuiSheet(session.Plugin(), *sheet, plan).bShown) return Fail(2, L"the direct path showed no sheet");
        direct.push_back(Milliseconds(started, shown));
    }
    const auto median = [](std::vector<double> times) {
        std::sort(times.begin(), times.end());
        const std::size_t middle = times.size() / 2;
        return times.size() % 2 != 0 ? times[middle] : (times[middle - 1] + times[middle]) / 2;
    };
    const double installedMedian = median(installed), directMedian = median(direct);
    std::string out = "Time from the call to the sheet shown, " + std::to_string(options.timingRuns) +
                      " runs each, taken in turn (" + ToUtf8(installation.Driver().environment) + "):\n";
    out += "  path                      median ms   min ms   max ms\n";
    const auto row = [&](const char* label, const std::vector<double>& times, double middle) {
        char line[128];
        std::snprintf(line, sizeof(line), "  %-24s %10.1f %8.1f %8.1f\n", label, middle,
                      *std::min_element(times.begin(), times.end()), *std::max_element(times.begin(), times.end()));
        out += line;
    };
    row("DocumentPropertiesW", installed, installedMedian);
    row("direct (marlowhost)", direct, directMedian);
    out += "  ratio of the medians, DocumentPropertiesW / direct: " +
           FormatNumber("%.2f", directMedian > 0 ? installedMedian / directMedian : 0.0) + "\n";
    std::fwrite(out.data(), 1, out.size(), stdout);
    return 0;
}

}  // namespace marlow::host
