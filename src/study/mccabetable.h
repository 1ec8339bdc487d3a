// The McCabe-Thiele diagram's table: one record per stage, boiler first,
// with the stage's operating point and its corner on the equilibrium curve.
#pragma once

#include <vector>

#include "study/plateprofile.h"
#include "study/records.h"
#include "study/strengthunit.h"

namespace colmara {

// plate, liquid_x, vapour_in_y, vapour_y (the diagram's own coordinates,
// mass fractions, by mole mole fractions with the _mol suffix:
// (liquid_x, vapour_in_y) is the operating point, (liquid_x, vapour_y) the
// corner on the curve), then liquid_strength, vapour_in_strength and
// vapour_strength in `unit` (StrengthKey's suffix after each). The boiler has no vapour coming in:
// those cells are empty. A failed case has no records.
std::vector<Record> McCabeRecords(const CaseProfile& profile,
                                  StrengthUnit unit = StrengthUnit::Weight);

}  // namespace colmara
