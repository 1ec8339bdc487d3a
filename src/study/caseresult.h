// One solved case: the four field texts run through the window's calculate
// action, reduced to the figures a study compares.
#pragma once

#include <optional>
#include <string>

#include "report/calculate.h"
#include "study/strengthunit.h"

namespace colmara {

class Column;

// Numbers are the model's extended values, unrounded; callers may narrow them
// to double. When the calculation fails every number is absent and `error`
// holds the text of the window's error box.
struct CaseResult {
    std::optional<long double> productStrength;  // % by weight: topstrength x 100
    std::optional<long double> productAmount;    // g/h
    std::optional<long double> refluxReturned;   // g/h, as the report computes it
    std::optional<long double> totalStripped;    // %, the summary's figure
    std::optional<long double> topTemperature;   // deg C; absent for 0 plates
    std::optional<std::string> error;

    bool Solved() const { return !error.has_value(); }

    // The product strength in `unit` (see StrengthIn).
    std::optional<long double> ProductStrength(StrengthUnit unit) const {
        return StrengthIn(unit, productStrength);
    }
};

// Runs Calculate on `column` with the window's start options (every report
// option on) and a sink that keeps nothing. `column` is left as the
// calculation left it, so a caller may read its tables afterwards. Runs on
// the calling thread, whose floating-point unit must be set up as the program
// sets it (InitFloatingPoint).
CaseResult SolveCase(Column& column, const InputTexts& inputs, const FormatSettings& settings);

// The product alone, from the calculation's bisection passes
// (Column::SolvePasses): its strength and amount are SolveCase's, bit for
// bit, whenever SolveCase solves the case; every other figure is absent. It
// fails where SolveCase fails before the passes end, with the same error,
// but may solve a case whose final pass, re-solve or report would fail:
// a caller that keeps such a result confirms it with SolveCase.
CaseResult SolveProduct(Column& column, const InputTexts& inputs, const FormatSettings& settings);

}  // namespace colmara
