// Runs the built colmara-report program and captures what it printed.
#pragma once

#include <csignal>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "runtime/numconv.h"

namespace colmara::test {

struct CompanionRun {
    std::string out;
    std::string err;
    int exitCode = -1;  // as a shell reports it: 128 + the signal when killed by one
    int signal = 0;     // the signal that killed the program, 0 when it exited
};

struct SpawnOptions {
    // Entries ("NAME=value") added to (or replacing those of) this process's
    // environment.
    std::vector<std::string> environment;
    // When set, standard output goes to this file instead of being captured.
    std::string stdoutPath;
    // Shell commands run before the program (e.g. "ulimit -f 1").
    std::string shellSetup;
    // Sends `interruptSignal` once this many bytes of output have arrived
    // (0: never), or once `interruptWhen` answers true (asked every 20 ms).
    std::size_t interruptAfter = 0;
    std::function<bool()> interruptWhen;
    int interruptSignal = SIGINT;
    // Closes the reading end of standard output once this many bytes have
    // arrived, as a reader like `head` does (0: never).
    std::size_t closeAfter = 0;
};

// The companion tool called in-process, with the '.' symbols unless given.
CompanionRun CallCompanion(const std::vector<std::string>& args,
                           const FormatSettings& settings = {});

CompanionRun SpawnCompanion(const std::vector<std::string>& args, const SpawnOptions& options);

// Runs the built program with `args` in `environment` (see SpawnOptions).
CompanionRun SpawnCompanion(const std::vector<std::string>& args,
                            const std::vector<std::string>& environment = {});

}  // namespace colmara::test
