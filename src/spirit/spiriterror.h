// The spirit tools' refusal of an input they cannot answer for: a strength
// outside 0..100 %, a volume that is not positive, a temperature outside the
// density formula's range, a target water cannot reach, a reading no mixture
// gives. The message starts with the input's name, so a form or a command
// line can point at it; the tools never answer such an input with a number.
#pragma once

#include "runtime/exceptions.h"

namespace colmara {

class SpiritError : public Exception {
  public:
    using Exception::Exception;
    const char* ClassName() const noexcept override { return "SpiritError"; }
};

}  // namespace colmara
