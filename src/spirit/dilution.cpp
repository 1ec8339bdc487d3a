#include "spirit/dilution.h"

#include "spirit/spiriterror.h"

namespace colmara {

namespace {

struct Fractions {
    long double start = 0;
    long double target = 0;
};

// Both strengths as mass fractions, checked: water only lowers a strength,
// and never to 0 while there is ethanol.
Fractions CheckedFractions(const Strength& strength, const Strength& target) {
    const Fractions p{MassFractionOf(strength, "strength"), MassFractionOf(target, "target")};
    if (p.target > p.start) throw SpiritError("target: above the strength; water only lowers it");
    if (p.target == 0 && p.start > 0)
        throw SpiritError("target: no amount of water takes a spirit to 0 %");
    return p;
}

// The mixture's figures from the spirit's and the final mass.
Dilution Mixed(long double spiritGrams, long double finalGrams, const Fractions& p) {
    Dilution d;
    d.spiritMl = spiritGrams / GramsPerMl(p.start, 20);
    d.waterMl = (finalGrams - spiritGrams) / GramsPerMl(0, 20);
    d.finalVolumeMl = finalGrams / GramsPerMl(p.target, 20);
    d.finalStrengthWeight = p.target * 100;
    d.finalStrengthVol = VolumeFromWeight(d.finalStrengthWeight);
    // Only a target far below the strength takes an amount out of range.
    if (d.finalVolumeMl > kLargestAmount)
        throw SpiritError("target: so far below the strength that the mixture would pass 1e12 ml");
    if (d.spiritMl < kSmallestAmount)
        throw SpiritError(
            "target: so far below the strength that the spirit would be under "
            "0.001 ml");
    return d;
}

// The mass that carries the ethanol of `grams` at mass fraction `from` at
// fraction `to`: the ethanol stays, the water changes.
long double SameEthanol(long double grams, long double from, long double to) {
    return from == to ? grams : grams * from / to;
}

}  // namespace

Dilution Dilute(long double millilitres, const Strength& strength, const Strength& target) {
    RequireAmount(millilitres, "volume");
    const Fractions p = CheckedFractions(strength, target);
    const long double spiritGrams = millilitres * GramsPerMl(p.start, 20);
    return Mixed(spiritGrams, SameEthanol(spiritGrams, p.start, p.target), p);
}

Dilution DiluteToVolume(long double finalMillilitres, const Strength& strength,
                        const Strength& target) {
    RequireAmount(finalMillilitres, "final volume");
    const Fractions p = CheckedFractions(strength, target);
    const long double finalGrams = finalMillilitres * GramsPerMl(p.target, 20);
    return Mixed(SameEthanol(finalGrams, p.target, p.start), finalGrams, p);
}

}  // namespace colmara
