#include "cli/companion.h"

#include <CLI/CLI.hpp>
#include <optional>
#include <ostream>

#include "cli/batchcommand.h"
#include "cli/commandio.h"
#include "cli/companionoptions.h"
#include "cli/companionoutput.h"
#include "cli/fitcommand.h"
#include "cli/profilecommand.h"
#include "cli/seekcommand.h"
#include "cli/setupoption.h"
#include "cli/subcommand.h"
#include "cli/sweepcommand.h"
#include "cli/toolforms.h"
#include "model/column.h"
#include "report/calculate.h"
#include "report/reportcollector.h"
#include "runtime/exceptions.h"
#include "runtime/version.h"
#include "study/studyerror.h"

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
    if (status == kCompanionFailed && !options.json) ErrorLine(io.err, *error);
    return status;
}

// Fills what a sub-command's command line left out from the setup file.
template <class Options>
void ApplySetupTo(SubCommand<Options>& command, const StudySetup& file,
                  const FormatSettings& settings) {
    ApplySetup(*command.app, file, command.options.inputs, &command.options.units, settings);
}

// Says that a required option is missing as the parser says it.
int MissingOption(const CLI::App& app, const std::string& name, const CommandIo& io) {
    app.exit(CLI::RequiredError(name), io.out, io.err);
    return FinishOutput(io.out, io.err, kCompanionUsageError);
}

// Every form of the tool: the plain calculation and its sub-commands.
struct Forms {
    CompanionOptions plain;
    SubCommand<SweepOptions> sweep;
    SubCommand<SeekOptions> seek;
    SubCommand<ProfileOptions> profile;
    SubCommand<BatchOptions> batch;
    SubCommand<BatchOptions> fit;
    ToolForms tools;
    // --setup before a sub-command's name or after it; the latter wins.
    std::string setup;
    std::string commandSetup;

    void Declare(CLI::App& app) {
        DeclareCompanionOptions(app, plain);
        DeclareSetupOption(app, setup);
        sweep.app = DeclareSweep(app, sweep.options);
        seek.app = DeclareSeek(app, seek.options);
        profile.app = DeclareProfile(app, profile.options);
        batch.app = DeclareBatch(app, batch.options);
        fit.app = DeclareFit(app, fit.options);
        tools.Declare(app);
        for (CLI::App* command :
             {sweep.app, seek.app, profile.app, batch.app, fit.app, tools.size.app})
            DeclareSetupOption(*command, commandSetup);
        app.require_subcommand(0, 1);
    }

    // An option of the plain form given with a sub-command would be
    // silently ignored ("--strength 10 sweep"): refuse it instead. --setup
    // is everyone's.
    static bool PlainOptionsGiven(const CLI::App& app) {
        for (const CLI::Option* option : app.get_options())
            if (option->count() > 0 && option->get_name() != "--setup") return true;
        return false;
    }

    // Fills what the command line left out from the setup file, if one is
    // named. Throws StudyError when it cannot be read or converted.
    void ApplySetupFile(const CLI::App& app, const FormatSettings& settings) {
        const std::string& path = commandSetup.empty() ? setup : commandSetup;
        if (path.empty()) return;
        const StudySetup file = ReadSetupFile(path);
        if (sweep.app->parsed()) return ApplySetupTo(sweep, file, settings);
        if (seek.app->parsed()) return ApplySetupTo(seek, file, settings);
        if (profile.app->parsed()) return ApplySetupTo(profile, file, settings);
        for (SubCommand<BatchOptions>* run : {&batch, &fit})
            if (run->app->parsed()) {
                ApplySetupTo(*run, file, settings);
                run->options.setup = BatchSetupTexts(file, run->options.units);
                return;
            }
        if (tools.size.app->parsed()) return ApplySetupTo(tools.size, file, settings);
        ApplySetup(app, file, plain.inputs, nullptr, settings);
    }

    int Run(const CLI::App& app, const CommandIo& io) {
        if (app.get_subcommands().size() > 0 && PlainOptionsGiven(app))
            return UsageError(io.err,
                              "options of the plain form go without a sub-command; "
                              "give them after the sub-command's name");
        try {
            ApplySetupFile(app, io.settings);
        } catch (const StudyError& e) {
            return UsageError(io.err, e.Message());
        }
        if (sweep.app->parsed()) return RunSweepCommand(sweep.options, io);
        if (seek.app->parsed()) return RunSeekCommand(seek.options, io);
        if (profile.app->parsed()) return RunProfileCommand(profile.options, io);
        for (SubCommand<BatchOptions>* run : {&batch, &fit}) {
            if (!run->app->parsed()) continue;
            // Checked here rather than by the parser, since a setup may give it.
            if (!BatchChargeGiven(*run->app, run->options))
                return MissingOption(app, "--charge", io);
            return run == &batch ? RunBatchCommand(*batch.app, batch.options, io)
                                 : RunFitCommand(*fit.app, fit.options, io);
        }
        if (const std::optional<int> status = tools.Run(io)) return *status;
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
