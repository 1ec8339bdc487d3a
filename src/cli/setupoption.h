// --setup FILE: a study's setup file supplies the texts of the field options
// (and, for the sub-commands, the unit of --units) that the command line does
// not give. What the command line gives always wins over the file.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "report/calculate.h"
#include "runtime/numconv.h"
#include "study/setupfile.h"

namespace CLI {
class App;
}

namespace colmara {

// Declares --setup on `app`, bound to `path`.
void DeclareSetupOption(CLI::App& app, std::string& path);

// Fills the field options of `app` that were not given from `setup`.
// `units` is the --units text of a sub-command, or null for the plain form,
// which reads its strength by weight and takes no efficiency (it calculates
// as the main window does). Unless --units was given, it becomes
// the setup's unit. A strength taken from the file is written in the unit in
// force: by weight it becomes the field text FieldInputs would make, by volume
// the shortest text of its strength by volume. Throws StudyError for a
// strength that has no counterpart in that unit (outside 0..100 %).
void ApplySetup(const CLI::App& app, const StudySetup& setup, InputTexts& inputs,
                std::string* units, const FormatSettings& settings);

// True when the command line gave option `name` of `app`.
bool OptionGiven(const CLI::App& app, const std::string& name);

// The setup's batch texts for `batch`, or none when they are all the tab's
// defaults (the command line must then give the charge). Throws StudyError
// when --units (`units`) differs from the file's unit, in which its batch
// strengths are written.
std::optional<BatchTexts> BatchSetupTexts(const StudySetup& setup, const std::string& units);

// The batch texts the tool runs: `base` (the setup file's, or the defaults)
// with every batch option the command line gave laid over it as typed
// (`given`, the --cut items in `cuts`), so the tool runs what the window's
// batch tab runs for the same texts. The file's own cuts are not taken when
// --cut, --heads or --hearts-until is given, nor its altitude when
// --pressure is, nor its pressure when --altitude is.
BatchTexts GivenOver(const CLI::App& batch, const BatchTexts& given,
                     const std::vector<std::string>& cuts, BatchTexts base);

}  // namespace colmara
