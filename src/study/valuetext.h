// How a study writes a generated input value into a field text: the text a
// user could have typed for it.
#pragma once

#include <cstdint>
#include <string>

#include "runtime/numconv.h"

namespace colmara {

// A decimal number as whole units of 10^-decimals: value == units / 10^decimals.
struct ScaledDecimal {
    std::int64_t units = 0;
    int decimals = 0;
};

// The shortest text that reads back to `value` as a double, with the locale's
// decimal symbol in place of '.'. A whole-number field (`integral`) gets
// plain digits and never the exponent form, which the integer parsing does
// not read; other fields may get "1e-05", which the field parsing reads.
std::string ValueText(double value, bool integral, const FormatSettings& settings);

// An exact decimal as a field text: no trailing zeros, no exponent, the
// locale's decimal symbol ({3, 1} -> "0.003"; {120, 1} -> "12").
std::string DecimalText(ScaledDecimal value, const FormatSettings& settings);

// The shortest text of `value` with '.', whole numbers in full, for messages
// about ranges (which are always written with '.').
std::string PlainNumber(double value);

}  // namespace colmara
