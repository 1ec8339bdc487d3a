#include "runtime/fpcheck.h"

#include <cstdint>

#include "runtime/exceptions.h"

namespace colmara {

void ThrowFloatingPointFault(int raised) {
    std::feclearexcept(FE_ALL_EXCEPT);
    if (raised & FE_DIVBYZERO) throw EZeroDivide("Floating point division by zero");
    if (raised & FE_OVERFLOW) throw EOverflow("Floating point overflow");
    throw EInvalidOp("Invalid floating point operation");
}

void InitFloatingPoint() {
    // Masked exceptions (0x3F), 64-bit significand (0x300), round to nearest.
    // Faults are found by testing the flags, never by traps.
    std::uint16_t control = 0x133F;
    asm volatile("fninit");
    asm volatile("fldcw %0" : : "m"(control));
    std::fesetround(FE_TONEAREST);
    std::feclearexcept(FE_ALL_EXCEPT);
}

}  // namespace colmara
