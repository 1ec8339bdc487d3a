#include "cli/setupoption.h"

#include <CLI/CLI.hpp>

#include "cli/companionoptions.h"
#include "runtime/exceptions.h"
#include "runtime/typedtext.h"
#include "study/input.h"
#include "study/strengthtext.h"
#include "study/studyerror.h"

namespace colmara {

namespace {

bool Given(const CLI::App& app, const std::string& name) {
    const CLI::Option* option = app.get_option_no_throw(name);
    return option != nullptr && option->count() > 0;
}

// The setup's strength text, given in `from`, in `to`: written as the
// window's unit switch writes it, so a setup shows the same text here as
// there. A text that is no number stays as it is (the calculation names
// it); a number outside 0..100 % has no counterpart and is refused.
std::string StrengthIn(const std::string& text, StrengthUnit from, StrengthUnit to,
                       const FormatSettings& settings) {
    if (from == to) return text;
    try {
        const long double percent = ParseExtended(text, settings);
        if (!IsStrength(percent)) {
            // The conversion refuses it with a message naming the value and unit.
            if (from == StrengthUnit::Volume)
                WeightFromVolume(percent);
            else
                VolumeFromWeight(percent);
        }
    } catch (const EConvertError&) {
        return text;
    }
    return SwitchedStrengthText(text, from, to, settings);
}

// The texts of a batch key as its option's results: the cuts one result an
// item, every other text one result; an empty text none.
std::vector<std::string> BatchResults(const BatchTextKey& key, const BatchTexts& texts,
                                      const FormatSettings& settings) {
    std::vector<std::string> results;
    const std::string& text = texts.*key.text;
    if (key.text == &BatchTexts::cuts) {
        for (const std::string& item : CutItems(text))
            results.push_back(WithDecimalPoint(item, settings));
    } else if (!Trimmed(text).empty()) {
        results.push_back(WithDecimalPoint(text, settings));
    }
    return results;
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
    if (units != nullptr && !Given(app, "--units")) *units = StrengthUnitKey(setup.unit);
    const StrengthUnit unit = units != nullptr ? UnitNamed(*units) : StrengthUnit::Weight;

    for (Input input : kInputs) {
        if (Given(app, "--" + std::string(TraitsOf(input).key))) continue;
        const std::string& text = TextOf(setup.inputs, input);
        TextOf(inputs, input) =
            TraitsOf(input).volumeKey ? StrengthIn(text, setup.unit, unit, settings) : text;
    }
}

void ApplyBatchSetup(CLI::App& batch, const StudySetup& setup, const std::string& units,
                     const FormatSettings& settings) {
    if (setup.batch == BatchTexts{}) return;
    const std::string fileUnit = StrengthUnitKey(setup.unit);
    if (units != fileUnit)
        throw StudyError("the setup file's batch strengths are by " + fileUnit + "; give --units " +
                         fileUnit + " or leave --units out");
    const bool ownCuts =
        Given(batch, "--cut") || Given(batch, "--heads") || Given(batch, "--hearts-until");
    for (const BatchTextKey& key : kBatchTextKeys) {
        const bool cuts = key.text == &BatchTexts::cuts;
        const std::string name = cuts ? "--cut" : "--" + std::string(key.key);
        if (Given(batch, name) || (cuts && ownCuts)) continue;
        const std::vector<std::string> results = BatchResults(key, setup.batch, settings);
        if (results.empty()) continue;
        CLI::Option* option = batch.get_option(name);
        for (const std::string& result : results) option->add_result(result);
        try {
            option->run_callback();
        } catch (const CLI::Error& e) {
            throw StudyError("the setup file's batch \"" + std::string(key.key) +
                             "\" does not read: " + e.what());
        }
    }
}

}  // namespace colmara
