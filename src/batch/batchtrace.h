// The course of a batch run as the integration found it: its stretches and
// the moments where cuts begin and the run ends. The timeline and the cut
// table are read from it.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "batch/batchconditions.h"
#include "batch/batchnode.h"

namespace colmara {

struct BatchMark {
    BatchState state;
    std::size_t cut = 0;  // the cut collected from here on
    long double Minute(const RunContext& run) const { return run.heatUpMinutes + state.hours * 60; }
};

struct BatchTrace {
    std::vector<BatchPanel> panels;
    std::vector<BatchMark> marks;  // the start, then where each later cut begins
    BatchMark end;
    std::string stop;
};

// Integrates the run from the charge (node `first`) until a stop, the end of
// the last cut or the end of the boiler.
BatchTrace Distil(BatchSolver& solver, const RunContext& run, const BatchNode& first,
                  const FormatSettings& settings);

// Every row of the timeline: the start, each `everyMinutes` from the start of
// heating, each cut's beginning and the end; each solved from its own texts.
std::vector<BatchRow> Timeline(BatchSolver& solver, const RunContext& run, const BatchTrace& trace,
                               const std::string& chargeText);

}  // namespace colmara
