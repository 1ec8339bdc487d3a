#include "studyview/fieldrules.h"

#include <cmath>

#include "runtime/exceptions.h"
#include "study/valuetext.h"

namespace colmara {

namespace {

// Digits after the decimal symbol, up to an exponent; a double holds no more
// than 17 that matter.
int DecimalPlaces(const std::string& text, const std::string& separator) {
    const std::size_t at = text.find(separator);
    if (at == std::string::npos) return 0;
    int places = 0;
    for (std::size_t i = at + separator.size(); i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') break;
        ++places;
    }
    return std::min(places, 17);
}

int StepPlaces(double step) {
    int places = 0;
    while (places < 17 && std::nearbyint(step) != step) {
        step *= 10;
        ++places;
    }
    return places;
}

}  // namespace

std::optional<long double> FieldValue(Input field, const std::string& text,
                                      const FormatSettings& settings) {
    try {
        if (TraitsOf(field).whole) return ParseInteger(text);
        return ParseExtended(text, settings);
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

std::optional<std::string> FieldNote(Input field, const std::string& text, StrengthUnit unit,
                                     const FormatSettings& settings) {
    const std::optional<long double> value = FieldValue(field, text, settings);
    if (!value) return std::nullopt;
    switch (field) {
        case Input::Power:
            if (*value < 0) return "A negative heating power has no physical meaning.";
            break;
        case Input::Strength:
            if (!IsStrength(*value))
                return std::string("A strength lies between 0 and 100 ") +
                       StrengthUnitSymbol(unit) + ".";
            break;
        case Input::Plates:
            break;
        case Input::Reflux:
            if (*value < 0) return "A reflux ratio below 0 has no physical meaning.";
            break;
        case Input::Efficiency:
            // Outside 1 to 100 % the calculation refuses it (FailureCause).
            break;
    }
    return std::nullopt;
}

std::optional<std::string> SteppedText(Input field, const std::string& text, int steps, double step,
                                       const FormatSettings& settings) {
    const std::optional<long double> value = FieldValue(field, text, settings);
    if (!value) return std::nullopt;
    const double next = static_cast<double>(*value) + steps * step;
    if (TraitsOf(field).whole) {
        const double whole = std::nearbyint(next);
        if (whole < INT32_MIN || whole > INT32_MAX) return std::nullopt;
        return ValueText(whole, true, settings);
    }
    const int places = std::max(DecimalPlaces(text, settings.decimalSeparator), StepPlaces(step));
    const double scale = std::pow(10.0, places);
    const double rounded = std::nearbyint(next * scale) / scale;
    return ValueText(std::isfinite(rounded) ? rounded : next, false, settings);
}

std::string RunName(const InputTexts& typed, StrengthUnit unit) {
    const std::string name = typed.power + " W, " + typed.strength + " " +
                             StrengthUnitSymbol(unit) + ", " + typed.plates + " plates, R " +
                             typed.reflux;
    if (!Written(Input::Efficiency, typed)) return name;
    return name + ", E " + typed.efficiency + " %";
}

}  // namespace colmara
