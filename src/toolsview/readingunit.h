// What a reading at the still is in: degC, read from a thermometer, or a
// strength measured by volume at 20 degC, by weight or by mole.
#pragma once

#include <optional>

#include "study/strengthunit.h"

namespace colmara {

enum class ReadingUnit { Celsius, Volume, Weight, Mole };

// The strength unit of a reading; none for a temperature.
constexpr std::optional<StrengthUnit> StrengthUnitOf(ReadingUnit unit) {
    if (unit == ReadingUnit::Volume) return StrengthUnit::Volume;
    if (unit == ReadingUnit::Weight) return StrengthUnit::Weight;
    if (unit == ReadingUnit::Mole) return StrengthUnit::Mole;
    return std::nullopt;
}

// A strength's reading unit.
constexpr ReadingUnit ReadingUnitOf(StrengthUnit unit) {
    switch (unit) {
        case StrengthUnit::Volume:
            return ReadingUnit::Volume;
        case StrengthUnit::Mole:
            return ReadingUnit::Mole;
        case StrengthUnit::Weight:
            break;
    }
    return ReadingUnit::Weight;
}

}  // namespace colmara
