#include "cli/batchcommand.h"

#include <CLI/CLI.hpp>

#include "batch/batcherror.h"
#include "batch/batchform.h"
#include "batch/batchrecords.h"
#include "batch/batchrun.h"
#include "cli/companionoptions.h"
#include "cli/setupoption.h"
#include "study/studyerror.h"

namespace colmara {

namespace {

constexpr const char* kFooter =
    "The boiler holds the charge and the column is, at every moment, the steady\n"
    "state the window calculates for the boiler's strength then: no holdup on the\n"
    "plates, no heat lost. The run is integrated over the boiler's strength until\n"
    "a stop, the end of the last cut or an empty boiler.\n"
    "\n"
    "The timeline (CSV) has a row at the start of distilling, every --every\n"
    "minutes from the start of heating, at each cut's beginning and at the end.\n"
    "Its power, strength, plates and reflux are the field texts that row's\n"
    "calculation used (strength by weight): typed into the window they give the\n"
    "row's product strength and amount. Times are minutes from the start of\n"
    "heating; masses grams; amounts g/h; volumes ml at 20 degC. With --units\n"
    "volume every strength given is by volume, and the rows hold strength_vol\n"
    "before strength and product_strength_vol in place of product_strength.\n"
    "\n"
    "Cuts: by default heads (--heads: 50ml, 40g or 3% of the charge's alcohol),\n"
    "hearts until the product strength falls below --hearts-until, and tails to\n"
    "the end. --cut NAME:CONDITION, repeated, gives your own cuts in order; a\n"
    "CONDITION is an amount (50ml, 40g, 3%), <STRENGTH (until the product falls\n"
    "below it), >T C (until the head temperature rises above T degC, e.g.\n"
    ">80.5C), MINUTES followed by min (until that minute), or end. The run ends\n"
    "when the last cut does. The strength policy finds its own reflux and does not\n"
    "read --reflux. The heat-up time is an estimate from the heat\n"
    "capacity of the charge; the energy counts heat-up and distilling.\n"
    "\n"
    "The head temperature is where the vapour leaving the top plate (the\n"
    "product's strength) condenses, at the air pressure of --pressure or\n"
    "--altitude (1013.25 hPa without them); the timeline's last column,\n"
    "head_temperature, gives it. A temperature no vapour condenses at, at that\n"
    "pressure (above water's boiling point, below the azeotrope's), is refused.\n"
    "\n"
    "Without --stop-product the run stops when the product falls below 20 % vol\n"
    "(the same strength by weight with --units weight), where hobby runs commonly\n"
    "end; --stop-product none runs the boiler empty. Every number takes the\n"
    "locale's decimal symbol.\n"
    "\n"
    "--setup FILE takes the batch tab's texts too, for every batch option not\n"
    "given here (the file's own cuts only when none of --cut, --heads and\n"
    "--hearts-until is given), so the run is the one the tab shows for the file.\n"
    "\n"
    "Example:\n"
    "  colmara-report batch --charge 20000 --strength 10 --plates 20 --reflux 3 \\\n"
    "      --stop-product 20 --cuts\n"
    "  colmara-report batch --charge 20000 --strength 10 --plates 20 --reflux 3 \\\n"
    "      --altitude 600 --cut heads:3% --cut 'hearts:>80.5C' --cut tails:end\n"
    "\n"
    "Exit status: 0 when the run ran through; 1 when a calculation failed; 2 for a\n"
    "mistake on the command line or in the setup file (a number outside its range,\n"
    "a cut condition that cannot be read); 3 when the target\n"
    "strength is out of reach even at the maximum reflux (standard error says\n"
    "what the column reaches); 4 when the output cannot be written. A stop\n"
    "condition never met ends the run with the boiler empty, and standard error\n"
    "says so, as it does for a cut the strength policy leaves empty.";

// The by-weight text of the default stop, for the help.
std::string DefaultStopByWeight() {
    return DefaultBatchTexts(StrengthUnit::Weight, FormatSettings()).stopProduct;
}

// A text option bound to `text`; `shown` says whether --help shows its default.
CLI::Option* TextOption(CLI::App& batch, std::string BatchTexts::*text, BatchOptions& options,
                        const std::string& help, const char* type = "FLOAT", bool shown = true) {
    CLI::Option* option =
        batch.add_option(BatchOption(BatchTextKeyOf(text)), options.given.*text, help)
            ->type_name(type);
    if (shown) option->capture_default_str();
    return option;
}

void DeclareRunOptions(CLI::App& batch, BatchOptions& options) {
    // Required, but checked once --setup has had its say: a setup file may
    // give it.
    TextOption(batch, &BatchTexts::charge, options,
               "Amount in the boiler at the start; required unless\n"
               "--setup gives the batch tab's texts",
               "FLOAT", false);
    TextOption(batch, &BatchTexts::chargeUnit, options, "g, or ml at 20 degC", "TEXT:{g,ml}");
    TextOption(batch, &BatchTexts::policy, options,
               "reflux (a constant reflux ratio) or strength (the reflux\n"
               "rises to hold --target-strength)",
               "TEXT:{reflux,strength}");
    TextOption(batch, &BatchTexts::targetStrength, options,
               "Product strength the strength policy holds", "FLOAT", false);
    TextOption(
        batch, &BatchTexts::maxReflux, options,
        "Highest reflux the strength policy goes to (at most 1e9);\nthe run then goes on at it");
    TextOption(batch, &BatchTexts::startTemperature, options,
               "Temperature of the charge when heating starts, degC,\n"
               "from its freezing point to its boiling point");
    CLI::Option* pressure = TextOption(batch, &BatchTexts::pressure, options,
                                       "Air pressure the still boils at, hPa, 300 to 1100;\n"
                                       "1013.25 unless it or --altitude is given",
                                       "HPA", false);
    CLI::Option* altitude = TextOption(batch, &BatchTexts::altitude, options,
                                       "Altitude of the still, m, instead of --pressure (the\n"
                                       "international standard atmosphere's pressure there)",
                                       "M", false);
    pressure->excludes(altitude);
    TextOption(batch, &BatchTexts::every, options,
               "Minutes between timeline rows; at most " + std::to_string(kMostTimelineRows) +
                   " rows over the run");
}

void DeclareCutOptions(CLI::App& batch, BatchOptions& options) {
    TextOption(batch, &BatchTexts::heads, options,
               "Heads: 50ml, 40g, or 3% of the charge's alcohol", "TEXT");
    TextOption(batch, &BatchTexts::heartsUntil, options,
               "Hearts end when the product strength falls below this");
    batch.add_option("--cut", options.cuts, "NAME:CONDITION, repeated: your own cuts in order")
        ->allow_extra_args(false);
    TextOption(batch, &BatchTexts::stopBoiler, options,
               "Stop when the boiler strength falls to this", "FLOAT", false);
    TextOption(batch, &BatchTexts::stopProduct, options,
               "Stop when the product strength falls below this, or\n"
               "with >T C when the head temperature rises above T degC;\n"
               "by default 20 % vol (" +
                   DefaultStopByWeight() +
                   " by weight), none for no such\n"
                   "stop",
               "FLOAT|>T C", false);
    TextOption(batch, &BatchTexts::stopAmount, options,
               "Stop once this much is collected (50ml, 40g, 3%)", "TEXT", false);
    TextOption(batch, &BatchTexts::stopAfter, options,
               "Stop this many minutes after heating starts", "FLOAT", false);
}

std::string OutputOf(const BatchResult& result, const BatchOptions& options,
                     const std::vector<PairedReading>* log) {
    const StrengthUnit unit = UnitNamed(options.units);
    return options.json ? BatchJson(result, unit, log) : BatchCsv(result, unit, options.cutTable);
}

// An option by its name, or a text the setup file gave by its key there.
BatchNaming Naming(const CLI::App& batch, const BatchOptions& options) {
    return [&batch, &options](std::string_view key) {
        const std::string option = BatchOption(key);
        const bool fromFile = options.setup && key != "strength" && !OptionGiven(batch, option);
        if (!fromFile) return option;
        return "the setup file's batch \"" + std::string(key) + "\"";
    };
}

// What standard error says beside the output: the notes of the run, and a
// stop asked for that was never met.
void Remarks(const BatchResult& result, std::ostream& err) {
    for (const std::string& note : result.notes) err << "colmara-report: " << note << '\n';
    if (result.stop.reason == BatchEnd::Reason::BoilerEmpty && result.stop.stopNeverMet)
        err << "colmara-report: no stop condition was met; the run ended with the boiler "
               "empty\n";
}

}  // namespace

CLI::App* DeclareBatch(CLI::App& app, BatchOptions& options) {
    CLI::App* batch = DeclareInputsCommand(
        app, {"batch", "Runs a whole batch of the still: heat-up, cuts and residue", kFooter},
        options.inputs, options.units);
    DeclareBatchOptions(*batch, options);
    batch->add_flag("--cuts", options.cutTable, "Print the cut table as CSV instead");
    batch->add_flag("--json", options.json,
                    "Print one object {\"heat_up_min\", \"run_min\", \"energy_kwh\", \"stop\",\n"
                    "\"cuts\", \"residue\", \"timeline\"}, with --log also \"log\"");
    DeclareRunLogOptions(*batch, options.log, false);
    return batch;
}

void DeclareBatchOptions(CLI::App& command, BatchOptions& options) {
    DeclareRunOptions(command, options);
    DeclareCutOptions(command, options);
}

bool BatchChargeGiven(const CLI::App& batch, const BatchOptions& options) {
    return options.setup || OptionGiven(batch, "--charge");
}

int WithBatchRequest(const CLI::App& command, const BatchOptions& options, const CommandIo& io,
                     const std::function<int(BatchRequest&)>& use) {
    const StrengthUnit unit = UnitNamed(options.units);
    const BatchTexts texts =
        GivenOver(command, options.given, options.cuts,
                  options.setup.value_or(DefaultBatchTexts(unit, io.settings)));
    if (texts.policy == "strength" && !options.setup && !OptionGiven(command, "--target-strength"))
        return UsageError(io.err,
                          command.get_name() + ": the strength policy needs --target-strength");
    try {
        BatchRequest request =
            BatchRequestOf(texts, options.inputs, unit, io.settings, Naming(command, options));
        return use(request);
    } catch (const StudyError& e) {
        return UsageError(io.err, e.Message());
    } catch (const BatchFailure& failure) {
        io.err << "colmara-report: " << failure.Message() << '\n';
        return failure.Unreachable() ? kCompanionUnreachable : kCompanionFailed;
    }
}

int RunBatchCommand(const CLI::App& batch, const BatchOptions& options, const CommandIo& io) {
    // The log's readings fall between the timeline's rows: they have a
    // place in the JSON only.
    if (!options.log.path.empty() && !options.json)
        return UsageError(io.err, "batch: --log adds the log to the JSON output; give --json");
    return WithBatchRequest(batch, options, io, [&](BatchRequest& request) {
        std::optional<OpenedLog> log;
        if (!options.log.path.empty()) log = OpenRunLog(options.log, io.settings);
        // The cut table alone needs no timeline rows.
        request.timeline = options.json || !options.cutTable;
        const BatchResult result = RunBatch(request, io.settings);
        std::optional<LogPairs> pairs;
        if (log) pairs = PairLog(log->log, result.timeline, request.pressureHpa, log->thermometer);
        io.out << OutputOf(result, options, pairs ? &pairs->readings : nullptr);
        const int status = FinishOutput(io.out, io.err, kCompanionOk);
        if (status != kCompanionOk) return status;
        Remarks(result, io.err);
        if (pairs)
            for (const std::string& note : pairs->notes)
                io.err << "colmara-report: " << options.log.path << ": " << note << '\n';
        return status;
    });
}

}  // namespace colmara
