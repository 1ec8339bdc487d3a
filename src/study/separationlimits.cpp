#include "study/separationlimits.h"

#include <cmath>

#include "model/column.h"
#include "model/properties.h"
#include "study/plateprofile.h"
#include "study/seek.h"
#include "study/strengthtext.h"
#include "study/studyerror.h"
#include "study/valuetext.h"

namespace colmara {

namespace {

void RequireReachable(long double boiler, long double target, StrengthUnit unit) {
    const long double azeotrope = vapourstrength(1);
    if (!(target <= azeotrope))
        throw StudyError("target: " + MessageStrength(target, unit) + " is above the azeotrope (" +
                         MessageStrength(azeotrope, unit) + "), which no column passes");
    const long double own = vapourstrength(boiler);
    if (!(target > own))
        throw StudyError("target: " + MessageStrength(target, unit) +
                         " is no stronger than the boiler's own vapour (" +
                         MessageStrength(own, unit) + "): the boiler alone gives it");
}

// The longest run of plates whose vapour changes by less than kPinchStep to
// the next, and the vapour where it changes least.
Pinch PinchOf(const std::vector<PlateRow>& plates) {
    const auto change = [&](std::size_t i) {
        return std::fabs(plates[i + 1].vapourStrength - plates[i].vapourStrength) / 100;
    };
    std::size_t bestFrom = 0;
    std::size_t bestLength = 0;
    std::size_t from = 0;
    for (std::size_t i = 0; i + 1 < plates.size(); ++i) {
        if (change(i) >= kPinchStep) {
            from = i + 1;
        } else if (i + 1 - from > bestLength) {
            bestFrom = from;
            bestLength = i + 1 - from;
        }
    }
    std::size_t least = bestFrom;
    for (std::size_t i = bestFrom; i < bestFrom + bestLength; ++i)
        if (change(i) < change(least)) least = i;
    return {static_cast<int>(bestFrom), static_cast<int>(bestFrom + bestLength),
            plates[least].vapourStrength / 100};
}

}  // namespace

SeparationLimits LimitsOf(long double boiler, long double target, const std::string& power,
                          const FormatSettings& settings, const std::string& efficiency,
                          StrengthUnit unit) {
    RequireReachable(boiler, target, unit);
    SeparationLimits limits;
    limits.fewestPlates =
        PlatesAtTotalReflux(boiler, target, ParseExtended(efficiency, settings) / 100, unit);
    SeekRequest request;
    request.inputs = {power, ValueText(static_cast<double>(boiler * 100), false, settings),
                      std::to_string(kMaxPlates), "0", efficiency};
    request.vary = Input::Reflux;
    request.target = static_cast<double>(target * 100);
    request.resolution = kLeastRefluxResolution;
    const SeekResult found = Seek(request, settings);
    if (!found.reachable) throw OutOfReachError("target: " + UnreachableIn(request, found, unit));
    limits.leastReflux = found.value;
    const CaseProfile profile = ProfileCase(found.row.inputs, settings);
    limits.pinch = PinchOf(profile.plates);
    limits.solves = found.solves + 1;
    return limits;
}

}  // namespace colmara
