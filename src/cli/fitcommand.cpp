#include "cli/fitcommand.h"

#include <CLI/CLI.hpp>

#include "batch/logfit.h"
#include "cli/companionoptions.h"
#include "study/records.h"

namespace colmara {

namespace {

constexpr const char* kFooter =
    "Finds the whole number of plates (0 to 100) and the share of the heating\n"
    "power lost (0 to 60 %; the rest boils liquid, and the heat-up has it too)\n"
    "that bring the batch run of the other options closest to the run log of\n"
    "--log. The misfit is the mean over the log's kinds of reading (head\n"
    "temperature, boiler temperature, product strength, amount collected) of\n"
    "the mean squared difference between reading and model over the variance\n"
    "of that kind's readings: 0 fits exactly, 1 is no better than each kind's\n"
    "mean. misfit_given is the misfit at the plates and power given. The\n"
    "search is over the loss for each plate count a bracketing over the plates\n"
    "asks; the misfit may have more than one minimum, and the fit is the least\n"
    "one the search met. misfit_fewer_plates, misfit_more_plates,\n"
    "misfit_less_loss and misfit_more_loss are the misfits a plate and 5 points\n"
    "of loss away, showing how sharp the minimum is. poor_fit is true when, for\n"
    "some kind, the readings vary by no more than twice their own scatter (an\n"
    "estimate of their noise from their second differences), or the fit leaves\n"
    "more than a quarter of their variance beyond that scatter unexplained.\n"
    "The fitted numbers are effective, not physical: holdup, heat lost from\n"
    "the column and a column not yet at its steady state fold into them.\n"
    "\n"
    "Temperatures are put right by --offset and read at the log's pressure_hpa\n"
    "where a row gives it, else at --pressure or --altitude; readings no\n"
    "mixture gives there are named by their line on standard error and left\n"
    "out. The log's format is described in docs/model.md.\n"
    "\n"
    "Example:\n"
    "  colmara-report fit --log run.csv --charge 20000 --strength 10 --plates 10 \\\n"
    "      --reflux 3 --stop-product 40 --json\n"
    "\n"
    "Exit status: 0 when the fit ran through; 1 when the run as given fails or\n"
    "no plate count and loss ran; 2 for a mistake on the command line, in the\n"
    "setup file or in the log (no time column, nothing the model can be\n"
    "compared with); 4 when the output cannot be written.";

Cell Flag(const char* key, bool value) {
    return {key, value ? "true" : "false", true};
}

Record FitRecord(const LogFit& fit) {
    return {NumberCell("plates", fit.plates),
            NumberCell("heat_loss_percent", fit.heatLossPercent),
            NumberCell("watts", fit.watts),
            NumberCell("misfit", fit.misfit),
            NumberCell("misfit_given", fit.misfitGiven),
            Flag("poor_fit", fit.poorFit),
            NumberCell("misfit_fewer_plates", fit.sharpness.fewerPlates),
            NumberCell("misfit_more_plates", fit.sharpness.morePlates),
            NumberCell("misfit_less_loss", fit.sharpness.lessLoss),
            NumberCell("misfit_more_loss", fit.sharpness.moreLoss),
            NumberCell("runs", fit.runs)};
}

}  // namespace

CLI::App* DeclareFit(CLI::App& app, BatchOptions& options) {
    CLI::App* fit = DeclareInputsCommand(
        app, {"fit", "Finds the plates and heat loss that fit a batch run to a run log", kFooter},
        options.inputs, options.units);
    DeclareBatchOptions(*fit, options);
    DeclareRunLogOptions(*fit, options.log, true);
    fit->add_flag("--json", options.json,
                  "Print one object instead of a CSV header and row, with the same keys");
    return fit;
}

int RunFitCommand(const CLI::App& fit, const BatchOptions& options, const CommandIo& io) {
    return WithBatchRequest(fit, options, io, [&](BatchRequest& request) {
        const OpenedLog log = OpenRunLog(options.log, io.settings);
        const LogFit result = FitLog(request, log.log, log.thermometer, io.settings);
        const Record record = FitRecord(result);
        io.out << (options.json ? JsonObject(record) + "\n" : CsvHeader(record) + CsvLine(record));
        const int status = FinishOutput(io.out, io.err, kCompanionOk);
        if (status == kCompanionOk)
            for (const std::string& note : result.notes)
                io.err << "colmara-report: " << options.log.path << ": " << note << '\n';
        return status;
    });
}

}  // namespace colmara
