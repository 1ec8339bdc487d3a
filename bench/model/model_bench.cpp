// Speed of the column solver and of the heat of vaporization it calls most.
#include <benchmark/benchmark.h>

#include "model/column.h"
#include "model/properties.h"
#include "runtime/fpcheck.h"

namespace {

void SolveColumn(benchmark::State& state, std::int32_t plates) {
    colmara::InitFloatingPoint();
    colmara::Column column;
    column.power = 1000;
    column.boilerstrength = 0.01L;
    column.plates = plates;
    column.refluxfactor = 16;
    for (auto _ : state) {
        column.Solve();
        benchmark::DoNotOptimize(column.topstrength);
    }
}

void BM_SolveInitialInputs(benchmark::State& state) {
    SolveColumn(state, 20);
}
void BM_Solve100Plates(benchmark::State& state) {
    SolveColumn(state, 100);
}

void BM_HeatOfVaporization(benchmark::State& state) {
    colmara::InitFloatingPoint();
    long double y = 0.4L;
    for (auto _ : state) {
        benchmark::DoNotOptimize(y);
        benchmark::DoNotOptimize(colmara::heatofvaporization(y));
    }
}

}  // namespace

BENCHMARK(BM_SolveInitialInputs)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Solve100Plates)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HeatOfVaporization);
