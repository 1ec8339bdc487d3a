// The line that names the inputs of an exported chart, so that a picture
// taken out of the program says what it shows.
#pragma once

#include <QString>

#include "report/calculate.h"
#include "study/strengthunit.h"

namespace colmara {

// "Power 1500 W · strength 10 % by weight · 5 plates · reflux 3", the texts
// as typed; `reflux`, when given, stands for the reflux part (a reflux that
// varies over a run); " · efficiency 60 %" follows for plates that are not
// ideal.
QString InputsCaption(const InputTexts& inputs, StrengthUnit unit, const QString& reflux = {});

}  // namespace colmara
