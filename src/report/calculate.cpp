#include "report/calculate.h"

#include "model/column.h"
#include "report/reportwriter.h"
#include "runtime/fpcheck.h"

namespace colmara {

void StoreInputs(Column& column, const InputTexts& inputs, const FormatSettings& settings) {
    // Nothing pending from earlier work may be taken for a fault of this one.
    ClearFloatingPointFlags();
    // Each field is stored the moment it has been read: a field that does
    // not read as a number stops here with the fields before it stored.
    column.power = ParseInteger(inputs.power);
    column.boilerstrength = Checked(ParseExtended(inputs.strength, settings) / 100);
    column.plates = ParseInteger(inputs.plates);
    column.refluxfactor = Checked(ParseExtended(inputs.reflux, settings) + 1);
    column.efficiency = Checked(ParseExtended(inputs.efficiency, settings) / 100);
}

void Calculate(Column& column, const InputTexts& inputs, ReportSink& sink,
               const ReportOptionSource& options, const FormatSettings& settings) {
    ClearFloatingPointFlags();
    sink.ClearReport();
    StoreInputs(column, inputs, settings);
    column.Solve();
    WriteReport(column, sink, options, settings);
}

}  // namespace colmara
