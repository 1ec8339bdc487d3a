// What the sweep panel asks the study layer for: one of the four inputs
// varied over a range typed as three locale-aware numbers, the other three
// fixed at the window's current texts.
#pragma once

#include <optional>
#include <string>

#include "report/calculate.h"
#include "runtime/numconv.h"
#include "study/input.h"
#include "study/strengthunit.h"
#include "study/sweepgrid.h"
#include "study/sweeprow.h"

namespace colmara {

struct SweepRequest {
    Input varied = Input::Reflux;
    // FROM, TO and STEP as typed, with the locale's decimal symbol.
    std::string from, to, step;
    InputTexts fixed;  // the window's texts; the varied one is ignored
    StrengthUnit unit = StrengthUnit::Weight;
};

// The grid's texts: the fixed texts with the varied one replaced by the range
// FROM:TO:STEP written with '.', exactly as the companion tool is given it.
// Throws StudyError naming the input for a bound that is not one plain
// number.
InputTexts SweepRanges(const SweepRequest& request, const FormatSettings& settings);

// The grid of the request; throws StudyError as SweepRanges and SweepGrid do.
SweepGrid MakeSweepGrid(const SweepRequest& request, const FormatSettings& settings);

// The varied input's value in `row`, as plotted along the bottom axis (the
// strength in the study's unit); absent when its text does not read.
std::optional<double> SweptValue(const SweepRow& row, Input varied, const FormatSettings& settings);

}  // namespace colmara
