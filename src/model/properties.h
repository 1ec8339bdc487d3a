// Property correlations of ethanol/water mixtures: vapour strength in
// equilibrium with a liquid, temperature of a vapour, heat of vaporization,
// and the general power function they use. All in 80-bit long double.
#pragma once

namespace colmara {

long double vapourstrength(long double x);
long double temperature(long double y);
long double heatofvaporization(long double y);
long double Power(long double base, long double exponent);

}  // namespace colmara
