#include "cli/seekcommand.h"

#include <CLI/CLI.hpp>
#include <string>
#include <vector>

#include "cli/companionoptions.h"
#include "runtime/typedtext.h"
#include "study/records.h"
#include "study/seek.h"
#include "study/studyerror.h"

namespace colmara {

namespace {

constexpr const char* kFooter =
    "Plates are tried one by one from the lowest count up. Reflux, power and\n"
    "efficiency are tried on a coarse grid and then bisected between the last value\n"
    "that falls short and the first that reaches the target: this assumes the\n"
    "quantity rises with the input between grid points. Reflux and efficiency are\n"
    "found to the resolution given. The bounds lie within the values the input can\n"
    "take: plates 0 to 100, reflux 0 or more, power 1 W or more, efficiency 1 to\n"
    "100 %.\n"
    "A value reaches the target when its product strength or amount, as the row\n"
    "prints it, is at or above the target: a target copied from a printed row is\n"
    "reached by that row.\n"
    "The field option of the varied input is not read. With --units volume the\n"
    "strength and the target strength are in per cent by volume at 20 degC, and\n"
    "the row has the sweep's columns by volume.\n"
    "\n"
    "Prints the value found, then the CSV header and result row of that case\n"
    "(the columns of the sweep). When no value reaches the target, standard error\n"
    "names the best value reached and the exit status is 3.\n"
    "\n"
    "Example:\n"
    "  colmara-report seek --vary plates --target-strength 90 --strength 10 --power 1500\n"
    "\n"
    "Exit status: 0 when found, 2 for a mistake on the command line or in the\n"
    "setup file, 3 when out of reach, 4 when the output cannot be written.";

// An option given with nothing after it ("--min=") would read as 0.
const CLI::Validator kNumberGiven(
    [](const std::string& text) { return text.empty() ? std::string("no number given") : ""; }, "",
    "number given");

// The keys of the inputs a seek varies, and how --vary's help lists them.
std::vector<std::string> SeekKeys() {
    std::vector<std::string> keys;
    for (Input input : kSeekInputs) keys.emplace_back(TraitsOf(input).key);
    return keys;
}

std::string SeekKeyList() {
    const std::vector<std::string> keys = SeekKeys();
    std::string list;
    for (std::size_t i = 0; i < keys.size(); ++i)
        list += (i == 0 ? "" : i + 1 == keys.size() ? " or " : ", ") + keys[i];
    return list;
}

SeekRequest RequestOf(const SeekOptions& options) {
    SeekRequest request;
    request.inputs = options.inputs;
    // --vary accepts only the seek's keys.
    request.vary = InputKeyed(options.vary).value_or(kSeekInputs.front());
    const bool amount = options.targetAmountOption->count() > 0;
    request.quantity = amount ? SeekQuantity::ProductAmount : SeekQuantity::ProductStrength;
    request.target = amount ? options.targetAmount : options.targetStrength;
    if (options.minOption->count() > 0) request.min = options.min;
    if (options.maxOption->count() > 0) request.max = options.max;
    request.resolution = options.resolution;
    request.unit = UnitNamed(options.units);
    return request;
}

// The texts that decide the row's columns: the request's, the varied input
// standing for the range it was varied over, which is always written.
InputTexts StudyTexts(const SeekRequest& request) {
    InputTexts texts = request.inputs;
    TextOf(texts, request.vary) = "varied";
    return texts;
}

std::string JsonOutput(const SeekResult& result, StrengthUnit unit, const InputTexts& study,
                       const FormatSettings& settings) {
    return std::string("{\"value\":") +
           // The field text as a JSON number: '.' for the locale's symbol.
           (result.reachable ? WithDecimalPoint(result.value, settings) : "null") +
           ",\"reachable\":" + (result.reachable ? "true" : "false") +
           ",\"row\":" + JsonObject(SweepRecord(result.row, unit, study)) + "}\n";
}

std::string TextOutput(const SeekResult& result, StrengthUnit unit, const InputTexts& study) {
    if (!result.reachable) return "";
    const Record record = SweepRecord(result.row, unit, study);
    return result.value + '\n' + CsvHeader(record) + CsvLine(record);
}

}  // namespace

CLI::App* DeclareSeek(CLI::App& app, SeekOptions& options) {
    CLI::App* seek = app.add_subcommand(
        "seek", "Finds the smallest plates, reflux, power or efficiency that reaches a target");
    seek->footer(kFooter);
    seek->add_option("--vary", options.vary, "The input to vary: " + SeekKeyList())
        ->required()
        ->check(CLI::IsMember(SeekKeys()));
    options.targetStrengthOption = seek->add_option("--target-strength", options.targetStrength,
                                                    "Product strength to reach, % by weight\n"
                                                    "(by volume with --units volume)")
                                       ->check(kNumberGiven);
    options.targetAmountOption =
        seek->add_option("--target-amount", options.targetAmount, "Product amount to reach, g/h")
            ->check(kNumberGiven);
    options.targetStrengthOption->excludes(options.targetAmountOption);
    DeclareFieldOptions(*seek, options.inputs, "", true);
    DeclareUnitsOption(*seek, options.units);
    options.minOption =
        seek->add_option("--min", options.min,
                         "Lowest value to try (plates 0, reflux 0, power 1,\nefficiency 1)")
            ->check(kNumberGiven);
    options.maxOption =
        seek->add_option("--max", options.max,
                         "Highest value to try (plates 100, reflux 100, power 100000,\n"
                         "efficiency 100)")
            ->check(kNumberGiven);
    seek->add_option("--resolution", options.resolution,
                     "Step of the reflux or efficiency values tried")
        ->capture_default_str()
        ->check(kNumberGiven);
    seek->add_flag("--json", options.json,
                   "Print one object {\"value\", \"reachable\", \"row\"}; \"row\" holds\n"
                   "the best value reached when the target is out of reach");
    return seek;
}

int RunSeekCommand(const SeekOptions& options, const CommandIo& io) {
    if (options.targetStrengthOption->count() + options.targetAmountOption->count() == 0)
        return UsageError(io.err, "seek: give --target-strength or --target-amount");
    const SeekRequest request = RequestOf(options);
    SeekResult result;
    try {
        result = Seek(request, io.settings);
    } catch (const StudyError& e) {
        return UsageError(io.err, e.Message());
    }
    const InputTexts study = StudyTexts(request);
    io.out << (options.json ? JsonOutput(result, request.unit, study, io.settings)
                            : TextOutput(result, request.unit, study));
    const int status =
        FinishOutput(io.out, io.err, result.reachable ? kCompanionOk : kCompanionUnreachable);
    if (status == kCompanionUnreachable)
        ErrorLine(io.err, "colmara-report: " + UnreachableMessage(request, result));
    return status;
}

}  // namespace colmara
