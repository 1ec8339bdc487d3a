#include "studyview/fieldrules.h"

#include <cmath>

#include "runtime/exceptions.h"
#include "study/valuetext.h"

namespace colmara {

namespace {

bool Integral(StudyField field) {
    return field == StudyField::Power || field == StudyField::Plates;
}

// The number in a field's text as the calculation reads it, or none.
std::optional<long double> FieldNumber(StudyField field, const std::string& text,
                                       const FormatSettings& settings) {
    try {
        if (Integral(field)) return ParseInteger(text);
        return ParseExtended(text, settings);
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

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

std::optional<std::string> FieldNote(StudyField field, const std::string& text, StrengthUnit unit,
                                     const FormatSettings& settings) {
    const std::optional<long double> value = FieldNumber(field, text, settings);
    if (!value) return std::nullopt;
    switch (field) {
        case StudyField::Power:
            if (*value < 0) return "A negative heating power has no physical meaning.";
            break;
        case StudyField::Strength:
            if (!IsStrength(*value))
                return std::string("A strength lies between 0 and 100 ") +
                       StrengthUnitSymbol(unit) + ".";
            break;
        case StudyField::Plates:
            break;
        case StudyField::Reflux:
            if (*value < 0) return "A reflux ratio below 0 has no physical meaning.";
            break;
    }
    return std::nullopt;
}

std::optional<std::string> SteppedText(StudyField field, const std::string& text, int steps,
                                       double step, const FormatSettings& settings) {
    const std::optional<long double> value = FieldNumber(field, text, settings);
    if (!value) return std::nullopt;
    const double next = static_cast<double>(*value) + steps * step;
    if (Integral(field)) {
        const double whole = std::nearbyint(next);
        if (whole < INT32_MIN || whole > INT32_MAX) return std::nullopt;
        return ValueText(whole, true, settings);
    }
    const int places = std::max(DecimalPlaces(text, settings.decimalSeparator), StepPlaces(step));
    const double scale = std::pow(10.0, places);
    const double rounded = std::nearbyint(next * scale) / scale;
    return ValueText(std::isfinite(rounded) ? rounded : next, false, settings);
}

// Decimals of a strength text the unit switch writes: a hundredth of what a
// hydrometer reads, so the text stays readable and the strength moves by
// less than 0.00005 %.
constexpr int kSwitchedPlaces = 4;

std::string SwitchedStrengthText(const std::string& text, StrengthUnit from, StrengthUnit to,
                                 const FormatSettings& settings) {
    if (from == to) return text;
    const std::optional<long double> value = FieldNumber(StudyField::Strength, text, settings);
    if (!value || !IsStrength(*value)) return text;
    const long double converted =
        to == StrengthUnit::Volume ? VolumeFromWeight(*value) : WeightFromVolume(*value);
    const double scale = std::pow(10.0, kSwitchedPlaces);
    return ValueText(std::nearbyint(static_cast<double>(converted) * scale) / scale, false,
                     settings);
}

std::string RunName(const InputTexts& typed, StrengthUnit unit) {
    return typed.power + " W, " + typed.strength + " " + StrengthUnitSymbol(unit) + ", " +
           typed.plates + " plates, R " + typed.reflux;
}

}  // namespace colmara
