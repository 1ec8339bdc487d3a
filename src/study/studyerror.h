// The study layer's refusal of a request it cannot run (a malformed range,
// bounds that contradict each other, a grid too large). Raised before any
// case is solved, with a message that names the input at fault.
#pragma once

#include "runtime/exceptions.h"

namespace colmara {

class StudyError : public Exception {
  public:
    using Exception::Exception;
    const char* ClassName() const noexcept override { return "StudyError"; }
};

// A target that the model reaches with no plate count or reflux it allows:
// the request itself is sound, so a caller may answer it apart from a
// refused input (the companion tool's exit status 3). The message says
// what the model reaches instead.
class OutOfReachError : public StudyError {
  public:
    using StudyError::StudyError;
    const char* ClassName() const noexcept override { return "OutOfReachError"; }
};

}  // namespace colmara
