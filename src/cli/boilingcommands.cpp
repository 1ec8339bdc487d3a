#include "cli/boilingcommands.h"

#include <CLI/CLI.hpp>
#include <optional>

#include "cli/companionoptions.h"
#include "cli/toolcommand.h"
#include "toolsview/boilinganswer.h"
#include "toolsview/platesanswers.h"

namespace colmara {

namespace {

constexpr const char* kConditionsHelp =
    "The pressure is 1013.25 hPa unless --pressure (300 to 1100 hPa) or\n"
    "--altitude (by the international standard atmosphere, a standard day's\n"
    "pressure) says otherwise. A thermometer's offset, in K, is subtracted\n"
    "from each temperature given; --boiling-water-reading gives it from what\n"
    "the thermometer reads in boiling water at that pressure. Numbers take\n"
    "your locale's decimal symbol.\n";

constexpr const char* kBoilingFooter =
    "Give exactly one of --strength (a liquid: its boiling point and the\n"
    "vapour over it), --vapour-strength (a vapour: its condensing point, as a\n"
    "thermometer at the column's head reads it, and the liquid boiling\n"
    "there), --temperature (the liquid boiling at it) or --head-temperature\n"
    "(the vapour condensing at it). The column model's answers at 1 atm,\n"
    "moved to the pressure by a published model of ethanol-water (see the\n"
    "model's documentation); a temperature above the boiling point of water or\n"
    "below the azeotrope's at that pressure belongs to no mixture and is\n"
    "refused. With a thermometer's offset, also what it reads.\n";

constexpr const char* kBoilingExample =
    "\n"
    "Example:\n"
    "  colmara-report boiling --head-temperature 78.6 --altitude 450\n"
    "\n"
    "Exit status: 0 when answered, 2 for an input refused (the message on\n"
    "standard error names it, nothing goes to standard output), 4 when the\n"
    "output cannot be written.";

constexpr const char* kPlatesFooter =
    "The theoretical plates the column model needs above the boiler to lift\n"
    "the boiler's reading to the head's. A READING is a strength (in --units)\n"
    "or a temperature with a C after it, e.g. 78.4C: in the boiler a liquid's\n"
    "boiling point, at the head a vapour's condensing point, at the pressure\n"
    "and after the offset. At --power and --reflux the column calculation\n"
    "counts them; with --total-reflux (no product taken), the staircase\n"
    "between the equilibrium curve and the diagonal.\n"
    "The whole count is the first count (0 to 100) that reaches the head; the\n"
    "fraction interpolates the head strength between it and the count below.\n"
    "Stages count the boiler as one, as hobby calculators do: plates + 1. A\n"
    "head weaker than the boiler's own vapour is less than one stage (plates\n"
    "below 0). --height gives the HETP (height / plates), --real-plates the\n"
    "overall efficiency (plates / real plates); both are left out below one\n"
    "plate. A head no column reaches (above the azeotrope, or at too little\n"
    "reflux) is refused with what the model reaches, exit status 3.\n";

constexpr const char* kPlatesExample =
    "\n"
    "Example:\n"
    "  colmara-report plates --boiler 92.5C --head 78.6C --total-reflux \\\n"
    "    --pressure 985 --height 1.2\n"
    "\n"
    "Exit status: 0 when answered, 2 for an input refused (the message on\n"
    "standard error names it, nothing goes to standard output), 3 when the\n"
    "head is out of reach, 4 when the output cannot be written.";

constexpr const char* kLimitsFooter =
    "The two limits of a separation from the boiler's strength to a target\n"
    "product strength: the fewest plates, at total reflux (whole and the\n"
    "fraction, as colmara-report plates counts them), and the least reflux\n"
    "ratio (to 0.001) with which 100 plates reach the target at the power,\n"
    "with the plates where that column pinches (its strength changes by less\n"
    "than 0.05 % by weight a plate) and the strength there. A target above the\n"
    "azeotrope, or one the boiler's own vapour already reaches, is refused;\n"
    "one no reflux up to 100 reaches is out of reach. With --efficiency both\n"
    "limits are those of plates of that efficiency. Strengths in --units;\n"
    "numbers take your locale's decimal symbol.\n"
    "\n"
    "Example:\n"
    "  colmara-report limits --strength 30 --target 90 --units weight\n"
    "\n"
    "Exit status: 0 when answered, 2 for an input refused (the message on\n"
    "standard error names it, nothing goes to standard output), 3 when the\n"
    "target is out of reach, 4 when the output cannot be written.";

std::optional<NamedText> Given(const std::string& text, const char* name) {
    if (text.empty()) return std::nullopt;
    return NamedText{text, name};
}

void DeclareConditions(CLI::App& app, ConditionOptions& options) {
    CLI::Option* pressure =
        app.add_option("--pressure", options.pressure, "Air pressure, hPa (1013.25)")
            ->type_name("HPA");
    CLI::Option* altitude =
        app.add_option("--altitude", options.altitude, "Altitude, m, instead of the pressure")
            ->type_name("M");
    pressure->excludes(altitude);
    CLI::Option* offset =
        app.add_option("--offset", options.offset,
                       "The thermometer's offset, K: what it reads less the truth")
            ->type_name("K");
    CLI::Option* water = app.add_option("--boiling-water-reading", options.boilingWaterReading,
                                        "What the thermometer reads in boiling water, degC:\n"
                                        "its offset instead of --offset")
                             ->type_name("T");
    offset->excludes(water);
}

PressureTexts PressureOf(const ConditionOptions& options) {
    return {Given(options.pressure, "--pressure"), Given(options.altitude, "--altitude")};
}

ThermometerTexts ThermometerOf(const ConditionOptions& options) {
    return {Given(options.offset, "--offset"),
            Given(options.boilingWaterReading, "--boiling-water-reading")};
}

void DeclareJson(CLI::App& app, bool& json, const std::string& keys) {
    app.add_flag("--json", json, "Print one JSON object with " + keys);
}

struct BoilingChoice {
    const char* name;
    const char* help;
    const char* type;
    BoilingGiven given;
    std::string BoilingOptions::*text;
};

constexpr BoilingChoice kChoices[] = {
    {"--strength", "Strength of a liquid", "S", BoilingGiven::Liquid, &BoilingOptions::strength},
    {"--vapour-strength", "Strength of a vapour", "S", BoilingGiven::Vapour,
     &BoilingOptions::vapourStrength},
    {"--temperature", "Temperature a liquid boils at, degC", "T", BoilingGiven::LiquidTemperature,
     &BoilingOptions::temperature},
    {"--head-temperature", "Temperature a vapour condenses at (the head), degC", "T",
     BoilingGiven::VapourTemperature, &BoilingOptions::headTemperature},
};

}  // namespace

CLI::App* DeclareBoiling(CLI::App& app, BoilingOptions& options) {
    CLI::App* boiling = app.add_subcommand(
        "boiling", "Tells the boiling point and strengths of a liquid or vapour at your pressure");
    boiling->footer(std::string(kBoilingFooter) + kConditionsHelp + kBoilingExample);
    for (std::size_t i = 0; i < std::size(kChoices); ++i) {
        options.given[i] =
            boiling->add_option(kChoices[i].name, options.*kChoices[i].text, kChoices[i].help)
                ->type_name(kChoices[i].type);
        for (std::size_t j = 0; j < i; ++j) options.given[i]->excludes(options.given[j]);
    }
    DeclareConditions(*boiling, options.conditions);
    DeclareSpiritUnits(*boiling, options.units);
    DeclareJson(*boiling, options.json,
                "pressure_hpa, liquid_strength_vol, liquid_strength,\n"
                "vapour_strength_vol, vapour_strength, temperature, with an\n"
                "offset thermometer_reading, and with --units mole\n"
                "liquid_strength_mol and vapour_strength_mol");
    return boiling;
}

CLI::App* DeclarePlates(CLI::App& app, PlatesOptions& options) {
    CLI::App* plates = app.add_subcommand(
        "plates", "Works the theoretical plates back from the boiler's and the head's readings");
    plates->footer(std::string(kPlatesFooter) + kConditionsHelp + kPlatesExample);
    plates->add_option("--boiler", options.boiler, "The boiler's reading")
        ->type_name("READING")
        ->required();
    plates->add_option("--head", options.head, "The head's reading")
        ->type_name("READING")
        ->required();
    CLI::Option* power = plates->add_option("--power", options.power, "Power, W")->type_name("W");
    CLI::Option* reflux =
        plates->add_option("--reflux", options.reflux, "Reflux ratio")->type_name("R");
    CLI::Option* total =
        plates->add_flag("--total-reflux", options.totalReflux, "No product taken");
    total->excludes(power)->excludes(reflux);
    DeclareConditions(*plates, options.conditions);
    plates->add_option("--height", options.height, "Packed height, m: adds the HETP")
        ->type_name("M");
    plates
        ->add_option("--real-plates", options.realPlates,
                     "Real plates (trays): adds the overall efficiency")
        ->type_name("N");
    DeclareSpiritUnits(*plates, options.units);
    DeclareJson(*plates, options.json,
                "plates, plates_fraction, stages_fraction, and\n"
                "when asked for hetp_m and efficiency");
    return plates;
}

CLI::App* DeclareLimits(CLI::App& app, LimitsOptions& options) {
    CLI::App* limits = app.add_subcommand(
        "limits", "Tells the fewest plates and the least reflux of a separation");
    limits->footer(kLimitsFooter);
    limits->add_option("--strength", options.strength, "Strength in the boiler")
        ->type_name("S")
        ->required();
    limits->add_option("--target", options.target, "Product strength to reach")
        ->type_name("S")
        ->required();
    limits->add_option("--power", options.power, "Power, W")->type_name("W")->capture_default_str();
    limits
        ->add_option("--efficiency", options.efficiency,
                     "Plate efficiency, % (1 to 100; 100 is an ideal plate)")
        ->type_name("E")
        ->capture_default_str();
    DeclareSpiritUnits(*limits, options.units);
    DeclareJson(*limits, options.json,
                "min_plates, min_plates_fraction, min_reflux,\n"
                "pinch_plate_from, pinch_plate_to, pinch_strength, pinch_strength_vol,\n"
                "and with --units mole pinch_strength_mol");
    return limits;
}

int RunBoilingCommand(const BoilingOptions& options, const CommandIo& io) {
    std::optional<std::size_t> chosen;
    for (std::size_t i = 0; i < std::size(kChoices); ++i)
        if (options.given[i]->count() > 0) chosen = i;
    if (!chosen)
        return UsageError(io.err,
                          "boiling: give --strength, --vapour-strength, --temperature or "
                          "--head-temperature");
    const BoilingChoice& choice = kChoices[*chosen];
    const BoilingTexts boiling{choice.given,
                               {options.*choice.text, choice.name},
                               UnitNamed(options.units),
                               PressureOf(options.conditions),
                               ThermometerOf(options.conditions)};
    return RunTool(io, [&] {
        return ToolOutput(BoilingAnswer(boiling, OptionReader(io.settings)), options.json,
                          io.settings);
    });
}

int RunPlatesCommand(const PlatesOptions& options, const CommandIo& io) {
    if (!options.totalReflux && (options.power.empty() || options.reflux.empty()))
        return UsageError(io.err, "plates: give --power and --reflux, or --total-reflux");
    const ReadingUnit unit = ReadingUnitOf(UnitNamed(options.units));
    PlatesTexts texts{{{options.boiler, "--boiler"}, unit},
                      {{options.head, "--head"}, unit},
                      std::nullopt,
                      std::nullopt,
                      PressureOf(options.conditions),
                      ThermometerOf(options.conditions),
                      Given(options.height, "--height"),
                      Given(options.realPlates, "--real-plates")};
    if (!options.totalReflux) {
        texts.power = NamedText{options.power, "--power"};
        texts.reflux = NamedText{options.reflux, "--reflux"};
    }
    return RunTool(io, [&] {
        return ToolOutput(PlatesAnswer(texts, OptionReader(io.settings)), options.json,
                          io.settings);
    });
}

int RunLimitsCommand(const LimitsOptions& options, const CommandIo& io) {
    const LimitsTexts texts{{options.strength, "--strength"},
                            {options.target, "--target"},
                            {options.power, "--power"},
                            UnitNamed(options.units),
                            {options.efficiency, "--efficiency"}};
    return RunTool(io, [&] {
        return ToolOutput(LimitsAnswer(texts, OptionReader(io.settings)), options.json,
                          io.settings);
    });
}

}  // namespace colmara
