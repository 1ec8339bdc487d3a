#include "cli/sweepcommand.h"

#include <CLI/CLI.hpp>
#include <optional>

#include "cli/companionoptions.h"
#include "cli/interruptcatcher.h"
#include "cli/outputfile.h"
#include "cli/progressbar.h"
#include "study/records.h"
#include "study/studyerror.h"
#include "study/sweep.h"

namespace colmara {

namespace {

constexpr const char* kFooter =
    "Each input is one field text, as typed into the window (the locale's decimal\n"
    "symbol), or a range FROM:TO[:STEP] written with '.', STEP 1 when left out,\n"
    "ending at the last value not beyond TO (95:100:3 gives 95 and 98).\n"
    "Rows come in grid order, efficiency varying fastest, then reflux, plates,\n"
    "strength and power; a row whose calculation fails carries the error box's\n"
    "text in \"error\" and no numbers. Numbers are written with '.' whatever the\n"
    "locale. Rows have an efficiency column only when --efficiency is given as\n"
    "other than 100 (ideal plates, the default).\n"
    "\n"
    "With --units volume the strength (text or range) is in per cent by volume at\n"
    "20 degC, from 0 to 100, and each value is converted to the field text by\n"
    "weight that the calculation reads (the shortest that reads back to the\n"
    "same number). Rows then hold strength_vol, the strength as given, before\n"
    "strength, the text calculated, and product_strength_vol in place of\n"
    "product_strength.\n"
    "\n"
    "Examples:\n"
    "  colmara-report sweep --strength 10 --plates 10:30:10 --reflux 1:3 > grid.csv\n"
    "  colmara-report sweep --units volume --strength 10:40:10 --plates 5 > vol.csv\n"
    "\n"
    "Exit status: 0 when every row ran, 2 for a mistake on the command line, in\n"
    "a range or in the setup file, 4 when the output cannot be written, 130\n"
    "after Ctrl+C, 143 after SIGTERM and 129 after SIGHUP (the rows written by\n"
    "then are whole).\n"
    "\n"
    "--output FILE: the rows go to a temporary file beside FILE, which replaces\n"
    "FILE only once every row is written (FILE keeps its mode; a symbolic link\n"
    "is written through). When the output cannot be written, FILE stays as it\n"
    "was and no temporary is left. When the sweep is interrupted, FILE stays as\n"
    "it was and the whole rows done are in FILE.partial. A FILE that is no\n"
    "regular file (/dev/null, a terminal, a FIFO) is written straight to, with\n"
    "no FILE.partial; a FIFO that nobody reads is refused rather than waited on.";

// The rows' stream failed; RunSweep stops and hands this back.
struct OutputLost {};

std::string RowText(const SweepRow& row, StrengthUnit unit, const InputTexts& study, bool json) {
    const Record record = SweepRecord(row, unit, study);
    return json ? JsonObject(record) + '\n' : CsvLine(record);
}

// Writes the header and every row to `out`; throws OutputLost. The progress
// line stays off a screen that shows the rows themselves.
SweepOutcome WriteRows(const SweepGrid& grid, const SweepOptions& options, const CommandIo& io,
                       std::ostream& out) {
    const bool json = options.format == "json";
    const StrengthUnit unit = grid.Unit();
    if (!json) out << CsvHeader(SweepRecord(SweepRow{}, unit, options.inputs));
    std::optional<InterruptCatcher> catcher;
    if (io.process.catchInterrupt) catcher.emplace();
    const bool rowsOnScreen = io.process.outIsTerminal && options.output.empty();
    ProgressBar progress(io.err, io.process.errIsTerminal && !rowsOnScreen);
    const SweepControl control{
        options.threads, catcher ? &InterruptCatcher::Flag() : nullptr,
        [&progress](std::uint64_t done, std::uint64_t total) { progress.Update(done, total); }};
    const auto onRow = [&out, unit, &options, json](const SweepRow& row) {
        out << RowText(row, unit, options.inputs, json);
        if (!out) throw OutputLost{};
    };
    try {
        const SweepOutcome outcome = RunSweep(grid, io.settings, onRow, control);
        progress.Finish();
        return outcome;
    } catch (const OutputLost&) {
        progress.Finish();
        throw;
    }
}

// The status of a sweep that ran to its end or was stopped by a signal.
int SweepStatus(const SweepOutcome& outcome) {
    if (!outcome.cancelled) return kCompanionOk;
    const int signal = InterruptCatcher::Signal();
    return signal != 0 ? 128 + signal : kCompanionInterrupted;
}

// Puts the finished file in place; an interrupted run keeps the earlier file
// and sets its whole rows beside it.
int FinishFile(OutputFile& file, const SweepOutcome& outcome, const std::string& path,
               std::ostream& err) {
    if (!outcome.cancelled) {
        file.Commit();
        return kCompanionOk;
    }
    if (!file.Replaces()) {
        file.Commit();  // what was written went straight through
        return SweepStatus(outcome);
    }
    file.KeepPartial();
    err << "colmara-report: interrupted; " << path << " is unchanged, the rows done are in "
        << file.PartialName() << '\n';
    return SweepStatus(outcome);
}

// Runs the sweep into `file`, or into io.out when there is none.
int WriteSweep(const SweepGrid& grid, const SweepOptions& options, const CommandIo& io,
               OutputFile* file) {
    std::ostream& out = file != nullptr ? file->Stream() : io.out;
    try {
        const SweepOutcome outcome = WriteRows(grid, options, io, out);
        if (file == nullptr) return FinishOutput(out, io.err, SweepStatus(outcome));
        return FinishFile(*file, outcome, options.output, io.err);
    } catch (const OutputLost&) {
        return WriteFailure(io.err, "cannot write output: " + WriteFailureCause(out));
    } catch (const OutputError& e) {
        return WriteFailure(io.err, e.what());
    }
}

}  // namespace

CLI::App* DeclareSweep(CLI::App& app, SweepOptions& options) {
    CLI::App* sweep = DeclareInputsCommand(
        app, {"sweep", "Calculates every point of a grid over the inputs, one row each", kFooter},
        options.inputs, options.units, ",\nor a range FROM:TO[:STEP]");
    DeclareFormatOption(*sweep, options.format);
    sweep
        ->add_option("--output", options.output,
                     "Write the rows to FILE, replaced only once complete\n(see below)")
        ->type_name("FILE")
        ->check(NonEmptyName());
    sweep->add_option("--threads", options.threads, "Worker threads (0: one per core)")
        ->check(CLI::Range(0u, 1024u))
        ->capture_default_str();
    return sweep;
}

int RunSweepCommand(const SweepOptions& options, const CommandIo& io) {
    std::optional<SweepGrid> grid;
    try {
        grid.emplace(options.inputs, io.settings, UnitNamed(options.units));
    } catch (const StudyError& e) {
        return UsageError(io.err, e.Message());
    }
    if (options.output.empty()) return WriteSweep(*grid, options, io, nullptr);
    try {
        OutputFile file(options.output);
        return WriteSweep(*grid, options, io, &file);
    } catch (const OutputError& e) {
        return WriteFailure(io.err, e.what());
    }
}

}  // namespace colmara
