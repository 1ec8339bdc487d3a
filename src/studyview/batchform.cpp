#include "studyview/batchform.h"

#include <charconv>
#include <cmath>
#include <optional>

#include "runtime/typedtext.h"
#include "study/studyerror.h"

namespace colmara {

namespace {

double Number(const std::string& typed, const char* field, const FormatSettings& settings) {
    const std::string text = WithDecimalPoint(typed, settings);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(value))
        throw StudyError(std::string(field) + ": '" + typed + "' is not a number");
    return value;
}

std::optional<double> Optional(const std::string& typed, const char* field,
                               const FormatSettings& settings) {
    if (Trimmed(typed).empty()) return std::nullopt;
    return Number(typed, field, settings);
}

std::vector<BatchCut> CutsOf(const BatchTexts& texts, const FormatSettings& settings) {
    if (Trimmed(texts.cuts).empty())
        return DefaultCuts(ParseAmount(WithDecimalPoint(texts.heads, settings)),
                           Number(texts.heartsUntil, "hearts until", settings));
    std::vector<BatchCut> cuts;
    for (const std::string& item : CutItems(texts.cuts))
        cuts.push_back(ParseCut(WithDecimalPoint(item, settings)));
    return cuts;
}

}  // namespace

BatchRequest BatchRequestOf(const BatchTexts& texts, const InputTexts& typed, StrengthUnit unit,
                            const FormatSettings& settings) {
    BatchRequest request;
    request.charge = Number(texts.charge, "charge", settings);
    request.chargeUnit = texts.chargeUnit == "g" ? ChargeUnit::Grams : ChargeUnit::Millilitres;
    request.inputs = typed;
    request.unit = unit;
    request.policy = texts.policy == "strength" ? BatchPolicy::Strength : BatchPolicy::Reflux;
    if (request.policy == BatchPolicy::Strength)
        request.targetStrength = Number(texts.targetStrength, "target strength", settings);
    request.maxReflux = Number(texts.maxReflux, "maximum reflux", settings);
    request.startCelsius = Number(texts.startTemperature, "start temperature", settings);
    request.cuts = CutsOf(texts, settings);
    request.stops.boilerBelow = Optional(texts.stopBoiler, "stop at boiler strength", settings);
    request.stops.productBelow = Optional(texts.stopProduct, "stop at product strength", settings);
    if (!Trimmed(texts.stopAmount).empty())
        request.stops.collected = ParseAmount(WithDecimalPoint(texts.stopAmount, settings));
    request.stops.afterMinutes = Optional(texts.stopAfter, "stop after", settings);
    request.everyMinutes = Number(texts.every, "timeline interval", settings);
    return request;
}

}  // namespace colmara
