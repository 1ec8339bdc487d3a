// The grid of a sweep: every combination of the four inputs' values, in the
// order power, strength, plates, reflux (reflux varying fastest). Rows are
// computed from their index, never stored, so a grid costs the same memory
// whatever its size.
#pragma once

#include <array>
#include <cstdint>

#include "report/calculate.h"
#include "study/sweepaxis.h"

namespace colmara {

class SweepGrid {
  public:
    // Each text of `ranges` is one field text or a range (see SweepAxis).
    // Throws StudyError for a malformed range or for more than kMaxSweepRows
    // rows, before anything runs.
    SweepGrid(const InputTexts& ranges, const FormatSettings& settings);

    std::uint64_t RowCount() const { return rows_; }

    // The four field texts of row `row` (0 <= row < RowCount()).
    InputTexts InputsAt(std::uint64_t row) const;

    // The axes in grid order: power, strength, plates, reflux.
    const std::array<SweepAxis, 4>& Axes() const { return axes_; }

  private:
    std::array<SweepAxis, 4> axes_;
    std::uint64_t rows_ = 1;
};

}  // namespace colmara
