// Speed of the study layer: a 2,000-row sweep at 20 to 59 plates against the
// same rows as separate presses of Calculate, on one and on two threads, by
// weight and by volume; goal seeks at 100 plates; and the conversion between
// strength by weight and by volume.
#include <benchmark/benchmark.h>

#include <vector>

#include "model/column.h"
#include "report/calculate.h"
#include "report/reportcollector.h"
#include "runtime/exceptions.h"
#include "runtime/fpcheck.h"
#include "study/caseresult.h"
#include "study/discardingsink.h"
#include "study/seek.h"
#include "study/strengthunit.h"
#include "study/sweep.h"

namespace colmara {
namespace {

// 10 strengths x 40 plate counts x 5 reflux ratios.
const InputTexts kSweep{"1000", "1:10", "20:59", "1:5"};

std::vector<InputTexts> SweepCases() {
    const SweepGrid grid(kSweep, FormatSettings());
    std::vector<InputTexts> cases;
    for (std::uint64_t row = 0; row < grid.RowCount(); ++row) cases.push_back(grid.InputsAt(row));
    return cases;
}

// The baseline: each row as one Calculate on the window's column, texts
// ready, into a sink that keeps nothing (the cheapest a press can be) or,
// as the window and the tool do, into one that keeps the lines.
template <typename Sink>
void BM_CalculateEachRow(benchmark::State& state) {
    InitFloatingPoint();
    const std::vector<InputTexts> cases = SweepCases();
    const FixedReportOptions options;
    const FormatSettings settings;
    Column column;
    for (auto _ : state) {
        for (const InputTexts& inputs : cases) {
            Sink sink;
            try {
                Calculate(column, inputs, sink, options, settings);
            } catch (const Exception&) {
            }
            benchmark::DoNotOptimize(column.topstrength);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(cases.size()));
}
BENCHMARK(BM_CalculateEachRow<DiscardingReportSink>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CalculateEachRow<ReportCollector>)->Unit(benchmark::kMillisecond);

// The sweep's rows as study calculations (SolveCase, as a sweep row or the
// window's case is solved) with plates of the efficiency in range 0, in per
// cent: the cost of plates below 100 % against ideal ones.
void BM_StudyCaseAtEfficiency(benchmark::State& state) {
    InitFloatingPoint();
    std::vector<InputTexts> cases = SweepCases();
    for (InputTexts& inputs : cases) inputs.efficiency = std::to_string(state.range(0));
    const FormatSettings settings;
    Column column;
    for (auto _ : state) {
        for (const InputTexts& inputs : cases)
            benchmark::DoNotOptimize(SolveCase(column, inputs, settings).productStrength);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(cases.size()));
}
BENCHMARK(BM_StudyCaseAtEfficiency)
    ->ArgName("efficiency")
    ->Arg(100)
    ->Arg(90)
    ->Arg(70)
    ->Arg(50)
    ->Unit(benchmark::kMillisecond);

// The window's first case (1000 W, 1 %, 20 plates, reflux 15) alone.
void BM_StartCaseAtEfficiency(benchmark::State& state) {
    InitFloatingPoint();
    const InputTexts inputs{"1000", "1", "20", "15", std::to_string(state.range(0))};
    const FormatSettings settings;
    Column column;
    for (auto _ : state)
        benchmark::DoNotOptimize(SolveCase(column, inputs, settings).productStrength);
}
BENCHMARK(BM_StartCaseAtEfficiency)
    ->ArgName("efficiency")
    ->Arg(100)
    ->Arg(90)
    ->Arg(70)
    ->Unit(benchmark::kMicrosecond);

// Range 1 is the unit: by volume, every row's strength text is converted
// before it is solved and its product strength after.
void BM_Sweep(benchmark::State& state) {
    const auto unit = static_cast<StrengthUnit>(state.range(1));
    const SweepGrid grid(kSweep, FormatSettings(), unit);
    const SweepControl control{static_cast<unsigned>(state.range(0)), nullptr, {}};
    for (auto _ : state) {
        long double sum = 0;
        RunSweep(
            grid, FormatSettings(),
            [&](const SweepRow& row) { sum += row.result.ProductStrength(unit).value_or(0); },
            control);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(grid.RowCount()));
}
// CPU time is the whole process's, workers included, so that the cost per row
// on one thread can be compared with the baseline even on a busy machine.
BENCHMARK(BM_Sweep)
    ->ArgNames({"threads", "volume"})
    ->ArgsProduct({{1, 2}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

// All that a sweep by volume adds, alone: each row's field texts and given
// strength, without solving.
void BM_SweepTexts(benchmark::State& state) {
    const SweepGrid grid(kSweep, FormatSettings(), static_cast<StrengthUnit>(state.range(0)));
    for (auto _ : state) {
        for (std::uint64_t row = 0; row < grid.RowCount(); ++row) {
            benchmark::DoNotOptimize(grid.InputsAt(row));
            benchmark::DoNotOptimize(grid.GivenStrengthAt(row));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(grid.RowCount()));
}
BENCHMARK(BM_SweepTexts)->ArgName("volume")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// One conversion each way, over strengths spread across the whole scale.
template <long double (*Convert)(long double)>
void BM_Convert(benchmark::State& state) {
    InitFloatingPoint();
    std::vector<long double> strengths;
    for (int i = 0; i <= 1000; ++i) strengths.push_back(i / 10.0L);
    for (auto _ : state) {
        for (const long double percent : strengths) benchmark::DoNotOptimize(Convert(percent));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(strengths.size()));
}
BENCHMARK(BM_Convert<VolumeFromWeight>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Convert<WeightFromVolume>)->Unit(benchmark::kMicrosecond);

void RunSeek(benchmark::State& state, Input vary, SeekQuantity quantity, double target) {
    InitFloatingPoint();
    SeekRequest request;
    request.inputs = {"1000", "10", "100", "3"};
    request.vary = vary;
    request.quantity = quantity;
    request.target = target;
    std::uint64_t solves = 0;
    for (auto _ : state) {
        const SeekResult result = Seek(request, FormatSettings());
        solves = result.solves;
        benchmark::DoNotOptimize(result.reachable);
    }
    state.counters["solves"] = static_cast<double>(solves);
}

// Unreachable: every plate count from 0 to 100 is solved.
void BM_SeekPlatesUnreachable(benchmark::State& state) {
    RunSeek(state, Input::Plates, SeekQuantity::ProductStrength, 99);
}
BENCHMARK(BM_SeekPlatesUnreachable)->Unit(benchmark::kMillisecond);

void BM_SeekRefluxAt100Plates(benchmark::State& state) {
    RunSeek(state, Input::Reflux, SeekQuantity::ProductStrength, 93);
}
BENCHMARK(BM_SeekRefluxAt100Plates)->Unit(benchmark::kMillisecond);

void BM_SeekPowerAt100Plates(benchmark::State& state) {
    RunSeek(state, Input::Power, SeekQuantity::ProductAmount, 12345);
}
BENCHMARK(BM_SeekPowerAt100Plates)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace colmara
