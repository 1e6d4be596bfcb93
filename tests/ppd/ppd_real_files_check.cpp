// The long check on real printers' PPD files, left out of the test command:
// every file read as the plug-in reads it (fgetc, text mode), indexed and
// evaluated, each installable selection moved to each option of its feature
// with a re-evaluation, and the lint run on it; built with AddressSanitizer
// and UndefinedBehaviorSanitizer, which stop the run at the first fault. A
// file that takes longer than the time limit counts as a hang and stops the
// run too.
//
//   ppd_real_files_check [--seconds N] PATH...     (scripts/check-real-ppds.sh)
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "ppd/ppd_input.h"
#include "ppd/ppd_model.h"
#include "ppd_lint.h"

namespace {

const char* g_pszCurrentFile = "";

void ReportHang(int) {
    // Only async-signal-safe calls here.
    const char message[] = "ppd_real_files_check: no end in sight, a hang on ";
    static_cast<void>(write(2, message, sizeof message - 1));
    static_cast<void>(write(2, g_pszCurrentFile, std::strlen(g_pszCurrentFile)));
    static_cast<void>(write(2, "\n", 1));
    std::_Exit(3);
}

bool CheckFile(const std::string& path) {
    marlow::UniqueCFile file(std::fopen(path.c_str(), "r"));
    if (!file) {
        std::fprintf(stderr, "cannot open %s\n", path.c_str());
        return false;
    }
    std::vector<unsigned char> bytes;
    for (int c = marlow::ReadPpdFileByte(file.Get()); c >= 0;
         c = marlow::ReadPpdFileByte(file.Get())) {
        bytes.push_back(static_cast<unsigned char>(c));
    }
    marlow::PpdMemoryInput input{bytes.data(), bytes.size(), 0};
    std::unique_ptr<marlow::PpdModel> model =
        marlow::ReadPpdModel(marlow::ReadPpdMemoryByte, &input);
    if (!model || !model->HasConstraintIndex()) {
        std::fprintf(stderr, "no model or no index for %s\n", path.c_str());
        return false;
    }
    for (std::int32_t s = 0; s < model->GetInstallableCount(); ++s) {
        const marlow::PpdText keyword = model->GetInstallableSelection(s)->keyword;
        const marlow::PpdFeature* feature =
            model->GetPpdFeature(model->FindFeatureByKeyword(keyword.Text()));
        for (std::int32_t o = 0; feature != nullptr && o < feature->GetOptionCount(); ++o) {
            model->SetInstalledOption(keyword.Text(), feature->GetPpdOption(o)->keyword.Text(),
                                      true);
        }
    }
    static_cast<void>(marlow::LintPpd(bytes));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    unsigned seconds = 60;
    std::vector<std::string> paths;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--seconds") == 0 && i + 1 < argc) {
            seconds = static_cast<unsigned>(std::atoi(argv[++i]));
            continue;
        }
        std::error_code error;
        if (std::filesystem::is_directory(argv[i], error)) {
            for (const auto& entry : std::filesystem::recursive_directory_iterator(argv[i])) {
                if (entry.is_regular_file() && entry.path().extension() == ".ppd") {
                    paths.push_back(entry.path().string());
                }
            }
        } else {
            paths.push_back(argv[i]);
        }
    }
    if (paths.empty()) {
        std::fputs("usage: ppd_real_files_check [--seconds N] PATH...\n", stderr);
        return 2;
    }
    std::signal(SIGALRM, ReportHang);
    int failed = 0;
    for (const std::string& path : paths) {
        g_pszCurrentFile = path.c_str();
        alarm(seconds);
        failed += !CheckFile(path);
        alarm(0);
    }
    std::printf("%zu passed, %d failed\n", paths.size() - static_cast<std::size_t>(failed), failed);
    return failed == 0 ? 0 : 1;
}
