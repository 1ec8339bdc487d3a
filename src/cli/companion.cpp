#include "cli/companion.h"

#include <CLI/CLI.hpp>
#include <optional>
#include <ostream>

#include "cli/companionoptions.h"
#include "cli/companionoutput.h"
#include "model/column.h"
#include "report/calculate.h"
#include "report/reportcollector.h"
#include "runtime/exceptions.h"

namespace colmara {

namespace {

constexpr const char* kProgramName = "colmara-report";

// One calculation, as the window's "Calculate" button runs it; what was
// written before a failure is printed all the same.
int RunCalculation(const CompanionOptions& options, const FormatSettings& settings,
                   std::ostream& out, std::ostream& err) {
    Column column;
    ReportCollector written;
    const FixedReportOptions reportOptions(options.Report());
    std::optional<std::string> error;
    try {
        Calculate(column, options.inputs, written, reportOptions, settings);
    } catch (const Exception& e) {
        error = MessageWithPeriod(e.Message());
    }

    out << (options.json ? JsonOutput(written, error) : TextOutput(written));
    out.flush();
    if (!out) return kCompanionFailed;  // output lost (a closed pipe, a full disk)
    if (error) {
        if (!options.json) err << *error << '\n';
        return kCompanionFailed;
    }
    return kCompanionOk;
}

}  // namespace

int RunCompanion(const std::vector<std::string>& args, const FormatSettings& settings,
                 std::ostream& out, std::ostream& err) {
    // The options without a sub-command calculate once; a sub-command will
    // be declared on `app` beside them and dispatched after parsing.
    CompanionOptions options;
    CLI::App app{"", kProgramName};
    DeclareCompanionOptions(app, options);

    std::vector<std::string> argv = SplitEmptyAssignments(args);
    argv.insert(argv.begin(), kProgramName);
    std::vector<const char*> pointers;
    for (const std::string& arg : argv) pointers.push_back(arg.c_str());
    try {
        app.parse(static_cast<int>(pointers.size()), pointers.data());
    } catch (const CLI::ParseError& e) {
        // --help ends here as well, with status 0.
        return app.exit(e, out, err) == 0 ? kCompanionOk : kCompanionUsageError;
    }
    return RunCalculation(options, settings, out, err);
}

}  // namespace colmara
