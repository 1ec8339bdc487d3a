// What a batch run may be asked: every number of a request within its
// range, refused before anything is solved with the name the caller gives
// the text it came from (the tab's label or the tool's option) and the range.
#pragma once

#include "batch/batchrequest.h"
#include "runtime/numconv.h"
#include "study/batchtexts.h"

namespace colmara {

// Throws StudyError, "NAME: VALUE is ...", for the first number out of its
// range: the charge, the timeline interval, a stop's minutes and amount
// finite and above 0; the charge's strength (the strength input, typed in the request's
// unit), the target and the stops' strengths from 0 to 100 %; the maximum
// reflux 0 or more; the start temperature from the charge's freezing point
// to its boiling temperature in the model; each cut's condition and the
// amount to stop at as CheckCutCondition has them; the pressure as
// CheckedPressure has it, and each head temperature of a cut or a stop one
// that some vapour condenses at, at that pressure (HeadMark). A charge of
// 0 % is refused: it holds no alcohol, and the column cannot be solved for
// it. A strength text that does not read is left to the calculation, which
// names it.
void ValidateBatchRequest(const BatchRequest& request, const BatchNaming& naming,
                          const FormatSettings& settings);

}  // namespace colmara
