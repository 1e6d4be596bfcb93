// Reading and evaluating real printers' PPD files, each measured side by
// side with its reference in one run: reading (the statements only, through
// fgetc) and the whole model (reading, index, one evaluation) next to a bare
// fgetc loop over the same file and next to CUPS's ppdOpenFile and ppdClose
// on it, and the indexed constraint evaluation next to the plain walk. Two
// loops that only classify the bytes, or only follow the tokenizer's runs,
// are timed beside the floor too: what no fgetc reader can go below. Also
// checks on every file that both evaluations give the same marks, after
// reading and after each installed option changes; a difference fails the
// run. Without libcups at configure time the CUPS column is left out, and
// the output says so.
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

#include "byte_loop_bounds.h"
#include "ppd/ppd_input.h"
#include "ppd/ppd_model.h"
#include "ppd/ppd_reader.h"

#if MARLOW_HAVE_CUPS
#include <cups/ppd.h>
#endif

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
    double classifySeconds = 0;  // the floor, each byte sorted into blank or not
    double followSeconds = 0;    // the floor, the tokenizer's runs followed
    double readSeconds = 0;   // the statements only, through fgetc
    double indexSeconds = 0;  // IndexConstraints
    double modelSeconds = 0;  // ReadPpdModel: buffer, reading, index, one evaluation
    double cupsSeconds = 0;   // ppdOpenFile and ppdClose
    bool bCupsOpened = true;
    double indexedSeconds = 0;
    double walkedSeconds = 0;
    bool bSameMarks = true;

    double ReadRatio() const { return readSeconds / floorSeconds; }
    double ModelRatio() const { return modelSeconds / floorSeconds; }
    double CupsRatio() const { return cupsSeconds / modelSeconds; }
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
std::unique_ptr<PpdModel> ReadStatements(const std::string& path) {
    UniqueCFile file(std::fopen(path.c_str(), "r"));
    PpdReadSettings settings;
    settings.evaluation = PpdEvaluation::kNone;
    return ReadPpdModel(ReadPpdFileByte, file.Get(), settings, nullptr);
}

// The whole construction, as the plug-in's first sheet does it.
std::unique_ptr<PpdModel> ReadModel(const std::string& path) {
    UniqueCFile file(std::fopen(path.c_str(), "r"));
    return ReadPpdModel(ReadPpdFileByte, file.Get());
}

#if MARLOW_HAVE_CUPS
constexpr bool kWithCups = true;

// CUPS's own reading of the file into its model, and its release.
bool OpenWithCups(const std::string& path) {
    ppd_file_t* ppd = ppdOpenFile(path.c_str());
    if (ppd == nullptr) {
        return false;
    }
    ppdClose(ppd);
    return true;
}
#else
constexpr bool kWithCups = false;

bool OpenWithCups(const std::string&) { return false; }
#endif

#ifdef _WIN32
constexpr bool kOnWindows = true;
#else
constexpr bool kOnWindows = false;
#endif

// The threads of this process, where the system lists them (-1 elsewhere).
// The C library may take fgetc's lock only once a process has a second
// thread, and that lock can cost far more than the rest of the call: the
// floor is then another floor. Every figure of one run must have been
// measured under the same condition.
int CountThreads() {
    std::error_code error;
    int count = 0;
    for (std::filesystem::directory_iterator it("/proc/self/task", error), end;
         !error && it != end; it.increment(error)) {
        ++count;
    }
    return error || count == 0 ? -1 : count;
}

