// colmara-report sweep: one result row per point of a grid over the four
// inputs, as CSV or as JSON lines.
#pragma once

#include <string>

#include "cli/commandio.h"
#include "report/calculate.h"

namespace CLI {
class App;
}

namespace colmara {

struct SweepOptions {
    InputTexts inputs;  // each a field text or FROM:TO[:STEP]
    std::string format = "csv";
    std::string output;    // empty: standard output
    unsigned threads = 0;  // 0: every core
    std::string units = "weight";
};

// Declares the sub-command on `app`, bound to `options`.
CLI::App* DeclareSweep(CLI::App& app, SweepOptions& options);

// Runs the sweep; returns the exit status.
int RunSweepCommand(const SweepOptions& options, const CommandIo& io);

}  // namespace colmara
