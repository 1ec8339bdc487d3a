// The grid of a sweep: every combination of the inputs' values, in the order
// of kInputs (the last, the efficiency, varying fastest). Rows are
// computed from their index, never stored, so a grid costs the same memory
// whatever its size.
#pragma once

#include <array>
#include <cstdint>

#include "report/calculate.h"
#include "study/input.h"
#include "study/sweepaxis.h"

namespace colmara {

class SweepGrid {
  public:
    // One axis per input, in the order of kInputs.
    using AxisList = std::array<SweepAxis, kInputs.size()>;

    // Each text of `ranges` is one field text or a range (see SweepAxis); the
    // strength is given in `unit`. Throws StudyError for a malformed range,
    // a strength by volume outside 0..100 % or more than kMaxSweepRows rows,
    // before anything runs.
    SweepGrid(const InputTexts& ranges, const FormatSettings& settings,
              StrengthUnit unit = StrengthUnit::Weight);

    std::uint64_t RowCount() const { return rows_; }
    StrengthUnit Unit() const { return unit_; }

    // The field texts of row `row` (0 <= row < RowCount()), the strength
    // by weight whatever the unit.
    InputTexts InputsAt(std::uint64_t row) const;

    // The strength of row `row` as given, in Unit() (see
    // SweepAxis::GivenTextAt).
    std::string GivenStrengthAt(std::uint64_t row) const;

    // The axes in grid order.
    const AxisList& Axes() const { return axes_; }

  private:
    // The value index of axis `axis` in row `row`.
    std::uint64_t ValueIndex(std::uint64_t row, std::size_t axis) const {
        return row / strides_[axis] % axes_[axis].Count();
    }

    AxisList axes_;
    // Rows between successive values of each axis: efficiency 1, reflux the
    // efficiency count, and so on (the grid is a mixed-radix number).
    std::array<std::uint64_t, kInputs.size()> strides_{};
    std::uint64_t rows_ = 1;
    StrengthUnit unit_;
};

}  // namespace colmara
