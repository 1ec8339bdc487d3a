// Helpers the solver shares for storing computed values: each statement is
// either checked for floating-point faults on its own, or run unchecked in a
// batch whose flags are tested once and which is replayed checked on a fault.
#pragma once

#include <cfenv>
#include <cstring>

#include "runtime/fpcheck.h"

namespace colmara::detail {

// The value to store, tested for a fault first when the run is checked.
template <bool kChecked, typename T>
inline T Stored(T value) {
    if constexpr (kChecked) {
        return checked(value);
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

// Equality of the ten significant bytes of an extended number: unlike ==,
// it tells -0 from +0 and matches a NaN with itself.
inline bool SameBits(long double a, long double b) {
    return std::memcmp(&a, &b, 10) == 0;
}

// Throws Exception "The number of plates must be from 0 to 100" for a plate
// count the tables cannot hold.
void RequirePlateCount(int plates);

}  // namespace colmara::detail
