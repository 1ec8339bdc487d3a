#include "boiling/publishedvle.h"

#include <algorithm>
#include <cmath>

#include "boiling/pressureconstants.h"

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
// The dew point's liquid is found when Newton's step on it is below this
// share of it (a trace of ethanol is found to as many digits as a strong
// liquid) and the step on its temperature below kCelsiusTolerance.
constexpr double kFractionTolerance = 1e-13;
// A vapour with less ethanol than this condenses as water does, to every
// digit; the dew point's liquid, smaller still, is not searched.
constexpr double kTrace = 1e-100;

struct Antoine {
    double a;
    double b;
    double c;
    double LogPressure(double celsius) const { return kLn10 * (a - b / (celsius + c)); }
    double Pressure(double celsius) const { return std::exp(LogPressure(celsius)); }
    // d ln p / dt
    double LogSlope(double celsius) const {
        const double shifted = celsius + c;
        return kLn10 * b / (shifted * shifted);
    }
    double BoilingCelsius(double mmHg) const { return b / (a - std::log10(mmHg)) - c; }
    // Where ln p is `logMmHg`; past the curve's pole (no such temperature),
    // the highest there is.
    double CelsiusAtLogPressure(double logMmHg) const {
        const double below = a - logMmHg / kLn10;
        return below > 0 ? b / below - c : HUGE_VAL;
    }
};

constexpr Antoine kEthanol{pressure::kEthanolAntoineA, pressure::kEthanolAntoineB,
                           pressure::kEthanolAntoineC};
constexpr Antoine kWater{pressure::kWaterAntoineA, pressure::kWaterAntoineB,
                         pressure::kWaterAntoineC};

struct Activities {
    double ethanol;
    double water;
};

// The logarithms of the activities and their slopes in x1.
struct LogActivities {
    double ethanol;
    double water;
    double ethanolSlope;
    double waterSlope;
};

// Van Laar's two-constant form, ethanol (1) and water (2).
LogActivities VanLaarLogs(double x1) {
    constexpr double a12 = pressure::kVanLaarA12;
    constexpr double a21 = pressure::kVanLaarA21;
    const double x2 = 1 - x1;
    const double denominator = a12 * x1 + a21 * x2;
    const double z1 = a21 * x2 / denominator;
    const double z2 = a12 * x1 / denominator;
    // z1 falls and z2 rises with x1, both by a12 a21 / denominator^2.
    const double slope = a12 * a21 / (denominator * denominator);
    return {a12 * z1 * z1, a21 * z2 * z2, -2 * a12 * z1 * slope, 2 * a21 * z2 * slope};
}

Activities VanLaar(double x1) {
    const LogActivities logs = VanLaarLogs(x1);
    return {std::exp(logs.ethanol), std::exp(logs.water)};
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

struct Dew {
    double celsius;
    double liquid;
};

// Where the vapour `y` (inside (0, 1)) condenses at `p`, from the liquid
// `start` (inside (0, 1)). The liquid and its boiling point solve the two
// partial pressures together, in logarithms:
//   ln x1 + ln g1(x1) + ln p1(t) = ln(y p),  ln x2 + ln g2(x1) + ln p2(t) = ln((1 - y) p),
// by Newton's method on both unknowns at once: from a nearby liquid it
// needs four or five steps, each two logarithms, where searching the
// liquid by its bubble points would take as many bubble points. A stable
// liquid's partial pressures rise with its own fraction, so the steps are
// always defined. A step that would leave 0 < x1 < 1, or the temperatures
// a dew point lies between (from the azeotrope's, a little below ethanol's
// boiling point, to water's; with a margin), goes fifteen sixteenths of
// the way to that end instead: from any start every number stays finite,
// a trace is reached in a few steps, and from the vapour's own fraction
// about a dozen steps reach any vapour.
Dew DewOf(double y, double p, double start) {
    const double low = kEthanol.BoilingCelsius(p) - 10;
    const double high = kWater.BoilingCelsius(p) + 1;
    const auto towards = [](double next, double from, double below, double above) {
        if (next > below && next < above) return next;
        const double part =
            next <= below ? below + (from - below) / 16 : above - (above - from) / 16;
        // Where that rounds onto the end, the step is not taken.
        return part > below && part < above ? part : from;
    };
    const double ethanolTarget = std::log(y * p);
    const double waterTarget = std::log((1 - y) * p);
    double x = start;
    LogActivities logs = VanLaarLogs(x);
    // The temperature at which the vapour's larger part alone would be right.
    const double larger =
        y >= 0.5 ? kEthanol.CelsiusAtLogPressure(ethanolTarget - std::log(x) - logs.ethanol)
                 : kWater.CelsiusAtLogPressure(waterTarget - std::log(1 - x) - logs.water);
    double t = std::clamp(larger, low, high);
    for (int step = 0; step < kNewtonSteps; ++step) {
        const double ethanolMiss =
            std::log(x) + logs.ethanol + kEthanol.LogPressure(t) - ethanolTarget;
        const double waterMiss = std::log(1 - x) + logs.water + kWater.LogPressure(t) - waterTarget;
        const double ethanolByX = 1 / x + logs.ethanolSlope;
        const double waterByX = -1 / (1 - x) + logs.waterSlope;
        const double ethanolByT = kEthanol.LogSlope(t);
        const double waterByT = kWater.LogSlope(t);
        const double determinant = ethanolByX * waterByT - ethanolByT * waterByX;
        const double moveX = (ethanolMiss * waterByT - ethanolByT * waterMiss) / determinant;
        const double moveT = (ethanolByX * waterMiss - waterByX * ethanolMiss) / determinant;
        x = towards(x - moveX, x, 0, 1);
        t = towards(t - moveT, t, low, high);
        if (std::fabs(moveX) <= kFractionTolerance * x && std::fabs(moveT) <= kCelsiusTolerance)
            break;
        logs = VanLaarLogs(x);
    }
    return {t, x};
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
    const double y = static_cast<double>(vapour);
    const double p = static_cast<double>(mmHg);
    if (y < kTrace) return BubbleOf(0, p).celsius;
    if (y >= 1) return BubbleOf(1, p).celsius;
    const bool guessed = liquidGuess != nullptr && *liquidGuess > 0 && *liquidGuess < 1;
    const Dew dew = DewOf(y, p, guessed ? static_cast<double>(*liquidGuess) : y);
    if (liquidGuess != nullptr) *liquidGuess = dew.liquid;
    return dew.celsius;
}

}  // namespace colmara
