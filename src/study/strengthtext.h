// How a strength given to a study in any unit becomes the strength field
// text that the calculation reads. The calculation only ever reads % by
// weight, and only ever a text: so every result of a study in % by volume
// or by mole is
// the window's result for a text someone could have typed into its field.
#pragma once

#include <string>

#include "report/calculate.h"
#include "runtime/numconv.h"
#include "study/strengthunit.h"

namespace colmara {

// The field text for a strength typed in `unit`. In % by weight that is the
// text itself. In % by volume or by mole the text is read as the window reads its
// strength field (the locale's decimal symbol), converted, and written as the
// shortest text that reads back to the same double, with the locale's
// decimal symbol. A text that is no number is kept as it is, so that the
// calculation fails at that field with the window's own message. Throws
// StudyError for a number outside 0..100 % in `unit`.
std::string StrengthFieldText(const std::string& typed, StrengthUnit unit,
                              const FormatSettings& settings);

// A strength the study worked out, a mass fraction (0 to 1), as its
// messages write it: in `unit`, to the hundredth, with the unit's symbol
// ("96.81 % vol").
std::string MessageStrength(long double massFraction, StrengthUnit unit);
// The same number, rounded, without the symbol.
double MessageStrengthValue(long double massFraction, StrengthUnit unit);

// `inputs` with the strength, typed in `unit`, replaced by its field text.
InputTexts FieldInputs(const InputTexts& inputs, StrengthUnit unit, const FormatSettings& settings);

// The strength text showing in `to` the strength `text` shows in `from`,
// so that the strength calculated from it differs from the one calculated
// before by less than kSwitchTolerance per cent by weight: the converted
// number rounded to the fewest decimals that achieve this ("10" by weight
// reads "12.44039502" by volume, and back "10"). A text that is no number,
// or no strength (outside 0..100 %), stays as it is. The window's unit
// switch and the companion tool's --setup both write strengths with it.
std::string SwitchedStrengthText(const std::string& text, StrengthUnit from, StrengthUnit to,
                                 const FormatSettings& settings);
inline constexpr long double kSwitchTolerance = 1e-9L;

// A text's rewrite when the unit its strengths are typed in switches from
// `from` to `to` (SwitchedStrengthText for one strength).
using StrengthRewrite = std::string (*)(const std::string& text, StrengthUnit from, StrengthUnit to,
                                        const FormatSettings& settings);

// The field text for a generated strength `value` in `unit` (0..100 when by
// volume or by mole), written as above.
std::string StrengthValueText(double value, StrengthUnit unit, const FormatSettings& settings);

}  // namespace colmara
