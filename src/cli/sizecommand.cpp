#include "cli/sizecommand.h"

#include <CLI/CLI.hpp>

#include "cli/companionoptions.h"
#include "cli/toolcommand.h"
#include "spirit/packings.h"
#include "spirit/spiriterror.h"
#include "toolsview/sizeanswer.h"

namespace colmara {

namespace {

constexpr const char* kFooter =
    "Runs the calculation of the field options as the study window does, then\n"
    "sizes the hardware for it:\n"
    "- column height: plates x HETP, the height of packing per theoretical\n"
    "  plate, from --packing (typical figures for columns of about 50 mm, each\n"
    "  uncertain by 30 % or more: bore, packing density and vapour load change\n"
    "  it) or typed with --hetp; with neither, the height is left out and the\n"
    "  rest still answered (a pot still needs no packing);\n"
    "- vapour speed over the whole bore at the bottom (the boiler's vapour) and\n"
    "  the top (the vapour reaching the condenser), an ideal gas at 1 atm, and\n"
    "  the F-factor, speed x sqrt(vapour density) in Pa^0.5;\n"
    "- the condenser's duty, and the cooling water (l/min) warming by\n"
    "  --water-rise K to take it.\n"
    "The model loses no heat, so the duty equals the power, which must be\n"
    "more than 0 W. The bore is 1 to 10000 mm, the HETP 0.001 to 100 m, the\n"
    "water rise 0.1 to 100 K.\n"
    "With --charge, also the heat-up: the minutes the power takes to warm the\n"
    "charge (at the boiler strength) from --start-temperature to its boiling\n"
    "temperature, the batch run's estimate from the charge's heat capacity.\n"
    "The start must lie between the charge's freezing and boiling points.\n"
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

// The packing --packing names, or none when it names none.
const Packing* PackingOf(const SizeOptions& options) {
    if (options.packing.empty()) return nullptr;
    const Packing* packing = FindPacking(options.packing);
    if (packing == nullptr)
        throw SpiritError("--packing: '" + options.packing + "' is none of " + PackingKeys());
    return packing;
}

SizeTexts TextsOf(const SizeOptions& options) {
    SizeTexts texts;
    texts.power = {options.inputs.power, "--power"};
    texts.strength = options.inputs.strength;
    texts.plates = options.inputs.plates;
    texts.reflux = options.inputs.reflux;
    texts.efficiency = options.inputs.efficiency;
    texts.unit = UnitNamed(options.units);
    texts.bore = {options.bore, "--bore"};
    texts.packing = PackingOf(options);
    if (!options.hetp.empty()) texts.hetp = NamedText{options.hetp, "--hetp"};
    texts.waterRise = {options.waterRise, "--water-rise"};
    if (!options.charge.empty())
        texts.charge =
            ChargeTexts{{options.charge, "--charge"},
                        options.chargeUnit == "g" ? ChargeUnit::Grams : ChargeUnit::Millilitres,
                        {options.startTemperature, "--start-temperature"}};
    return texts;
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
    size->add_option("--charge", options.charge, "Charge to bring to the boil (heat-up line)")
        ->type_name("AMOUNT");
    size->add_option("--charge-unit", options.chargeUnit, "g, or ml at 20 degC")
        ->check(CLI::IsMember({"g", "ml"}))
        ->capture_default_str();
    size->add_option("--start-temperature", options.startTemperature,
                     "Temperature of the charge when heating starts, degC")
        ->capture_default_str();
    size->add_flag("--json", options.json,
                   "Print one JSON object with column_height_m (with a packing\n"
                   "or an HETP), vapour_speed_bottom_ms,\n"
                   "vapour_speed_top_ms, f_factor_bottom, f_factor_top, condenser_kw,\n"
                   "cooling_water_l_min, and with --charge heat_up_min");
    return size;
}

int RunSizeCommand(const SizeOptions& options, const CommandIo& io) {
    SizeOutcome outcome;
    const int status = RunTool(io, [&] {
        outcome = SizeAnswer(TextsOf(options), OptionReader(io.settings));
        return outcome.failure ? "" : ToolOutput(outcome.answer, options.json, io.settings);
    });
    if (status != kCompanionOk || !outcome.failure) return status;
    io.err << *outcome.failure << '\n';
    return kCompanionFailed;
}

}  // namespace colmara
