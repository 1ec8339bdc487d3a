// The units a tool's form offers, in the order it lists them, each with the
// unit it stands for: a form keeps the unit as the item's data and finds an
// item by it, so no order is written twice.
#pragma once

#include <array>

#include "batch/batchrequest.h"
#include "study/strengthunit.h"
#include "toolsview/readingunit.h"

namespace colmara {

template <class Unit>
struct UnitChoice {
    Unit unit;
    const char* text;
};

// The spirit tools' strengths: by volume at 20 degC first, as hydrometers
// and labels give them; by mole last, as every unit selector lists it.
inline constexpr std::array<UnitChoice<StrengthUnit>, 3> kSpiritStrengthUnits{{
    {StrengthUnit::Volume, "% by volume at 20 °C"},
    {StrengthUnit::Weight, "% by weight"},
    {StrengthUnit::Mole, "% mol"},
}};

// The column's boiler strength: by weight first, as the study's inputs.
inline constexpr std::array<UnitChoice<StrengthUnit>, 3> kColumnStrengthUnits{{
    {StrengthUnit::Weight, "% by weight"},
    {StrengthUnit::Volume, "% by volume at 20 °C"},
    {StrengthUnit::Mole, "% mol"},
}};

// A charge: millilitres at 20 degC first, as the batch run.
inline constexpr std::array<UnitChoice<ChargeUnit>, 2> kChargeUnits{{
    {ChargeUnit::Millilitres, "ml at 20 °C"},
    {ChargeUnit::Grams, "g"},
}};

// A reading at the still: a thermometer's first, then the strengths as the
// spirit tools list them.
inline constexpr std::array<UnitChoice<ReadingUnit>, 4> kReadingUnits{{
    {ReadingUnit::Celsius, "°C"},
    {ReadingUnit::Volume, "% vol"},
    {ReadingUnit::Weight, "% by weight"},
    {ReadingUnit::Mole, "% mol"},
}};

// The air pressure at the still: in hPa, or the altitude it stands at.
enum class PressureUnit { Hectopascal, Altitude };
inline constexpr std::array<UnitChoice<PressureUnit>, 2> kPressureUnits{{
    {PressureUnit::Hectopascal, "hPa"},
    {PressureUnit::Altitude, "m of altitude"},
}};

// A thermometer's offset: in K, or what it reads in boiling water.
enum class OffsetUnit { Kelvin, BoilingWater };
inline constexpr std::array<UnitChoice<OffsetUnit>, 2> kOffsetUnits{{
    {OffsetUnit::Kelvin, "K"},
    {OffsetUnit::BoilingWater, "°C in boiling water"},
}};

}  // namespace colmara
