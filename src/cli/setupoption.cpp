#include "cli/setupoption.h"

#include <CLI/CLI.hpp>

#include "cli/companionoptions.h"
#include "runtime/exceptions.h"
#include "study/strengthtext.h"
#include "study/valuetext.h"

namespace colmara {

namespace {

bool Given(const CLI::App& app, const char* name) {
    const CLI::Option* option = app.get_option_no_throw(name);
    return option != nullptr && option->count() > 0;
}

// The setup's strength text, typed in `from`, as a text in `to`. A text that
// is no number stays as it is, so the calculation fails at that field with
// the window's own message.
std::string StrengthTextIn(const std::string& typed, StrengthUnit from, StrengthUnit to,
                           const FormatSettings& settings) {
    if (from == to) return typed;
    if (to == StrengthUnit::Weight) return StrengthFieldText(typed, from, settings);
    long double percent = 0;
    try {
        percent = ParseExtended(typed, settings);
    } catch (const EConvertError&) {
        return typed;
    }
    return ValueText(static_cast<double>(VolumeFromWeight(percent)), false, settings);
}

}  // namespace

void DeclareSetupOption(CLI::App& app, std::string& path) {
    app.add_option("--setup", path,
                   "Read the inputs from a setup file the study window saved;\n"
                   "options given here win over the file")
        ->type_name("FILE")
        ->check(NonEmptyName());
}

void ApplySetup(const CLI::App& app, const StudySetup& setup, InputTexts& inputs,
                std::string* units, const FormatSettings& settings) {
    if (units != nullptr && !Given(app, "--units"))
        *units = setup.unit == StrengthUnit::Volume ? "volume" : "weight";
    const StrengthUnit unit = units != nullptr ? UnitNamed(*units) : StrengthUnit::Weight;

    if (!Given(app, "--power")) inputs.power = setup.inputs.power;
    if (!Given(app, "--strength"))
        inputs.strength = StrengthTextIn(setup.inputs.strength, setup.unit, unit, settings);
    if (!Given(app, "--plates")) inputs.plates = setup.inputs.plates;
    if (!Given(app, "--reflux")) inputs.reflux = setup.inputs.reflux;
}

}  // namespace colmara
