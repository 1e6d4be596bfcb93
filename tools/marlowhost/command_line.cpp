#include "command_line.h"

#include "host/thread_language.h"

#include <cstdlib>

namespace marlow::host {
namespace {

std::string ToNarrow(const std::wstring& text) {
    std::string narrow;
    for (wchar_t c : text) narrow.push_back(static_cast<char>(c & 0xFF));
    return narrow;
}

bool ParseInstalled(const std::wstring& pair, HostOptions& options) {
    const std::wstring::size_type equals = pair.find(L'=');
    if (equals == std::wstring::npos || equals == 0 || equals + 1 == pair.size()) {
        return false;
    }
    std::wstring key = pair.substr(0, equals);
    if (key[0] == L'*') key.erase(0, 1);  // the driver knows its features without the asterisk
    options.installed.emplace_back(ToNarrow(key), ToNarrow(pair.substr(equals + 1)));
    return true;
}

void AddScriptFile(const std::wstring& path, HostOptions& options) {
    std::wstring problem;
    if (!LoadScriptFile(path, &options.steps, &problem) && options.scriptError.empty()) {
        options.scriptError = problem;
    }
    options.scripted = true;
}

void AddInlineStep(const std::wstring& text, HostOptions& options) {
    ScriptStep step;
    std::wstring problem;
    if (!ParseScriptLine(text, 0, &step, &problem)) {
        if (options.scriptError.empty()) options.scriptError = L"-e \"" + text + L"\": " + problem;
    } else if (!step.verb.empty()) {
        options.steps.push_back(step);
    }
    options.scripted = true;
}

}  // namespace

const char kHostUsage[] =
    "usage: marlowhost [--dll FILE] [--ppd FILE] [--installed *KEY=OPTION]... [--color on|off]\n"
    "                  [--lang LANGUAGE] [--printer-sheet] [--script FILE]... [-e STEP]...\n"
    "                  [--screenshots DIR] [--json] | --frame\n"
    "       marlowhost --install-package DIR [--lang LANGUAGE] [--script FILE]... [-e STEP]...\n"
    "                  [--screenshots DIR] [--json] [--time-sheet RUNS]\n"
    "  Plays the PostScript driver's UI module against marlowui.dll (beside the program\n"
    "  by default): sets a printer up with the PPD (the sample by default), builds the\n"
    "  document sheet's items, runs CommonUIProp and shows the sheet in the platform's\n"
    "  common property-sheet UI: the driver's items page, then the plug-in's pages.\n"
    "  Without a script the sheet waits for its user; with one the steps run and the\n"
    "  sheet closes. The report follows: items with their flags, the item callback's\n"
    "  calls, what the driver interface was told, dmDuplex and the private section.\n"
    "  --lang        en-US, de-DE, fr-FR, it-IT, ja-JP, nl-NL, pt-PT, es-ES or a number\n"
    "  --screenshots a PNG of each page as shown, one per screenshot step, and a contact sheet\n"
    "  --frame       only the plug-in object's answers: signature, version, private section\n"
    "  --install-package  the installed path: installs the driver package DIR into this Wine\n"
    "                prefix's spooler (marlowdrvui.dll beside the program stands in for the\n"
    "                PostScript driver's UI module), opens the sheet as an application does\n"
    "                (DocumentPropertiesW), runs the script, reports the document settings returned\n"
    "                to the application, and removes the package again\n"
    "  --time-sheet  with --install-package: opens the sheet RUNS times each way, through\n"
    "                DocumentPropertiesW and on the direct path, and prints the medians of the time\n"
    "                until it shows\n"
    "Script steps, one a line (# comments, \"quoted arguments\"); controls by their label or id:\n"
    "  page NAME | select LABEL CHOICE | click LABEL | type LABEL TEXT | item ITEM CHOICE\n"
    "  key KEY (Tab, Shift+Tab, Down, Space, Enter, Esc, Alt+B ...) | expect-focus LABEL\n"
    "  apply | ok | cancel | expect-message WORDS | screenshot NAME\n";

HostOptions ParseHostOptions(const std::vector<std::wstring>& arguments) {
    HostOptions options;
    for (std::size_t i = 0; i < arguments.size() && options.error.empty(); ++i) {
        const std::wstring& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == L"--help" || argument == L"-h") {
            options.showHelp = true;
        } else if (argument == L"--dll" && hasValue) {
            options.dllPath = arguments[++i];
        } else if (argument == L"--ppd" && hasValue) {
            options.ppdPath = arguments[++i];
        } else if (argument == L"--installed" && hasValue) {
            if (!ParseInstalled(arguments[++i], options)) {
                options.error = L"--installed wants *KEY=OPTION, not " + arguments[i];
            }
        } else if (argument == L"--color" && hasValue) {
            const std::wstring& value = arguments[++i];
            if (value != L"on" && value != L"off") {
                options.error = L"--color wants on or off";
            }
            options.colourOn = value == L"on";
        } else if (argument == L"--lang" && hasValue) {
            options.language = arguments[++i];
            if (ParseLanguageName(options.language.c_str()) == 0) {
                options.error = L"--lang wants one of the eight languages or a number, not " + options.language;
            }
        } else if (argument == L"--script" && hasValue) {
            AddScriptFile(arguments[++i], options);
        } else if (argument == L"-e" && hasValue) {
            AddInlineStep(arguments[++i], options);
        } else if (argument == L"--screenshots" && hasValue) {
            options.screenshotsDir = arguments[++i];
        } else if (argument == L"--printer-sheet") {
            options.printerSheet = true;
        } else if (argument == L"--json") {
            options.json = true;
        } else if (argument == L"--install-package" && hasValue) {
            options.packageDir = arguments[++i];
        } else if (argument == L"--time-sheet" && hasValue) {
            options.timingRuns = _wtoi(arguments[++i].c_str());
            if (options.timingRuns < 1 || options.timingRuns > 100) {
                options.error = L"--time-sheet wants a number of runs from 1 to 100";
            }
        } else if (argument == L"--frame") {
            options.frameReport = true;
        } else {
            options.error = L"unexpected argument " + argument;
        }
    }
    if (options.error.empty() && options.timingRuns != 0 && options.packageDir.empty()) {
        options.error = L"--time-sheet needs --install-package";
    }
    return options;
}

}  // namespace marlow::host
