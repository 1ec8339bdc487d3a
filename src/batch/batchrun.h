// A whole batch run of the still: heat-up, the quasi-steady depletion of the
// boiler through the column as Calculate solves it moment by moment, the
// cuts and the stop. See docs/model.md for the balances and their limits.
#pragma once

#include "batch/batchrequest.h"
#include "batch/batchresult.h"
#include "runtime/numconv.h"

namespace colmara {

// Throws StudyError for a request that cannot run (a charge or interval not
// above 0, no cuts, a strength outside 0..100), and BatchFailure when a
// calculation fails or the strength policy's target is out of reach at the
// charge's strength. Runs on the calling thread, whose floating-point unit
// must be set up as the program sets it (InitFloatingPoint).
BatchResult RunBatch(const BatchRequest& request, const FormatSettings& settings);

}  // namespace colmara
