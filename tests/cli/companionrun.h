// Runs the built colmara-report program and captures what it printed.
#pragma once

#include <string>
#include <vector>

namespace colmara::testing {

struct CompanionRun {
    std::string out;
    std::string err;
    int exitCode = -1;  // -1 when the program did not exit normally
};

// Runs the program with `args`; `environment` entries ("NAME=value") are
// added to (or replace those of) this process's environment.
CompanionRun RunCompanion(const std::vector<std::string>& args,
                          const std::vector<std::string>& environment = {});

}  // namespace colmara::testing
