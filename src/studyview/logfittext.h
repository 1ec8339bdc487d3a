// What the batch tab says of a run log: how many of its readings the run
// was compared with and what was left out, and a fit's numbers in words,
// with the reason when the fit is poor (batch/logmisfit.h's rule).
#pragma once

#include <cstddef>
#include <string>

#include "batch/logfit.h"
#include "runtime/numconv.h"

namespace colmara {

// "run.csv: 40 readings beside the run; 2 notes, the first:" (the caller
// adds it), or "run.csv: 40 readings beside the run; nothing left out."
std::string LogPairsText(const std::string& name, std::size_t readings, std::size_t notes);

// The fitted plates and heat loss, the misfit before and after, the
// misfits a step away; then "Poor fit: " and why, when it is.
std::string LogFitText(const LogFit& fit, const FormatSettings& settings);

}  // namespace colmara
