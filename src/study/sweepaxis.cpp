#include "study/sweepaxis.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string_view>
#include <vector>

#include "study/strengthtext.h"
#include "study/studyerror.h"
#include "study/valuetext.h"

namespace colmara {

namespace {

std::vector<std::string_view> SplitAtColons(std::string_view text) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t colon = text.find(':', start);
        parts.push_back(text.substr(start, colon - start));
        if (colon == std::string_view::npos) return parts;
        start = colon + 1;
    }
}

// A finite number written with '.' and nothing around it.
double RangeNumber(const std::string& name, std::string_view part, const std::string& source) {
    double value = 0;
    const auto [end, error] = std::from_chars(part.data(), part.data() + part.size(), value);
    if (error != std::errc() || end != part.data() + part.size() || !std::isfinite(value))
        throw StudyError(name + ": '" + std::string(part) + "' is not a number in range '" +
                         source + "'");
    return value;
}

// Values stay exact in a double up to 2^53 units.
constexpr std::int64_t kExactUnits = std::int64_t{1} << 53;

// The shortest decimal that reads back to `value` ("0.1" for the double
// nearest 0.1), as whole units; absent when it does not fit.
std::optional<ScaledDecimal> ShortestDecimal(double value) {
    std::array<char, 64> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::scientific);
    // "d.ddddde[+-]xx": the digits make the units, the exponent the scale.
    const std::string_view text(buffer.data(), written.ptr - buffer.data());
    const std::size_t e = text.find('e');
    std::int64_t units = 0;
    int digitsAfterPoint = 0;
    bool afterPoint = false;
    for (const char c : text.substr(0, e)) {
        if (c == '.') afterPoint = true;
        if (c < '0' || c > '9') continue;
        units = units * 10 + (c - '0');
        digitsAfterPoint += afterPoint ? 1 : 0;
    }
    int decimals = digitsAfterPoint - std::stoi(std::string(text.substr(e + 1)));
    for (; decimals < 0; ++decimals) {
        if (units > kExactUnits) return std::nullopt;
        units *= 10;
    }
    if (units > kExactUnits || decimals > 18) return std::nullopt;
    return ScaledDecimal{std::signbit(value) ? -units : units, decimals};
}

// `value` in units of 10^-decimals (decimals >= value.decimals).
std::optional<std::int64_t> Rescaled(ScaledDecimal value, int decimals) {
    std::int64_t units = value.units;
    for (int d = value.decimals; d < decimals; ++d) {
        if (units > kExactUnits || units < -kExactUnits) return std::nullopt;
        units *= 10;
    }
    return units;
}

// How many values FROM + i x STEP lie within TO: counted exactly when the
// three numbers have short decimals, so that no value lies beyond TO; else
// TO counts when the quotient falls short of it by no more than rounding.
// A double, so that a huge quotient cannot overflow before it is refused.
double ValueCount(double from, double to, double step) {
    const std::optional<ScaledDecimal> decimals[] = {ShortestDecimal(from), ShortestDecimal(to),
                                                     ShortestDecimal(step)};
    if (decimals[0] && decimals[1] && decimals[2]) {
        const int scale =
            std::max({decimals[0]->decimals, decimals[1]->decimals, decimals[2]->decimals});
        const std::optional<std::int64_t> fromUnits = Rescaled(*decimals[0], scale);
        const std::optional<std::int64_t> toUnits = Rescaled(*decimals[1], scale);
        const std::optional<std::int64_t> stepUnits = Rescaled(*decimals[2], scale);
        if (fromUnits && toUnits && stepUnits)
            return static_cast<double>((*toUnits - *fromUnits) / *stepUnits) + 1;
    }
    // A few units in the last place of the quotient absorb its rounding.
    constexpr double kRounding = 4 * std::numeric_limits<double>::epsilon();
    return std::floor((to - from) / step * (1 + kRounding)) + 1;
}

}  // namespace

SweepAxis SweepAxis::Parse(std::string name, const std::string& text, bool integral,
                           const FormatSettings& settings, StrengthUnit unit) {
    if (text.find(':') == std::string::npos) {
        SweepAxis axis;
        axis.name_ = std::move(name);
        axis.fixedText_ = text;
        axis.fixedFieldText_ = StrengthFieldText(text, unit, settings);
        return axis;
    }
    const std::vector<std::string_view> parts = SplitAtColons(text);
    if (parts.size() > 3)
        throw StudyError(name + ": range '" + text + "' is not FROM:TO or FROM:TO:STEP");
    const double from = RangeNumber(name, parts[0], text);
    const double to = RangeNumber(name, parts[1], text);
    const double step = parts.size() == 3 ? RangeNumber(name, parts[2], text) : 1.0;
    return Range(std::move(name), from, to, step, integral, settings, text, unit);
}

