#include "cli/companionoptions.h"

#include <CLI/CLI.hpp>

#include "study/input.h"

namespace colmara {

namespace {

constexpr const char* kDescription =
    "Runs one calculation of the still and its rectification column, exactly as the\n"
    "\"Calculate\" button of the Colmara window does, and prints what the window would\n"
    "show: the report list from the condenser down to the boiler, the summary (the\n"
    "share of the alcohol leaving the boiler that ends up in the product) and the\n"
    "points of the vapour strength chart, boiler first.";

constexpr const char* kFooter =
    "The four field options take their text exactly as it would be typed into the\n"
    "window, with the decimal symbol of your locale; a text that is not a number\n"
    "fails the calculation at that field, as it does in the window.\n"
    "\n"
    "--setup FILE takes the four texts from a setup file the study window saved;\n"
    "a field option given as well wins over the file. A strength the file holds\n"
    "in another unit is written in the unit in force as the window's unit switch\n"
    "writes it. The sub-commands take --setup too, the file's unit becoming the\n"
    "default of their --units.\n"
    "\n"
    "Exit status: 0 when the calculation ran through; 1 when it failed: whatever\n"
    "had been written by then is printed all the same, and the error message\n"
    "goes to standard error (or into \"error\" with --json); 2 when the command\n"
    "line itself is wrong or the setup file cannot be read (its message on\n"
    "standard error, nothing on standard output); 4 when the output cannot be\n"
    "written.\n"
    "\n"
    "The sub-commands sweep, seek and profile run many calculations or show one\n"
    "plate by plate, batch runs a whole batch of the still, and dilute, blend,\n"
    "hydrometer and size are the spirit and still tools. See\n"
    "colmara-report SUB-COMMAND --help.";

}  // namespace

std::vector<std::string> SplitEmptyAssignments(const std::vector<std::string>& args) {
    std::vector<std::string> split;
    for (const std::string& arg : args) {
        if (arg.size() > 3 && arg.starts_with("--") && arg.find('=') == arg.size() - 1) {
            split.push_back(arg.substr(0, arg.size() - 1));
            split.emplace_back();
        } else {
            split.push_back(arg);
        }
    }
    return split;
}

CLI::Validator NonEmptyName() {
    return CLI::Validator(
        [](const std::string& name) {
            return name.empty() ? std::string("a file name, not an empty text") : std::string();
        },
        "", "NON-EMPTY");
}

ReportOptions CompanionOptions::Report() const {
    ReportOptions report;
    for (const std::string& name : hidden) {
        if (name == "reflux") report.reflux = false;
        if (name == "liquid") report.liquid = false;
        if (name == "vapour") report.vapour = false;
        if (name == "temperature") report.temperature = false;
    }
    return report;
}

void DeclareFieldOptions(CLI::App& app, InputTexts& inputs, const std::string& note, bool withUnits,
                         std::span<const Input> declared) {
    // A field text may start with '-' ("-1", "-abc"): each of these options
    // takes the next argument whatever it looks like, or the text after '='.
    const auto help = std::to_array<std::string>(
        {"Heating power of the still in watts",
         std::string("Alcohol strength of the liquid in the boiler,\nin per cent by weight") +
             (withUnits ? ",\nor by volume at 20 degC with --units volume" : ""),
         "Number of theoretical plates above the boiler (0 to 100)",
         "Reflux ratio: how much of the condensed vapour goes\nback down the column for each "
         "part taken off\nas product (0 upwards)",
         "Plate efficiency in per cent (1 to 100): each plate\nmoves its vapour this share of "
         "the way to\nequilibrium with its liquid; 100 is an ideal plate"});
    static_assert(std::tuple_size_v<decltype(help)> == kInputs.size(), "a help for every input");
    for (Input input : declared)
        app.add_option(std::string("--") + TraitsOf(input).key, TextOf(inputs, input),
                       help[static_cast<std::size_t>(input)] + note)
            ->type_name("TEXT")
            ->capture_default_str();
}

void DeclareUnitsOption(CLI::App& app, std::string& units) {
    app.add_option("--units", units,
                   "Unit of every strength given and shown: weight (per cent\n"
                   "by weight, as the window), volume (per cent by volume at\n"
                   "20 degC, as hydrometers and labels) or mole (per cent by\n"
                   "mole, as textbooks)")
        ->check(CLI::IsMember({StrengthUnitKey(StrengthUnit::Weight),
                               StrengthUnitKey(StrengthUnit::Volume),
                               StrengthUnitKey(StrengthUnit::Mole)}))
        ->capture_default_str();
}

CLI::App* DeclareInputsCommand(CLI::App& app, const CommandHelp& help, InputTexts& inputs,
                               std::string& units, const std::string& note) {
    CLI::App* command = app.add_subcommand(help.name, help.summary);
    command->footer(help.footer);
    DeclareFieldOptions(*command, inputs, note, true);
    DeclareUnitsOption(*command, units);
    return command;
}

CLI::Option* DefaultedOption(CLI::App& app, const std::string& name, double& value,
                             const std::string& help) {
    return app.add_option(name, value, help)->capture_default_str();
}

void DeclareFormatOption(CLI::App& app, std::string& format) {
    app.add_option("--format", format, "csv (with a header line) or json (an object a line)")
        ->check(CLI::IsMember({"csv", "json"}))
        ->capture_default_str();
}

StrengthUnit UnitNamed(const std::string& units) {
    return StrengthUnitKeyed(units).value_or(StrengthUnit::Weight);
}

void DeclareCompanionOptions(CLI::App& app, CompanionOptions& options) {
    app.description(kDescription);
    app.footer(kFooter);

    // The plain form calculates as the main window does, on ideal plates.
    DeclareFieldOptions(app, options.inputs, "", false, kWindowInputs);

    app.add_option("--hide", options.hidden,
                   "Leave out these lines of every plate, as unchecking the window's\n"
                   "options does: any of reflux, liquid, vapour, temperature,\n"
                   "separated by commas")
        ->type_name("LIST")
        ->delimiter(',')
        ->allow_extra_args(false)
        ->check(CLI::IsMember({"reflux", "liquid", "vapour", "temperature"}));

    app.add_flag("--json", options.json,
                 "Print one JSON object {\"report\", \"summary\", \"chart\", \"error\"}\n"
                 "instead of the text blocks");
}

}  // namespace colmara
