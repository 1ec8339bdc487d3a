// The air pressure a still boils at: typed in hPa, or worked out from the
// altitude by the international standard atmosphere (ICAO Doc 7488, its
// troposphere, with the constants of data/ethanol-water-pressure.csv):
//   p / hPa = 1013.25 (1 - 2.25577e-5 h / m)^5.25588
// The published constants the boiling layer moves the model with are
// checked from 300 to 1100 hPa (vacuum stills run low); a pressure outside
// that range is refused.
#pragma once

namespace colmara {

// The pressure the column model's correlations are for, 1 atm.
inline constexpr long double kStandardHpa = 1013.25L;
inline constexpr long double kLowestHpa = 300;
inline constexpr long double kHighestHpa = 1100;

// `hpa` itself when it lies within the range; else throws BoilingError
// "pressure: ... is outside 300 to 1100 hPa".
long double CheckedPressure(long double hpa);

// The standard atmosphere's pressure at `metres` above sea level; throws
// BoilingError naming the altitude when the pressure there falls outside
// the range (above about 9160 m, below about -730 m).
long double PressureAtAltitude(long double metres);

}  // namespace colmara
