#include "cli/setupoption.h"

#include <CLI/CLI.hpp>
#include <span>

#include "cli/companionoptions.h"
#include "runtime/exceptions.h"
#include "runtime/typedtext.h"
#include "study/input.h"
#include "study/strengthtext.h"
#include "study/studyerror.h"

namespace colmara {

namespace {

// The setup's strength text, given in `from`, in `to`: written as the
// window's unit switch writes it, so a setup shows the same text here as
// there. A text that is no number stays as it is (the calculation names
// it); a number outside 0..100 % has no counterpart and is refused.
std::string SetupStrengthText(const std::string& text, StrengthUnit from, StrengthUnit to,
                              const FormatSettings& settings) {
    if (from == to) return text;
    try {
        const long double percent = ParseExtended(text, settings);
        if (!IsStrength(percent)) {
            // The conversion refuses it with a message naming the value and unit.
            WeightFromStrength(from, percent);
            if (from == StrengthUnit::Weight) StrengthFromWeight(to, percent);
        }
    } catch (const EConvertError&) {
        return text;
    }
    return SwitchedStrengthText(text, from, to, settings);
}

}  // namespace

bool OptionGiven(const CLI::App& app, const std::string& name) {
    const CLI::Option* option = app.get_option_no_throw(name);
    return option != nullptr && option->count() > 0;
}

void DeclareSetupOption(CLI::App& app, std::string& path) {
    app.add_option("--setup", path,
                   "Read the inputs from a setup file the study window saved;\n"
                   "options given here win over the file")
        ->type_name("FILE")
        ->check(NonEmptyName());
}

void ApplySetup(const CLI::App& app, const StudySetup& setup, InputTexts& inputs,
                std::string* units, const FormatSettings& settings) {
    if (units != nullptr && !OptionGiven(app, "--units")) *units = StrengthUnitKey(setup.unit);
    const StrengthUnit unit = units != nullptr ? UnitNamed(*units) : StrengthUnit::Weight;

    // The plain form calculates as the main window does: it takes the
    // window's four texts only.
    const std::span<const Input> taken =
        units != nullptr ? std::span<const Input>(kInputs) : std::span<const Input>(kWindowInputs);
    for (Input input : taken) {
        if (OptionGiven(app, "--" + std::string(TraitsOf(input).key))) continue;
        const std::string& text = TextOf(setup.inputs, input);
        TextOf(inputs, input) =
            TraitsOf(input).volumeKey ? SetupStrengthText(text, setup.unit, unit, settings) : text;
    }
}

std::optional<BatchTexts> BatchSetupTexts(const StudySetup& setup, const std::string& units) {
    // A setup file's texts are read with '.', as ParseSetup fills them.
    if (setup.batch == DefaultBatchTexts(setup.unit, FormatSettings())) return std::nullopt;
    const std::string fileUnit = StrengthUnitKey(setup.unit);
    if (units != fileUnit)
        throw StudyError("the setup file's batch strengths are by " + fileUnit + "; give --units " +
                         fileUnit + " or leave --units out");
    return setup.batch;
}

BatchTexts GivenOver(const CLI::App& batch, const BatchTexts& given,
                     const std::vector<std::string>& cuts, BatchTexts base) {
    for (const BatchTextKey& key : kBatchTextKeys)
        // The cuts are --cut's, each an item: --cuts is the cut table.
        if (key.text != &BatchTexts::cuts && OptionGiven(batch, "--" + std::string(key.key)))
            base.*key.text = given.*key.text;
    if (OptionGiven(batch, "--heads") || OptionGiven(batch, "--hearts-until")) base.cuts.clear();
    // The pressure given is the run's, whichever way the file gave its own.
    if (OptionGiven(batch, "--pressure")) base.altitude.clear();
    if (OptionGiven(batch, "--altitude")) base.pressure.clear();
    if (OptionGiven(batch, "--cut")) {
        base.cuts.clear();
        for (const std::string& cut : cuts) base.cuts += (base.cuts.empty() ? "" : "; ") + cut;
    }
    return base;
}

}  // namespace colmara
