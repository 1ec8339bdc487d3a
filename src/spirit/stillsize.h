// The size of the still's hardware for one calculated run: the column's
// height from its plates, the vapour's speed and load at the bottom and the
// top of the bore, and the condenser's duty and cooling water. The run is
// the window's own calculation of the four field texts (SolveCase), so the
// figures follow the numbers the window shows.
#pragma once

#include <optional>
#include <string>

#include "report/calculate.h"
#include "runtime/numconv.h"
#include "spirit/vapourload.h"
#include "study/caseresult.h"
#include "study/strengthunit.h"

namespace colmara {

struct StillHardware {
    long double boreMm = 0;      // inside diameter of the column
    long double hetpM = 0;       // height of packing per theoretical plate
    long double waterRiseK = 0;  // how much the cooling water warms up
};

// Specific heat (J/(g K)) of the cooling water, near 20 degC.
inline constexpr long double kWaterSpecificHeat = 4.1818L;

struct StillSize {
    CaseResult result;  // the run; when it failed, only `result` is filled
    long double columnHeightM = 0;
    VapourLoad bottom;  // the boiler's vapour entering the first plate
    VapourLoad top;     // the vapour leaving the top plate for the condenser
    long double condenserKw = 0;
    long double coolingWaterLMin = 0;
};

// Throws SpiritError naming "bore", "HETP" or "water rise" for a value that
// is not more than 0, before anything is solved; the strength text in `unit`
// goes through StrengthFieldText (StudyError outside 0..100 % by volume).
StillSize SizeStill(const InputTexts& inputs, const FormatSettings& settings, StrengthUnit unit,
                    const StillHardware& hardware);

}  // namespace colmara
