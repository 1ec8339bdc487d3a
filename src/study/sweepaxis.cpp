#include "study/sweepaxis.h"

#include <charconv>
#include <cmath>
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
                           StrengthUnit unit) {
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
    // The range ends at the last value less than half a step beyond TO, so
    // a TO that rounding left just short of a value still gets it. Compared
    // before converting, so that a huge quotient cannot overflow the count.
    const double count = std::ceil(span / step + 0.5);
    if (!(count <= static_cast<double>(kMaxSweepRows)))
        throw StudyError(name + ": more than " + std::to_string(kMaxSweepRows) + " values" + where);

    SweepAxis axis;
    axis.name_ = std::move(name);
    axis.isRange_ = true;
    axis.integral_ = integral;
    axis.from_ = from;
    axis.step_ = step;
    axis.count_ = static_cast<std::uint64_t>(count);
    axis.unit_ = unit;
    axis.settings_ = settings;
    // Values rise or fall steadily, so the two ends bound them all.
    if (unit == StrengthUnit::Volume) {
        for (const double end : {axis.ValueAt(0), axis.ValueAt(axis.count_ - 1)})
            if (!IsStrength(end))
                throw StudyError(axis.name_ + ": " + PlainNumber(end) + " % by volume" + where +
                                 " is outside 0 to 100 %");
    }
    return axis;
}

double SweepAxis::ValueAt(std::uint64_t index) const {
    // Each value from FROM afresh, not by adding steps, so that rounding does
    // not pile up along the range.
    return from_ + static_cast<double>(index) * step_;
}

std::string SweepAxis::TextAt(std::uint64_t index) const {
    if (!isRange_) return fixedFieldText_;
    if (unit_ == StrengthUnit::Volume) return StrengthValueText(ValueAt(index), unit_, settings_);
    return ValueText(ValueAt(index), integral_, settings_);
}

std::string SweepAxis::GivenTextAt(std::uint64_t index) const {
    if (!isRange_) return fixedText_;
    return ValueText(ValueAt(index), integral_, settings_);
}

}  // namespace colmara
