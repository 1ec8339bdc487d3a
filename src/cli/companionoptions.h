// The command line of colmara-report: the field texts, the per-plate lines
// to leave out and the output form.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "report/calculate.h"
#include "report/reportsink.h"
#include "study/input.h"
#include "study/strengthunit.h"

namespace CLI {
class App;
class Option;
class Validator;
}  // namespace CLI

namespace colmara {

struct CompanionOptions {
    InputTexts inputs;
    std::vector<std::string> hidden;  // names from --hide
    bool json = false;

    // The report options with every name in `hidden` unchecked.
    ReportOptions Report() const;
};

// The arguments (without the program name) with every "--name=" (an empty
// text after '=') split into "--name" and "": the parser would otherwise take
// the next argument as the value.
std::vector<std::string> SplitEmptyAssignments(const std::vector<std::string>& args);

// Declares an option for each of `declared` (--power, --strength, --plates,
// --reflux, --efficiency) on `app`, bound to `inputs`; `note` is added to
// each option's help (e.g. how ranges are written), or nothing when empty.
// `withUnits` tells, in the strength's help, that --units can make it a
// strength by volume.
void DeclareFieldOptions(CLI::App& app, InputTexts& inputs, const std::string& note = "",
                         bool withUnits = false, std::span<const Input> declared = kInputs);

// What a sub-command's --help says of it: its name, one line and the footer.
struct CommandHelp {
    const char* name;
    const char* summary;
    const char* footer;
};

// Declares a sub-command that solves from the inputs, with them and --units (see
// DeclareFieldOptions for `note`); its own options follow.
CLI::App* DeclareInputsCommand(CLI::App& app, const CommandHelp& help, InputTexts& inputs,
                               std::string& units, const std::string& note = "");

// An option whose --help shows the value it has when not given.
CLI::Option* DefaultedOption(CLI::App& app, const std::string& name, double& value,
                             const std::string& help);

// Declares --units weight|volume on a sub-command, bound to `units`.
void DeclareUnitsOption(CLI::App& app, std::string& units);

// --format csv|json of the sub-commands that write rows.
void DeclareFormatOption(CLI::App& app, std::string& format);

// The unit that --units names ("weight", "volume" or "mole").
StrengthUnit UnitNamed(const std::string& units);

// Refuses an empty file name (--output "" or --setup=), which would
// otherwise mean standard output or no file at all.
CLI::Validator NonEmptyName();

// Declares every option of the program on `app`, bound to `options`.
void DeclareCompanionOptions(CLI::App& app, CompanionOptions& options);

}  // namespace colmara
