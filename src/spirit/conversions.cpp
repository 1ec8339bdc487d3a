#include "spirit/conversions.h"

#include "runtime/bisect.h"
#include "spirit/spiriterror.h"

namespace colmara {

namespace {

long double VolumeFractionAt(long double p, long double celsius) {
    return p * MixtureDensity(p, celsius) / MixtureDensity(1, celsius);
}

}  // namespace

long double MassOfVolume(long double millilitres, const Strength& strength, long double celsius) {
    RequireAmount(millilitres, "volume");
    RequireTemperature(celsius, "temperature");
    return millilitres * GramsPerMl(MassFractionOf(strength, "strength"), celsius);
}

long double VolumeOfMass(long double grams, const Strength& strength, long double celsius) {
    RequireAmount(grams, "mass");
    RequireTemperature(celsius, "temperature");
    return grams / GramsPerMl(MassFractionOf(strength, "strength"), celsius);
}

long double VolumeAt20(long double millilitres, const Strength& strength, long double celsius) {
    const long double grams = MassOfVolume(millilitres, strength, celsius);
    return grams / GramsPerMl(MassFractionOf(strength, "strength"), 20);
}

long double VolumePercentAt(long double percentByWeight, long double celsius) {
    RequireTemperature(celsius, "temperature");
    const long double p = MassFractionOf({percentByWeight, StrengthUnit::Weight}, "strength");
    if (p == 0 || p == 1) return percentByWeight;
    return VolumeFractionAt(p, celsius) * 100;
}

long double WeightPercentAt(long double percentByVolume, long double celsius) {
    RequireTemperature(celsius, "temperature");
    if (!IsStrength(percentByVolume)) throw SpiritError("strength: a strength is from 0 to 100 %");
    const long double v = percentByVolume / 100;
    if (v == 0 || v == 1) return percentByVolume;
    return Bisect(0, 1, kBisectionSteps,
                  [&](long double p) { return !(VolumeFractionAt(p, celsius) < v); })
               .Middle() *
           100;
}

}  // namespace colmara
