#include "cli/spiritcommands.h"

#include <CLI/CLI.hpp>

#include "cli/toolcommand.h"
#include "spirit/blend.h"
#include "spirit/dilution.h"
#include "spirit/hydrometer.h"
#include "spirit/spiriterror.h"

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
    "C1 V1 = C2 V2. Volumes are ml at 20 degC; numbers take your locale's\n"
    "decimal symbol. With --final-volume instead of --volume it tells how much\n"
    "spirit and water make that volume at the target (and adds spirit_ml).\n"
    "\n"
    "Example:\n"
    "  colmara-report dilute --volume 2000 --strength 80 --target 40\n";

constexpr const char* kBlendFooter =
    "Each part is ML:S, or ML:S@T for a volume measured at T degC (-20 to 40);\n"
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
    "is refused.\n"
    "\n"
    "Example:\n"
    "  colmara-report hydrometer --reading 40 --temperature 12\n";

std::string DiluteAnswer(const DiluteOptions& options, const FormatSettings& settings) {
    const Strength strength =
        StrengthIn(options.units, OptionNumber(options.strength, "--strength", settings));
    const Strength target =
        StrengthIn(options.units, OptionNumber(options.target, "--target", settings));
    const bool reverse = !options.finalVolume.empty();
    const Dilution d =
        reverse ? DiluteToVolume(OptionNumber(options.finalVolume, "--final-volume", settings),
                                 strength, target)
                : Dilute(OptionNumber(options.volume, "--volume", settings), strength, target);
    std::vector<ToolFigure> figures;
    if (reverse) figures.push_back({"spirit_ml", "spirit", d.spiritMl, "ml", 1});
    figures.push_back({"water_ml", "water to add", d.waterMl, "ml", 1});
    figures.push_back({"final_volume_ml", "final volume", d.finalVolumeMl, "ml", 1});
    figures.push_back({"final_strength_vol", "final strength", d.finalStrengthVol, "% vol", 2});
    return ToolOutput(figures, options.json, settings);
}

// "ML:S" or "ML:S@T", read with the locale's decimal symbol.
BlendPart PartOf(const std::string& text, const std::string& units, std::size_t index,
                 const FormatSettings& settings) {
    const std::string name = "--part " + std::to_string(index + 1);
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos)
        throw SpiritError(name + ": write it ML:S or ML:S@T, not '" + text + "'");
    const std::size_t at = text.find('@', colon);
    BlendPart part;
    part.millilitres = OptionNumber(text.substr(0, colon), name + " volume", settings);
    part.strength = StrengthIn(
        units, OptionNumber(text.substr(colon + 1, at - colon - 1), name + " strength", settings));
    if (at != std::string::npos)
        part.celsius = OptionNumber(text.substr(at + 1), name + " temperature", settings);
    return part;
}

std::string BlendAnswer(const BlendOptions& options, const FormatSettings& settings) {
    std::vector<BlendPart> parts;
    for (std::size_t i = 0; i < options.parts.size(); ++i)
        parts.push_back(PartOf(options.parts[i], options.units, i, settings));
    const Blend blend = BlendParts(parts);
    return ToolOutput({{"volume_ml", "volume", blend.volumeMl, "ml", 1},
                       {"strength_vol", "strength", blend.strengthVol, "% vol", 2},
                       {"strength", "strength by weight", blend.strengthWeight, "%", 2}},
                      options.json, settings);
}

std::string HydrometerAnswer(const HydrometerOptions& options, const FormatSettings& settings) {
    const TrueStrength result = CorrectReading(
        StrengthIn(options.units, OptionNumber(options.reading, "--reading", settings)),
        OptionNumber(options.temperature, "--temperature", settings));
    return ToolOutput({{"strength_vol", "strength at 20 degC", result.strengthVol, "% vol", 2},
                       {"strength", "strength by weight", result.strengthWeight, "%", 2}},
                      options.json, settings);
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
    DeclareSpiritUnits(*hydrometer, options.units);
    DeclareJson(*hydrometer, options.json, "strength_vol, strength");
    return hydrometer;
}

int RunDiluteCommand(const DiluteOptions& options, const CommandIo& io) {
    if (options.volume.empty() && options.finalVolume.empty())
        return UsageError(io.err, "dilute: give --volume or --final-volume");
    return RunTool(io, [&] { return DiluteAnswer(options, io.settings); });
}

int RunBlendCommand(const BlendOptions& options, const CommandIo& io) {
    return RunTool(io, [&] { return BlendAnswer(options, io.settings); });
}

int RunHydrometerCommand(const HydrometerOptions& options, const CommandIo& io) {
    return RunTool(io, [&] { return HydrometerAnswer(options, io.settings); });
}

}  // namespace colmara
