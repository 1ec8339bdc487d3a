// colmara-report: runs one calculation without the window and prints what the
// window would show. Reads no files and writes none.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/companionoptions.h"
#include "cli/companionoutput.h"
#include "model/column.h"
#include "report/calculate.h"
#include "report/reportcollector.h"
#include "runtime/exceptions.h"
#include "runtime/fpcheck.h"
#include "runtime/numconv.h"

int main(int argc, char** argv) {
    using namespace colmara;
    InitFloatingPoint();
    ProcessFormatSettings() = ReadLocaleFormatSettings();

    CompanionOptions options;
    CLI::App app{"", "colmara-report"};
    DeclareCompanionOptions(app, options);
    const std::vector<std::string> args = SplitEmptyAssignments(argc, argv);
    std::vector<const char*> argPointers;
    for (const std::string& arg : args) argPointers.push_back(arg.c_str());
    try {
        app.parse(static_cast<int>(argPointers.size()), argPointers.data());
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e);
        return code == 0 ? 0 : 2;
    }

    Column column;
    ReportCollector written;
    const FixedReportOptions reportOptions(options.Report());
    std::optional<std::string> error;
    try {
        Calculate(column, options.inputs, written, reportOptions, ProcessFormatSettings());
    } catch (const Exception& e) {
        error = MessageWithPeriod(e.Message());
    }

    std::cout << (options.json ? JsonOutput(written, error) : TextOutput(written));
    std::cout.flush();
    if (!std::cout) return 1;  // output lost (a closed pipe, a full disk)
    if (error) {
        if (!options.json) std::cerr << *error << '\n';
        return 1;
    }
    return 0;
}
