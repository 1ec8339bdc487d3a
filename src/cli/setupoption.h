// --setup FILE: a study's setup file supplies the texts of the field options
// (and, for the sub-commands, the unit of --units) that the command line does
// not give. What the command line gives always wins over the file.
#pragma once

#include <string>

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
// which reads its strength by weight. Unless --units was given, it becomes
// the setup's unit. A strength taken from the file is written in the unit in
// force: by weight it becomes the field text FieldInputs would make, by volume
// the shortest text of its strength by volume. Throws StudyError for a
// strength that has no counterpart in that unit (outside 0..100 %).
void ApplySetup(const CLI::App& app, const StudySetup& setup, InputTexts& inputs,
                std::string* units, const FormatSettings& settings);

// Fills the options of the batch command `batch` that were not given from
// the setup's batch texts, each read as its option reads a command line, so
// the tool runs what the window's batch tab runs for the same file. A setup
// with no batch texts of its own (all the tab's defaults) fills nothing. The
// file's own cuts are not taken when --cut, --heads or --hearts-until is
// given, and an empty text (no stop) fills nothing. Throws StudyError for a
// text its option refuses, naming the key, and when --units differs from the
// file's unit, in which its batch strengths are written.
void ApplyBatchSetup(CLI::App& batch, const StudySetup& setup, const std::string& units,
                     const FormatSettings& settings);

}  // namespace colmara
