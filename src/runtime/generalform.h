// The general form of a number, 15 significant digits in plain or scientific
// notation, used for empty pictures and for values a picture cannot show.
#pragma once

#include <string>

#include "runtime/numconv.h"

namespace colmara {

// Appends `value` in the general form: "1.5", "0.0001", "1E-5", "1E18",
// "INF", "-INF", "NAN".
void AppendGeneralForm(std::string& out, long double value, const FormatSettings& settings);

}  // namespace colmara
