#include "studyview/failuremessage.h"

#include "study/input.h"
#include "studyview/fieldrules.h"
#include "studyview/studychart.h"

namespace colmara {

namespace {

// Why a text the calculation cannot read is no value of the field.
std::string Unreadable(Input input, const std::string& text) {
    if (text.empty()) return "the field is empty.";
    return "'" + text + "' is not " + (TraitsOf(input).whole ? "a whole number." : "a number.");
}

// Why a value that reads makes the calculation fail, or none: only values
// that fail it whatever the other fields hold. `text` is quoted as typed, so
// the reason shows the user's own number.
std::optional<std::string> Failing(Input input, long double value, const std::string& text,
                                   StrengthUnit unit) {
    const std::string symbol = StrengthUnitSymbol(unit);
    switch (input) {
        case Input::Power:
            if (value == 0) return text + " W heats nothing, so no vapour rises.";
            break;
        case Input::Strength:
            // By volume or by mole the conversion refuses it before any
            // calculation.
            if (unit != StrengthUnit::Weight && !IsStrength(value))
                return text + " " + symbol + " lies outside 0 to 100 " + symbol + ".";
            if (value <= 0) return text + " " + symbol + " holds no alcohol to separate.";
            break;
        case Input::Plates:
            break;
        case Input::Reflux:
            if (value == -1)
                return text +
                       " makes reflux and product add up to nothing, so the product "
                       "cannot be worked out.";
            break;
        case Input::Efficiency:
            if (!(value >= 1 && value <= 100)) return text + " % lies outside 1 to 100 %.";
            break;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> FailureCause(const InputTexts& typed, StrengthUnit unit,
                                        const FormatSettings& settings) {
    for (Input input : kInputs) {
        const std::string& text = TextOf(typed, input);
        if (!FieldValue(input, text, settings))
            return std::string(TraitsOf(input).label) + ": " + Unreadable(input, text);
    }
    for (Input input : kInputs) {
        const std::string& text = TextOf(typed, input);
        const auto reason = Failing(input, *FieldValue(input, text, settings), text, unit);
        if (reason) return std::string(TraitsOf(input).label) + ": " + *reason;
    }
    return std::nullopt;
}

std::string FailureStatus(const InputTexts& typed, StrengthUnit unit, const std::string& error,
                          bool greyCurves, const FormatSettings& settings) {
    const std::optional<std::string> cause = FailureCause(typed, unit, settings);
    // One message: where the rules know the cause, the calculation's own
    // text says the same less plainly ("'' is not a valid integer value").
    std::string status = cause.value_or(error);
    if (greyCurves) status += " Grey curves: the last case that solved.";
    return status;
}

std::string ProductStatus(const CaseResult& result, StrengthUnit unit,
                          const FormatSettings& settings) {
    static const std::string kNoBreakSpace = "\u00a0";
    std::string symbol = StrengthUnitSymbol(unit);
    if (const auto blank = symbol.find(' '); blank != std::string::npos)
        symbol.replace(blank, 1, kNoBreakSpace);
    const auto strength = result.ProductStrength(unit);
    return "Product " +
           (strength
                ? ReadoutNumber(static_cast<double>(*strength), settings) + kNoBreakSpace + symbol
                : std::string("strength outside 0–100 ") + symbol) +
           " at " + ReadoutNumber(static_cast<double>(result.productAmount.value_or(0)), settings) +
           kNoBreakSpace + "g/\u2060h";
}

}  // namespace colmara
