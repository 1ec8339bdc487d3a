#include "cli/companion.h"

#include <CLI/CLI.hpp>
#include <optional>
#include <ostream>

#include "cli/commandio.h"
#include "cli/companionoptions.h"
#include "cli/companionoutput.h"
#include "cli/profilecommand.h"
#include "cli/seekcommand.h"
#include "cli/sweepcommand.h"
#include "model/column.h"
#include "report/calculate.h"
#include "report/reportcollector.h"
#include "runtime/exceptions.h"
#include "runtime/version.h"

namespace colmara {

namespace {

constexpr const char* kProgramName = "colmara-report";

// One calculation, as the window's "Calculate" button runs it; what was
// written before a failure is printed all the same.
int RunCalculation(const CompanionOptions& options, const CommandIo& io) {
    Column column;
    ReportCollector written;
    const FixedReportOptions reportOptions(options.Report());
    std::optional<std::string> error;
    try {
        Calculate(column, options.inputs, written, reportOptions, io.settings);
    } catch (const Exception& e) {
        error = MessageWithPeriod(e.Message());
    }

    io.out << (options.json ? JsonOutput(written, error) : TextOutput(written));
    const int status = FinishOutput(io.out, io.err, error ? kCompanionFailed : kCompanionOk);
    if (status == kCompanionFailed && !options.json) io.err << *error << '\n';
    return status;
}

// Every form of the tool: the plain calculation and its sub-commands.
struct Forms {
    CompanionOptions plain;
    SweepOptions sweep;
    SeekOptions seek;
    ProfileOptions profile;
    CLI::App* sweepApp = nullptr;
    CLI::App* seekApp = nullptr;
    CLI::App* profileApp = nullptr;

    void Declare(CLI::App& app) {
        DeclareCompanionOptions(app, plain);
        sweepApp = DeclareSweep(app, sweep);
        seekApp = DeclareSeek(app, seek);
        profileApp = DeclareProfile(app, profile);
        app.require_subcommand(0, 1);
    }

    // An option of the plain form given with a sub-command would be
    // silently ignored ("--strength 10 sweep"): refuse it instead.
    static bool PlainOptionsGiven(const CLI::App& app) {
        for (const CLI::Option* option : app.get_options())
            if (option->count() > 0) return true;
        return false;
    }

    int Run(const CLI::App& app, const CommandIo& io) const {
        if (app.get_subcommands().size() > 0 && PlainOptionsGiven(app))
            return UsageError(io.err,
                              "options of the plain form go without a sub-command; "
                              "give them after the sub-command's name");
        if (sweepApp->parsed()) return RunSweepCommand(sweep, io);
        if (seekApp->parsed()) return RunSeekCommand(seek, io);
        if (profileApp->parsed()) return RunProfileCommand(profile, io);
        return RunCalculation(plain, io);
    }
};

}  // namespace

int RunCompanion(const std::vector<std::string>& args, const FormatSettings& settings,
                 std::ostream& out, std::ostream& err, const CompanionProcess& process) {
    Forms forms;
    CLI::App app{"", kProgramName};
    app.set_version_flag("--version", std::string(kProgramName) + " " + kVersion,
                         "Print the version and exit");
    forms.Declare(app);

    std::vector<std::string> argv = SplitEmptyAssignments(args);
    argv.insert(argv.begin(), kProgramName);
    std::vector<const char*> pointers;
    for (const std::string& arg : argv) pointers.push_back(arg.c_str());
    try {
        app.parse(static_cast<int>(pointers.size()), pointers.data());
    } catch (const CLI::ParseError& e) {
        // --help ends here as well, with status 0.
        const int status = app.exit(e, out, err) == 0 ? kCompanionOk : kCompanionUsageError;
        return FinishOutput(out, err, status);
    }
    return forms.Run(app, CommandIo{out, err, settings, process});
}

}  // namespace colmara
