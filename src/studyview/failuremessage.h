// What the study window's status line says when a calculation fails: the
// field and a plain reason first, where the field rules know the cause, and
// the calculation's own text after it in parentheses, e.g.
//   Power: 0 W heats nothing, so no vapour rises. (Invalid floating point operation.)
#pragma once

#include <optional>
#include <string>

#include "report/calculate.h"
#include "runtime/numconv.h"
#include "study/strengthunit.h"

namespace colmara {

// The field at fault and why, for a calculation of `typed` (the strength in
// `unit`) that failed; none when the field rules cannot tell. The
// calculation reads the fields in order and stops at the first that is no
// number, so that one is named; when all read, the first whose value makes
// the column meaningless is.
std::optional<std::string> FailureCause(const InputTexts& typed, StrengthUnit unit,
                                        const FormatSettings& settings);

// The status text of a failed calculation: FailureCause before `error` in
// parentheses, or `error` alone; `greyCurves` tells that the last good
// case is still drawn, in grey.
std::string FailureStatus(const InputTexts& typed, StrengthUnit unit, const std::string& error,
                          bool greyCurves, const FormatSettings& settings);

}  // namespace colmara
