// Bringing a spirit down to a lower strength with water, with the
// contraction of the mixture: the water and the ethanol are balanced by
// mass, and every volume is the volume at 20 degC that the density formula
// gives for that mass.
#pragma once

#include "spirit/spiritstrength.h"

namespace colmara {

struct Dilution {
    long double spiritMl = 0;             // ml of the starting spirit at 20 degC
    long double waterMl = 0;              // ml of water at 20 degC to add
    long double finalVolumeMl = 0;        // ml of the mixture at 20 degC
    long double finalStrengthVol = 0;     // % by volume at 20 degC
    long double finalStrengthWeight = 0;  // % by weight
};

// The water that brings `millilitres` of `strength` down to `target`.
// Throws SpiritError naming the input: a volume outside the amounts
// (RequireAmount), a strength outside 0..100 %, a target above the strength,
// a target of 0 for a spirit that holds ethanol (no amount of water reaches
// it), or one so low that the mixture or the spirit would leave the amounts.
Dilution Dilute(long double millilitres, const Strength& strength, const Strength& target);

// The spirit of `strength` and the water that make `finalMillilitres` at
// `target`. Refuses the same inputs as Dilute.
Dilution DiluteToVolume(long double finalMillilitres, const Strength& strength,
                        const Strength& target);

}  // namespace colmara
