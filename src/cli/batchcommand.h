// colmara-report batch: a whole batch run of the still, as a timeline, a cut
// table or one JSON object. Its options are the batch tab's texts, read by
// the tab's reader (BatchRequestOf) once laid over a setup file's texts or
// the tab's defaults.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "batch/batchrequest.h"
#include "cli/commandio.h"
#include "cli/runlogoptions.h"
#include "report/calculate.h"
#include "study/batchtexts.h"

namespace CLI {
class App;
}  // namespace CLI

namespace colmara {

struct BatchOptions {
    InputTexts inputs{"1000", "10", "20", "3"};
    std::string units = "weight";
    BatchTexts given;                 // the batch options as typed, where given
    std::vector<std::string> cuts;    // --cut, each NAME:CONDITION
    std::optional<BatchTexts> setup;  // a setup file's texts, when it has its own
    RunLogOptions log;
    bool cutTable = false;
    bool json = false;
};

// Declares the batch run's own options (not the output's) on `command`:
// the batch sub-command's and the fit's.
void DeclareBatchOptions(CLI::App& command, BatchOptions& options);

// Declares the sub-command on `app`, bound to `options`.
CLI::App* DeclareBatch(CLI::App& app, BatchOptions& options);

// True when the command line or the setup file gives the charge, which the
// tool does not take from the tab's defaults.
bool BatchChargeGiven(const CLI::App& batch, const BatchOptions& options);

// Reads the options of `command` (batch or fit) into a request and calls
// `use` with it; returns its status, or the exit status of a refusal (a
// StudyError, a BatchFailure) from reading or from `use`.
int WithBatchRequest(const CLI::App& command, const BatchOptions& options, const CommandIo& io,
                     const std::function<int(BatchRequest&)>& use);

// Runs the batch declared as `batch`; returns the exit status.
int RunBatchCommand(const CLI::App& batch, const BatchOptions& options, const CommandIo& io);

}  // namespace colmara
