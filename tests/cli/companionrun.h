// Runs the built colmara-report program and captures what it printed.
#pragma once

#include <string>
#include <vector>

namespace colmara::test {

struct CompanionRun {
    std::string out;
    std::string err;
    int exitCode = -1;  // -1 when the program did not exit normally
};

// Runs the built program with `args`; `environment` entries ("NAME=value") are
// added to (or replace those of) this process's environment.
CompanionRun SpawnCompanion(const std::vector<std::string>& args,
                            const std::vector<std::string>& environment = {});

}  // namespace colmara::test
