// What the plates above a plate of a bisection pass are sure to do, below a
// plate efficiency of 1, so that the pass need not march them all. Each
// answer is proved from the plate's vapour and flows and the product figures
// (see the .cpp), never guessed, so a pass that takes it gives the guess the
// same move, bit for bit, as one that marches every plate, and none of the
// plates it leaves out could have faulted. For the unchecked passes only: a
// replay with checks marches every plate.
#pragma once

#include "model/column.h"

namespace colmara::detail {

// The passes hold a plate's liquid at most this strong.
inline constexpr long double kStrengthCeiling = 0.948L;

// Whether the vapour leaving the top plate is sure to be above the guess
// (`lastguess`), given that the plate just marched gave off `vapour` and the
// column holds its vapour mass and ethanol. The pass may then stop: the
// guess moves up whatever the top vapour is.
bool TopStaysAboveGuess(const Column& c, long double vapour);

// Whether every plate above the one that gave off `vapour` (its flows in the
// column) is sure to hold its liquid at the ceiling.
bool CeilingHoldsAbove(const Column& c, long double vapour);

// Once CeilingHoldsAbove holds after plate `platecounter`: forms the vapours
// of the plates above it up to the one under the top plate, with the very
// statement the march would use, and that plate's flows, into `strengthin`
// and the column; returns the number of that plate, so that the march goes
// on with the top plate as if it had marched them all.
int SkipToTopPlate(Column& c, long double energy, long double& strengthin);

}  // namespace colmara::detail
