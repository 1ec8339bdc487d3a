// Rules of the study window's input fields that need no window: which typed
// values are computed but have no physical meaning, how a field steps its
// number, and a run's name. How the strength text follows a change of unit
// is the study layer's SwitchedStrengthText, shared with the companion tool.
#pragma once

#include <optional>
#include <string>

#include "report/calculate.h"
#include "runtime/numconv.h"
#include "study/input.h"
#include "study/strengthtext.h"
#include "study/strengthunit.h"

namespace colmara {

// The number in a field's text as the calculation reads it (an integer for
// a whole-number input), or none.
std::optional<long double> FieldValue(Input field, const std::string& text,
                                      const FormatSettings& settings);

// A one-line reason why the value typed into `field` has no physical
// meaning, or none. The value is still calculated as typed, exactly as the
// main window would; the note only flags it. A text that is no number gets
// no note: the calculation itself names it. `unit` is the unit the strength
// is typed in.
std::optional<std::string> FieldNote(Input field, const std::string& text, StrengthUnit unit,
                                     const FormatSettings& settings);

// The text after `steps` steps of `step` from the number in `text` (whole
// numbers for power and plates), written as the shortest text of the result
// rounded to the finer of the two decimal places, so "0.1" stepped by 0.1
// twice reads "0.3". None when the text is no number of the field.
std::optional<std::string> SteppedText(Input field, const std::string& text, int steps, double step,
                                       const FormatSettings& settings);

// A run named by its inputs, e.g. "2000 W, 10 %, 20 plates, R 3" (or
// "10 % vol" by volume), with ", E 70 %" for plates that are not ideal.
std::string RunName(const InputTexts& typed, StrengthUnit unit);

}  // namespace colmara
