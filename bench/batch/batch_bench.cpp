// Speed of a whole batch run beside a sweep of 150 rows at the same plates:
// a run at a constant reflux (three cuts, a row every 10 minutes) should
// cost no more calculations than such a sweep; a run holding the product
// strength seeks its reflux as the boiler depletes; a cut by the head
// temperature should cost no more than 1.1 times the same cut by strength.
#include <benchmark/benchmark.h>

#include <string>

#include "batch/batchrun.h"
#include "batch/headtemperature.h"
#include "runtime/fpcheck.h"
#include "study/sweep.h"

namespace colmara {
namespace {

// 20 l of a 10 % wash at 1000 W, heads 3 % of the alcohol, hearts down to
// 80 %, tails until the product falls below 20 %.
BatchRequest Wash(const std::string& plates, BatchPolicy policy) {
    BatchRequest request;
    request.charge = 20000;
    request.inputs = {"1000", "10", plates, "3"};
    request.policy = policy;
    request.targetStrength = 85;
    request.maxReflux = 30;
    request.cuts = DefaultCuts({3, AmountUnit::AlcoholShare}, 80);
    request.stops.productBelow = 20;
    return request;
}

void RunWash(benchmark::State& state, BatchPolicy policy, bool timeline = true) {
    InitFloatingPoint();
    BatchRequest request = Wash(std::to_string(state.range(0)), policy);
    request.timeline = timeline;
    std::uint64_t solves = 0;
    for (auto _ : state) {
        const BatchResult result = RunBatch(request, FormatSettings());
        solves = result.solves;
        benchmark::DoNotOptimize(result.cuts.back().product.mass);
    }
    state.counters["calculations"] = static_cast<double>(solves);
}

void BM_BatchReflux(benchmark::State& state) {
    RunWash(state, BatchPolicy::Reflux);
}
BENCHMARK(BM_BatchReflux)->ArgName("plates")->Arg(20)->Arg(100)->Unit(benchmark::kMillisecond);

// The cut table alone (the tool's --cuts): no row is solved.
void BM_BatchRefluxCuts(benchmark::State& state) {
    RunWash(state, BatchPolicy::Reflux, false);
}
BENCHMARK(BM_BatchRefluxCuts)->ArgName("plates")->Arg(20)->Unit(benchmark::kMillisecond);

void BM_BatchStrength(benchmark::State& state) {
    RunWash(state, BatchPolicy::Strength);
}
BENCHMARK(BM_BatchStrength)->ArgName("plates")->Arg(100)->Unit(benchmark::kMillisecond);

// Hearts cut by the head thermometer against the same run cut by strength:
// hearts end where the product falls below 85 %, or where the head rises
// above the temperature at which such a product condenses, at 1 atm (arg 0)
// or at 950 hPa (arg 1), where every timeline row's head temperature is
// moved by the published model too. (At 80 % the correlations step, and the
// two would close in on the step by different paths.)
BatchRequest HeadOrStrength(bool head, bool lowPressure) {
    BatchRequest request = Wash("20", BatchPolicy::Reflux);
    request.pressureHpa = lowPressure ? 950.0L : kStandardHpa;
    request.cuts[1].end = {CutEnd::ProductBelow, {}, 85};
    if (head)
        request.cuts[1].end = {
            CutEnd::HeadAbove, {}, static_cast<double>(HeadCelsius(0.85L, request.pressureHpa))};
    return request;
}

void RunCut(benchmark::State& state, bool head) {
    InitFloatingPoint();
    const BatchRequest request = HeadOrStrength(head, state.range(0) == 1);
    std::uint64_t solves = 0;
    for (auto _ : state) {
        const BatchResult result = RunBatch(request, FormatSettings());
        solves = result.solves;
        benchmark::DoNotOptimize(result.cuts[1].endMinute);
    }
    state.counters["calculations"] = static_cast<double>(solves);
}

void BM_BatchCutByStrength(benchmark::State& state) {
    RunCut(state, false);
}
BENCHMARK(BM_BatchCutByStrength)->ArgName("hpa950")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_BatchCutByHeadTemperature(benchmark::State& state) {
    RunCut(state, true);
}
BENCHMARK(BM_BatchCutByHeadTemperature)
    ->ArgName("hpa950")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

// The yardstick: 150 boiler strengths at the same plates, on one thread.
void BM_Sweep150(benchmark::State& state) {
    const SweepGrid grid({"1000", "0.1:15:0.1", std::to_string(state.range(0)), "3"},
                         FormatSettings());
    const SweepControl control{1, nullptr, {}};
    for (auto _ : state) {
        long double sum = 0;
        RunSweep(
            grid, FormatSettings(),
            [&](const SweepRow& row) { sum += row.result.productStrength.value_or(0); }, control);
        benchmark::DoNotOptimize(sum);
    }
    state.counters["calculations"] = static_cast<double>(grid.RowCount());
}
BENCHMARK(BM_Sweep150)
    ->ArgName("plates")
    ->Arg(20)
    ->Arg(100)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

}  // namespace
}  // namespace colmara
