// Reading an alcoholmeter away from its calibration temperature. A glass
// hydrometer calibrated at 20 degC floats at the mark R where a mixture of
// strength R at 20 degC would hold it. Read at t, the glass has expanded by
// the cubical coefficient of the International Alcoholometric Tables,
// 25e-6 per K, so the liquid it floats in has the density
//   rho(p, t) = rho(p_R, 20) / (1 + 25e-6 (t - 20)),
// and the true strength is that of the mass fraction p solving it.
#pragma once

#include "spirit/spiritstrength.h"

namespace colmara {

// Cubical expansion coefficient of the hydrometer's glass, per K.
inline constexpr long double kGlassExpansion = 25e-6L;

struct TrueStrength {
    long double strengthVol = 0;     // % by volume at 20 degC
    long double strengthWeight = 0;  // % by weight
};

// The true strength of a liquid in which a hydrometer graduated in
// `reading`'s unit shows `reading` at `celsius`. Throws SpiritError naming
// "reading" (outside 0..100 %, or a density no mixture has at `celsius`) or
// "temperature" (outside -20..40 degC, or below the freezing point of the
// true strength: the liquid would be ice).
TrueStrength CorrectReading(const Strength& reading, long double celsius);

}  // namespace colmara
