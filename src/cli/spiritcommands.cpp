#include "cli/spiritcommands.h"

#include <CLI/CLI.hpp>

#include "cli/toolcommand.h"
#include "spirit/spiriterror.h"
#include "toolsview/spiritanswers.h"

namespace colmara {

namespace {

constexpr const char* kStatus =
    "\n"
    "Exit status: 0 when answered, 2 for an input refused (the message on\n"
    "standard error names it, nothing goes to standard output), 4 when the\n"
    "output cannot be written.";

constexpr const char* kDiluteFooter =
    "Water and ethanol contract when mixed, so the water is found from the\n"
    "mass and ethanol balances and the density of each liquid at 20 degC (the\n"
    "general formula of the International Alcoholometric Tables), not from\n"
    "C1 V1 = C2 V2. Volumes are ml at 20 degC, from 0.001 to 1e12; numbers\n"
    "take your locale's decimal symbol. With --final-volume instead of\n"
    "--volume it tells how much spirit and water make that volume at the\n"
    "target (and adds spirit_ml).\n"
    "\n"
    "Example:\n"
    "  colmara-report dilute --volume 2000 --strength 80 --target 40\n";

constexpr const char* kBlendFooter =
    "Each part is ML:S, or ML:S@T for a volume measured at T degC (-20 to 40,\n"
    "and not below the part's freezing point);\n"
    "S is the part's true strength, by volume at 20 degC unless --units weight.\n"
    "Masses and ethanol add up; the blend's volume at 20 degC follows from its\n"
    "density, so the contraction on mixing is in it. --json gives volume_ml,\n"
    "strength_vol and strength (by weight).\n"
    "\n"
    "Example:\n"
    "  colmara-report blend --part 1000:60 --part 500:40@12\n";

constexpr const char* kHydrometerFooter =
    "An alcoholmeter calibrated at 20 degC, read at another temperature,\n"
    "shows the strength of a mixture at 20 degC that would hold it at the\n"
    "same mark. The true strength is the mixture with the same density at\n"
    "the temperature read, the glass having expanded by 25e-6 per K (the\n"
    "International Alcoholometric Tables). --units weight reads a meter\n"
    "graduated in % by weight. A reading no mixture gives at that temperature\n"
    "is refused, and so is a temperature at which the spirit would be frozen.\n"
    "With --volume, the spirit's volume at 20 degC: its mass at the true\n"
    "strength and the temperature read, at the density of 20 degC.\n"
    "\n"
    "Example:\n"
    "  colmara-report hydrometer --reading 40 --temperature 12\n";

// The unit --units names.
StrengthUnit SpiritUnit(const std::string& units) {
    return StrengthUnitKeyed(units).value_or(StrengthUnit::Volume);
}

std::string DiluteOutput(const DiluteOptions& options, const FormatSettings& settings) {
    const bool reverse = !options.finalVolume.empty();
    const DiluteTexts texts{reverse ? NamedText{options.finalVolume, "--final-volume"}
                                    : NamedText{options.volume, "--volume"},
                            reverse,
                            {options.strength, "--strength"},
                            {options.target, "--target"},
                            SpiritUnit(options.units)};
    return ToolOutput(DiluteAnswer(texts, OptionReader(settings)), options.json, settings);
}

// "ML:S" or "ML:S@T" of the part numbered `index` + 1.
PartTexts PartOf(const std::string& text, std::size_t index) {
    const std::string name = "--part " + std::to_string(index + 1);
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos)
        throw SpiritError(name + ": write it ML:S or ML:S@T, not '" + text + "'");
    const std::size_t at = text.find('@', colon);
    PartTexts part{{text.substr(0, colon), name + " volume"},
                   {text.substr(colon + 1, at - colon - 1), name + " strength"},
                   std::nullopt};
    if (at != std::string::npos) part.temperature = {text.substr(at + 1), name + " temperature"};
    return part;
}

std::string BlendOutput(const BlendOptions& options, const FormatSettings& settings) {
    BlendTexts texts{{}, SpiritUnit(options.units)};
    for (std::size_t i = 0; i < options.parts.size(); ++i)
        texts.parts.push_back(PartOf(options.parts[i], i));
    return ToolOutput(BlendAnswer(texts, OptionReader(settings)), options.json, settings);
}

std::string HydrometerOutput(const HydrometerOptions& options, const FormatSettings& settings) {
    HydrometerTexts texts{{options.reading, "--reading"},
                          {options.temperature, "--temperature"},
                          std::nullopt,
                          SpiritUnit(options.units)};
    if (!options.volume.empty()) texts.volume = {options.volume, "--volume"};
    return ToolOutput(HydrometerAnswer(texts, OptionReader(settings)), options.json, settings);
}

void DeclareJson(CLI::App& app, bool& json, const std::string& keys) {
    app.add_flag("--json", json, "Print one JSON object with " + keys);
}

}  // namespace

