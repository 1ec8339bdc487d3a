// Blending spirits: the parts' masses and ethanol add up, and the blend's
// volume at 20 degC is that mass at the density of its strength, so the
// contraction on mixing is in the answer.
#pragma once

#include <vector>

#include "spirit/spiritstrength.h"

namespace colmara {

struct BlendPart {
    long double millilitres = 0;  // as measured at `celsius`
    Strength strength;            // the true strength (by volume: at 20 degC)
    long double celsius = 20;
};

struct Blend {
    long double volumeMl = 0;        // at 20 degC
    long double strengthVol = 0;     // % by volume at 20 degC
    long double strengthWeight = 0;  // % by weight
};

// Throws SpiritError naming the part ("part 2 volume: ...") for a volume
// outside the amounts, a strength outside 0..100 % or a temperature outside
// -20..40 degC or below the part's freezing point, and naming "parts" when
// there is none.
Blend BlendParts(const std::vector<BlendPart>& parts);

}  // namespace colmara
