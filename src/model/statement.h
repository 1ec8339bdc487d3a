// Helpers the solver shares for storing computed values: each statement is
// either checked for floating-point faults on its own, or run unchecked in a
// batch whose flags are tested once and which is replayed checked on a fault.
#pragma once

#include <cfenv>

#include "runtime/extended.h"
#include "runtime/fpcheck.h"

namespace colmara::detail {

// The value to store, tested for a fault first when the run is checked.
template <bool kChecked, typename T>
inline T Stored(T value) {
    if constexpr (kChecked) {
        return Checked(value);
    } else {
        return value;
    }
}

// True when an unchecked batch raised a division by zero, an overflow or an
// invalid operation. The barrier keeps the batch's stores ahead of the test.
inline bool FaultRaised() {
    asm volatile("" ::: "memory");
    return std::fetestexcept(kFaultFlags) != 0;
}

}  // namespace colmara::detail
