// The run log options of `batch` and `fit`: the log's path and the offset
// of the thermometers that wrote it, read into the log and its thermometer.
#pragma once

#include <string>

#include "boiling/thermometer.h"
#include "runtime/numconv.h"
#include "study/runlog.h"

namespace CLI {
class App;
}  // namespace CLI

namespace colmara {

struct RunLogOptions {
    std::string path;    // empty: no log
    std::string offset;  // K; empty: true thermometers
};

// Declares --log (required when `required`) and --offset on `command`.
void DeclareRunLogOptions(CLI::App& command, RunLogOptions& options, bool required);

struct OpenedLog {
    RunLog log;
    Thermometer thermometer;
};

// Throws StudyError naming --log or --offset for a log or an offset that
// cannot be read (the file's reason, the log's first fault).
OpenedLog OpenRunLog(const RunLogOptions& options, const FormatSettings& settings);

}  // namespace colmara
