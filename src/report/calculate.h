// The calculate action: read the input texts in order, storing each in the
// column as soon as it is read, solve, and write the report.
#pragma once

#include <string>

#include "report/reportsink.h"
#include "runtime/numconv.h"

namespace colmara {

class Column;

struct InputTexts {
    std::string power = "1000";
    std::string strength = "1";
    std::string plates = "20";
    std::string reflux = "15";
    // The plate efficiency in per cent. The main window has no such field:
    // its calculations keep this default, ideal plates.
    std::string efficiency = "100";
    bool operator==(const InputTexts&) const = default;
};

// Empties the report list, stores power, boiler strength, plates, reflux
// factor and plate efficiency one after another, solves and writes the
// report through `sink`.
// Any Exception propagates; what was stored and written before it stays.
void Calculate(Column& column, const InputTexts& inputs, ReportSink& sink,
               const ReportOptionSource& options, const FormatSettings& settings);

// Calculate's first step alone: clears the floating-point flags and stores
// the five inputs one after another, throwing as Calculate does at the
// first that does not read.
void StoreInputs(Column& column, const InputTexts& inputs, const FormatSettings& settings);

}  // namespace colmara
