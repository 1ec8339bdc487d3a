#include "studyview/batchform.h"

#include <charconv>
#include <cmath>
#include <optional>

#include "study/studyerror.h"
#include "studyview/trimmed.h"

namespace colmara {

namespace {

// `text` with the locale's decimal symbol written as '.'.
std::string WithPoint(const std::string& text, const FormatSettings& settings) {
    const std::string& decimal = settings.decimalSeparator;
    if (decimal.empty() || decimal == ".") return Trimmed(text);
    std::string written;
    const std::string trimmed = Trimmed(text);
    for (std::size_t i = 0; i < trimmed.size();) {
        if (trimmed.compare(i, decimal.size(), decimal) == 0) {
            written += '.';
            i += decimal.size();
        } else {
            written += trimmed[i++];
        }
    }
    return written;
}

double Number(const std::string& typed, const char* field, const FormatSettings& settings) {
    const std::string text = WithPoint(typed, settings);
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
        return DefaultCuts(ParseAmount(WithPoint(texts.heads, settings)),
                           Number(texts.heartsUntil, "hearts until", settings));
    std::vector<BatchCut> cuts;
    for (const std::string& item : CutItems(texts.cuts))
        cuts.push_back(ParseCut(WithPoint(item, settings)));
    return cuts;
}

}  // namespace

std::vector<std::string> CutItems(const std::string& cuts) {
    std::vector<std::string> items;
    std::size_t from = 0;
    for (;;) {
        const std::size_t end = cuts.find(';', from);
        const std::string item = Trimmed(cuts.substr(from, end - from));
        if (!item.empty()) items.push_back(item);
        if (end == std::string::npos) return items;
        from = end + 1;
    }
}

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
        request.stops.collected = ParseAmount(WithPoint(texts.stopAmount, settings));
    request.stops.afterMinutes = Optional(texts.stopAfter, "stop after", settings);
    request.everyMinutes = Number(texts.every, "timeline interval", settings);
    return request;
}

}  // namespace colmara
