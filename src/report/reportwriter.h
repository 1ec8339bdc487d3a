// Writes the report lines, the chart points and the summary of a solved
// column, in the order the window shows them being built.
#pragma once

#include "report/reportsink.h"
#include "runtime/numconv.h"

namespace colmara {

class Column;

void WriteReport(const Column& column, ReportSink& sink, const ReportOptionSource& options,
                 const FormatSettings& settings);

}  // namespace colmara
