// Speed of what a course and a real still ask of the study layer: the limits
// of a separation (target: 60 calculations, 50 ms at 100 plates), plates
// worked back from two strengths, reached or not (target: 50 ms at 100
// plates), and reading a 10,000-row run log (target: 50 ms).
#include <benchmark/benchmark.h>

#include <string>

#include "runtime/fpcheck.h"
#include "study/platecount.h"
#include "study/runlog.h"
#include "study/separationlimits.h"
#include "study/studyerror.h"

namespace colmara {
namespace {

void BM_LimitsTangentPinch(benchmark::State& state) {
    InitFloatingPoint();
    const FormatSettings settings;
    for (auto _ : state) benchmark::DoNotOptimize(LimitsOf(0.3L, 0.94L, "1000", settings));
}
BENCHMARK(BM_LimitsTangentPinch)->Unit(benchmark::kMillisecond);

// A head the column reaches only near its top: the seek scans most counts.
void BM_PlatesAtRefluxNear100(benchmark::State& state) {
    InitFloatingPoint();
    const FormatSettings settings;
    for (auto _ : state)
        benchmark::DoNotOptimize(PlatesAtReflux(0.1L, 0.94L, "1000", "2.3", settings));
}
BENCHMARK(BM_PlatesAtRefluxNear100)->Unit(benchmark::kMillisecond);

// Heads out of reach at the reflux: the seek names the best count.
struct OutOfReach {
    long double boiler;
    long double head;
    const char* reflux;
};
constexpr OutOfReach kOutOfReach[] = {
    {0.1L, 0.94L, "1"},   // a wash at little reflux
    {0.1L, 0.96L, "3"},   // above the azeotrope
    {0.3L, 0.9L, "0.5"},  // near a tangent pinch, where the plates stall slowly
};

void BM_PlatesAtRefluxOutOfReach(benchmark::State& state) {
    InitFloatingPoint();
    const FormatSettings settings;
    const OutOfReach& c = kOutOfReach[state.range(0)];
    for (auto _ : state) {
        try {
            PlatesAtReflux(c.boiler, c.head, "1000", c.reflux, settings);
            state.SkipWithError("the head was reached");
            break;
        } catch (const OutOfReachError&) {
        }
    }
}
BENCHMARK(BM_PlatesAtRefluxOutOfReach)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void BM_ParseRunLog10000Rows(benchmark::State& state) {
    std::string text = "time;head_temperature;boiler_temperature;collected_ml\n";
    for (int k = 0; k < 10000; ++k)
        text += std::to_string(k / 60) + ":" + std::to_string(k % 60 / 10) +
                std::to_string(k % 10) + ";78," + std::to_string(k % 10) + ";92,1;" +
                std::to_string(k) + "\n";
    for (auto _ : state) benchmark::DoNotOptimize(ParseRunLog(text));
}
BENCHMARK(BM_ParseRunLog10000Rows)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace colmara
