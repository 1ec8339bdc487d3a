// One row of a study: the field texts of a case and what solving them gave,
// and the callbacks through which a sweep hands rows and progress over.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "report/calculate.h"
#include "study/caseresult.h"

namespace colmara {

struct SweepRow {
    std::uint64_t index = 0;  // position in the grid (or among a seek's candidates)
    InputTexts inputs;        // the field texts calculated: strength by weight
    CaseResult result;
    // The strength as the study was given it, in the study's unit: in % by
    // volume the typed or generated text that became inputs.strength, in %
    // by weight inputs.strength itself.
    std::string givenStrength;
};

// Called with each row in grid order, one call at a time.
using RowCallback = std::function<void(const SweepRow& row)>;

// Called after each delivered row with the rows delivered so far.
using ProgressCallback = std::function<void(std::uint64_t done, std::uint64_t total)>;

}  // namespace colmara
