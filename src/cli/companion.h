// The companion tool as a function: parses a command line, runs what it asks
// for and writes to the given streams. main() only sets up the process
// (floating-point unit, locale, signals) and hands over its arguments.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "runtime/numconv.h"

namespace colmara {

// Exit status of the companion tool.
inline constexpr int kCompanionOk = 0;
inline constexpr int kCompanionFailed = 1;         // the calculation failed
inline constexpr int kCompanionUsageError = 2;     // the command line itself is wrong
inline constexpr int kCompanionUnreachable = 3;    // a seek found no value reaching the target
inline constexpr int kCompanionWriteFailed = 4;    // the output could not be written
inline constexpr int kCompanionInterrupted = 130;  // a sweep stopped by Ctrl+C

// What the process offers beyond its streams.
struct CompanionProcess {
    // A sweep stops on Ctrl+C (SIGINT) instead of being killed by it.
    bool catchInterrupt = false;
    // `err` is a terminal: a long sweep may draw its progress there, unless
    // its rows go to the same screen (`out` a terminal too).
    bool errIsTerminal = false;
    bool outIsTerminal = false;
};

// `args` are the command-line arguments without the program name; numbers are
// read and written with `settings`. Returns the exit status.
int RunCompanion(const std::vector<std::string>& args, const FormatSettings& settings,
                 std::ostream& out, std::ostream& err, const CompanionProcess& process = {});

}  // namespace colmara
