// How long the driver waits for the plug-in when a document sheet opens: one
// counting call and one filling call of CommonUIProp, on the sample PPD and
// on the large generated one, or on the PPD files given. Runs under Wine (or
// on Windows) against the built marlowui.dll; prints medians, it asserts
// nothing.
//
//   common_ui_prop_timing [REPEATS [PPD...]]
#include "host/plugin_session.h"
#include "large_ppd_generator.h"
#include "platform/unique_c_file.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace marlow::bench {
namespace {

double NowMs() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Milliseconds of one counting plus filling call on a new document sheet.
double TimeOnePair(host::PluginSession& session) {
    auto sheet = session.MakeDocumentSheet();  // the host's work, not timed
    const double start = NowMs();
    session.RunCommonUIProp(*sheet);
    return NowMs() - start;
}

void TimePpd(const char* label, const std::wstring& ppdPath, int repeats) {
    std::vector<double> first, later;
    for (int i = 0; i < repeats; ++i) {
        // A new plug-in object reads the PPD on its first counting call.
        host::PluginSession session(host::GetProgramDirectory() + L"marlowui.dll",
                                    L"Marlow Timing " + std::to_wstring(i), ppdPath);
        if (!session.IsReady()) {
            std::fprintf(stderr, "%s: the session could not be set up\n", label);
            return;
        }
        session.DriverUI().SetInstalledOption("QVTrayUnit", "1Tray");
        first.push_back(TimeOnePair(session));
        later.push_back(TimeOnePair(session));
    }
    std::printf("%-28s first sheet of an object %9.2f ms   later sheets %9.2f ms   (median of %d)\n",
                label, Median(first), Median(later), repeats);
}

std::wstring WriteLargePpd() {
    wchar_t directory[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH, directory);
    const std::wstring path = std::wstring(directory) + L"marlow-large.ppd";
    const std::string text = GeneratePpd(kLargePpdShape);
    const UniqueCFile file(_wfopen(path.c_str(), L"wb"));
    if (file) {
        std::fwrite(text.data(), 1, text.size(), file.Get());
    }
    return path;
}

}  // namespace
}  // namespace marlow::bench

int wmain(int argc, wchar_t** argv) {
    const int repeats = argc > 1 ? std::max(1, _wtoi(argv[1])) : 5;
    for (int i = 2; i < argc; ++i) {
        const std::wstring path = argv[i];
        const std::wstring name = path.substr(path.find_last_of(L"\\/") + 1);
        marlow::bench::TimePpd(std::string(name.begin(), name.end()).c_str(), path, repeats);
    }
    if (argc > 2) {
        return 0;
    }
    marlow::bench::TimePpd("sample (marlow-c.ppd)", marlow::host::GetProgramDirectory() + L"marlow-c.ppd",
                           repeats);
    const std::wstring large = marlow::bench::WriteLargePpd();
    marlow::bench::TimePpd("large generated (2.1 MB)", large, std::min(repeats, 3));
    DeleteFileW(large.c_str());
    return 0;
}
