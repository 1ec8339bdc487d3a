// Speed of the answers the Tools window's thermometer and own-column forms
// show, from texts to the window's lines, as each keystroke asks for them:
// every thermometer answer (target: 20 us) and a plate count from two
// readings, up to all 100 plates (target: 50 ms).
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "runtime/fpcheck.h"
#include "toolsview/answerjob.h"
#include "toolsview/boilinganswer.h"
#include "toolsview/platesanswers.h"

namespace colmara {
namespace {

// Readings from `from` in steps of `step`, as a reading moves, so no answer
// is the last one again.
std::vector<std::string> Readings(double from, double step) {
    std::vector<std::string> texts;
    for (int k = 0; k < 1000; ++k) texts.push_back(std::to_string(from + k * step));
    return texts;
}

// At 950 hPa through an offset of 0.3 K, as a still away from sea level.
void BM_ThermometerAnswer(benchmark::State& state, BoilingGiven given, double from, double step) {
    InitFloatingPoint();
    const FormatSettings settings;
    const std::vector<std::string> readings = Readings(from, step);
    BoilingTexts texts{given,
                       {"", "Reading"},
                       StrengthUnit::Volume,
                       PressureTexts{NamedText{"950", "Air pressure"}, std::nullopt},
                       ThermometerTexts{NamedText{"0.3", "Thermometer offset"}, std::nullopt}};
    std::size_t k = 0;
    for (auto _ : state) {
        texts.value.text = readings[k++ % readings.size()];
        benchmark::DoNotOptimize(ShownAnswerOf(
            [&](const NumberReader& read) { return BoilingAnswer(texts, read); }, settings));
    }
}
BENCHMARK_CAPTURE(BM_ThermometerAnswer, head_temperature, BoilingGiven::VapourTemperature, 76.8,
                  0.015)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ThermometerAnswer, boiler_temperature, BoilingGiven::LiquidTemperature, 80,
                  0.015)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ThermometerAnswer, liquid_strength, BoilingGiven::Liquid, 5, 0.08)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ThermometerAnswer, vapour_strength, BoilingGiven::Vapour, 20, 0.07)
    ->Unit(benchmark::kMicrosecond);

// A boiler of 10 % by weight at 1000 W and reflux 2.3, where the column
// pinches near 94.33 % by weight: the seek solves each count from 0 up to
// the first that reaches the head, all 101 for a head out of reach.
void BM_PlatesFromTwoReadings(benchmark::State& state, const char* head, ReadingUnit unit) {
    InitFloatingPoint();
    const FormatSettings settings;
    const PlatesTexts texts{{{"10", "Boiler reading"}, ReadingUnit::Weight},
                            {{head, "Head reading"}, unit},
                            NamedText{"1000", "Power"},
                            NamedText{"2.3", "Reflux ratio"},
                            {},
                            {},
                            std::nullopt,
                            std::nullopt};
    for (auto _ : state)
        benchmark::DoNotOptimize(ShownAnswerOf(
            [&](const NumberReader& read) { return PlatesAnswer(texts, read); }, settings));
}
BENCHMARK_CAPTURE(BM_PlatesFromTwoReadings, strength_at_20_plates, "94", ReadingUnit::Weight)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PlatesFromTwoReadings, strength_at_27_plates, "94.333", ReadingUnit::Weight)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PlatesFromTwoReadings, temperature_at_20_plates, "78.18", ReadingUnit::Celsius)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PlatesFromTwoReadings, out_of_reach_after_100_plates, "94.5",
                  ReadingUnit::Weight)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace colmara
