// How a study writes a generated input value into a field text: the text a
// user could have typed for it.
#pragma once

#include <string>

#include "runtime/numconv.h"

namespace colmara {

// The shortest text that reads back to `value` as a double, with the locale's
// decimal symbol in place of '.'. A whole-number field (`integral`) gets
// plain digits and never the exponent form, which the integer parsing does
// not read; other fields may get "1e-05", which the field parsing reads.
std::string ValueText(double value, bool integral, const FormatSettings& settings);

// The shortest text of `value` with '.', whole numbers in full, for messages
// about ranges (which are always written with '.').
std::string PlainNumber(double value);

}  // namespace colmara
