// Property correlations of ethanol/water mixtures: vapour strength in
// equilibrium with a liquid, temperature of a vapour, heat of vaporization,
// the general power function they use, and the vapour of a plate that falls
// short of equilibrium. All in 80-bit long double.
#pragma once

namespace colmara {

// The azeotrope: vapourstrength gives no vapour stronger than this, whatever
// the liquid.
inline constexpr long double kAzeotrope = 0.9558L;

long double vapourstrength(long double x);
long double temperature(long double y);
long double heatofvaporization(long double y);
long double Power(long double base, long double exponent);

// The vapour leaving a plate of Murphree vapour efficiency `efficiency` (a
// fraction): the vapour `entering` from below moved that share of the way to
// the vapour in `equilibrium` with the plate's liquid. At 1 it is
// `equilibrium` itself, bit for bit.
long double murphreevapour(long double entering, long double equilibrium, long double efficiency);

}  // namespace colmara
