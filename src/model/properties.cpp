#include "model/properties.h"

#include <cmath>

namespace colmara {

namespace {

// Where the fits hand over: the low fit alone up to kLowEnd, blended into the
// middle fit up to kMiddleEnd, the middle blended into the high fit up to
// kBlendEnd, the high fit alone from there to the azeotrope.
constexpr long double kLowEnd = 0.3374L;
constexpr long double kMiddleEnd = 0.5544L;
constexpr long double kBlendEnd = 0.7254L;

// 1 - 298/513.9 and 1 - 298/647.3, each step rounded in extended precision.
constexpr long double kEthanolReference = 0.4201206460400856198L;
constexpr long double kWaterReference = 0.5396261393480611772L;

constexpr long double kKelvin = 273;

// The three fits are evaluated term by term (coefficient times x, the power
// spelled out as repeated products) so that every rounding step is the one
// the fitted values were tabulated with.
long double LowFit(long double x) {
    return -499.99L * x * x * x * x * x * x + 981.18L * x * x * x * x * x -
           775.47L * x * x * x * x + 319.13L * x * x * x - 74.297L * x * x + 10.147L * x + 0.00009L;
}

long double MiddleFit(long double x) {
    return -116.0L * x * x * x * x * x + 306.22L * x * x * x * x - 317.43L * x * x * x +
           161.4L * x * x - 39.971L * x + 4.5695L;
}

long double HighFit(long double x) {
    return 412.91L * x * x * x * x * x * x - 1876.0L * x * x * x * x * x + 3527.8L * x * x * x * x -
           3512.0L * x * x * x + 1951.4L * x * x - 573.42L * x + 70.343L;
}

// Chooses among the fits by the range of x, each test overwriting the one
// before it when it holds.
long double Blend(long double x, long double p1, long double p2, long double p3) {
    // Pure water (x = 0) falls through every range below and gives no
    // alcohol in the vapour, like a negative strength.
    long double r = 0;
    if (x < 0) r = 0;
    if (0 < x && x <= kLowEnd) r = p1;
    // The blends multiply by the width of their range instead of dividing, so
    // the curve steps slightly at kLowEnd and kMiddleEnd; the second blends
    // from 0.7252 although it ends at 0.7254.
    if (kLowEnd < x && x <= kMiddleEnd) r = p2 - (p2 - p1) * (kMiddleEnd - x) * 0.217L;
    if (kMiddleEnd < x && x <= kBlendEnd) r = p3 - (p3 - p2) * (0.7252L - x) * 0.1708L;
    if (kBlendEnd < x && x < kAzeotrope) r = p3;
    if (x >= kAzeotrope) r = kAzeotrope;
    if (r > kAzeotrope) r = kAzeotrope;
    return r;
}

}  // namespace

long double vapourstrength(long double x) {
    if (std::fabs(x) < 1e100L) {
        // No fit can fault here, so only the ones the range uses are needed.
        const bool low = 0 < x && x <= kMiddleEnd;
        const bool middle = kLowEnd < x && x <= kBlendEnd;
        const bool high = kMiddleEnd < x && x < kAzeotrope;
        return Blend(x, low ? LowFit(x) : 0, middle ? MiddleFit(x) : 0, high ? HighFit(x) : 0);
    }
    // Far out a fit overflows, and that fault stops the calculation whichever
    // range x is in: evaluate all three.
    const long double p1 = LowFit(x);
    const long double p2 = MiddleFit(x);
    const long double p3 = HighFit(x);
    return Blend(x, p1, p2, p3);
}

long double temperature(long double y) {
    if (y < 0.8L) return -22.106L * y * y - 6.249L * y + 100.04L;
    return 103.96L * y * y - 198.37L * y + 172.79L;
}

long double heatofvaporization(long double y) {
    const long double t = temperature(y);
    // Reduced temperatures of ethanol and water; the exponents depend on them.
    const long double tauE = 1 - (t + kKelvin) / 513.9L;
    const long double ethanol =
        Power(tauE / kEthanolReference, 0.32L - 0.14L * tauE) * 38743.84L / 46.0634L;
    const long double tauW = 1 - (t + kKelvin) / 647.3L;
    const long double water =
        Power(tauW / kWaterReference, 0.21L * tauW + 0.19L) * 40799.86L / 18.0152L;
    return y * ethanol + (1 - y) * water;
}

long double Power(long double base, long double exponent) {
    if (exponent == 0) return 1;
    if (base == 0 && exponent > 0) return 0;
    if (exponent == std::trunc(exponent) && std::fabs(exponent) <= 2147483647.0L) {
        // Repeated squaring: exact for powers of two, so the halving steps of
        // the solver are exact.
        const bool negative = exponent < 0;
        auto n = static_cast<unsigned long long>(std::fabs(exponent));
        long double result = 1;
        long double square = base;
        while (n != 0) {
            if ((n & 1U) != 0) result = result * square;
            n >>= 1U;
            if (n != 0) square = square * square;  // no square past the last bit
        }
        return negative ? 1 / result : result;
    }
    return std::exp(exponent * std::log(base));
}

long double murphreevapour(long double entering, long double equilibrium, long double efficiency) {
    if (efficiency == 1) return equilibrium;
    return entering + efficiency * (equilibrium - entering);
}

}  // namespace colmara
