// Strength by weight, by volume and by mole. The model works in per cent by
// weight (mass fraction x 100); hydrometers and spirit labels read per cent
// by volume at 20 degC; textbooks draw a column in mole fractions. Weight
// and volume are linked by the density of the mixture, from the general
// formula of the International Alcoholometric Tables whose coefficients
// data/ethanol-water-density-oiml.csv holds:
//   % vol = 100 p rho(p, 20) / rho(1, 20),  p the mass fraction;
// weight and mole by the molar masses of data/ethanol-water-pressure.csv:
//   % mol = 100 (p / M_E) / (p / M_E + (1 - p) / M_W).
// Every unit exists only from 0 to 100 %: outside, the formulas are
// refused, never extrapolated.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace colmara {

// In the order every unit selector lists them.
enum class StrengthUnit { Weight, Volume, Mole };
inline constexpr std::array<StrengthUnit, 3> kStrengthUnits{
    StrengthUnit::Weight, StrengthUnit::Volume, StrengthUnit::Mole};

// "weight", "volume" or "mole": the unit's key in setup files, settings and
// --units.
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

// The molar masses of ethanol and water, g/mol (IUPAC standard atomic
// weights, as data/ethanol-water-pressure.csv gives them).
long double EthanolMolarMass();
long double WaterMolarMass();

// % by weight to % by mole and back, in closed form with the molar masses.
// 0 and 100 map to themselves exactly. Throw StudyError naming the value
// outside 0..100.
long double MoleFromWeight(long double percentByWeight);
long double WeightFromMole(long double percentByMole);

// % by weight to `unit` and `unit` to % by weight: one of the conversions
// above, or the value itself by weight. Throw as they do.
long double StrengthFromWeight(StrengthUnit unit, long double percentByWeight);
long double WeightFromStrength(StrengthUnit unit, long double percent);

// A strength the model computed in % by weight, in `unit`. Absent stays
// absent; in % by volume or by mole a value outside 0..100 % (a plate's
// liquid balance can leave that range) has no counterpart and is absent as
// well.
std::optional<long double> StrengthIn(StrengthUnit unit,
                                      std::optional<long double> percentByWeight);

// "%", "% vol" or "% mol", as messages write a strength in `unit`.
const char* StrengthUnitSymbol(StrengthUnit unit);

// The CSV and JSON key of a strength in `unit`: `key` itself by weight,
// with "_vol" or "_mol" after it by volume or by mole
// ("product_strength_mol"). The text lives as long as the program, as the
// keys written in the code do.
const char* StrengthKey(const char* key, StrengthUnit unit);

}  // namespace colmara
