// A literal solver for tests: every pass of the 1000 and every step of the
// 100 is run, and every stored value is checked on its own, so the fast
// Column::Solve can be compared with it bit for bit.
#pragma once

#include "model/column.h"

namespace colmara::testing {

void ReferenceSolve(Column& c);
void ReferenceResolveTopDown(Column& c);

}  // namespace colmara::testing
