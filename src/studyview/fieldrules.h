// Rules of the study window's input fields that need no window: which typed
// values are computed but have no physical meaning, how a field steps its
// number, and how the strength text follows a change of unit. Qt-free, so
// they are tested as plain tables.
#pragma once

#include <optional>
#include <string>

#include "report/calculate.h"
#include "runtime/numconv.h"
#include "study/strengthunit.h"

namespace colmara {

enum class StudyField { Power, Strength, Plates, Reflux };

// A one-line reason why the value typed into `field` has no physical
// meaning, or none. The value is still calculated as typed, exactly as the
// main window would; the note only flags it. A text that is no number gets
// no note: the calculation itself names it. `unit` is the unit the strength
// is typed in.
std::optional<std::string> FieldNote(StudyField field, const std::string& text, StrengthUnit unit,
                                     const FormatSettings& settings);

// The text after `steps` steps of `step` from the number in `text` (whole
// numbers for power and plates), written as the shortest text of the result
// rounded to the finer of the two decimal places, so "0.1" stepped by 0.1
// twice reads "0.3". None when the text is no number of the field.
std::optional<std::string> SteppedText(StudyField field, const std::string& text, int steps,
                                       double step, const FormatSettings& settings);

// The strength text showing the same strength in `to` as `text` does in
// `from`: the converted number rounded to four decimals, shortest form
// ("10" by weight reads "12.4404" by volume, and back "10"). A text that is
// no number, or no strength (outside 0..100 %), stays as it is.
std::string SwitchedStrengthText(const std::string& text, StrengthUnit from, StrengthUnit to,
                                 const FormatSettings& settings);

// A run named by its inputs, e.g. "2000 W, 10 %, 20 plates, R 3" (or
// "10 % vol" by volume).
std::string RunName(const InputTexts& typed, StrengthUnit unit);

}  // namespace colmara
