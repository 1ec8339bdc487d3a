#include "batch/batchresult.h"

#include "batch/batchrequest.h"
#include "study/strengthunit.h"
#include "study/valuetext.h"

namespace colmara {

std::optional<long double> Collected::Strength() const {
    if (!(mass > 0)) return std::nullopt;
    return ethanol / mass * 100;
}

std::optional<long double> Collected::StrengthVolume() const {
    return StrengthIn(StrengthUnit::Volume, Strength());
}

long double Collected::Volume() const {
    if (!(mass > 0)) return 0;
    // kg/m3 is g/l: grams over it are litres.
    return mass / MixtureDensity(ethanol / mass, 20) * 1000;
}

std::vector<std::string> EmptyCutNotes(const BatchRequest& request,
                                       const std::vector<CutResult>& cuts) {
    std::vector<std::string> notes;
    if (request.policy != BatchPolicy::Strength) return notes;
    const std::string unit = std::string(" ") + StrengthUnitSymbol(request.unit);
    for (std::size_t i = 0; i < cuts.size() && i < request.cuts.size(); ++i) {
        const CutCondition& end = request.cuts[i].end;
        if (end.kind != CutEnd::ProductBelow || !(end.value > request.targetStrength) ||
            cuts[i].product.mass > 0)
            continue;
        notes.push_back("the cut " + cuts[i].name + " is empty: it ends below " +
                        PlainNumber(end.value) + unit +
                        ", and the strength policy holds the product at " +
                        PlainNumber(request.targetStrength) + unit);
    }
    return notes;
}

std::string BatchEndText(const BatchEnd& end) {
    using Reason = BatchEnd::Reason;
    const std::string strength = PlainNumber(end.value) + " " + StrengthUnitSymbol(end.unit);
    switch (end.reason) {
        case Reason::BoilerStrength:
            return "boiler strength down to " + strength;
        case Reason::ProductStrength:
            return "product strength below " + strength;
        case Reason::HeadTemperature:
            return "head temperature above " + PlainNumber(end.value) + " degC";
        case Reason::Collected: {
            const char* units[] = {" g", " ml", " % of the alcohol"};
            return "collected " + PlainNumber(end.amount.value) +
                   units[static_cast<int>(end.amount.unit)];
        }
        case Reason::AfterMinutes:
            return "after " + PlainNumber(end.value) + " min";
        case Reason::LastCut:
            return "cut " + end.cut + " ended";
        case Reason::NoEnrichment:
            return "the product is no stronger than the boiler";
        case Reason::BoilerEmpty:
            break;
    }
    return end.stopNeverMet ? "boiler empty: no stop condition was met" : "boiler empty";
}

}  // namespace colmara
