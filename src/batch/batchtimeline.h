// The timeline of a finished run: its rows read off the trace, each solved
// from its own printed texts.
#pragma once

#include <string>
#include <vector>

#include "batch/batchresult.h"
#include "batch/batchtrace.h"

namespace colmara {

// Every row of the timeline: the start, each `everyMinutes` from the start of
// heating, each cut's beginning and the end; each solved from its own texts,
// except that a row after the alcohol counts as spent has the boiler's
// strength as its product's, which is what is collected then. Throws
// StudyError ("Timeline interval: ...", the text named as the request's
// naming says) when the interval would give more
// than kMostTimelineRows rows over the distilling, and BatchCancelled once
// the request says so; tells the request's `progress` after each row.
std::vector<BatchRow> Timeline(BatchSolver& solver, const RunContext& run, const BatchTrace& trace,
                               const std::string& chargeText);

}  // namespace colmara
