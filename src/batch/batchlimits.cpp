#include "batch/batchlimits.h"

#include <cmath>
#include <optional>

#include "batch/headtemperature.h"
#include "batch/heatup.h"
#include "boiling/boilingerror.h"
#include "runtime/exceptions.h"
#include "runtime/typedtext.h"
#include "study/freezingpoint.h"
#include "study/input.h"
#include "study/strengthunit.h"
#include "study/studyerror.h"
#include "study/valuetext.h"

namespace colmara {

namespace {

class Limits {
  public:
    explicit Limits(const BatchNaming& naming) : naming_(naming) {}

    void Above0(double value, std::string BatchTexts::*text) const {
        if (!std::isfinite(value)) Refuse(text, PlainNumber(value) + " is not a finite number");
        if (!(value > 0)) Refuse(text, PlainNumber(value) + " is not above 0");
    }

    void Strength(std::optional<double> percent, std::string BatchTexts::*text) const {
        if (percent && !IsStrength(*percent))
            Refuse(text, PlainNumber(*percent) + " is outside 0 to 100 %");
    }

    void Cut(const CutCondition& condition, const std::string& what) const {
        try {
            CheckCutCondition(condition);
        } catch (const StudyError& e) {
            throw StudyError(what + ": " + e.Message());
        }
    }

    [[noreturn]] void Refuse(std::string BatchTexts::*text, const std::string& why) const {
        throw StudyError(naming_(BatchTextKeyOf(text)) + ": " + why);
    }

    // The strength input: "Strength" or "--strength".
    std::string StrengthName() const { return naming_(TraitsOf(Input::Strength).key); }

  private:
    const BatchNaming& naming_;
};

// The charge's mass fraction, read from its field text as the calculation
// reads it; none when the text is no number.
std::optional<long double> ChargeFraction(const BatchRequest& request, const Limits& limits,
                                          const FormatSettings& settings) {
    const std::string& typed = request.inputs.strength;
    long double percent = 0;
    try {
        percent = ParseExtended(typed, settings);
    } catch (const EConvertError&) {
        return std::nullopt;
    }
    // Quoted as typed: a strength of 1e400 is one, where a double would say inf.
    if (!IsStrength(percent))
        throw StudyError(limits.StrengthName() + ": " + Trimmed(typed) + " is outside 0 to 100 %");
    if (percent == 0)
        throw StudyError(limits.StrengthName() +
                         ": a charge of 0 % holds no alcohol to distil; give a strength above 0");
    const long double byWeight = WeightFromStrength(request.unit, percent);
    return byWeight / 100;
}

std::string Celsius(long double value) {
    return PlainNumber(std::round(static_cast<double>(value) * 10) / 10) + " degC";
}

// Between the charge's freezing point and its boiling temperature.
void CheckStart(const BatchRequest& request, const Limits& limits, const FormatSettings& settings) {
    const double start = request.startCelsius;
    const auto text = &BatchTexts::startTemperature;
    if (!std::isfinite(start)) limits.Refuse(text, PlainNumber(start) + " is not a number");
    const std::optional<long double> fraction = ChargeFraction(request, limits, settings);
    if (!fraction) return;
    const long double freezing = FreezingPointCelsius(*fraction);
    if (start < freezing)
        limits.Refuse(text, PlainNumber(start) + " is below the charge's freezing point, " +
                                Celsius(freezing));
    // The heat-up ends where the model boils the charge.
    const long double boiling = BoilingCelsius(*fraction);
    if (start > boiling)
        limits.Refuse(
            text, PlainNumber(start) + " is above the charge's boiling point, " + Celsius(boiling));
}

// The pressure in its range, and every head temperature of the cuts and the
// stop one that the head can read at it.
void CheckHeadTemperatures(const BatchRequest& request, const Limits& limits) {
    try {
        CheckedPressure(request.pressureHpa);
    } catch (const BoilingError& e) {
        const std::string& message = e.Message();
        limits.Refuse(&BatchTexts::pressure, message.substr(message.find(": ") + 2));
    }
    const auto check = [&](double celsius, std::string BatchTexts::*text, const std::string& what) {
        try {
            HeadMark(celsius, request.pressureHpa);
        } catch (const StudyError& e) {
            limits.Refuse(text, what + e.Message());
        }
    };
    for (const BatchCut& cut : request.cuts)
        if (cut.end.kind == CutEnd::HeadAbove)
            check(cut.end.value, &BatchTexts::cuts, "cut " + cut.name + ": ");
    if (request.stops.headAbove) check(*request.stops.headAbove, &BatchTexts::stopProduct, "");
}

}  // namespace

void ValidateBatchRequest(const BatchRequest& request, const BatchNaming& naming,
                          const FormatSettings& settings) {
    const Limits limits(naming);
    limits.Above0(request.charge, &BatchTexts::charge);
    CheckStart(request, limits, settings);
    if (request.policy == BatchPolicy::Strength) {
        limits.Strength(request.targetStrength, &BatchTexts::targetStrength);
        if (!(request.maxReflux >= 0) || !std::isfinite(request.maxReflux))
            limits.Refuse(&BatchTexts::maxReflux,
                          PlainNumber(request.maxReflux) + " is not 0 or above");
    }
    if (request.cuts.empty()) limits.Refuse(&BatchTexts::cuts, "give at least one cut");
    for (const BatchCut& cut : request.cuts) limits.Cut(cut.end, "cut " + cut.name);
    CheckHeadTemperatures(request, limits);
    const BatchStops& stops = request.stops;
    limits.Strength(stops.boilerBelow, &BatchTexts::stopBoiler);
    limits.Strength(stops.productBelow, &BatchTexts::stopProduct);
    if (stops.collected) {
        limits.Cut({CutEnd::Amount, *stops.collected, 0},
                   naming(BatchTextKeyOf(&BatchTexts::stopAmount)));
        limits.Above0(stops.collected->value, &BatchTexts::stopAmount);
    }
    if (stops.afterMinutes) limits.Above0(*stops.afterMinutes, &BatchTexts::stopAfter);
    limits.Above0(request.everyMinutes, &BatchTexts::every);
    if (!(request.tolerance > 0) || !std::isfinite(request.tolerance))
        throw StudyError("tolerance: " + PlainNumber(request.tolerance) + " is not above 0");
}

}  // namespace colmara
