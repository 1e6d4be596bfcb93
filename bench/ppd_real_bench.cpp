// Reading and evaluating real printers' PPD files, each measured side by
// side with its reference in one run: reading (the statements only, through
// fgetc) next to a bare fgetc loop over the same file, and the indexed
// constraint evaluation next to the plain walk. Also checks on every file
// that both evaluations give the same marks, after reading and after each
// installed option changes; a difference fails the run.
//
//   ppd_real_bench [--repeats N] [--quiet] PATH...
//
// PATH is a PPD file or a directory searched for *.ppd files. Prints one
// line per file (unless --quiet), then the totals, the median file and the
// worst files. Exit status: 0, 1 when the evaluations differ on some file,
// 2 for bad arguments or no file.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "ppd/ppd_input.h"
#include "ppd/ppd_model.h"
#include "ppd/ppd_reader.h"
#include "ppd/ppd_token.h"

namespace marlow {
namespace bench {
namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

struct FileFigures {
    std::string path;
    long long nBytes = 0;
    int nConstraints = 0;
    int nFeatures = 0;
    int nOptions = 0;
    int nInstallables = 0;
    double floorSeconds = 0;  // the bare fgetc loop
    double readSeconds = 0;   // ReadPpdStatements through fgetc
    double indexSeconds = 0;  // IndexConstraints
    double modelSeconds = 0;  // ReadPpdModel: buffer, reading, index, one evaluation
    double indexedSeconds = 0;
    double walkedSeconds = 0;
    bool bSameMarks = true;

