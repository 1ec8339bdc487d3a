#include "cli/batchcommand.h"

#include <CLI/CLI.hpp>

#include "batch/batchmoment.h"
#include "batch/batchrecords.h"
#include "batch/batchrun.h"
#include "cli/companionoptions.h"
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
    "below it), MINUTES followed by min (until that minute), or end. The run ends\n"
    "when the last cut does. The strength policy finds its own reflux and does not\n"
    "read --reflux. The heat-up time is an estimate from the heat\n"
    "capacity of the charge; the energy counts heat-up and distilling.\n"
    "\n"
    "--setup FILE takes the batch tab's texts too, for every batch option not\n"
    "given here (the file's own cuts only when none of --cut, --heads and\n"
    "--hearts-until is given), so the run is the one the tab shows for the file.\n"
    "\n"
    "Example:\n"
    "  colmara-report batch --charge 20000 --strength 10 --plates 20 --reflux 3 \\\n"
    "      --stop-product 20 --cuts\n"
    "\n"
    "Exit status: 0 when the run ran through; 1 when a calculation failed; 2 for a\n"
    "mistake on the command line or in the setup file (a charge not above 0, a cut\n"
    "condition that cannot be read, an interval not above 0); 3 when the target\n"
    "strength is out of reach even at the maximum reflux (standard error says\n"
    "what the column reaches); 4 when the output cannot be written. A stop\n"
    "condition never met ends the run with the boiler empty, and standard error\n"
    "says so.";

BatchRequest RequestOf(const BatchOptions& options) {
    BatchRequest request;
    request.charge = *options.charge;
    request.chargeUnit = options.chargeUnit == "g" ? ChargeUnit::Grams : ChargeUnit::Millilitres;
    request.inputs = options.inputs;
    request.unit = UnitNamed(options.units);
    request.policy = options.policy == "strength" ? BatchPolicy::Strength : BatchPolicy::Reflux;
    request.targetStrength = options.targetStrength.value_or(0);
    request.maxReflux = options.maxReflux;
    request.startCelsius = options.startTemperature;
    if (options.cuts.empty()) {
        request.cuts = DefaultCuts(ParseAmount(options.heads), options.heartsUntil);
    } else {
        for (const std::string& cut : options.cuts) request.cuts.push_back(ParseCut(cut));
    }
    request.stops.boilerBelow = options.stopBoiler;
    request.stops.productBelow = options.stopProduct;
    if (options.stopAmount) request.stops.collected = ParseAmount(*options.stopAmount);
    request.stops.afterMinutes = options.stopAfter;
    request.everyMinutes = options.every;
    request.timeline = options.json || !options.cutTable;
    return request;
}

bool AnyStop(const BatchOptions& options) {
    return options.stopBoiler || options.stopProduct || options.stopAmount || options.stopAfter;
}

void DeclareRunOptions(CLI::App& batch, BatchOptions& options) {
    // Required, but checked once --setup has had its say: a setup file may
    // give it.
    batch.add_option("--charge", options.charge,
                     "Amount in the boiler at the start; required unless\n"
                     "--setup gives the batch tab's texts");
    batch.add_option("--charge-unit", options.chargeUnit, "g, or ml at 20 degC")
        ->check(CLI::IsMember({"g", "ml"}))
        ->capture_default_str();
    batch
        .add_option("--policy", options.policy,
                    "reflux (a constant reflux ratio) or strength (the reflux\n"
                    "rises to hold --target-strength)")
        ->check(CLI::IsMember({"reflux", "strength"}))
        ->capture_default_str();
    batch.add_option("--target-strength", options.targetStrength,
                     "Product strength the strength policy holds");
    DefaultedOption(
        batch, "--max-reflux", options.maxReflux,
        "Highest reflux the strength policy goes to (at most 1e9);\nthe run then goes on at it");
    DefaultedOption(batch, "--start-temperature", options.startTemperature,
                    "Temperature of the charge when heating starts, degC");
    DefaultedOption(batch, "--every", options.every,
                    "Minutes between timeline rows; at most " + std::to_string(kMostTimelineRows) +
                        " rows over the run");
}

void DeclareCutOptions(CLI::App& batch, BatchOptions& options) {
    batch.add_option("--heads", options.heads, "Heads: 50ml, 40g, or 3% of the charge's alcohol")
        ->capture_default_str();
    DefaultedOption(batch, "--hearts-until", options.heartsUntil,
                    "Hearts end when the product strength falls below this");
    batch.add_option("--cut", options.cuts, "NAME:CONDITION, repeated: your own cuts in order")
        ->allow_extra_args(false);
    batch.add_option("--stop-boiler", options.stopBoiler,
                     "Stop when the boiler strength falls to this");
    batch.add_option("--stop-product", options.stopProduct,
                     "Stop when the product strength falls below this");
    batch.add_option("--stop-amount", options.stopAmount,
                     "Stop once this much is collected (50ml, 40g, 3%)");
    batch.add_option("--stop-after", options.stopAfter,
                     "Stop this many minutes after heating starts");
    batch.add_flag("--cuts", options.cutTable, "Print the cut table as CSV instead");
    batch.add_flag("--json", options.json,
                   "Print one object {\"heat_up_min\", \"run_min\", \"energy_kwh\", \"stop\",\n"
                   "\"cuts\", \"residue\", \"timeline\"}");
}

std::string OutputOf(const BatchResult& result, const BatchOptions& options) {
    const StrengthUnit unit = UnitNamed(options.units);
    return options.json ? BatchJson(result, unit) : BatchCsv(result, unit, options.cutTable);
}

}  // namespace

CLI::App* DeclareBatch(CLI::App& app, BatchOptions& options) {
    CLI::App* batch = DeclareInputsCommand(
        app, {"batch", "Runs a whole batch of the still: heat-up, cuts and residue", kFooter},
        options.inputs, options.units);
    DeclareRunOptions(*batch, options);
    DeclareCutOptions(*batch, options);
    return batch;
}

int RunBatchCommand(const BatchOptions& options, const CommandIo& io) {
    if (options.policy == "strength" && !options.targetStrength)
        return UsageError(io.err, "batch: the strength policy needs --target-strength");
    BatchResult result;
    try {
        result = RunBatch(RequestOf(options), io.settings);
    } catch (const StudyError& e) {
        return UsageError(io.err, e.Message());
    } catch (const BatchFailure& failure) {
        io.err << "colmara-report: " << failure.message << '\n';
        return failure.unreachable ? kCompanionUnreachable : kCompanionFailed;
    }
    io.out << OutputOf(result, options);
    const int status = FinishOutput(io.out, io.err, kCompanionOk);
    if (status == kCompanionOk && AnyStop(options) && result.stop.starts_with("boiler empty"))
        io.err << "colmara-report: no stop condition was met; the run ended with the boiler "
                  "empty\n";
    return status;
}

}  // namespace colmara
