// The batch tab's rules that need no window: which of its texts the run
// reads (the others are greyed, as the run ignores them), and the sentence
// under the chart for a run done, under way or refused.
#pragma once

#include <string>

#include "batch/batchresult.h"
#include "runtime/numconv.h"
#include "study/batchtexts.h"

namespace colmara {

// Whether the run of `texts` reads `text`: the target and the maximum
// reflux only under the strength policy, heads and hearts only while the
// own cuts hold no item (as the run reads them: blanks and empty items are
// none). Every other text is always read.
bool BatchTextRead(const BatchTexts& texts, std::string BatchTexts::*text);

// The totals of a run done, numbers with the window's decimal symbol, and
// the run's notes.
std::string BatchSummary(const BatchResult& run, const FormatSettings& settings);

// What an exported chart of the run of `texts` says of it beside the
// column's four inputs: `reflux`, the reflux as the policy sets it ("reflux
// rising to hold 92 % vol, at most 1000"; empty under a constant reflux,
// which is the input's), and `line`, the charge, the cuts and the stops.
// Texts as typed, strengths in `unit`.
struct BatchCaptionText {
    std::string reflux;
    std::string line;
};
BatchCaptionText BatchCaption(const BatchTexts& texts, StrengthUnit unit);

// While a run is calculated: how far it has got (`share` 0 to 1), and that
// what is shown, greyed, is the previous run.
std::string BatchBusySummary(double share);

}  // namespace colmara
