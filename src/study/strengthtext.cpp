#include "study/strengthtext.h"

#include <cmath>
#include <optional>

#include "runtime/exceptions.h"
#include "study/valuetext.h"

namespace colmara {

std::string StrengthFieldText(const std::string& typed, StrengthUnit unit,
                              const FormatSettings& settings) {
    if (unit == StrengthUnit::Weight) return typed;
    long double percent = 0;
    try {
        percent = ParseExtended(typed, settings);
    } catch (const EConvertError&) {
        return typed;
    }
    return ValueText(static_cast<double>(WeightFromStrength(unit, percent)), false, settings);
}

double MessageStrengthValue(long double massFraction, StrengthUnit unit) {
    const long double percent = StrengthFromWeight(unit, massFraction * 100);
    return std::round(static_cast<double>(percent) * 100) / 100;
}

std::string MessageStrength(long double massFraction, StrengthUnit unit) {
    return PlainNumber(MessageStrengthValue(massFraction, unit)) + " " + StrengthUnitSymbol(unit);
}

InputTexts FieldInputs(const InputTexts& inputs, StrengthUnit unit,
                       const FormatSettings& settings) {
    InputTexts fields = inputs;
    fields.strength = StrengthFieldText(inputs.strength, unit, settings);
    return fields;
}

namespace {

// The strength by weight the calculation reads for `text` given in `unit`,
// or none for a text that is no number or no strength.
std::optional<long double> CalculatedStrength(const std::string& text, StrengthUnit unit,
                                              const FormatSettings& settings) {
    long double percent = 0;
    try {
        percent = ParseExtended(text, settings);
    } catch (const EConvertError&) {
        return std::nullopt;
    }
    if (!IsStrength(percent)) return std::nullopt;
    if (unit == StrengthUnit::Weight) return percent;
    return ParseExtended(StrengthFieldText(text, unit, settings), settings);
}

// A double has no more decimals than this that matter in 0..100.
constexpr int kMaxSwitchedPlaces = 17;

}  // namespace

std::string SwitchedStrengthText(const std::string& text, StrengthUnit from, StrengthUnit to,
                                 const FormatSettings& settings) {
    if (from == to) return text;
    const std::optional<long double> before = CalculatedStrength(text, from, settings);
    if (!before) return text;
    const double converted = static_cast<double>(StrengthFromWeight(to, *before));
    for (int places = 0; places < kMaxSwitchedPlaces; ++places) {
        const double scale = std::pow(10.0, places);
        const std::string candidate =
            ValueText(std::nearbyint(converted * scale) / scale, false, settings);
        const std::optional<long double> after = CalculatedStrength(candidate, to, settings);
        if (after && std::fabs(*after - *before) < kSwitchTolerance) return candidate;
    }
    return ValueText(converted, false, settings);
}

std::string StrengthValueText(double value, StrengthUnit unit, const FormatSettings& settings) {
    const double percentByWeight =
        unit == StrengthUnit::Weight ? value : static_cast<double>(WeightFromStrength(unit, value));
    return ValueText(percentByWeight, false, settings);
}

}  // namespace colmara
