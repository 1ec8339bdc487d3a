#include "batch/cutcondition.h"

#include <cmath>
#include <optional>
#include <string_view>

#include "batch/batchrequest.h"
#include "runtime/typedtext.h"
#include "study/strengthunit.h"
#include "study/studyerror.h"
#include "study/valuetext.h"

namespace colmara {

namespace {

constexpr std::string_view kDegree = "\u00b0";

// The whole of `text` as a number written with '.', or nothing; a number
// beyond a double's range is refused as such.
std::optional<double> NumberOf(const std::string& text, const std::string& whole) {
    const DecimalNumber number = ReadDecimal(text);
    if (number.kind == DecimalNumber::Kind::OutOfRange)
        throw StudyError("\"" + whole + "\": " + text + " is out of range");
    if (number.kind != DecimalNumber::Kind::Finite) return std::nullopt;
    return number.value;
}

// The number before `suffix` at the end of `text`, or nothing.
std::optional<double> NumberBefore(const std::string& text, const std::string& suffix) {
    if (text.size() <= suffix.size() || !text.ends_with(suffix)) return std::nullopt;
    return NumberOf(text.substr(0, text.size() - suffix.size()), text);
}

std::optional<Amount> AmountOf(const std::string& text) {
    for (const auto& [suffix, unit] :
         {std::pair{"ml", AmountUnit::Millilitres}, std::pair{"g", AmountUnit::Grams},
          std::pair{"%", AmountUnit::AlcoholShare}})
        if (const std::optional<double> value = NumberBefore(text, suffix))
            return Amount{*value, unit};
    return std::nullopt;
}

// The condition checked, its refusal naming `what`.
void Checked(const CutCondition& condition, const std::string& what) {
    try {
        CheckCutCondition(condition);
    } catch (const StudyError& e) {
        throw StudyError(what + ": " + e.Message());
    }
}

// Where a cut's text goes wrong when its name holds a ':': the item ends
// at the blank before the second ':' when there is one ("heads:150ml").
std::string MissingSemicolon(const std::string& text, std::size_t secondColon) {
    const std::size_t blank = text.find_last_of(" \t", secondColon);
    const std::size_t firstColon = text.find(':');
    const std::string why = "cut \"" + text + "\": a cut's name may not hold ':'";
    if (blank == std::string::npos || blank < firstColon ||
        Trimmed(text.substr(firstColon + 1, blank - firstColon - 1)).empty())
        return why;
    return why + "; is a ';' missing after \"" + Trimmed(text.substr(0, blank)) + "\"?";
}

}  // namespace

void CheckCutCondition(const CutCondition& condition) {
    const double value =
        condition.kind == CutEnd::Amount ? condition.amount.value : condition.value;
    const std::string shown = PlainNumber(value);
    switch (condition.kind) {
        case CutEnd::Amount:
            if (!(value >= 0)) throw StudyError(shown + " is negative");
            if (condition.amount.unit == AmountUnit::AlcoholShare && value > 100)
                throw StudyError(shown + " % is a share of the alcohol above 100 %");
            return;
        case CutEnd::ProductBelow:
            if (!IsStrength(value)) throw StudyError(shown + " is outside 0 to 100 %");
            return;
        case CutEnd::Minute:
            if (!(value >= 0)) throw StudyError(shown + " is negative");
            return;
        case CutEnd::HeadAbove:
            if (!std::isfinite(value)) throw StudyError(shown + " is not a temperature");
            return;
        case CutEnd::RunEnd:
            return;
    }
}

Amount ParseAmount(const std::string& text) {
    const std::optional<Amount> amount = AmountOf(text);
    if (!amount)
        throw StudyError("amount \"" + text + "\": write a number with ml, g or % (50ml, 40g, 3%)");
    Checked({CutEnd::Amount, *amount, 0}, "amount \"" + text + "\"");
    return *amount;
}

std::optional<double> HeadCelsiusOf(const std::string& text) {
    if (!text.starts_with('>')) return std::nullopt;
    std::string degrees = Trimmed(text.substr(1));
    const bool celsius = degrees.ends_with('C');
    if (celsius) degrees.pop_back();
    if (degrees.ends_with(kDegree)) degrees.resize(degrees.size() - kDegree.size());
    const std::optional<double> value = NumberOf(Trimmed(degrees), text);
    if (!celsius || !value)
        throw StudyError("head temperature \"" + text +
                         "\": write '>' and degrees Celsius followed by C (>80.5C)");
    return value;
}

CutCondition ParseCutCondition(const std::string& text) {
    if (text == "end") return {};
    CutCondition condition;
    if (const std::optional<double> celsius = HeadCelsiusOf(text)) {
        condition = {CutEnd::HeadAbove, {}, *celsius};
    } else if (text.starts_with('<')) {
        const std::optional<double> strength = NumberOf(text.substr(1), text);
        if (!strength)
            throw StudyError("cut condition \"" + text + "\": a strength from 0 to 100 after '<'");
        condition = {CutEnd::ProductBelow, {}, *strength};
    } else if (const std::optional<double> minute = NumberBefore(text, "min")) {
        condition = {CutEnd::Minute, {}, *minute};
    } else if (const std::optional<Amount> amount = AmountOf(text)) {
        condition = {CutEnd::Amount, *amount, 0};
    } else {
        throw StudyError("cut condition \"" + text +
                         "\": write an amount (50ml, 40g, 3%), a product strength (<80), a "
                         "head temperature (>80.5C), a minute (90min) or end");
    }
    Checked(condition, "cut condition \"" + text + "\"");
    return condition;
}

BatchCut ParseCut(const std::string& text) {
    const std::size_t colon = text.find(':');
    const std::string name = colon == std::string::npos ? "" : Trimmed(text.substr(0, colon));
    if (name.empty()) throw StudyError("cut \"" + text + "\": write NAME:CONDITION");
    if (const std::size_t second = text.find(':', colon + 1); second != std::string::npos)
        throw StudyError(MissingSemicolon(text, second));
    return {name, ParseCutCondition(Trimmed(text.substr(colon + 1)))};
}

std::vector<BatchCut> DefaultCuts(const Amount& heads, double heartsUntil) {
    return {{"heads", {CutEnd::Amount, heads, 0}},
            {"hearts", {CutEnd::ProductBelow, {}, heartsUntil}},
            {"tails", {}}};
}

}  // namespace colmara