    double ReadRatio() const { return readSeconds / floorSeconds; }
    double EvaluationRatio() const { return walkedSeconds / indexedSeconds; }
};

long long SumBytesByFgetc(const std::string& path) {
    UniqueCFile file(std::fopen(path.c_str(), "r"));
    long long sum = 0;
    if (file) {
        for (int c = std::fgetc(file.Get()); c != EOF; c = std::fgetc(file.Get())) {
            sum += c;
        }
    }
    return sum;
}

// Reads the statements only, the way the plug-in reads them.
std::unique_ptr<PpdModel> ReadStatements(const std::string& path, char16_t* tokenBuffer) {
    std::unique_ptr<PpdModel> model(new PpdModel);
    UniqueCFile file(std::fopen(path.c_str(), "r"));
    if (file) {
        PpdByteSource source(ReadPpdFileByte, file.Get());
        PpdModelBuilder builder(*model);
        PpdReadReport report;
        ReadPpdStatements(builder, source, tokenBuffer, report);
    }
    return model;
}

// The whole construction, as the plug-in's first sheet does it.
std::unique_ptr<PpdModel> ReadModel(const std::string& path) {
    UniqueCFile file(std::fopen(path.c_str(), "r"));
    return ReadPpdModel(ReadPpdFileByte, file.Get());
}

// The fastest of the repeats for each, the three measured in turn.
void MeasureReading(FileFigures& figures, int repeats, char16_t* tokenBuffer) {
    volatile long long sink = 0;
    figures.floorSeconds = 1e30;
    figures.readSeconds = 1e30;
    figures.modelSeconds = 1e30;
    for (int r = 0; r < repeats; ++r) {
        Clock::time_point modelStart = Clock::now();
        std::unique_ptr<PpdModel> whole = ReadModel(figures.path);
        figures.modelSeconds = std::min(figures.modelSeconds, SecondsSince(modelStart));
        sink = sink + whole->GetFeatureCount();
        whole.reset();
        Clock::time_point start = Clock::now();
        sink = sink + SumBytesByFgetc(figures.path);
        figures.floorSeconds = std::min(figures.floorSeconds, SecondsSince(start));
        start = Clock::now();
        std::unique_ptr<PpdModel> model = ReadStatements(figures.path, tokenBuffer);
        figures.readSeconds = std::min(figures.readSeconds, SecondsSince(start));
        sink = sink + model->GetFeatureCount();
    }
}

// Seconds per call, the fastest of several rounds; a round repeats the call
// until it has run for a while, so that short calls are timed in bulk.
template <typename Call>
double TimeCall(Call call, double roundSeconds, int rounds) {
    double best = 1e30;
    for (int r = 0; r < rounds; ++r) {
        long calls = 0;
        const Clock::time_point start = Clock::now();
        double elapsed = 0;
        do {
            call();
            ++calls;
            elapsed = SecondsSince(start);
        } while (elapsed < roundSeconds);
        best = std::min(best, elapsed / static_cast<double>(calls));
    }
    return best;
}

bool SameMarks(const PpdModel& left, const PpdModel& right) {
    if (left.GetFeatureCount() != right.GetFeatureCount()) {
        return false;
    }
    for (std::int32_t f = 0; f < left.GetFeatureCount(); ++f) {
        const PpdFeature& a = *left.GetPpdFeature(f);
        const PpdFeature& b = *right.GetPpdFeature(f);
        for (std::int32_t o = 0; o < a.GetOptionCount(); ++o) {
            if (a.GetPpdOption(o)->bConstrained != b.GetPpdOption(o)->bConstrained) {
                return false;
            }
        }
    }
    return true;
}

// Both evaluations after reading, then with each installable selection set
// to each option of its feature in turn.
bool CompareEvaluations(PpdModel& indexed, PpdModel& walked) {
    indexed.EvaluateConstraints();
    walked.EvaluateConstraintsByWalk();
    bool bSame = SameMarks(indexed, walked);
    for (std::int32_t s = 0; s < indexed.GetInstallableCount(); ++s) {
        const PpdText keyword = indexed.GetInstallableSelection(s)->keyword;
        const PpdFeature* feature =
            indexed.GetPpdFeature(indexed.FindFeatureByKeyword(keyword.Text()));
        for (std::int32_t o = 0; feature != nullptr && o < feature->GetOptionCount(); ++o) {
            const PpdText option = feature->GetPpdOption(o)->keyword;
            indexed.SetInstalledOption(keyword.Text(), option.Text(), true);
            walked.SetInstalledOption(keyword.Text(), option.Text(), false);
            walked.EvaluateConstraintsByWalk();
            bSame = bSame && SameMarks(indexed, walked);
        }
    }
    return bSame;
}

void MeasureEvaluation(FileFigures& figures, char16_t* tokenBuffer) {
    std::unique_ptr<PpdModel> indexed = ReadStatements(figures.path, tokenBuffer);
    const Clock::time_point start = Clock::now();
    const bool bIndexed = indexed->IndexConstraints();
    figures.indexSeconds = SecondsSince(start);
    std::unique_ptr<PpdModel> walked = ReadStatements(figures.path, tokenBuffer);
    figures.bSameMarks = bIndexed && CompareEvaluations(*indexed, *walked);

    figures.nFeatures = indexed->GetFeatureCount();
    figures.nConstraints = indexed->GetConstraintCount();
    figures.nInstallables = indexed->GetInstallableCount();
    for (std::int32_t f = 0; f < figures.nFeatures; ++f) {
        figures.nOptions += indexed->GetPpdFeature(f)->GetOptionCount();
    }
    figures.indexedSeconds = TimeCall([&] { indexed->EvaluateConstraints(); }, 0.002, 3);
    // The walk can take a large part of a second on big files: one round
    // of at least one call, three when it is quick.
    const double once = TimeCall([&] { walked->EvaluateConstraintsByWalk(); }, 0.0, 1);
    figures.walkedSeconds =
        once > 0.01
            ? once
            : std::min(once, TimeCall([&] { walked->EvaluateConstraintsByWalk(); }, 0.002, 3));
}

void CollectPaths(const char* argument, std::vector<std::string>& paths) {
    namespace fs = std::filesystem;
    std::error_code error;
    if (fs::is_directory(argument, error)) {
        for (fs::recursive_directory_iterator it(argument, error), end; !error && it != end;
             it.increment(error)) {
            if (it->is_regular_file(error) && it->path().extension() == ".ppd") {
                paths.push_back(it->path().string());
            }
        }
    } else {
        paths.push_back(argument);
    }
}

double Milliseconds(double seconds) { return seconds * 1e3; }
double Microseconds(double seconds) { return seconds * 1e6; }

void PrintFileLine(const FileFigures& f) {
    std::printf("%8.1f %6d %9.3f %9.3f %6.2f %8.3f %9.3f %10.1f %11.1f %8.1f%s  %s\n",
                static_cast<double>(f.nBytes) / 1024.0, f.nConstraints,
                Milliseconds(f.floorSeconds), Milliseconds(f.readSeconds), f.ReadRatio(),
                Milliseconds(f.indexSeconds), Milliseconds(f.modelSeconds),
                Microseconds(f.indexedSeconds), Microseconds(f.walkedSeconds), f.EvaluationRatio(),
                f.bSameMarks ? "" : "  MARKS DIFFER", f.path.c_str());
}

void PrintHeader() {
    std::printf("%8s %6s %9s %9s %6s %8s %9s %10s %11s %8s  %s\n", "KB", "constr", "fgetc ms",
                "read ms", "ratio", "index ms", "model ms", "indexed us", "walk us", "speedup",
                "file");
}

template <typename Key>
const FileFigures& MedianBy(std::vector<FileFigures>& files, Key key) {
    std::sort(files.begin(), files.end(),
              [&](const FileFigures& a, const FileFigures& b) { return key(a) < key(b); });
    return files[files.size() / 2];
}

void PrintSummary(std::vector<FileFigures> files) {
    double floorTotal = 0, readTotal = 0, indexTotal = 0, indexedTotal = 0, walkedTotal = 0;
    double modelTotal = 0;
    long long bytes = 0;
    int differing = 0;
    for (const FileFigures& f : files) {
        floorTotal += f.floorSeconds;
        readTotal += f.readSeconds;
        indexTotal += f.indexSeconds;
        modelTotal += f.modelSeconds;
        indexedTotal += f.indexedSeconds;
        walkedTotal += f.walkedSeconds;
        bytes += f.nBytes;
        differing += !f.bSameMarks;
    }
    std::printf("\n%zu files, %.1f MB; evaluations differ on %d\n", files.size(),
                static_cast<double>(bytes) / 1e6, differing);
    std::printf("total reading %.1f ms, fgetc floor %.1f ms: ratio %.2f\n", Milliseconds(readTotal),
                Milliseconds(floorTotal), readTotal / floorTotal);
    std::printf("total index building %.1f ms; whole construction %.1f ms\n",
                Milliseconds(indexTotal), Milliseconds(modelTotal));
    std::printf("total evaluation indexed %.1f ms, plain walk %.1f ms: speedup %.0f\n",
                Milliseconds(indexedTotal), Milliseconds(walkedTotal), walkedTotal / indexedTotal);

    std::vector<double> ratios;
    for (const FileFigures& f : files) {
        ratios.push_back(f.ReadRatio());
    }
    std::sort(ratios.begin(), ratios.end());
    const auto percentile = [&](double p) {
        return ratios[static_cast<std::size_t>(p * static_cast<double>(ratios.size() - 1))];
    };
    const std::size_t overTwice = static_cast<std::size_t>(
        ratios.end() - std::upper_bound(ratios.begin(), ratios.end(), 2.0));
    std::printf(
        "reading ratio per file: median %.2f, 90th percentile %.2f, 99th %.2f; %zu files over 2\n",
        percentile(0.5), percentile(0.9), percentile(0.99), overTwice);
    PrintHeader();
    std::printf("median file by reading ratio:\n");
    PrintFileLine(MedianBy(files, [](const FileFigures& f) { return f.ReadRatio(); }));
    std::printf("worst file by reading ratio:\n");
    PrintFileLine(files.back());
    std::printf("median file by plain walk:\n");
    PrintFileLine(MedianBy(files, [](const FileFigures& f) { return f.walkedSeconds; }));
    std::printf("worst files by plain walk:\n");
    for (std::size_t i = files.size() > 5 ? files.size() - 5 : 0; i < files.size(); ++i) {
        PrintFileLine(files[i]);
    }
    std::printf("median and worst file by indexed evaluation:\n");
    PrintFileLine(MedianBy(files, [](const FileFigures& f) { return f.indexedSeconds; }));
    PrintFileLine(files.back());
    std::printf("worst file by index building:\n");
    MedianBy(files, [](const FileFigures& f) { return f.indexSeconds; });
    PrintFileLine(files.back());
    std::printf("median and worst file by the whole construction (ReadPpdModel):\n");
    PrintFileLine(MedianBy(files, [](const FileFigures& f) { return f.modelSeconds; }));
    PrintFileLine(files.back());
}

int Run(int argc, char** argv) {
    int repeats = 3;
    bool bQuiet = false;
    std::vector<std::string> paths;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--repeats") == 0 && i + 1 < argc) {
            repeats = std::max(1, std::atoi(argv[++i]));
        } else if (std::strcmp(argv[i], "--quiet") == 0) {
            bQuiet = true;
        } else {
            CollectPaths(argv[i], paths);
        }
    }
    if (paths.empty()) {
        std::fputs("usage: ppd_real_bench [--repeats N] [--quiet] PATH...\n", stderr);
        return 2;
    }
    std::sort(paths.begin(), paths.end());
    std::unique_ptr<char16_t[]> tokenBuffer(new char16_t[kPpdTokenBufferUnits]);
    std::vector<FileFigures> files;
    if (!bQuiet) {
        PrintHeader();
    }
    for (const std::string& path : paths) {
        FileFigures figures;
        figures.path = path;
        std::error_code error;
        figures.nBytes = static_cast<long long>(std::filesystem::file_size(path, error));
        if (error) {
            std::fprintf(stderr, "ppd_real_bench: cannot read %s\n", path.c_str());
            continue;
        }
        MeasureReading(figures, repeats, tokenBuffer.get());
        MeasureEvaluation(figures, tokenBuffer.get());
        if (!bQuiet || !figures.bSameMarks) {
            PrintFileLine(figures);
        }
        files.push_back(figures);
    }
    if (files.empty()) {
        return 2;
    }
    PrintSummary(files);
    for (const FileFigures& f : files) {
        if (!f.bSameMarks) {
            return 1;
        }
    }
    return 0;
}

}  // namespace
}  // namespace bench
}  // namespace marlow

int main(int argc, char** argv) { return marlow::bench::Run(argc, argv); }
