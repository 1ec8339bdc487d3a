// colmara-report fit: the plates and the heat loss that bring the batch
// run closest to a run log (batch/logfit.h), with the batch sub-command's
// options for everything else about the run.
#pragma once

#include "cli/batchcommand.h"

namespace colmara {

// Declares the sub-command on `app`, bound to `options`.
CLI::App* DeclareFit(CLI::App& app, BatchOptions& options);

// Runs the fit declared as `fit`; returns the exit status.
int RunFitCommand(const CLI::App& fit, const BatchOptions& options, const CommandIo& io);

}  // namespace colmara
