// Speed of reading the input fields and of writing report figures.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "runtime/fpcheck.h"
#include "runtime/numconv.h"

namespace {

using colmara::FormatSettings;

void BM_ParseExtended(benchmark::State& state) {
    colmara::InitFloatingPoint();
    const FormatSettings settings;
    const std::vector<std::string> texts = {"1",      "15",         "0.0958",   "78.34",
                                            "2.5E-3", "123456.789", "  12.5  ", "1E300"};
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(colmara::ParseExtended(texts[i], settings));
        i = (i + 1) % texts.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ParseExtended);

void BM_FormatExtendedTwoDecimals(benchmark::State& state) {
    colmara::InitFloatingPoint();
    const FormatSettings settings;
    const std::vector<long double> values = {5.5L,      0.125L,     78.34L,  99.996L,
                                             -3.14159L, 1234.5678L, 0.0004L, 86.7L};
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(colmara::FormatExtended("00.00", values[i], settings));
        i = (i + 1) % values.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FormatExtendedTwoDecimals);

}  // namespace
