#include "study/strengthunit.h"

#include <cmath>
#include <mutex>
#include <set>
#include <string>

#include "study/densitycoefficients.h"
#include "study/pressureconstants.h"
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

long double EthanolMolarMass() {
    return pressure::kEthanolMolarMass;
}

long double WaterMolarMass() {
    return pressure::kWaterMolarMass;
}

long double MoleFromWeight(long double percentByWeight) {
    RequireStrength(percentByWeight, StrengthUnitKey(StrengthUnit::Weight));
    const long double p = percentByWeight / 100;
    if (p == 0 || p == 1) return percentByWeight;
    const long double ethanol = p / EthanolMolarMass();
    return ethanol / (ethanol + (1 - p) / WaterMolarMass()) * 100;
}

long double WeightFromMole(long double percentByMole) {
    RequireStrength(percentByMole, StrengthUnitKey(StrengthUnit::Mole));
    const long double x = percentByMole / 100;
    if (x == 0 || x == 1) return percentByMole;
    const long double ethanol = x * EthanolMolarMass();
    return ethanol / (ethanol + (1 - x) * WaterMolarMass()) * 100;
}

long double StrengthFromWeight(StrengthUnit unit, long double percentByWeight) {
    switch (unit) {
        case StrengthUnit::Volume:
            return VolumeFromWeight(percentByWeight);
        case StrengthUnit::Mole:
            return MoleFromWeight(percentByWeight);
        case StrengthUnit::Weight:
            break;
    }
    return percentByWeight;
}

long double WeightFromStrength(StrengthUnit unit, long double percent) {
    switch (unit) {
        case StrengthUnit::Volume:
            return WeightFromVolume(percent);
        case StrengthUnit::Mole:
            return WeightFromMole(percent);
        case StrengthUnit::Weight:
            break;
    }
    return percent;
}

std::optional<long double> StrengthIn(StrengthUnit unit,
                                      std::optional<long double> percentByWeight) {
    if (unit == StrengthUnit::Weight || !percentByWeight) return percentByWeight;
    if (!IsStrength(*percentByWeight)) return std::nullopt;
    return StrengthFromWeight(unit, *percentByWeight);
}

const char* StrengthUnitKey(StrengthUnit unit) {
    switch (unit) {
        case StrengthUnit::Volume:
            return "volume";
        case StrengthUnit::Mole:
            return "mole";
        case StrengthUnit::Weight:
            break;
    }
    return "weight";
}

std::optional<StrengthUnit> StrengthUnitKeyed(std::string_view key) {
    for (StrengthUnit unit : kStrengthUnits)
        if (key == StrengthUnitKey(unit)) return unit;
    return std::nullopt;
}

const char* StrengthUnitSymbol(StrengthUnit unit) {
    switch (unit) {
        case StrengthUnit::Volume:
            return "% vol";
        case StrengthUnit::Mole:
            return "% mol";
        case StrengthUnit::Weight:
            break;
    }
    return "%";
}

const char* StrengthKey(const char* key, StrengthUnit unit) {
    const char* suffix = unit == StrengthUnit::Volume ? "_vol" : "_mol";
    if (unit == StrengthUnit::Weight) return key;
    // Each key made once and kept: records from every thread point at it.
    static std::mutex mutex;
    static std::set<std::string, std::less<>> made;
    const std::lock_guard lock(mutex);
    return made.insert(std::string(key) + suffix).first->c_str();
}

}  // namespace colmara