// The fastest of the repeats for each, all measured in turn.
void MeasureReading(FileFigures& figures, int repeats) {
    volatile long long sink = 0;
    figures.floorSeconds = 1e30;
    figures.readSeconds = 1e30;
    figures.modelSeconds = 1e30;
    figures.cupsSeconds = 1e30;
    figures.classifySeconds = 1e30;
    figures.followSeconds = 1e30;
    for (int r = 0; r < repeats; ++r) {
        if (kWithCups) {
            const Clock::time_point cupsStart = Clock::now();
            figures.bCupsOpened = OpenWithCups(figures.path) && figures.bCupsOpened;
            figures.cupsSeconds = std::min(figures.cupsSeconds, SecondsSince(cupsStart));
        }
        Clock::time_point modelStart = Clock::now();
        std::unique_ptr<PpdModel> whole = ReadModel(figures.path);
        figures.modelSeconds = std::min(figures.modelSeconds, SecondsSince(modelStart));
        sink = sink + whole->GetFeatureCount();
        whole.reset();
        Clock::time_point start = Clock::now();
        sink = sink + SumBytesByFgetc(figures.path);
        figures.floorSeconds = std::min(figures.floorSeconds, SecondsSince(start));
        start = Clock::now();
        std::unique_ptr<PpdModel> model = ReadStatements(figures.path);
        figures.readSeconds = std::min(figures.readSeconds, SecondsSince(start));
        sink = sink + model->GetFeatureCount();
        start = Clock::now();
        sink = sink + ClassifyBytesByFgetc(figures.path);
        figures.classifySeconds = std::min(figures.classifySeconds, SecondsSince(start));
        start = Clock::now();
        sink = sink + FollowRunsByFgetc(figures.path);
        figures.followSeconds = std::min(figures.followSeconds, SecondsSince(start));
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

void MeasureEvaluation(FileFigures& figures) {
    std::unique_ptr<PpdModel> indexed = ReadStatements(figures.path);
    const Clock::time_point start = Clock::now();
    const bool bIndexed = indexed->IndexConstraints();
    figures.indexSeconds = SecondsSince(start);
    std::unique_ptr<PpdModel> walked = ReadStatements(figures.path);
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

// The CUPS columns, or blanks of their width without CUPS.
void PrintCupsFigures(const FileFigures& f) {
    if (!kWithCups) {
        return;
    }
    if (!f.bCupsOpened) {
        std::printf(" %9s %6s", "refused", "-");
        return;
    }
    std::printf(" %9.3f %6.2f", Milliseconds(f.cupsSeconds), f.CupsRatio());
}

void PrintFileLine(const FileFigures& f) {
    std::printf("%8.1f %6d %9.3f %9.3f %6.2f %9.3f %6.2f", static_cast<double>(f.nBytes) / 1024.0,
                f.nConstraints, Milliseconds(f.floorSeconds), Milliseconds(f.readSeconds),
                f.ReadRatio(), Milliseconds(f.modelSeconds), f.ModelRatio());
    PrintCupsFigures(f);
    std::printf(" %8.3f %10.1f %11.1f %8.1f%s  %s\n", Milliseconds(f.indexSeconds),
                Microseconds(f.indexedSeconds), Microseconds(f.walkedSeconds), f.EvaluationRatio(),
                f.bSameMarks ? "" : "  MARKS DIFFER", f.path.c_str());
}

// The ratios are to the fgetc floor, except "/model": CUPS's time over the
// whole model's.
void PrintHeader() {
    std::printf("%8s %6s %9s %9s %6s %9s %6s", "KB", "constr", "fgetc ms", "read ms", "ratio",
                "model ms", "ratio");
    if (kWithCups) {
        std::printf(" %9s %6s", "CUPS ms", "/model");
    }
    std::printf(" %8s %10s %11s %8s  %s\n", "index ms", "indexed us", "walk us", "speedup", "file");
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
    double classifyTotal = 0, followTotal = 0;
    double cupsTotal = 0;
    double cupsModelTotal = 0;  // the whole model's time on the files CUPS opened
    double cupsFloorTotal = 0;
    int refused = 0;
    long long bytes = 0;
    int differing = 0;
    for (const FileFigures& f : files) {
        if (f.bCupsOpened) {
            cupsTotal += f.cupsSeconds;
            cupsModelTotal += f.modelSeconds;
            cupsFloorTotal += f.floorSeconds;
        } else {
            ++refused;
        }
        floorTotal += f.floorSeconds;
        classifyTotal += f.classifySeconds;
        followTotal += f.followSeconds;
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
    std::printf("total whole model (reading, index, one evaluation) %.1f ms: ratio %.2f\n",
                Milliseconds(modelTotal), modelTotal / floorTotal);
    std::printf(
        "no fgetc reader goes below: classifying each byte %.1f ms, ratio %.2f; following the "
        "tokenizer's runs, nothing kept %.1f ms, ratio %.2f\n",
        Milliseconds(classifyTotal), classifyTotal / floorTotal, Milliseconds(followTotal),
        followTotal / floorTotal);
    if (kWithCups) {
        std::printf(
            "total CUPS ppdOpenFile and ppdClose %.1f ms on the %zu files it opened (%d refused): "
            "ratio to the floor %.2f, CUPS / whole model %.2f\n",
            Milliseconds(cupsTotal), files.size() - static_cast<std::size_t>(refused), refused,
            cupsTotal / cupsFloorTotal, cupsTotal / cupsModelTotal);
    } else {
        std::printf("CUPS not measured: libcups was not found when the benchmark was configured\n");
    }
    std::printf("total index building %.1f ms\n", Milliseconds(indexTotal));
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
    ratios.clear();
    for (const FileFigures& f : files) {
        ratios.push_back(f.ModelRatio());
    }
    std::sort(ratios.begin(), ratios.end());
    std::printf("whole model ratio per file: median %.2f, 90th percentile %.2f, 99th %.2f\n",
                percentile(0.5), percentile(0.9), percentile(0.99));
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
    const int threadsBefore = CountThreads();
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
        MeasureReading(figures, repeats);
        MeasureEvaluation(figures);
        if (!bQuiet || !figures.bSameMarks) {
            PrintFileLine(figures);
        }
        files.push_back(figures);
    }
    if (files.empty()) {
        return 2;
    }
    PrintSummary(files);
    const int threadsAfter = CountThreads();
    if (kOnWindows) {
        std::printf("the Windows C runtime's fgetc takes the stream's lock on every call, for "
                    "the floor and the reader alike\n");
    } else if (threadsBefore < 0) {
        std::printf("threads of the process: not known here\n");
    } else if (threadsBefore == 1 && threadsAfter == 1) {
        std::printf("one thread throughout: the C library's fgetc may skip its lock, for the floor "
                    "and the reader alike\n");
    } else {
        std::printf("%d threads at the start, %d at the end: fgetc may have changed its locking "
                    "during the run, the figures are not comparable\n",
                    threadsBefore, threadsAfter);
    }
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
