// Speed of a run log against the model: reading a log of 10,000 rows from
// its file and pairing each reading with the timeline (the target is 50 ms),
// and the fit of a log that a still of 20 or 100 plates losing 15 % of its
// power wrote, from a start at 10 plates (the target is 5 s on one core).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "batch/batchrun.h"
#include "batch/logfit.h"
#include "batch/logpairing.h"
#include "loggedrun/loggedrun.h"
#include "runtime/fpcheck.h"

namespace colmara {
namespace {

using test::LoggedWash;

// One row every `every` minutes while the run distils, the thermometers
// scattered by 0.1 K, the jug exact.
std::string LogText(const BatchResult& run, long double every) {
    std::mt19937 random(1);
    return test::LoggedRunText(run, every, 0, random);
}

void BM_ReadAndPairLog10000Rows(benchmark::State& state) {
    InitFloatingPoint();
    const BatchResult run = RunBatch(LoggedWash(20, 1000), FormatSettings());
    const long double minutes = run.timeline.back().minute - run.timeline.front().minute;
    const std::string path = (std::filesystem::temp_directory_path() / "colmara-log.csv").string();
    std::ofstream(path) << LogText(run, minutes / 9999);
    for (auto _ : state) {
        const LogPairs pairs = PairLog(ReadRunLog(path), run.timeline, kStandardHpa, {});
        benchmark::DoNotOptimize(pairs.readings.size());
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_ReadAndPairLog10000Rows)->Unit(benchmark::kMillisecond);

void BM_FitLog(benchmark::State& state) {
    InitFloatingPoint();
    const int plates = static_cast<int>(state.range(0));
    const RunLog log = ParseRunLog(LogText(RunBatch(LoggedWash(plates, 850), FormatSettings()), 2));
    LogFit fit;
    for (auto _ : state) fit = FitLog(LoggedWash(10, 1000), log, {}, FormatSettings());
    state.counters["runs"] = fit.runs;
    state.counters["fitted_plates"] = fit.plates;
    state.counters["fitted_loss"] = static_cast<double>(fit.heatLossPercent);
}
BENCHMARK(BM_FitLog)->ArgName("plates")->Arg(20)->Arg(100)->Iterations(1)->Unit(
    benchmark::kMillisecond);

}  // namespace
}  // namespace colmara