CLI::App* DeclareDilute(CLI::App& app, DiluteOptions& options) {
    CLI::App* dilute = app.add_subcommand(
        "dilute", "Tells how much water brings a spirit down to a target strength");
    dilute->footer(std::string(kDiluteFooter) + kStatus);
    CLI::Option* volume =
        dilute->add_option("--volume", options.volume, "Volume of the spirit, ml at 20 degC")
            ->type_name("ML");
    CLI::Option* finalVolume =
        dilute
            ->add_option("--final-volume", options.finalVolume,
                         "Volume to make at the target instead, ml at 20 degC")
            ->type_name("ML");
    volume->excludes(finalVolume);
    dilute->add_option("--strength", options.strength, "Strength of the spirit")
        ->type_name("S")
        ->required();
    dilute->add_option("--target", options.target, "Strength to bring it down to")
        ->type_name("S")
        ->required();
    DeclareSpiritUnits(*dilute, options.units);
    DeclareJson(*dilute, options.json, "water_ml, final_volume_ml, final_strength_vol");
    return dilute;
}

CLI::App* DeclareBlend(CLI::App& app, BlendOptions& options) {
    CLI::App* blend =
        app.add_subcommand("blend", "Tells the volume and strength of a blend of spirits");
    blend->footer(std::string(kBlendFooter) + kStatus);
    blend->add_option("--part", options.parts, "A part: ML:S, or ML:S@T (repeat for each)")
        ->type_name("ML:S[@T]")
        ->allow_extra_args(false)
        ->required();
    DeclareSpiritUnits(*blend, options.units);
    DeclareJson(*blend, options.json, "volume_ml, strength_vol, strength");
    return blend;
}

CLI::App* DeclareHydrometer(CLI::App& app, HydrometerOptions& options) {
    CLI::App* hydrometer = app.add_subcommand(
        "hydrometer", "Corrects an alcoholmeter read away from 20 degC to the true strength");
    hydrometer->footer(std::string(kHydrometerFooter) + kStatus);
    hydrometer->add_option("--reading", options.reading, "What the alcoholmeter shows")
        ->type_name("S")
        ->required();
    hydrometer
        ->add_option("--temperature", options.temperature,
                     "Temperature of the spirit when read, degC (-20 to 40)")
        ->type_name("T")
        ->required();
    hydrometer
        ->add_option("--volume", options.volume,
                     "A volume measured at that temperature, ml: adds its volume\n"
                     "at 20 degC")
        ->type_name("ML");
    DeclareSpiritUnits(*hydrometer, options.units);
    DeclareJson(*hydrometer, options.json, "strength_vol, strength, and with --volume volume_ml");
    return hydrometer;
}

int RunDiluteCommand(const DiluteOptions& options, const CommandIo& io) {
    if (options.volume.empty() && options.finalVolume.empty())
        return UsageError(io.err, "dilute: give --volume or --final-volume");
    return RunTool(io, [&] { return DiluteOutput(options, io.settings); });
}

int RunBlendCommand(const BlendOptions& options, const CommandIo& io) {
    return RunTool(io, [&] { return BlendOutput(options, io.settings); });
}

int RunHydrometerCommand(const HydrometerOptions& options, const CommandIo& io) {
    return RunTool(io, [&] { return HydrometerOutput(options, io.settings); });
}

}  // namespace colmara
