// Floating-point faults as exceptions. The unit stays masked; before a value
// is stored anywhere observable, `Checked` tests the sticky flags and turns a
// division by zero, an overflow or an invalid operation into the matching
// exception. Underflow and inexact results never stop a calculation.
#pragma once

#include <cfenv>

namespace colmara {

inline constexpr int kFaultFlags = FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID;

// Clears every flag and throws EZeroDivide, EOverflow or EInvalidOp (in that
// order of precedence when one statement raised several).
[[noreturn]] void ThrowFloatingPointFault(int raised);

// Clears all sticky flags; called when a calculation starts so that nothing
// pending survives into it.
inline void ClearFloatingPointFlags() {
    std::feclearexcept(FE_ALL_EXCEPT);
}

// Throws if a fault flag is raised.
inline void CheckFloatingPointFlags() {
    const int raised = std::fetestexcept(kFaultFlags);
    if (raised != 0) [[unlikely]]
        ThrowFloatingPointFault(raised);
}

// Returns `value` after testing the flags. The empty asm makes the compiler
// finish computing `value` before the test, so a fault is never missed
// because the arithmetic was scheduled after it.
template <typename T>
inline T Checked(T value) {
    asm volatile("" : "+m"(value));
    CheckFloatingPointFlags();
    return value;
}

// Sets the process's floating-point environment as the program expects it:
// x87 at 64-bit precision, round to nearest, every exception masked, flags
// clear. Called once at start-up.
void InitFloatingPoint();

}  // namespace colmara
