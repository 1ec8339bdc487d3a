// Speed of the spirit tools (each answer against a target of 50 us) and of
// the still's sizing against the one calculation it runs (target: 1.1 times
// as long), at a few plate counts.
#include <benchmark/benchmark.h>

#include <string>

#include "model/column.h"
#include "runtime/fpcheck.h"
#include "spirit/blend.h"
#include "spirit/conversions.h"
#include "spirit/dilution.h"
#include "spirit/hydrometer.h"
#include "spirit/stillsize.h"
#include "study/caseresult.h"

namespace colmara {
namespace {

constexpr Strength Vol(long double percent) {
    return {percent, StrengthUnit::Volume};
}

void BM_Dilute(benchmark::State& state) {
    InitFloatingPoint();
    for (auto _ : state) benchmark::DoNotOptimize(Dilute(2000, Vol(80), Vol(40)));
}
BENCHMARK(BM_Dilute)->Unit(benchmark::kMicrosecond);

void BM_DiluteToVolume(benchmark::State& state) {
    InitFloatingPoint();
    for (auto _ : state) benchmark::DoNotOptimize(DiluteToVolume(1000, Vol(96), Vol(45)));
}
BENCHMARK(BM_DiluteToVolume)->Unit(benchmark::kMicrosecond);

void BM_BlendThreeParts(benchmark::State& state) {
    InitFloatingPoint();
    const std::vector<BlendPart> parts = {
        {1000, Vol(60), 20}, {500, Vol(40), 12}, {250, Vol(93.5L), 31}};
    for (auto _ : state) benchmark::DoNotOptimize(BlendParts(parts));
}
BENCHMARK(BM_BlendThreeParts)->Unit(benchmark::kMicrosecond);

void BM_Hydrometer(benchmark::State& state) {
    InitFloatingPoint();
    for (auto _ : state) benchmark::DoNotOptimize(CorrectReading(Vol(40), 12));
}
BENCHMARK(BM_Hydrometer)->Unit(benchmark::kMicrosecond);

void BM_VolumeAt20(benchmark::State& state) {
    InitFloatingPoint();
    for (auto _ : state) benchmark::DoNotOptimize(VolumeAt20(1000, Vol(40), 31));
}
BENCHMARK(BM_VolumeAt20)->Unit(benchmark::kMicrosecond);

void BM_WeightPercentAt(benchmark::State& state) {
    InitFloatingPoint();
    for (auto _ : state) benchmark::DoNotOptimize(WeightPercentAt(40, 31));
}
BENCHMARK(BM_WeightPercentAt)->Unit(benchmark::kMicrosecond);

InputTexts Run(std::int64_t plates) {
    return {"2000", "10", std::to_string(plates), "3"};
}

// The baseline: the one calculation a sizing runs, on a fresh column.
void BM_OneCalculation(benchmark::State& state) {
    InitFloatingPoint();
    const InputTexts inputs = Run(state.range(0));
    for (auto _ : state) {
        Column column;
        benchmark::DoNotOptimize(SolveCase(column, inputs, {}));
    }
}
BENCHMARK(BM_OneCalculation)
    ->ArgName("plates")
    ->Arg(6)
    ->Arg(20)
    ->Arg(100)
    ->Unit(benchmark::kMicrosecond);

void BM_SizeStill(benchmark::State& state) {
    InitFloatingPoint();
    const InputTexts inputs = Run(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(SizeStill(inputs, {}, StrengthUnit::Weight, {54, 0.13L, 10}));
}
BENCHMARK(BM_SizeStill)
    ->ArgName("plates")
    ->Arg(6)
    ->Arg(20)
    ->Arg(100)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace colmara