SweepAxis SweepAxis::Range(std::string name, double from, double to, double step, bool integral,
                           const FormatSettings& settings, const std::string& source,
                           StrengthUnit unit, std::uint64_t most) {
    const std::string where = " in range '" + source + "'";
    if (step == 0) throw StudyError(name + ": step 0" + where);
    if (integral) {
        for (const double value : {from, to, step})
            if (std::trunc(value) != value)
                throw StudyError(name + ": " + PlainNumber(value) + " is not a whole number" +
                                 where);
    }
    const double span = to - from;
    if (span != 0 && std::signbit(span) != std::signbit(step))
        throw StudyError(name + ": step " + PlainNumber(step) + " never reaches " +
                         PlainNumber(to) + " from " + PlainNumber(from) + where);
    const double count = ValueCount(from, to, step);
    if (!(count <= static_cast<double>(most)))
        throw StudyError(name + ": more than " + std::to_string(most) + " values" + where);

    SweepAxis axis;
    axis.name_ = std::move(name);
    axis.isRange_ = true;
    axis.integral_ = integral;
    axis.from_ = from;
    axis.step_ = step;
    axis.count_ = static_cast<std::uint64_t>(count);
    axis.unit_ = unit;
    axis.settings_ = settings;
    axis.SetExactDecimals();
    // Values rise or fall steadily, so the two ends bound them all.
    if (unit != StrengthUnit::Weight) {
        for (const double end : {axis.ValueAt(0), axis.ValueAt(axis.count_ - 1)})
            if (!IsStrength(end))
                throw StudyError(axis.name_ + ": " + PlainNumber(end) + " % by " +
                                 StrengthUnitKey(unit) + where + " is outside 0 to 100 %");
    }
    return axis;
}

void SweepAxis::SetExactDecimals() {
    const std::optional<ScaledDecimal> from = ShortestDecimal(from_);
    const std::optional<ScaledDecimal> step = ShortestDecimal(step_);
    if (!from || !step) return;
    const int decimals = std::max(from->decimals, step->decimals);
    const std::optional<std::int64_t> fromUnits = Rescaled(*from, decimals);
    const std::optional<std::int64_t> stepUnits = Rescaled(*step, decimals);
    if (!fromUnits || !stepUnits) return;
    // Both ends of the range within 2^53 units keep every value between them
    // exact, and the products below from overflowing.
    const long double last =
        static_cast<long double>(*fromUnits) +
        static_cast<long double>(count_ - 1) * static_cast<long double>(*stepUnits);
    if (std::fabs(last) > static_cast<long double>(kExactUnits)) return;
    fromUnits_ = ScaledDecimal{*fromUnits, decimals};
    stepUnits_ = *stepUnits;
}

std::optional<ScaledDecimal> SweepAxis::ExactValueAt(std::uint64_t index) const {
    if (!fromUnits_) return std::nullopt;
    const std::int64_t units = fromUnits_->units + static_cast<std::int64_t>(index) * stepUnits_;
    return ScaledDecimal{units, fromUnits_->decimals};
}

double SweepAxis::ValueAt(std::uint64_t index) const {
    if (const std::optional<ScaledDecimal> exact = ExactValueAt(index)) {
        // The double nearest the decimal, as reading its text gives it.
        const std::string text = DecimalText(*exact, FormatSettings());
        double value = 0;
        std::from_chars(text.data(), text.data() + text.size(), value);
        return value;
    }
    // Each value from FROM afresh, not by adding steps, so that rounding does
    // not pile up along the range.
    return from_ + static_cast<double>(index) * step_;
}

std::string SweepAxis::TextAt(std::uint64_t index) const {
    if (!isRange_) return fixedFieldText_;
    if (unit_ != StrengthUnit::Weight) return StrengthValueText(ValueAt(index), unit_, settings_);
    return GivenTextAt(index);
}

std::string SweepAxis::GivenTextAt(std::uint64_t index) const {
    if (!isRange_) return fixedText_;
    if (const std::optional<ScaledDecimal> exact = ExactValueAt(index))
        return DecimalText(*exact, settings_);
    return ValueText(ValueAt(index), integral_, settings_);
}

}  // namespace colmara
