#include "spirit/conversions.h"

#include "runtime/bisect.h"
#include "spirit/spiriterror.h"

namespace colmara {

namespace {

long double VolumeFractionAt(long double p, long double celsius) {
    return p * MixtureDensity(p, celsius) / MixtureDensity(1, celsius);
}

// The mass fraction of `strength`, a liquid at `celsius`, both checked.
long double LiquidFraction(const Strength& strength, long double celsius) {
    RequireTemperature(celsius, "temperature");
    const long double p = MassFractionOf(strength, "strength");
    RequireLiquid(p, celsius, "temperature");
    return p;
}

}  // namespace

long double MassOfVolume(long double millilitres, const Strength& strength, long double celsius) {
    RequireAmount(millilitres, "volume");
    return millilitres * GramsPerMl(LiquidFraction(strength, celsius), celsius);
}

long double VolumeOfMass(long double grams, const Strength& strength, long double celsius) {
    RequireAmount(grams, "mass");
    return grams / GramsPerMl(LiquidFraction(strength, celsius), celsius);
}

long double VolumeAt20(long double millilitres, const Strength& strength, long double celsius) {
    const long double grams = MassOfVolume(millilitres, strength, celsius);
    return grams / GramsPerMl(MassFractionOf(strength, "strength"), 20);
}

long double VolumePercentAt(long double percentByWeight, long double celsius) {
    const long double p = LiquidFraction({percentByWeight, StrengthUnit::Weight}, celsius);
    if (p == 0 || p == 1) return percentByWeight;
    return VolumeFractionAt(p, celsius) * 100;
}

long double WeightPercentAt(long double percentByVolume, long double celsius) {
    RequireTemperature(celsius, "temperature");
    if (!IsStrength(percentByVolume)) throw SpiritError("strength: a strength is from 0 to 100 %");
    const long double v = percentByVolume / 100;
    const long double p = v == 0 || v == 1 ? v : Bisect(0, 1, kBisectionSteps, [&](long double q) {
                                                     return !(VolumeFractionAt(q, celsius) < v);
                                                 }).Middle();
    RequireLiquid(p, celsius, "temperature");
    return v == 0 || v == 1 ? percentByVolume : p * 100;
}

}  // namespace colmara
