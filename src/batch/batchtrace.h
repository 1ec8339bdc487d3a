// The course of a batch run as the integration found it: its stretches and
// the moments where cuts begin and the run ends. The timeline and the cut
// table are read from it.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "batch/batchconditions.h"
#include "batch/batchmoment.h"

namespace colmara {

struct BatchMark {
    BatchState state;
    std::size_t cut = 0;  // the cut collected from here on
    long double Minute(const RunContext& run) const { return run.heatUpMinutes + state.hours * 60; }
};

struct BatchTrace {
    std::vector<BatchStretch> stretches;
    std::vector<BatchMark> marks;  // the start, then where each later cut begins
    BatchMark end;
    BatchEnd stop;
};

// Integrates the run from the charge (moment `first`) until a stop, the end of
// the last cut or the end of the boiler.
BatchTrace Distil(BatchSolver& solver, const RunContext& run, const BatchMoment& first,
                  const FormatSettings& settings);

}  // namespace colmara
