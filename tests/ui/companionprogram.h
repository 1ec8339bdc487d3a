// Runs the built colmara-report program, so that the window tests compare
// their tables with the companion tool's bytes without linking its library.
#pragma once

#include <string>
#include <vector>

namespace colmara::test {

// What the program writes to standard output for `args`, under the C locale
// or, with `comma`, under de_DE.UTF-8 (',' as decimal symbol; scripts/deps.sh
// generates it). A failure to run or a non-zero exit fails the calling test.
std::string CompanionOutput(const std::vector<std::string>& args, bool comma = false);

}  // namespace colmara::test
