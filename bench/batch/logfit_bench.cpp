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
#include "runtime/fpcheck.h"
#include "study/valuetext.h"

namespace colmara {
namespace {

// 10 l of a 10 % wash, heads 3 % of the alcohol, hearts to 80 %, stopped
// when the product falls below 40 %.
BatchRequest Wash(int plates, int watts) {
    BatchRequest request;
    request.charge = 10000;
    request.inputs = {std::to_string(watts), "10", std::to_string(plates), "3"};
    request.cuts = DefaultCuts({3, AmountUnit::AlcoholShare}, 80);
    request.stops.productBelow = 40;
    return request;
}

std::string Cell(long double value) {
    return PlainNumber(static_cast<double>(value));
}

// One row every `every` minutes while the run distils, the thermometers
// scattered by 0.1 K.
std::string LogText(const BatchResult& run, long double every) {
    std::mt19937 random(1);
    std::normal_distribution<double> thermometer(0, 0.1);
    std::string text = "time,head_temperature,boiler_temperature,collected_ml\n";
    LogPoint at{0, 0, LogReading::HeadTemperature, 0, kStandardHpa, 0};
    const auto model = [&](LogReading reading) {
        at.reading = reading;
        return ModelValue(run.timeline, at);
    };
    for (at.minute = run.timeline.front().minute; at.minute <= run.timeline.back().minute;
         at.minute += every)
        text += Cell(at.minute) + "," +
                Cell(model(LogReading::HeadTemperature) + thermometer(random)) + "," +
                Cell(model(LogReading::BoilerTemperature) + thermometer(random)) + "," +
                Cell(model(LogReading::CollectedMl)) + "\n";
    return text;
}

void BM_ReadAndPairLog10000Rows(benchmark::State& state) {
    InitFloatingPoint();
    const BatchResult run = RunBatch(Wash(20, 1000), FormatSettings());
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
    const RunLog log = ParseRunLog(LogText(RunBatch(Wash(plates, 850), FormatSettings()), 2));
    LogFit fit;
    for (auto _ : state) fit = FitLog(Wash(10, 1000), log, {}, FormatSettings());
    state.counters["runs"] = fit.runs;
    state.counters["fitted_plates"] = fit.plates;
    state.counters["fitted_loss"] = static_cast<double>(fit.heatLossPercent);
}
BENCHMARK(BM_FitLog)->ArgName("plates")->Arg(20)->Arg(100)->Iterations(1)->Unit(
    benchmark::kMillisecond);

}  // namespace
}  // namespace colmara
