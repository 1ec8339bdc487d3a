// The one reader of a batch run's texts: the batch tab's fields and the
// companion tool's batch options (laid over a setup file's texts) are the
// same `BatchTexts`, read here into the same request, so the tab's run and
// the tool's are the same run and refuse the same texts. Numbers are typed
// with the locale's decimal symbol, which the request reads as '.'.
#pragma once

#include "batch/batchrequest.h"
#include "runtime/numconv.h"
#include "study/batchtexts.h"

namespace colmara {

// The run of `texts` on the four inputs `typed` (the strength typed in
// `unit`, which every batch strength is read in too). An empty or "none"
// stop is no such stop, and empty cuts are heads, hearts and tails. Throws
// StudyError naming the text as `naming` says for a text that does not read
// (an empty number included), a number beyond a double's range, or one
// outside its range (ValidateBatchRequest).
BatchRequest BatchRequestOf(const BatchTexts& texts, const InputTexts& typed, StrengthUnit unit,
                            const FormatSettings& settings, const BatchNaming& naming = BatchLabel);

}  // namespace colmara
