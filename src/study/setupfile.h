// A study's setup saved as a small JSON file: the input texts as typed and
// the unit of the strength, e.g.
//   {"colmara-setup": 1, "power": "2000", "strength": "10", "plates": "20",
//    "reflux": "3", "efficiency": "70", "units": "weight"}
// The efficiency is there only where it is not 100 (ideal plates), which a
// setup without it means.
// The batch tab's texts follow under "batch", each key only where its text
// differs from the default in the setup's unit (DefaultBatchTexts, written
// with '.'), and the path of the run log drawn on the batch chart under
// "run-log" when one is open. The study window saves and opens it; the companion tool reads it
// with
// --setup. The texts are kept as texts, so a setup calculates exactly what
// its texts calculate when typed.
#pragma once

#include <string>
#include <utility>

#include "report/calculate.h"
#include "study/batchtexts.h"
#include "study/strengthunit.h"

namespace colmara {

struct StudySetup {
    StudySetup() = default;
    // The batch texts are the tab's defaults unless given.
    StudySetup(InputTexts typed, StrengthUnit strengthUnit = StrengthUnit::Weight,
               BatchTexts batchTexts = {}, std::string runLogPath = {})
        : inputs(std::move(typed)),
          unit(strengthUnit),
          batch(std::move(batchTexts)),
          runLog(std::move(runLogPath)) {}

    InputTexts inputs;  // the strength in `unit`
    StrengthUnit unit = StrengthUnit::Weight;
    BatchTexts batch;
    std::string runLog;  // the run log's path as opened; empty: none
    bool operator==(const StudySetup&) const = default;
};

// The setup as a JSON document (two-space indent, a final line end).
std::string SetupJson(const StudySetup& setup);

// Reads a setup document. Throws StudyError naming what is wrong: not JSON,
// not an object, no "colmara-setup": 1, an input missing or not a string,
// "units" other than "weight", "volume" or "mole" (absent means weight), a "batch"
// that is not an object or holds a text not in quotes (an absent batch text
// keeps its default), a "run-log" not in quotes (absent: no log), a text holding a zero character,
// a key given twice in one object. Other keys are ignored, so a later version may add some.
StudySetup ParseSetup(const std::string& json);

// The file at `path`, read and parsed. Throws StudyError naming the file and
// why when it cannot be read (missing, a folder, no permission, not a regular
// file, larger than a setup can be: 1 MiB) or is no setup. A FIFO or a device
// is refused without waiting on it.
StudySetup ReadSetupFile(const std::string& path);

// Writes the setup to `path` whole or not at all (WriteWholeFile). Throws
// StudyError naming the file and the reason on failure.
void WriteSetupFile(const std::string& path, const StudySetup& setup);

}  // namespace colmara
