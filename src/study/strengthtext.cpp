#include "study/strengthtext.h"

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
    return ValueText(static_cast<double>(WeightFromVolume(percent)), false, settings);
}

InputTexts FieldInputs(const InputTexts& inputs, StrengthUnit unit,
                       const FormatSettings& settings) {
    InputTexts fields = inputs;
    fields.strength = StrengthFieldText(inputs.strength, unit, settings);
    return fields;
}

std::string StrengthValueText(double value, StrengthUnit unit, const FormatSettings& settings) {
    const double percentByWeight =
        unit == StrengthUnit::Volume ? static_cast<double>(WeightFromVolume(value)) : value;
    return ValueText(percentByWeight, false, settings);
}

}  // namespace colmara
