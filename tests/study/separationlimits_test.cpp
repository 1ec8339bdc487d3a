#include "study/separationlimits.h"

#include <gtest/gtest.h>

#include <string>

#include "model/column.h"
#include "model/properties.h"
#include "runtime/fpcheck.h"
#include "study/caseresult.h"
#include "study/studyerror.h"

namespace colmara {
namespace {

class SeparationLimitsTest : public ::testing::Test {
  protected:
    void SetUp() override { InitFloatingPoint(); }

    // The 100-plate column's product at `reflux`, in % by weight.
    long double ProductAt(long double boiler, const std::string& reflux) {
        Column column;
        const CaseResult r = SolveCase(
            column, {"1000", std::to_string(static_cast<double>(boiler * 100)), "100", reflux},
            settings_);
        return *r.productStrength;
    }

    FormatSettings settings_;
};

// The least reflux is the least: a step below it the column misses. The
// pinch sits at the bottom, at the boiler's own vapour, while the target is
// easy for the boiler; from a strong boiler to a target near the azeotrope
// it moves up to a tangent, and the least reflux then no longer depends on
// the boiler.
TEST_F(SeparationLimitsTest, TheLeastRefluxAndWhereTheColumnPinches) {
    const struct {
        long double boiler;
        long double target;
        bool tangent;
        const char* why;
    } cases[] = {
        {0.10L, 0.90L, false, "a wash to 90 %: pinched at the boiler's vapour"},
        {0.30L, 0.88L, false, "still below the tangent from a 30 % boiler"},
        {0.30L, 0.94L, true, "near the azeotrope: the tangent pinch"},
        {0.50L, 0.94L, true, "the same tangent from a stronger boiler"},
    };
    for (const auto& c : cases) {
        const SeparationLimits limits = LimitsOf(c.boiler, c.target, "1000", settings_);
        EXPECT_LE(limits.solves, 60U) << c.why;
        EXPECT_GE(ProductAt(c.boiler, limits.leastReflux), c.target * 100) << c.why;
        const double below = std::stod(limits.leastReflux) - kLeastRefluxResolution;
        if (below >= 0) {
            EXPECT_LT(ProductAt(c.boiler, std::to_string(below)), c.target * 100) << c.why;
        }
        EXPECT_GT(limits.pinch.to - limits.pinch.from, 20) << c.why;
        if (c.tangent) {
            EXPECT_GT(limits.pinch.from, 10) << c.why;
            EXPECT_GT(limits.pinch.strength, 0.85L) << c.why;
            EXPECT_LT(limits.pinch.strength, c.target) << c.why;
        } else {
            EXPECT_EQ(limits.pinch.from, 0) << c.why;
            EXPECT_NEAR(static_cast<double>(limits.pinch.strength),
                        static_cast<double>(vapourstrength(c.boiler)), 1e-4)
                << c.why;
        }
    }
    EXPECT_NEAR(std::stod(LimitsOf(0.30L, 0.94L, "1000", settings_).leastReflux),
                std::stod(LimitsOf(0.50L, 0.94L, "1000", settings_).leastReflux), 0.002);
}

TEST_F(SeparationLimitsTest, ATargetNoColumnNeedsOrReachesIsRefused) {
    const auto message = [&](long double boiler, long double target) {
        try {
            LimitsOf(boiler, target, "1000", settings_);
        } catch (const OutOfReachError& e) {
            return "[out of reach] " + e.Message();
        } catch (const StudyError& e) {
            return e.Message();
        }
        return std::string("answered");
    };
    EXPECT_EQ(message(0.1L, 0.96L),
              "target: 96 % is above the azeotrope (95.58 %), which no column passes");
    EXPECT_EQ(message(0.1L, 0.5L),
              "target: 50 % is no stronger than the boiler's own vapour (52.27 %): the boiler "
              "alone gives it");
}

}  // namespace
}  // namespace colmara
