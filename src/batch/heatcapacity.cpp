#include "batch/heatcapacity.h"

#include <algorithm>
#include <cstddef>

#include "batch/heatcapacitytable.h"

namespace colmara {

namespace {

using heatcapacity::kRows;
using heatcapacity::kTemperatures;

// Steps of the temperature integral: the heat capacity is piecewise linear
// in temperature, so the trapezoids only cut its two corners.
constexpr int kTemperatureSteps = 200;

// Where `x` lies between entries i and i + 1 of a rising list: i and the
// weight of entry i + 1, held at the ends.
template <typename Key>
std::pair<std::size_t, long double> Bracket(std::size_t count, Key key, long double x) {
    if (x <= key(0)) return {0, 0};
    if (x >= key(count - 1)) return {count - 2, 1};
    std::size_t i = 0;
    while (key(i + 1) < x) ++i;
    return {i, (x - key(i)) / (key(i + 1) - key(i))};
}

long double AtTemperature(const heatcapacity::Row& row, long double celsius) {
    const auto [i, t] = Bracket(
        kTemperatures.size(), [](std::size_t k) { return kTemperatures[k]; }, celsius);
    return row.joulesPerGramKelvin[i] +
           (row.joulesPerGramKelvin[i + 1] - row.joulesPerGramKelvin[i]) * t;
}

}  // namespace

long double HeatCapacity(long double percentByWeight, long double celsius) {
    const auto [i, s] = Bracket(
        kRows.size(), [](std::size_t k) { return kRows[k].massPercent; }, percentByWeight);
    const long double low = AtTemperature(kRows[i], celsius);
    const long double high = AtTemperature(kRows[i + 1], celsius);
    return low + (high - low) * s;
}

long double HeatUpEnergy(long double grams, long double percentByWeight, long double fromCelsius,
                         long double toCelsius) {
    if (!(toCelsius > fromCelsius)) return 0;
    const long double step = (toCelsius - fromCelsius) / kTemperatureSteps;
    long double sum =
        (HeatCapacity(percentByWeight, fromCelsius) + HeatCapacity(percentByWeight, toCelsius)) / 2;
    for (int k = 1; k < kTemperatureSteps; ++k)
        sum += HeatCapacity(percentByWeight, fromCelsius + step * k);
    return grams * sum * step;
}

}  // namespace colmara
