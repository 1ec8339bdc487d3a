// The companion tool as a function: parses a command line, runs what it asks
// for and writes to the given streams. main() only sets up the process
// (floating-point unit, locale) and hands over its arguments.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "runtime/numconv.h"

namespace colmara {

// Exit status of the companion tool.
inline constexpr int kCompanionOk = 0;
inline constexpr int kCompanionFailed = 1;      // calculation failed or output lost
inline constexpr int kCompanionUsageError = 2;  // the command line itself is wrong

// `args` are the command-line arguments without the program name; numbers are
// read and written with `settings`. Returns the exit status.
int RunCompanion(const std::vector<std::string>& args, const FormatSettings& settings,
                 std::ostream& out, std::ostream& err);

}  // namespace colmara
