#include "study/platecount.h"

#include <cmath>

#include "model/column.h"
#include "model/properties.h"
#include "study/caseresult.h"
#include "study/seek.h"
#include "study/strengthtext.h"
#include "study/studyerror.h"
#include "study/valuetext.h"

namespace colmara {

namespace {

void RequireAbove(long double head, long double boiler, StrengthUnit unit) {
    if (!(head > boiler))
        throw StudyError("head: " + MessageStrength(head, unit) +
                         " is no stronger than the boiler's " + MessageStrength(boiler, unit));
}

// The count `plates` whose product `reached` first reaches `head`, the one
// below it having given `below`.
PlateCount Interpolated(int plates, long double below, long double reached, long double head) {
    const long double share = reached > below ? (head - below) / (reached - below) : 1;
    return {plates, plates - 1 + std::fmin(std::fmax(share, 0.0L), 1.0L)};
}

}  // namespace

std::string UnreachableIn(const SeekRequest& request, const SeekResult& found, StrengthUnit unit) {
    SeekRequest spoken = request;
    spoken.unit = unit;
    spoken.target = MessageStrengthValue(static_cast<long double>(request.target) / 100, unit);
    return UnreachableMessage(
        spoken, found, [](double value) { return PlainNumber(std::round(value * 100) / 100); });
}

std::vector<long double> TotalRefluxVapours(long double boiler, int plates,
                                            long double efficiency) {
    std::vector<long double> vapours{vapourstrength(boiler)};
    for (int plate = 1; plate <= plates; ++plate) {
        const long double below = vapours.back();
        vapours.push_back(murphreevapour(below, vapourstrength(below), efficiency));
    }
    return vapours;
}

PlateCount PlatesAtTotalReflux(long double boiler, long double head, long double efficiency,
                               StrengthUnit unit) {
    RequireAbove(head, boiler, unit);
    const std::vector<long double> vapours = TotalRefluxVapours(boiler, kMaxPlates, efficiency);
    for (int plates = 0; plates <= kMaxPlates; ++plates) {
        const long double reached = vapours[static_cast<std::size_t>(plates)];
        if (reached >= head)
            return Interpolated(plates, plates == 0 ? boiler : vapours[plates - 1U], reached, head);
    }
    throw OutOfReachError(
        "head: " + MessageStrength(head, unit) + " is out of reach at total reflux with up to " +
        std::to_string(kMaxPlates) + " plates: the best is " +
        MessageStrength(vapours.back(), unit) + " at " + std::to_string(kMaxPlates) + " plates");
}

PlateCount PlatesAtReflux(long double boiler, long double head, const std::string& power,
                          const std::string& reflux, const FormatSettings& settings,
                          StrengthUnit unit) {
    // The boiler as a field text, and as the calculation reads that text.
    const std::string strength = ValueText(static_cast<double>(boiler * 100), false, settings);
    const long double read = ParseExtended(strength, settings) / 100;
    RequireAbove(head, read, unit);
    SeekRequest request;
    request.inputs = {power, strength, "0", reflux};
    request.vary = Input::Plates;
    request.target = static_cast<double>(head * 100);
    const SeekResult found = Seek(request, settings);
    if (!found.reachable) throw OutOfReachError("head: " + UnreachableIn(request, found, unit));
    const int plates = std::stoi(found.value);
    const long double reached = *found.row.result.productStrength / 100;
    if (plates == 0) return Interpolated(0, read, reached, head);
    Column column;
    request.inputs.plates = std::to_string(plates - 1);
    const CaseResult below = SolveCase(column, request.inputs, settings);
    if (!below.Solved()) throw StudyError(*below.error);
    return Interpolated(plates, *below.productStrength / 100, reached, head);
}

}  // namespace colmara
