// Writes the report lines, the chart points and the summary of a solved
// column, in the order the window shows them being built.
#pragma once

#include "report/reportsink.h"
#include "runtime/numconv.h"

namespace colmara {

class Column;

// Two figures the report derives rather than reads from the column; studies
// take them from here so their numbers are the report's own.
long double RefluxReturned(const Column& column);  // g/h
long double TotalStripped(const Column& column);   // % of the boiler's alcohol

void WriteReport(const Column& column, ReportSink& sink, const ReportOptionSource& options,
                 const FormatSettings& settings);

}  // namespace colmara
