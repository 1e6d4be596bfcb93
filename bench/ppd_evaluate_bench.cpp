// EvaluateConstraints with the index built at reading time, next to the
// plain walk (every option of every feature outside the group against every
// installable selection, each test walking all constraints).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>

#include "large_ppd_generator.h"
#include "ppd/ppd_input.h"
#include "ppd/ppd_model.h"

namespace marlow {
namespace bench {
namespace {

std::unique_ptr<PpdModel> ReadText(const std::string& text) {
    PpdMemoryInput input{reinterpret_cast<const unsigned char*>(text.data()), text.size(), 0};
    return ReadPpdModel(ReadPpdMemoryByte, &input);
}

std::unique_ptr<PpdModel> ReadSample() {
    std::unique_ptr<PpdModel> model;
    const UniqueCFile file(std::fopen(MARLOW_SAMPLES "/marlow-c.ppd", "r"));
    if (file) {
        model = ReadPpdModel(ReadPpdFileByte, file.Get());
    }
    return model;
}

void RunEvaluations(benchmark::State& state, PpdModel& model, bool bWalk) {
    std::int64_t options = 0;
    for (std::int32_t f = 0; f < model.GetFeatureCount(); ++f) {
        options += model.GetPpdFeature(f)->GetOptionCount();
    }
    for (auto _ : state) {
        if (bWalk) {
            model.EvaluateConstraintsByWalk();
        } else {
            model.EvaluateConstraints();
        }
        benchmark::ClobberMemory();
    }
    state.counters["features"] = model.GetFeatureCount();
    state.counters["options"] = static_cast<double>(options);
    state.counters["installables"] = model.GetInstallableCount();
    state.counters["constraints"] = model.GetConstraintCount();
}

void EvaluateSample(benchmark::State& state, bool bWalk) {
    std::unique_ptr<PpdModel> model = ReadSample();
    if (!model) {
        state.SkipWithError("cannot open the sample");
        return;
    }
    RunEvaluations(state, *model, bWalk);
}

// Arguments: features, options per feature, installables, constraints.
void EvaluateGenerated(benchmark::State& state, bool bWalk) {
    const PpdShape shape{static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
                         static_cast<int>(state.range(2)), static_cast<int>(state.range(3)), 0};
    std::unique_ptr<PpdModel> model = ReadText(GeneratePpd(shape));
    RunEvaluations(state, *model, bWalk);
}

void BM_Evaluate_Sample(benchmark::State& state) { EvaluateSample(state, false); }
void BM_Walk_Sample(benchmark::State& state) { EvaluateSample(state, true); }
void BM_Evaluate_Generated(benchmark::State& state) { EvaluateGenerated(state, false); }
void BM_Walk_Generated(benchmark::State& state) { EvaluateGenerated(state, true); }

void GeneratedShapes(benchmark::internal::Benchmark* benchmark) {
    benchmark->ArgNames({"features", "options", "installables", "constraints"})
        ->Unit(benchmark::kMicrosecond)
        // Constraints grow.
        ->Args({100, 8, 5, 100})
        ->Args({100, 8, 5, 1000})
        ->Args({100, 8, 5, 5000})
        // Installables grow.
        ->Args({100, 8, 1, 1000})
        ->Args({100, 8, 10, 1000})
        ->Args({100, 8, 20, 1000})
        // Features and options grow.
        ->Args({50, 8, 5, 1000})
        ->Args({500, 8, 5, 1000})
        ->Args({100, 4, 5, 1000})
        ->Args({100, 32, 5, 1000})
        // The large file's model.
        ->Args({490, 8, 10, 5000});
}

BENCHMARK(BM_Evaluate_Sample)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Walk_Sample)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Evaluate_Generated)->Apply(GeneratedShapes);
BENCHMARK(BM_Walk_Generated)->Apply(GeneratedShapes);

}  // namespace
}  // namespace bench
}  // namespace marlow
