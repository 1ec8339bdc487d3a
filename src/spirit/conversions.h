// Conversions of a spirit between mass and volume and between its strength
// by weight and by volume, at any temperature of the density formula
// (-20..40 degC). Mass is conserved; volumes are what a measuring vessel
// shows at the temperature given. Each refuses, naming the input, a
// temperature outside the formula's range or below the spirit's freezing
// point, as well as a strength or amount outside its range.
#pragma once

#include "spirit/spiritstrength.h"

namespace colmara {

// Grams of `millilitres` of a spirit of `strength` measured at `celsius`.
long double MassOfVolume(long double millilitres, const Strength& strength, long double celsius);

// Millilitres at `celsius` of `grams` of a spirit of `strength`.
long double VolumeOfMass(long double grams, const Strength& strength, long double celsius);

// The volume at 20 degC of `millilitres` measured at `celsius`.
long double VolumeAt20(long double millilitres, const Strength& strength, long double celsius);

// The strength by volume at `celsius` (ethanol's volume at that temperature
// per volume of the mixture at that temperature) of a mixture of
// `percentByWeight`: 100 p rho(p, t) / rho(1, t). At 20 degC it is
// VolumeFromWeight.
long double VolumePercentAt(long double percentByWeight, long double celsius);

// The way back: the % by weight whose strength by volume at `celsius` is
// `percentByVolume`, by bisection (the strength by volume rises with the
// mass fraction).
long double WeightPercentAt(long double percentByVolume, long double celsius);

}  // namespace colmara
