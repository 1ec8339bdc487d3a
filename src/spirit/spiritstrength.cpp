#include "spirit/spiritstrength.h"

#include <cmath>

#include "runtime/bisect.h"
#include "runtime/numconv.h"
#include "spirit/spiriterror.h"
#include "study/freezingpoint.h"

namespace colmara {

long double MassFractionOf(const Strength& strength, const std::string& input) {
    if (!IsStrength(strength.percent)) throw SpiritError(input + ": a strength is from 0 to 100 %");
    if (strength.unit == StrengthUnit::Weight) return strength.percent / 100;
    return WeightFromStrength(strength.unit, strength.percent) / 100;
}

void RequireAmount(long double millilitres, const std::string& input) {
    if (!(millilitres > 0) || std::isinf(millilitres))
        throw SpiritError(input + ": must be more than 0");
    if (millilitres < kSmallestAmount) throw SpiritError(input + ": must be at least 0.001");
    if (millilitres > kLargestAmount) throw SpiritError(input + ": must be at most 1e12");
}

void RequireLiquid(long double massFraction, long double celsius, const std::string& input) {
    const long double freezing = FreezingPointCelsius(massFraction);
    if (celsius >= freezing) return;
    throw SpiritError(input + ": the spirit is frozen there; it freezes at " +
                      FormatExtended("0.0", freezing, FormatSettings{}) + " degC");
}

void RequireTemperature(long double celsius, const std::string& input) {
    if (!(celsius >= kLowestCelsius && celsius <= kHighestCelsius))
        throw SpiritError(input + ": the density formula holds from -20 to 40 degC only");
}

long double GramsPerMl(long double massFraction, long double celsius) {
    return MixtureDensity(massFraction, celsius) / 1000;
}

long double MassFractionOfDensity(long double density, long double celsius,
                                  const std::string& input) {
    const long double water = MixtureDensity(0, celsius);
    const long double ethanol = MixtureDensity(1, celsius);
    if (!(density <= water && density >= ethanol))
        throw SpiritError(input + ": no mixture of ethanol and water gives it at this temperature");
    if (density == water) return 0;
    if (density == ethanol) return 1;
    return Bisect(0, 1, kBisectionSteps,
                  [&](long double p) { return !(MixtureDensity(p, celsius) > density); })
        .Middle();
}

}  // namespace colmara
