// marlowhost: plays the PostScript driver's UI module against a built
// marlowui.dll and reports what the plug-in does. See kHostUsage.
#include "command_line.h"
#include "frame_report.h"
#include "item_tree_report.h"
#include "sheet_simulation.h"

#include "host/plugin_session.h"
#include "platform/win32_handles.h"

#include <shellapi.h>

#include <cstdio>
#include <fcntl.h>
#include <io.h>
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

int RunHost(HostOptions options) {
    if (options.dllPath.empty()) options.dllPath = GetProgramDirectory() + L"marlowui.dll";
    if (options.ppdPath.empty()) options.ppdPath = GetProgramDirectory() + kSamplePpd;

    std::printf("marlowui plug-in: %s\n", ToUtf8(options.dllPath).c_str());
    PluginLibrary library(options.dllPath);
    if (!library.IsLoaded()) {
        std::fprintf(stderr, "marlowhost: cannot load %s (error %lu)\n",
                     ToUtf8(options.dllPath).c_str(), library.LoadError());
        return 2;
    }
    if (const int status = ReportPluginFrame(stdout, library)) {
        return status;
    }

    std::printf("\nPrinter \"%s\" with PPD %s\n", ToUtf8(kPrinterName).c_str(),
                ToUtf8(options.ppdPath).c_str());
    for (const auto& installed : options.installed) {
        std::printf("  installed: *%s = %s\n", installed.first.c_str(), installed.second.c_str());
    }
    PluginSession session(options.dllPath, kPrinterName, options.ppdPath);
    if (!session.IsReady()) {
        std::fprintf(stderr, "marlowhost: %s\n", ToUtf8(session.Problem()).c_str());
        return 2;
    }
    SimulateDocumentSheet(stdout, session, options);
    SimulatePrinterSheet(stdout, session, options);
    return 0;
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
