// Speed of the thermometer's answers at a pressure away from 1 atm (target:
// 20 us each), both ways: strength to temperature and temperature to
// strength, for a liquid in the boiler and a vapour at the column's head.
// The temperatures step a little each time, as a reading does, so no answer
// is the last one again.
#include <benchmark/benchmark.h>

#include "boiling/boilingpoint.h"
#include "runtime/fpcheck.h"

namespace colmara {
namespace {

constexpr long double kHpa = 950;

void BM_LiquidBoilingCelsius(benchmark::State& state) {
    InitFloatingPoint();
    long double w = 0.05L;
    for (auto _ : state) {
        benchmark::DoNotOptimize(LiquidBoilingCelsius(w, kHpa));
        w = w < 0.9L ? w + 1e-4L : 0.05L;
    }
}
BENCHMARK(BM_LiquidBoilingCelsius)->Unit(benchmark::kMicrosecond);

void BM_VapourCondensingCelsius(benchmark::State& state) {
    InitFloatingPoint();
    long double y = 0.3L;
    for (auto _ : state) {
        benchmark::DoNotOptimize(VapourCondensingCelsius(y, kHpa));
        y = y < 0.95L ? y + 1e-4L : 0.3L;
    }
}
BENCHMARK(BM_VapourCondensingCelsius)->Unit(benchmark::kMicrosecond);

void BM_LiquidAtCelsius(benchmark::State& state) {
    InitFloatingPoint();
    long double t = 80;
    for (auto _ : state) {
        benchmark::DoNotOptimize(LiquidAtCelsius(t, kHpa));
        t = t < 95 ? t + 1e-3L : 80;
    }
}
BENCHMARK(BM_LiquidAtCelsius)->Unit(benchmark::kMicrosecond);

// Head readings from just above the azeotrope, where the curve is flat and
// most readings of a reflux still fall, to a weak vapour.
void BM_VapourAtCelsius(benchmark::State& state) {
    InitFloatingPoint();
    long double t = 76.6L;
    for (auto _ : state) {
        benchmark::DoNotOptimize(VapourAtCelsius(t, kHpa));
        t = t < 95 ? t + 1e-3L : 76.6L;
    }
}
BENCHMARK(BM_VapourAtCelsius)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace colmara
