// What a reading at the still is in: degC, read from a thermometer, or a
// strength measured by volume at 20 degC or by weight.
#pragma once

#include <optional>

#include "study/strengthunit.h"

namespace colmara {

enum class ReadingUnit { Celsius, Volume, Weight };

// The strength unit of a reading; none for a temperature.
constexpr std::optional<StrengthUnit> StrengthUnitOf(ReadingUnit unit) {
    if (unit == ReadingUnit::Volume) return StrengthUnit::Volume;
    if (unit == ReadingUnit::Weight) return StrengthUnit::Weight;
    return std::nullopt;
}

// A strength's reading unit.
constexpr ReadingUnit ReadingUnitOf(StrengthUnit unit) {
    return unit == StrengthUnit::Volume ? ReadingUnit::Volume : ReadingUnit::Weight;
}

}  // namespace colmara
