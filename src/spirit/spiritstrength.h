// A spirit's strength as the tools take it (% by volume at 20 degC, % by
// weight or % by mole), its density and the checks every tool makes on its inputs.
#pragma once

#include <string>

#include "study/strengthunit.h"

namespace colmara {

struct Strength {
    long double percent = 0;
    StrengthUnit unit = StrengthUnit::Volume;
};

// Halving [0, 1] 70 times leaves an interval below the spacing of long
// double numbers near any mass fraction that matters; the inverse problems
// of the tools bisect this often.
inline constexpr int kBisectionSteps = 70;

// The lowest and highest temperature of the density formula, deg C.
inline constexpr long double kLowestCelsius = -20;
inline constexpr long double kHighestCelsius = 40;

// The ethanol mass fraction (0..1) of `strength`. Throws SpiritError naming
// `input` for a strength outside 0..100 % (or NaN).
long double MassFractionOf(const Strength& strength, const std::string& input);

// The amounts the tools answer for, in ml or g: from a thousandth of a
// millilitre to a million cubic metres, so that no figure they give is
// rounded to 0 or passes the numbers an answer is printed with.
inline constexpr long double kSmallestAmount = 0.001L;
inline constexpr long double kLargestAmount = 1e12L;

// Throws SpiritError naming `input` unless 0 < millilitres, and then unless
// kSmallestAmount <= millilitres <= kLargestAmount (a mass in grams is
// checked the same way).
void RequireAmount(long double millilitres, const std::string& input);

// Throws SpiritError naming `input` unless -20 <= celsius <= 40.
void RequireTemperature(long double celsius, const std::string& input);

// Throws SpiritError naming `input` when a spirit of mass fraction
// `massFraction` is frozen at `celsius` (below FreezingPointCelsius): it is
// no liquid to measure there. The message gives the freezing point.
void RequireLiquid(long double massFraction, long double celsius, const std::string& input);

// Grams per millilitre of a mixture of mass fraction `massFraction` at
// `celsius` (the density formula, kg/m3, over 1000).
long double GramsPerMl(long double massFraction, long double celsius);

// The mass fraction p in [0, 1] with MixtureDensity(p, celsius) = density,
// by bisection to the resolution of the number; the density falls as p rises
// at every temperature of the formula. Throws SpiritError naming `input` when
// no mixture has that density at that temperature.
long double MassFractionOfDensity(long double density, long double celsius,
                                  const std::string& input);

}  // namespace colmara
