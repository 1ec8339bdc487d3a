// The batch tab's texts read into a batch run's request, as the companion
// tool reads the same texts given as `colmara-report batch` options, so the
// tab's run and the tool's are the same run. Numbers are typed with the
// locale's decimal symbol, which the request reads as '.'.
#pragma once

#include <string>

#include "batch/batchrequest.h"
#include "runtime/numconv.h"
#include "study/batchtexts.h"

namespace colmara {

// The run of `texts` on the window's four inputs (the strength typed in
// `unit`, which every batch strength is read in too). Throws StudyError
// naming the field for a text that does not read; an empty stop is none,
// and empty cuts are heads, hearts and tails.
BatchRequest BatchRequestOf(const BatchTexts& texts, const InputTexts& typed, StrengthUnit unit,
                            const FormatSettings& settings);

}  // namespace colmara
