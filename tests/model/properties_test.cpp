#include "model/properties.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <vector>

#include "model/reference_solver.h"
#include "runtime/extended.h"
#include "runtime/fpcheck.h"

namespace colmara {
namespace {

struct Expected {
    long double x;
    long double value;
    long double tolerance;  // 0: exactly
};

long double Above(long double x) {
    return std::nextafter(x, 2.0L);
}

TEST(VapourStrength, MatchesTheFittedCurveAndItsCap) {
    const Expected rows[] = {
        {-0.1L, 0, 0},                        // negative strength: no alcohol
        {0, 0, 0},                            // pure water: no alcohol
        {0.2L, 0.6519L, 0.00005L},            // low fit
        {0.3374L, 0.7264L, 0.00005L},         // low fit up to its end ...
        {Above(0.3374L), 0.7258L, 0.00005L},  // ... then the blend steps down
        {0.5544L, 0.7804L, 0.00005L},         // end of the first blend ...
        {Above(0.5544L), 0.7812L, 0.00005L},  // ... the second steps up
        {0.9L, 0.9186L, 0.00005L},            // high fit
        {0.95L, 0.9558L, 0},                  // high fit above the cap
        {0.9558L, 0.9558L, 0},                // azeotrope
        {0.97L, 0.9558L, 0},
        {1e10L, 0.9558L, 0},
    };
    for (const auto& row : rows) {
        ClearFloatingPointFlags();
        const long double r = vapourstrength(row.x);
        if (row.tolerance == 0) {
            EXPECT_EQ(r, row.value) << "x = " << row.x;
        } else {
            EXPECT_NEAR(r, row.value, row.tolerance) << "x = " << row.x;
        }
    }
}

TEST(VapourStrength, StepsAtTheBlendBoundariesAndNeverPassesTheCap) {
    EXPECT_GT(vapourstrength(0.3374L), vapourstrength(Above(0.3374L)));
    EXPECT_LT(vapourstrength(0.5544L), vapourstrength(Above(0.5544L)));
    // Range 4 still applies up to 0.7254, blended from 0.7252.
    EXPECT_NE(vapourstrength(0.7254L), vapourstrength(Above(0.7254L)));
    for (long double x = 0; x <= 1.2L; x += 0.001L) {
        const long double r = vapourstrength(x);
        EXPECT_GE(r, 0) << x;
        EXPECT_LE(r, 0.9558L) << x;
    }
}

TEST(VapourStrength, EvaluatingOnlyTheNeededFitsChangesNoBitAndNoFault) {
    constexpr long double inf = std::numeric_limits<long double>::infinity();
    std::vector<long double> xs = {1e99L,
                                   1e100L,
                                   1e101L,
                                   1e300L,
                                   1e1000L,
                                   LDBL_MAX,
                                   inf,
                                   -inf,
                                   -1e100L,
                                   -1e1000L,
                                   -LDBL_MAX,
                                   LDBL_MIN,
                                   std::numeric_limits<long double>::quiet_NaN()};
    for (long double edge : {0.0L, 0.3374L, 0.5544L, 0.7252L, 0.7254L, 0.9558L, 1e100L}) {
        xs.push_back(std::nextafter(edge, -inf));
        xs.push_back(edge);
        xs.push_back(std::nextafter(edge, inf));
    }
    for (int i = -20000; i <= 20000; ++i) xs.push_back(i / 10000.0L);
    // Every decade up to the top of the range: a fit overflows from about
    // 1e822 on, so any bound on the shortcut above that would show here.
    for (int e = 0; e <= 4932; ++e) {
        const long double decade = std::pow(10.0L, static_cast<long double>(e));
        xs.push_back(decade);
        xs.push_back(-decade);
    }
    for (long double x : xs) {
        ClearFloatingPointFlags();
        const long double fast = vapourstrength(x);
        const int fastFaults = std::fetestexcept(kFaultFlags);
        ClearFloatingPointFlags();
        const long double literal = test::ReferenceVapourStrength(x);
        const int literalFaults = std::fetestexcept(kFaultFlags);
        ASSERT_TRUE(SameBits(fast, literal)) << x;
        ASSERT_EQ(fastFaults, literalFaults) << x;
    }
    ClearFloatingPointFlags();
}

TEST(Temperature, UsesTheQuadraticOfItsRange) {
    const Expected rows[] = {
        {0, 100.04L, 0},
        {0.8L, 80.6284L, 0.000001L},
        {std::nextafter(0.8L, 0.0L), 80.89296L, 0.000001L},  // last point of the low quadratic
        {1, 78.38L, 0.000001L},
        {1.91L, 173.159776L, 0.000001L},
    };
    for (const auto& row : rows) {
        if (row.tolerance == 0) {
            EXPECT_EQ(temperature(row.x), row.value) << "y = " << row.x;
        } else {
            EXPECT_NEAR(temperature(row.x), row.value, row.tolerance) << "y = " << row.x;
        }
    }
}

TEST(HeatOfVaporization, WaterAndEthanolEnds) {
    EXPECT_NEAR(heatofvaporization(0), 2117.0L, 0.05L);
    EXPECT_NEAR(heatofvaporization(1), 777.7L, 0.05L);
    // A mixture lies between the pure heats at its own temperature.
    const long double mixed = heatofvaporization(0.5L);
    EXPECT_GT(mixed, 777.7L);
    EXPECT_LT(mixed, 2117.0L);
}

TEST(HeatOfVaporization, ReferenceRatiosAreTheRoundedExtendedSteps) {
    volatile long double t = 298;  // keeps the compiler from folding
    EXPECT_EQ(1 - t / 513.9L, 0.4201206460400856198L);
    EXPECT_EQ(1 - t / 647.3L, 0.5396261393480611772L);
}

TEST(HeatOfVaporization, EveryGuessOfTheSolverStaysFaultFree) {
    for (long double y = 0; y <= 1.91L; y += 0.01L) {
        ClearFloatingPointFlags();
        const long double h = heatofvaporization(y);
        EXPECT_EQ(std::fetestexcept(kFaultFlags), 0) << y;
        // Above about 1.5 the water term turns the heat negative; only the
        // strengths a vapour can have give a positive heat.
        if (y <= 1) {
            EXPECT_GT(h, 0) << y;
        }
    }
}

TEST(Power, FollowsItsFourRules) {
    const struct {
        long double base, exponent, value;
    } rows[] = {
        {0, 0, 1},  // rule 1 before rule 2
        {-3, 0, 1},       {2.5L, 0, 1},
        {LDBL_MAX, 0, 1}, {0, 2.5L, 0},                       // rule 2
        {0, 3, 0},        {2, 1001, std::ldexp(1.0L, 1001)},  // rule 3: exact powers of two
        {2, 2, 4},        {2, -3, 0.125L},
        {-2, 3, -8},      {1.5L, 2, 2.25L},
        {10, 4, 10000},
    };
    for (const auto& row : rows) {
        ClearFloatingPointFlags();
        EXPECT_EQ(Power(row.base, row.exponent), row.value) << row.base << "^" << row.exponent;
        EXPECT_EQ(std::fetestexcept(kFaultFlags), 0) << row.base << "^" << row.exponent;
    }
    // Rule 4: exp(e ln b) in extended precision.
    EXPECT_NEAR(Power(9, 0.5L), 3, 1e-17L);
    EXPECT_NEAR(Power(2, 0.5L), std::sqrt(2.0L), 1e-17L);
    // Exponents beyond the 32-bit range take rule 4 as well.
    EXPECT_EQ(Power(1, 4294967296.0L), 1);
}

TEST(Power, FaultsAreLeftInTheFlagsForTheCaller) {
    ClearFloatingPointFlags();
    (void)Power(-2, 0.5L);  // negative base of a fractional power
    EXPECT_NE(std::fetestexcept(FE_INVALID), 0);
    ClearFloatingPointFlags();
    (void)Power(0, -1);  // 1 / 0
    EXPECT_NE(std::fetestexcept(FE_DIVBYZERO), 0);
    ClearFloatingPointFlags();
    (void)Power(2, 20000);
    EXPECT_NE(std::fetestexcept(FE_OVERFLOW), 0);
    ClearFloatingPointFlags();
}

}  // namespace
}  // namespace colmara
