#include "runtime/fpcheck.h"

#include "runtime/exceptions.h"
#include "runtime/extended.h"

namespace colmara {

void ThrowFloatingPointFault(int raised) {
    std::feclearexcept(FE_ALL_EXCEPT);
    if (raised & FE_DIVBYZERO) throw EZeroDivide("Floating point division by zero");
    if (raised & FE_OVERFLOW) throw EOverflow("Floating point overflow");
    throw EInvalidOp("Invalid floating point operation");
}

void InitFloatingPoint() {
    asm volatile("fninit");
    LoadControlWord(kProgramControlWord);
    std::fesetround(FE_TONEAREST);
    std::feclearexcept(FE_ALL_EXCEPT);
}

}  // namespace colmara
