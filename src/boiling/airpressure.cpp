#include "boiling/airpressure.h"

#include <cmath>

#include "boiling/boilingerror.h"
#include "boiling/pressureconstants.h"
#include "study/valuetext.h"

namespace colmara {

namespace {

bool InRange(long double hpa) {
    return hpa >= kLowestHpa && hpa <= kHighestHpa;
}

std::string RangeText() {
    return PlainNumber(static_cast<double>(kLowestHpa)) + " to " +
           PlainNumber(static_cast<double>(kHighestHpa)) + " hPa";
}

}  // namespace

long double CheckedPressure(long double hpa) {
    if (!InRange(hpa))
        throw BoilingError("pressure: " + PlainNumber(static_cast<double>(hpa)) +
                           " hPa is outside " + RangeText());
    return hpa;
}

long double PressureAtAltitude(long double metres) {
    const long double base = 1 - pressure::kAtmosphereLapsePerM * metres;
    const long double hpa =
        base > 0 ? pressure::kSeaLevelHpa * std::pow(base, pressure::kAtmosphereExponent) : 0;
    if (!std::isfinite(metres) || !InRange(hpa))
        throw BoilingError("altitude: " + PlainNumber(static_cast<double>(metres)) +
                           " m gives a pressure outside " + RangeText());
    return hpa;
}

}  // namespace colmara
