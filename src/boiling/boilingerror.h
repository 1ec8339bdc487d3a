// The boiling layer's refusal of an input it cannot answer for: a pressure
// or altitude outside the range the published constants cover, a strength
// outside 0..100 %, a temperature at which no mixture boils at that
// pressure. The message starts with the input's name and says what the
// model reaches instead, so a form or a command line can point at it.
#pragma once

#include "runtime/exceptions.h"

namespace colmara {

class BoilingError : public Exception {
  public:
    using Exception::Exception;
    const char* ClassName() const noexcept override { return "BoilingError"; }
};

}  // namespace colmara
