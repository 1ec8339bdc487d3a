#include "study/sweepgrid.h"

#include <string>

#include "study/studyerror.h"

namespace colmara {

namespace {

std::array<SweepAxis, 4> ParseAxes(const InputTexts& ranges, const FormatSettings& settings,
                                   StrengthUnit unit) {
    return {SweepAxis::Parse("power", ranges.power, true, settings),
            SweepAxis::Parse("strength", ranges.strength, false, settings, unit),
            SweepAxis::Parse("plates", ranges.plates, true, settings),
            SweepAxis::Parse("reflux", ranges.reflux, false, settings)};
}

std::string AxisCounts(const std::array<SweepAxis, 4>& axes) {
    std::string counts;
    for (const SweepAxis& axis : axes) {
        if (!counts.empty()) counts += " x ";
        counts += axis.Name() + " " + std::to_string(axis.Count());
    }
    return counts;
}

}  // namespace

SweepGrid::SweepGrid(const InputTexts& ranges, const FormatSettings& settings, StrengthUnit unit)
    : axes_(ParseAxes(ranges, settings, unit)), unit_(unit) {
    // Each count is at most kMaxSweepRows, so checking before multiplying
    // keeps the product from overflowing. Reflux is the lowest digit.
    for (std::size_t axis = axes_.size(); axis-- > 0;) {
        strides_[axis] = rows_;
        if (rows_ > kMaxSweepRows / axes_[axis].Count())
            throw StudyError("sweep: more than " + std::to_string(kMaxSweepRows) + " rows (" +
                             AxisCounts(axes_) + ")");
        rows_ *= axes_[axis].Count();
    }
}

InputTexts SweepGrid::InputsAt(std::uint64_t row) const {
    return InputTexts{axes_[0].TextAt(ValueIndex(row, 0)), axes_[1].TextAt(ValueIndex(row, 1)),
                      axes_[2].TextAt(ValueIndex(row, 2)), axes_[3].TextAt(ValueIndex(row, 3))};
}

std::string SweepGrid::GivenStrengthAt(std::uint64_t row) const {
    return axes_[1].GivenTextAt(ValueIndex(row, 1));
}

}  // namespace colmara
