// Reading PPD files through fgetc, next to a plain fgetc loop over the same
// bytes: the floor for a reader that takes one byte at a time.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>

#include "large_ppd_generator.h"
#include "ppd/ppd_input.h"
#include "ppd/ppd_model.h"
#include "ppd/ppd_reader.h"

namespace marlow {
namespace bench {
namespace {

std::string SamplePath() { return std::string(MARLOW_SAMPLES) + "/marlow-c.ppd"; }

// Written to the build tree on first use.
const std::string& LargePath() {
    static const std::string path = [] {
        const std::string target = std::string(MARLOW_BENCH_WORK_DIR) + "/large.ppd";
        const std::string text = GeneratePpd(kLargePpdShape);
        const UniqueCFile file(std::fopen(target.c_str(), "wb"));
        if (file) {
            std::fwrite(text.data(), 1, text.size(), file.Get());
        }
        return target;
    }();
    return path;
}

std::int64_t FileSize(const std::string& path) {
    const UniqueCFile file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        return 0;
    }
    std::fseek(file.Get(), 0, SEEK_END);
    return std::ftell(file.Get());
}

void FgetcFloor(benchmark::State& state, const std::string& path) {
    for (auto _ : state) {
        const UniqueCFile file(std::fopen(path.c_str(), "r"));
        if (!file) {
            state.SkipWithError("cannot open");
            return;
        }
        int sum = 0;
        for (int c = std::fgetc(file.Get()); c != EOF; c = std::fgetc(file.Get())) {
            sum += c;
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetBytesProcessed(state.iterations() * FileSize(path));
}

// ReadPpdModel as the plug-in calls it: reading, then one evaluation.
void ReadModel(benchmark::State& state, const std::string& path) {
    for (auto _ : state) {
        const UniqueCFile file(std::fopen(path.c_str(), "r"));
        if (!file) {
            state.SkipWithError("cannot open");
            return;
        }
        std::unique_ptr<PpdModel> model = ReadPpdModel(ReadPpdFileByte, file.Get());
        benchmark::DoNotOptimize(model->GetFeatureCount());
    }
    state.SetBytesProcessed(state.iterations() * FileSize(path));
}

// The reading alone, without the evaluation at its end.
void ReadStatements(benchmark::State& state, const std::string& path) {
    PpdReadSettings settings;
    settings.evaluation = PpdEvaluation::kNone;
    for (auto _ : state) {
        const UniqueCFile file(std::fopen(path.c_str(), "r"));
        if (!file) {
            state.SkipWithError("cannot open");
            return;
        }
        std::unique_ptr<PpdModel> model =
            ReadPpdModel(ReadPpdFileByte, file.Get(), settings, nullptr);
        benchmark::DoNotOptimize(model->GetFeatureCount());
    }
    state.SetBytesProcessed(state.iterations() * FileSize(path));
}

void BM_FgetcFloor_Sample(benchmark::State& state) { FgetcFloor(state, SamplePath()); }
void BM_ReadPpdModel_Sample(benchmark::State& state) { ReadModel(state, SamplePath()); }
void BM_ReadStatements_Sample(benchmark::State& state) { ReadStatements(state, SamplePath()); }
void BM_FgetcFloor_Large(benchmark::State& state) { FgetcFloor(state, LargePath()); }
void BM_ReadPpdModel_Large(benchmark::State& state) { ReadModel(state, LargePath()); }
void BM_ReadStatements_Large(benchmark::State& state) { ReadStatements(state, LargePath()); }

BENCHMARK(BM_FgetcFloor_Sample);
BENCHMARK(BM_ReadStatements_Sample);
BENCHMARK(BM_ReadPpdModel_Sample);
BENCHMARK(BM_FgetcFloor_Large)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadStatements_Large)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadPpdModel_Large)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace bench
}  // namespace marlow
