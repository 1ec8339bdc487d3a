#include "batch/cutcondition.h"

#include <charconv>
#include <cmath>
#include <optional>

#include "batch/batchrequest.h"
#include "runtime/typedtext.h"
#include "study/strengthunit.h"
#include "study/studyerror.h"

namespace colmara {

namespace {

// The whole of `text` as a finite number written with '.', or nothing.
std::optional<double> NumberOf(const std::string& text) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || !std::isfinite(value)) return std::nullopt;
    return value;
}

// The number before `suffix` at the end of `text`, or nothing.
std::optional<double> NumberBefore(const std::string& text, const std::string& suffix) {
    if (text.size() <= suffix.size() || !text.ends_with(suffix)) return std::nullopt;
    return NumberOf(text.substr(0, text.size() - suffix.size()));
}

std::optional<Amount> AmountOf(const std::string& text) {
    for (const auto& [suffix, unit] :
         {std::pair{"ml", AmountUnit::Millilitres}, std::pair{"g", AmountUnit::Grams},
          std::pair{"%", AmountUnit::AlcoholShare}})
        if (const std::optional<double> value = NumberBefore(text, suffix))
            return Amount{*value, unit};
    return std::nullopt;
}

[[noreturn]] void Refuse(const std::string& text, const std::string& why) {
    throw StudyError("cut condition \"" + text + "\": " + why);
}

}  // namespace

Amount ParseAmount(const std::string& text) {
    const std::optional<Amount> amount = AmountOf(text);
    if (!amount)
        throw StudyError("amount \"" + text + "\": write a number with ml, g or % (50ml, 40g, 3%)");
    if (amount->value < 0) throw StudyError("amount \"" + text + "\" is negative");
    if (amount->unit == AmountUnit::AlcoholShare && amount->value > 100)
        throw StudyError("amount \"" + text + "\": a share of the alcohol above 100 %");
    return *amount;
}

CutCondition ParseCutCondition(const std::string& text) {
    if (text == "end") return {};
    if (text.starts_with('<')) {
        const std::optional<double> strength = NumberOf(text.substr(1));
        if (!strength || !IsStrength(*strength)) Refuse(text, "a strength from 0 to 100 after '<'");
        return {CutEnd::ProductBelow, {}, *strength};
    }
    if (const std::optional<double> minute = NumberBefore(text, "min")) {
        if (*minute < 0) Refuse(text, "a negative minute");
        return {CutEnd::Minute, {}, *minute};
    }
    if (!AmountOf(text))
        Refuse(text,
               "write an amount (50ml, 40g, 3%), a product strength (<80), a minute "
               "(90min) or end");
    return {CutEnd::Amount, ParseAmount(text), 0};
}

BatchCut ParseCut(const std::string& text) {
    const std::size_t colon = text.rfind(':');
    const std::string name = colon == std::string::npos ? "" : Trimmed(text.substr(0, colon));
    if (name.empty()) throw StudyError("cut \"" + text + "\": write NAME:CONDITION");
    return {name, ParseCutCondition(Trimmed(text.substr(colon + 1)))};
}

std::vector<BatchCut> DefaultCuts(const Amount& heads, double heartsUntil) {
    return {{"heads", {CutEnd::Amount, heads, 0}},
            {"hearts", {CutEnd::ProductBelow, {}, heartsUntil}},
            {"tails", {}}};
}

}  // namespace colmara
