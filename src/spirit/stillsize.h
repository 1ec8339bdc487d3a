// The size of the still's hardware for one calculated run: the column's
// height from its plates, the vapour's speed and load at the bottom and the
// top of the bore, and the condenser's duty and cooling water. The run is
// the window's own calculation of the four field texts (SolveCase), so the
// figures follow the numbers the window shows.
#pragma once

#include <optional>
#include <string>

#include "batch/batchrequest.h"
#include "report/calculate.h"
#include "runtime/numconv.h"
#include "spirit/vapourload.h"
#include "study/caseresult.h"
#include "study/strengthunit.h"

namespace colmara {

struct StillHardware {
    long double boreMm = 0;  // inside diameter of the column
    // Height of packing per theoretical plate; none: no column height.
    std::optional<long double> hetpM;
    long double waterRiseK = 0;  // how much the cooling water warms up
};

// The hardware the sizing answers for: wide enough apart for any still, and
// narrow enough that no figure leaves the numbers an answer is printed with.
struct SizeRange {
    long double lowest;
    long double highest;
};
inline constexpr SizeRange kBoreMm{1, 10000};
inline constexpr SizeRange kHetpM{0.001L, 100};
inline constexpr SizeRange kWaterRiseK{0.1L, 100};

// A charge to bring to the boil, at the strength of the four texts.
struct StillCharge {
    double amount = 0;  // in `unit`
    ChargeUnit unit = ChargeUnit::Millilitres;
    long double startCelsius = 20;
};

// Specific heat (J/(g K)) of the cooling water, near 20 degC.
inline constexpr long double kWaterSpecificHeat = 4.1818L;

struct StillSize {
    CaseResult result;                         // the run; when it failed, only `result` is filled
    std::optional<long double> columnHeightM;  // none without an HETP
    VapourLoad bottom;                         // the boiler's vapour entering the first plate
    VapourLoad top;                            // the vapour leaving the top plate for the condenser
    long double condenserKw = 0;
    long double coolingWaterLMin = 0;
    // With a charge: minutes from the start temperature to the boil, the
    // batch run's heat-up estimate.
    std::optional<long double> heatUpMinutes;
};

// Throws SpiritError naming "bore", "HETP", "water rise" or "charge" for a
// value outside its range (kBoreMm, ..., RequireAmount), before anything is
// solved, and "start temperature" for one below the charge's freezing point
// or above its boiling point at the solved boiler strength; the strength
// text in `unit` goes through StrengthFieldText (StudyError outside 0..100 %
// by volume).
StillSize SizeStill(const InputTexts& inputs, const FormatSettings& settings, StrengthUnit unit,
                    const StillHardware& hardware,
                    const std::optional<StillCharge>& charge = std::nullopt);

}  // namespace colmara
