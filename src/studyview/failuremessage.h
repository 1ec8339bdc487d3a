// What the study window's status line says when a calculation fails, once:
// the field and a plain reason where the field rules know the cause, e.g.
//   Power: 0 W heats nothing, so no vapour rises.
// and the calculation's own text where they do not.
#pragma once

#include <optional>
#include <string>

#include "report/calculate.h"
#include "runtime/numconv.h"
#include "study/caseresult.h"
#include "study/strengthunit.h"

namespace colmara {

// The field at fault and why, for a calculation of `typed` (the strength in
// `unit`) that failed; none when the field rules cannot tell. The
// calculation reads the fields in order and stops at the first that is no
// number, so that one is named; when all read, the first whose value makes
// the column meaningless is.
std::optional<std::string> FailureCause(const InputTexts& typed, StrengthUnit unit,
                                        const FormatSettings& settings);

// The status text of a failed calculation: FailureCause, or else `error`; `greyCurves` tells that
// the last good case is still drawn, in grey.
std::string FailureStatus(const InputTexts& typed, StrengthUnit unit, const std::string& error,
                          bool greyCurves, const FormatSettings& settings);

// The status text of a case that solved: "Product 75.96 % vol at 203.88 g/h",
// numbers as the window's readouts write them. A line that wraps breaks
// only between the two quantities, never inside a number and its unit
// (no-break spaces, and a word joiner after the "/" of "g/h").
std::string ProductStatus(const CaseResult& result, StrengthUnit unit,
                          const FormatSettings& settings);

}  // namespace colmara
