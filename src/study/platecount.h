// How many theoretical plates a column needs above its boiler to lift the
// boiler's liquid to a strength at its head: at a power and reflux ratio by
// the column calculation itself, or at total reflux (no product taken) by
// the staircase between the model's equilibrium curve and the diagonal,
// each plate's liquid being the vapour from the stage below.
//
// The whole count is the first count (0 to 100) whose product reaches the
// head. The fraction interpolates the product strength s(n) between that
// count n and the one below it, the boiler's own liquid standing in below
// no plates at all:
//   plates = (n - 1) + (head - s(n-1)) / (s(n) - s(n-1)),   s(-1) = boiler,
// so a head weaker than the boiler's own vapour is a fraction of the
// boiler's stage (plates below 0). Stages count the boiler as one, as hobby
// calculators do: stages = plates + 1.
//
// Strengths are mass fractions of ethanol (0 to 1).
#pragma once

#include <string>
#include <vector>

#include "runtime/numconv.h"
#include "study/seek.h"
#include "study/strengthunit.h"

namespace colmara {

struct PlateCount {
    int plates = 0;                  // the whole count that first reaches the head
    long double platesFraction = 0;  // by the interpolation above
    long double StagesFraction() const { return platesFraction + 1; }
};

// The vapour leaving each stage at total reflux, the boiler's first, for a
// column of `plates` plates of Murphree efficiency `efficiency` (a fraction):
// each plate's liquid is the vapour from below, y(n-1), and its vapour moves
// from y(n-1) that share of the way to the equilibrium of that liquid. The
// boiler is an equilibrium stage.
std::vector<long double> TotalRefluxVapours(long double boiler, int plates,
                                            long double efficiency = 1);

// Throws StudyError "head: ..." for a head no stronger than the boiler, and
// OutOfReachError for one that 100 plates do not reach, saying what they
// reach. The messages write strengths in `unit`, the one they were given in.
PlateCount PlatesAtTotalReflux(long double boiler, long double head, long double efficiency = 1,
                               StrengthUnit unit = StrengthUnit::Weight);

// The same at the power and reflux ratio given as field texts, each count
// solved as the window solves it. Throws as above, and StudyError with the
// calculation's message when a count cannot be calculated.
PlateCount PlatesAtReflux(long double boiler, long double head, const std::string& power,
                          const std::string& reflux, const FormatSettings& settings,
                          StrengthUnit unit = StrengthUnit::Weight);

// The seek's out-of-reach message (seek.h) for a product strength target
// `request` holds by weight, as someone who gave it in `unit` reads it:
// the target and the best reached in `unit`, to the hundredth.
std::string UnreachableIn(const SeekRequest& request, const SeekResult& found, StrengthUnit unit);

}  // namespace colmara
