// A literal solver for tests: every pass of the 1000 and every step of the
// 100 is run, every stored value is checked on its own, and the vapour
// strength evaluates all three fits, so the fast Column::Solve and
// vapourstrength can be compared with it bit for bit. Ideal plates take the
// model's own statements, unchanged since before there was an efficiency;
// below an efficiency of 1 each plate's vapour is the vapour from below
// moved that share of the way to equilibrium, written out here on its own,
// and the re-solve searches each plate's entering vapour.
#pragma once

#include "model/column.h"

namespace colmara::test {

long double ReferenceVapourStrength(long double x);
void ReferenceSolve(Column& c);
void ReferenceResolveTopDown(Column& c);

}  // namespace colmara::test
