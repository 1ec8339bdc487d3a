#include "study/sweepgrid.h"

#include <string>

#include "study/studyerror.h"

namespace colmara {

namespace {

std::array<SweepAxis, 4> ParseAxes(const InputTexts& ranges, const FormatSettings& settings) {
    return {SweepAxis::Parse("power", ranges.power, true, settings),
            SweepAxis::Parse("strength", ranges.strength, false, settings),
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

SweepGrid::SweepGrid(const InputTexts& ranges, const FormatSettings& settings)
    : axes_(ParseAxes(ranges, settings)) {
    // Each count is at most kMaxSweepRows, so checking before multiplying
    // keeps the product from overflowing.
    for (const SweepAxis& axis : axes_) {
        if (rows_ > kMaxSweepRows / axis.Count())
            throw StudyError("sweep: more than " + std::to_string(kMaxSweepRows) + " rows (" +
                             AxisCounts(axes_) + ")");
        rows_ *= axis.Count();
    }
}

InputTexts SweepGrid::InputsAt(std::uint64_t row) const {
    // Mixed radix with reflux as the lowest digit.
    std::array<std::string, 4> texts;
    for (std::size_t axis = axes_.size(); axis-- > 0;) {
        const std::uint64_t count = axes_[axis].Count();
        texts[axis] = axes_[axis].TextAt(row % count);
        row /= count;
    }
    return InputTexts{std::move(texts[0]), std::move(texts[1]), std::move(texts[2]),
                      std::move(texts[3])};
}

}  // namespace colmara
