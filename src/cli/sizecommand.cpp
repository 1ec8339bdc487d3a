#include "cli/sizecommand.h"

#include <CLI/CLI.hpp>

#include "cli/companionoptions.h"
#include "cli/toolcommand.h"
#include "spirit/packings.h"
#include "spirit/spiriterror.h"
#include "spirit/stillsize.h"

namespace colmara {

namespace {

constexpr const char* kFooter =
    "Runs the calculation of the four field options as the window does, then\n"
    "sizes the hardware for it:\n"
    "- column height: plates x HETP, the height of packing per theoretical\n"
    "  plate, from --packing (typical figures for columns of about 50 mm, each\n"
    "  uncertain by 30 % or more: bore, packing density and vapour load change\n"
    "  it) or typed with --hetp;\n"
    "- vapour speed over the whole bore at the bottom (the boiler's vapour) and\n"
    "  the top (the vapour reaching the condenser), an ideal gas at 1 atm, and\n"
    "  the F-factor, speed x sqrt(vapour density) in Pa^0.5;\n"
    "- the condenser's duty, and the cooling water (l/min) warming by\n"
    "  --water-rise K to take it.\n"
    "The model loses no heat, so the duty equals the power. The heat-up time of\n"
    "a charge is not given here.\n"
    "\n"
    "Example:\n"
    "  colmara-report size --power 2000 --strength 10 --plates 6 --reflux 3 \\\n"
    "    --bore 54 --packing stainless-scrubbers --water-rise 15\n"
    "\n"
    "Exit status: 0 when sized, 1 when the calculation failed (its message on\n"
    "standard error), 2 for a refused input, 4 when the output cannot be written.";

std::string PackingKeys() {
    std::string keys;
    for (const Packing& packing : Packings())
        keys += std::string(keys.empty() ? "" : ", ") + packing.key;
    return keys;
}

long double HetpOf(const SizeOptions& options, const FormatSettings& settings) {
    if (!options.hetp.empty()) return OptionNumber(options.hetp, "--hetp", settings);
    const Packing* packing = FindPacking(options.packing);
    if (packing == nullptr)
        throw SpiritError("--packing: '" + options.packing + "' is none of " + PackingKeys());
    return packing->hetpM;
}

std::string SizeAnswer(const StillSize& size, bool json, const FormatSettings& settings) {
    return ToolOutput(
        {{"column_height_m", "column height", size.columnHeightM, "m", 2},
         {"vapour_speed_bottom_ms", "vapour speed, bottom", size.bottom.speed, "m/s", 3},
         {"vapour_speed_top_ms", "vapour speed, top", size.top.speed, "m/s", 3},
         {"f_factor_bottom", "F-factor, bottom", size.bottom.fFactor, "Pa^0.5", 3},
         {"f_factor_top", "F-factor, top", size.top.fFactor, "Pa^0.5", 3},
         {"condenser_kw", "condenser duty", size.condenserKw, "kW", 3},
         {"cooling_water_l_min", "cooling water", size.coolingWaterLMin, "l/min", 2}},
        json, settings);
}

}  // namespace

CLI::App* DeclareSize(CLI::App& app, SizeOptions& options) {
    CLI::App* size = DeclareInputsCommand(
        app, {"size", "Sizes the column and condenser for one calculation", kFooter},
        options.inputs, options.units);
    size->add_option("--bore", options.bore, "Inside diameter of the column, mm")
        ->type_name("MM")
        ->required();
    CLI::Option* packing =
        size->add_option("--packing", options.packing, "Packing, one of " + PackingKeys())
            ->type_name("KEY");
    CLI::Option* hetp =
        size->add_option("--hetp", options.hetp, "Height per theoretical plate, m")->type_name("M");
    packing->excludes(hetp);
    size->add_option("--water-rise", options.waterRise, "Temperature rise of the cooling water, K")
        ->type_name("K")
        ->capture_default_str();
    size->add_flag("--json", options.json,
                   "Print one JSON object with column_height_m, vapour_speed_bottom_ms,\n"
                   "vapour_speed_top_ms, f_factor_bottom, f_factor_top, condenser_kw,\n"
                   "cooling_water_l_min");
    return size;
}

int RunSizeCommand(const SizeOptions& options, const CommandIo& io) {
    if (options.packing.empty() && options.hetp.empty())
        return UsageError(io.err, "size: give --packing or --hetp");
    StillSize size;
    const int status = RunTool(io, [&] {
        StillHardware hardware;
        hardware.boreMm = OptionNumber(options.bore, "--bore", io.settings);
        hardware.hetpM = HetpOf(options, io.settings);
        hardware.waterRiseK = OptionNumber(options.waterRise, "--water-rise", io.settings);
        size = SizeStill(options.inputs, io.settings, UnitNamed(options.units), hardware);
        return size.result.Solved() ? SizeAnswer(size, options.json, io.settings) : "";
    });
    if (status != kCompanionOk || size.result.Solved()) return status;
    io.err << *size.result.error << '\n';
    return kCompanionFailed;
}

}  // namespace colmara
