#include "batch/headtemperature.h"

#include <cmath>
#include <string>

#include "boiling/boilingerror.h"
#include "boiling/boilingpoint.h"
#include "model/properties.h"
#include "study/studyerror.h"
#include "study/valuetext.h"

namespace colmara {

namespace {

// To the hundredth, as thermometers and barometers are read.
std::string Hundredths(long double value) {
    return PlainNumber(std::round(static_cast<double>(value) * 100) / 100);
}

}  // namespace

long double HeadCelsius(long double productFraction, long double hpa) {
    return VapourCondensingCelsius(productFraction, hpa);
}

long double HeadMark(double celsius, long double hpa) {
    try {
        return VapourAtCelsius(celsius, hpa);
    } catch (const BoilingError&) {
        // No vapour stronger than the azeotrope rises from any liquid.
        const long double azeotrope = HeadCelsius(vapourstrength(1), hpa);
        const long double water = HeadCelsius(0, hpa);
        throw StudyError("no vapour condenses at " + PlainNumber(celsius) + " degC at " +
                         Hundredths(hpa) + " hPa: the head reads from " + Hundredths(azeotrope) +
                         " degC (the azeotrope) to " + Hundredths(water) + " degC (water)");
    }
}

}  // namespace colmara
