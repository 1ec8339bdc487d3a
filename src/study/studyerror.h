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

}  // namespace colmara
