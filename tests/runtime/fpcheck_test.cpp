#include "runtime/fpcheck.h"

#include <gtest/gtest.h>

#include <cfloat>

#include "runtime/exceptions.h"

namespace colmara {
namespace {

// Operands come through volatiles so the compiler cannot fold the faults away.
volatile long double zero = 0.0L;
volatile long double one = 1.0L;
volatile long double huge = LDBL_MAX;
volatile long double tiny = LDBL_MIN;

template <typename E>
void ExpectFault(long double (*compute)(), const char* message) {
    ClearFloatingPointFlags();
    try {
        (void)Checked(compute());
        FAIL() << "no exception, expected " << message;
    } catch (const E& e) {
        EXPECT_EQ(e.Message(), message);
    }
    EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT & ~FE_INEXACT) & kFaultFlags, 0)
        << "a flag survived the exception";
}

TEST(FloatingPointFaults, UnmaskedKindsThrowWithTheirMessages) {
    ExpectFault<EZeroDivide>([] { return one / zero; }, "Floating point division by zero");
    ExpectFault<EInvalidOp>([] { return zero / zero; }, "Invalid floating point operation");
    ExpectFault<EOverflow>([] { return huge * 2.0L; }, "Floating point overflow");
}

TEST(FloatingPointFaults, UnderflowAndInexactNeverStop) {
    ClearFloatingPointFlags();
    EXPECT_NO_THROW((void)Checked(tiny * tiny));
    EXPECT_NO_THROW((void)Checked(one / 3.0L));
}

TEST(FloatingPointFaults, DivisionByZeroWinsOverLaterFlags) {
    ClearFloatingPointFlags();
    volatile long double a = one / zero;   // division by zero
    volatile long double b = huge * huge;  // overflow
    volatile long double c = zero / zero;  // invalid
    (void)a;
    (void)b;
    (void)c;
    EXPECT_THROW(CheckFloatingPointFlags(), EZeroDivide);
    ClearFloatingPointFlags();
    b = huge * huge;
    c = zero / zero;
    EXPECT_THROW(CheckFloatingPointFlags(), EOverflow);
}

TEST(FloatingPointFaults, InitLeavesExtendedPrecisionAndNoPendingFlag) {
    volatile long double x = one / zero;
    (void)x;
    InitFloatingPoint();
    EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), 0);
    // 1 + 2^-63 is representable only with a 64-bit significand.
    volatile long double eps = 0x1p-63L;
    EXPECT_NE(one + eps, one);
}

}  // namespace
}  // namespace colmara
