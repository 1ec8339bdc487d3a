#include "boiling/publishedvle.h"

#include <cmath>

#include "boiling/pressureconstants.h"
#include "runtime/secantroot.h"

namespace colmara {

namespace {

// The published model supplies only a change with pressure, good to a few
// hundredths of a kelvin: it runs in double precision, whose exp is many
// times faster than the extended pow, and the change it gives is still
// exactly 0 at 1 atm, where both ends run the same steps.
constexpr double kLn10 = 2.302585092994045684;
// Newton's steps on the bubble temperature end when a step is below this
// (degC); the curve is convex, so they close in from above without
// overshooting and a few suffice.
constexpr double kCelsiusTolerance = 1e-11;
constexpr int kNewtonSteps = 60;
// The dew point's liquid is found when its vapour is within this mole
// fraction of the one asked for, or the bracket is this narrow.
constexpr double kFractionTolerance = 1e-13;
constexpr int kSteps = 200;

struct Antoine {
    double a;
    double b;
    double c;
    double Pressure(double celsius) const { return std::exp(kLn10 * (a - b / (celsius + c))); }
    // d ln p / dt
    double LogSlope(double celsius) const {
        const double shifted = celsius + c;
        return kLn10 * b / (shifted * shifted);
    }
    double BoilingCelsius(double mmHg) const { return b / (a - std::log10(mmHg)) - c; }
};

constexpr Antoine kEthanol{pressure::kEthanolAntoineA, pressure::kEthanolAntoineB,
                           pressure::kEthanolAntoineC};
constexpr Antoine kWater{pressure::kWaterAntoineA, pressure::kWaterAntoineB,
                         pressure::kWaterAntoineC};

struct Activities {
    double ethanol;
    double water;
};

// Van Laar's two-constant form, ethanol (1) and water (2).
Activities VanLaar(double x1) {
    constexpr double a12 = pressure::kVanLaarA12;
    constexpr double a21 = pressure::kVanLaarA21;
    const double x2 = 1 - x1;
    const double denominator = a12 * x1 + a21 * x2;
    const double z1 = a21 * x2 / denominator;
    const double z2 = a12 * x1 / denominator;
    return {std::exp(a12 * z1 * z1), std::exp(a21 * z2 * z2)};
}

struct Bubble {
    double celsius;
    double vapour;
};

Bubble BubbleOf(double liquid, double mmHg) {
    const Activities gamma = VanLaar(liquid);
    const double ethanol = liquid * gamma.ethanol;
    const double water = (1 - liquid) * gamma.water;
    // Water's boiling point lies at or above the mixture's (ethanol is the
    // more volatile, and both activities are at least 1), and the sum of the
    // partial pressures is convex in t: Newton from there falls to the root.
    double t = kWater.BoilingCelsius(mmHg);
    for (int step = 0; step < kNewtonSteps; ++step) {
        const double p1 = ethanol * kEthanol.Pressure(t);
        const double p2 = water * kWater.Pressure(t);
        const double move =
            (p1 + p2 - mmHg) / (p1 * kEthanol.LogSlope(t) + p2 * kWater.LogSlope(t));
        t -= move;
        if (std::fabs(move) < kCelsiusTolerance) break;
    }
    return {t, ethanol * kEthanol.Pressure(t) / mmHg};
}

}  // namespace

long double MmHgOfHpa(long double hpa) {
    return hpa * 760 / 1013.25L;
}

long double MoleFraction(long double massFraction) {
    const long double ethanol = massFraction / pressure::kEthanolMolarMass;
    return ethanol / (ethanol + (1 - massFraction) / pressure::kWaterMolarMass);
}

long double MassFraction(long double moleFraction) {
    const long double ethanol = moleFraction * pressure::kEthanolMolarMass;
    return ethanol / (ethanol + (1 - moleFraction) * pressure::kWaterMolarMass);
}

BubblePoint PublishedBubble(long double liquid, long double mmHg) {
    const Bubble bubble = BubbleOf(static_cast<double>(liquid), static_cast<double>(mmHg));
    return {bubble.celsius, bubble.vapour};
}

long double PublishedDewCelsius(long double vapour, long double mmHg, long double* liquidGuess) {
    // The first vapour's fraction rises with the liquid's from 0 to 1, so
    // one liquid gives `vapour`; from a guess near it, two or three bubble
    // points find it.
    const double y = static_cast<double>(vapour);
    const double p = static_cast<double>(mmHg);
    if (y <= 0) return BubbleOf(0, p).celsius;
    if (y >= 1) return BubbleOf(1, p).celsius;
    const bool guessed = liquidGuess != nullptr && *liquidGuess > 0 && *liquidGuess < 1;
    const double start = guessed ? static_cast<double>(*liquidGuess) : y;
    Bubble at{};
    double atLiquid = -1;
    const auto rise = [&](double liquid) {
        at = BubbleOf(liquid, p);
        atLiquid = liquid;
        return at.vapour - y;
    };
    const double liquid = SecantRoot<double>({0, -y, 1, 1 - y}, start, start * 1e-6, rise,
                                             kFractionTolerance, kFractionTolerance, kSteps);
    if (liquid != atLiquid) rise(liquid);
    if (liquidGuess != nullptr) *liquidGuess = liquid;
    return at.celsius;
}

}  // namespace colmara
