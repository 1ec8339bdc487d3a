#include "study/sweepgrid.h"

#include <string>
#include <utility>

#include "study/input.h"
#include "study/studyerror.h"

namespace colmara {

namespace {

std::size_t AxisOf(Input input) {
    return static_cast<std::size_t>(input);
}

SweepAxis ParseAxis(Input input, const InputTexts& ranges, const FormatSettings& settings,
                    StrengthUnit unit) {
    const InputTraits& traits = TraitsOf(input);
    // Only an input with a unit to choose is given in the study's unit.
    return SweepAxis::Parse(traits.key, TextOf(ranges, input), traits.whole, settings,
                            traits.volumeKey ? unit : StrengthUnit::Weight);
}

template <std::size_t... Axis>
SweepGrid::AxisList ParseAxes(const InputTexts& ranges, const FormatSettings& settings,
                              StrengthUnit unit, std::index_sequence<Axis...>) {
    return {ParseAxis(kInputs[Axis], ranges, settings, unit)...};
}

// The axes the study was given, with their counts.
std::string AxisCounts(const SweepGrid::AxisList& axes, const InputTexts& ranges) {
    std::string counts;
    for (Input input : kInputs) {
        if (!Written(input, ranges)) continue;
        const SweepAxis& axis = axes[AxisOf(input)];
        if (!counts.empty()) counts += " x ";
        counts += axis.Name() + " " + std::to_string(axis.Count());
    }
    return counts;
}

}  // namespace

SweepGrid::SweepGrid(const InputTexts& ranges, const FormatSettings& settings, StrengthUnit unit)
    : axes_(ParseAxes(ranges, settings, unit, std::make_index_sequence<kInputs.size()>())),
      unit_(unit) {
    // Each count is at most kMaxSweepRows, so checking before multiplying
    // keeps the product from overflowing. The efficiency is the lowest digit.
    for (std::size_t axis = axes_.size(); axis-- > 0;) {
        strides_[axis] = rows_;
        if (rows_ > kMaxSweepRows / axes_[axis].Count())
            throw StudyError("sweep: more than " + std::to_string(kMaxSweepRows) + " rows (" +
                             AxisCounts(axes_, ranges) + ")");
        rows_ *= axes_[axis].Count();
    }
}

InputTexts SweepGrid::InputsAt(std::uint64_t row) const {
    InputTexts texts;
    for (Input input : kInputs) {
        const std::size_t axis = AxisOf(input);
        TextOf(texts, input) = axes_[axis].TextAt(ValueIndex(row, axis));
    }
    return texts;
}

std::string SweepGrid::GivenStrengthAt(std::uint64_t row) const {
    const std::size_t axis = AxisOf(Input::Strength);
    return axes_[axis].GivenTextAt(ValueIndex(row, axis));
}

}  // namespace colmara
