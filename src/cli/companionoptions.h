// The command line of colmara-report: the four field texts, the per-plate
// lines to leave out and the output form.
#pragma once

#include <string>
#include <vector>

#include "report/calculate.h"
#include "report/reportsink.h"

namespace CLI {
class App;
}

namespace colmara {

struct CompanionOptions {
    InputTexts inputs;
    std::vector<std::string> hidden;  // names from --hide
    bool json = false;

    // The report options with every name in `hidden` unchecked.
    ReportOptions Report() const;
};

// The command line with every "--name=" (an empty text after '=') split into
// "--name" and "": the parser would otherwise take the next argument as the
// value. The program name stays first.
std::vector<std::string> SplitEmptyAssignments(int argc, const char* const* argv);

// Declares every option of the program on `app`, bound to `options`.
void DeclareCompanionOptions(CLI::App& app, CompanionOptions& options);

}  // namespace colmara
