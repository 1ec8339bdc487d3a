#include "study/strengthunit.h"

#include <cmath>
#include <string>

#include "study/densitycoefficients.h"
#include "study/studyerror.h"
#include "study/valuetext.h"

namespace colmara {

namespace {

using density::kA;
using density::kB;
using density::kC;
using density::kCTerms;

// The inverse stops once a step moves the mass fraction by no more than
// this. A bisection step then leaves at most this much uncertainty; a Newton
// step, converging quadratically, far less.
constexpr long double kFractionTolerance = 1e-12L;

// Bisection alone halves [0, 1] below the tolerance in 40 steps; Newton
// usually needs five.
constexpr int kMaxInverseSteps = 100;

// rho(p, 20) = A_1 + sum_{k=2..12} A_k p^(k-1): at 20 degC every term in
// (t - 20) is zero, so this is MixtureDensity(p, 20) to the bit.
long double DensityAt20(long double p) {
    long double rho = kA[0];
    long double pPower = 1;  // p^(k-1)
    for (std::size_t k = 2; k <= kA.size(); ++k) {
        pPower *= p;
        rho += kA[k - 1] * pPower;
    }
    return rho;
}

// d rho(p, 20) / dp = sum_{k=2..12} (k-1) A_k p^(k-2).
long double DensitySlopeAt20(long double p) {
    long double slope = 0;
    long double pPower = 1;  // p^(k-2)
    for (std::size_t k = 2; k <= kA.size(); ++k) {
        slope += static_cast<long double>(k - 1) * kA[k - 1] * pPower;
        pPower *= p;
    }
    return slope;
}

long double PureEthanolDensity() {
    static const long double rho = DensityAt20(1);
    return rho;
}

// The volume fraction at 20 degC of mass fraction p, and its slope in p.
long double VolumeFraction(long double p) {
    return p * DensityAt20(p) / PureEthanolDensity();
}

long double VolumeFractionSlope(long double p) {
    return (DensityAt20(p) + p * DensitySlopeAt20(p)) / PureEthanolDensity();
}

// The mass fraction p in [0, 1] with VolumeFraction(p) = v, 0 < v < 1.
// VolumeFraction rises from 0 to 1 over [0, 1], so [low, high] always holds
// the root; a Newton step that would leave it is replaced by halving it.
long double MassFraction(long double v) {
    long double low = 0;
    long double high = 1;
    long double p = v;
    for (int step = 0; step < kMaxInverseSteps; ++step) {
        const long double miss = VolumeFraction(p) - v;
        if (miss == 0) return p;
        (miss > 0 ? high : low) = p;
        long double next = p - miss / VolumeFractionSlope(p);
        if (!(next > low && next < high)) next = low + (high - low) / 2;
        const long double moved = std::fabs(next - p);
        p = next;
        if (moved <= kFractionTolerance) break;
    }
    return p;
}

void RequireStrength(long double percent, const char* unit) {
    if (!IsStrength(percent))
        throw StudyError("strength: " + PlainNumber(static_cast<double>(percent)) + " % by " +
                         unit + " is outside 0 to 100 %");
}

}  // namespace

long double MixtureDensity(long double massFraction, long double celsius) {
    const long double p = massFraction;
    const long double dt = celsius - 20;
    long double rho = DensityAt20(p);
    long double dtPower = 1;  // (t - 20)^k
    for (std::size_t k = 1; k <= kB.size(); ++k) {
        dtPower *= dt;
        rho += kB[k - 1] * dtPower;
    }
    dtPower = 1;  // (t - 20)^m
    for (std::size_t m = 1; m <= kCTerms.size(); ++m) {
        dtPower *= dt;
        long double pPower = 1;  // p^n
        for (int n = 1; n <= kCTerms[m - 1]; ++n) {
            pPower *= p;
            rho += kC[m - 1][n - 1] * pPower * dtPower;
        }
    }
    return rho;
}

bool IsStrength(long double percent) {
    return percent >= 0 && percent <= 100;
}

long double VolumeFromWeight(long double percentByWeight) {
    RequireStrength(percentByWeight, StrengthUnitKey(StrengthUnit::Weight));
    return VolumeFraction(percentByWeight / 100) * 100;
}

long double WeightFromVolume(long double percentByVolume) {
    RequireStrength(percentByVolume, StrengthUnitKey(StrengthUnit::Volume));
    const long double v = percentByVolume / 100;
    if (v == 0 || v == 1) return percentByVolume;
    return MassFraction(v) * 100;
}

std::optional<long double> StrengthIn(StrengthUnit unit,
                                      std::optional<long double> percentByWeight) {
    if (unit == StrengthUnit::Weight || !percentByWeight) return percentByWeight;
    if (!IsStrength(*percentByWeight)) return std::nullopt;
    return VolumeFromWeight(*percentByWeight);
}

const char* StrengthUnitKey(StrengthUnit unit) {
    return unit == StrengthUnit::Volume ? "volume" : "weight";
}

std::optional<StrengthUnit> StrengthUnitKeyed(std::string_view key) {
    for (StrengthUnit unit : kStrengthUnits)
        if (key == StrengthUnitKey(unit)) return unit;
    return std::nullopt;
}

const char* StrengthUnitSymbol(StrengthUnit unit) {
    return unit == StrengthUnit::Volume ? "% vol" : "%";
}

}  // namespace colmara
