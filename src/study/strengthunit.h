// Strength by weight and by volume. The model works in per cent by weight
// (mass fraction x 100); hydrometers and spirit labels read per cent by
// volume at 20 degC. The two are linked by the density of the mixture, from
// the general formula of the International Alcoholometric Tables whose
// coefficients data/ethanol-water-density-oiml.csv holds:
//   % vol = 100 p rho(p, 20) / rho(1, 20),  p the mass fraction.
// Both units exist only from 0 to 100 %: outside, the formula is refused,
// never extrapolated.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace colmara {

enum class StrengthUnit { Weight, Volume };
inline constexpr std::array<StrengthUnit, 2> kStrengthUnits{StrengthUnit::Weight,
                                                            StrengthUnit::Volume};

// "weight" or "volume": the unit's key in setup files, settings and --units.
const char* StrengthUnitKey(StrengthUnit unit);
// The unit whose key is `key`, or none.
std::optional<StrengthUnit> StrengthUnitKeyed(std::string_view key);

// Density of the mixture, kg/m3, at mass fraction `massFraction` (0..1) and
// `celsius` degC (the formula holds from -20 to +40 degC). Every term of the
// formula is added in the order it is written, in extended precision.
long double MixtureDensity(long double massFraction, long double celsius);

// True for 0 <= percent <= 100 (false for NaN): a strength in either unit.
bool IsStrength(long double percent);

// % by weight to % by volume at 20 degC. 0 and 100 map to themselves
// exactly. Throws StudyError naming the value outside 0..100.
long double VolumeFromWeight(long double percentByWeight);

// % by volume at 20 degC to % by weight: the mass fraction solving
// VolumeFromWeight by Newton steps kept inside a shrinking bracket (a
// bisection step when Newton would leave it), to 1e-12 in the mass fraction.
// 0 and 100 map to themselves exactly. Throws StudyError naming the value
// outside 0..100.
long double WeightFromVolume(long double percentByVolume);

// A strength the model computed in % by weight, in `unit`. Absent stays
// absent; in % by volume a value outside 0..100 % (a plate's liquid balance
// can leave that range) has no counterpart and is absent as well.
std::optional<long double> StrengthIn(StrengthUnit unit,
                                      std::optional<long double> percentByWeight);

// "%" or "% vol", as messages write a strength in `unit`.
const char* StrengthUnitSymbol(StrengthUnit unit);

}  // namespace colmara
