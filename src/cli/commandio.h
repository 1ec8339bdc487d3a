// What every form of the companion tool writes to and how it ends: the
// streams, the number symbols, and the messages of the exit statuses that are
// not a calculation's own.
#pragma once

#include <ostream>
#include <string>

#include "cli/companion.h"
#include "runtime/numconv.h"

namespace colmara {

struct CommandIo {
    std::ostream& out;
    std::ostream& err;
    const FormatSettings& settings;
    CompanionProcess process;
};

// "colmara-report: <message>" on `err`, control characters escaped; returns
// kCompanionUsageError.
int UsageError(std::ostream& err, const std::string& message);

// "colmara-report: <message>" on `err`; returns kCompanionWriteFailed.
int WriteFailure(std::ostream& err, const std::string& message);

// A calculation's own message on `err`, its control characters escaped (the
// texts it quotes came from the command line or a setup file).
void ErrorLine(std::ostream& err, const std::string& message);

// Flushes `out`; `status` when everything reached it, otherwise the write
// failure with its cause.
int FinishOutput(std::ostream& out, std::ostream& err, int status);

}  // namespace colmara
