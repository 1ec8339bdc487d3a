#include "study/limitsdiagram.h"

#include <gtest/gtest.h>

#include "model/properties.h"
#include "runtime/fpcheck.h"

namespace colmara {
namespace {

// Drawn by mass, the staircase's corners alternate between the diagonal
// and the stages' vapours: on the equilibrium curve for the boiler and
// ideal plates, below it for poorer ones; it climbs once for the boiler and once for
// each of the fewest plates, and only its last step reaches the target.
// The pinch mark runs from the curve to the diagonal at the pinch.
TEST(LimitsDiagram, StaircaseClimbsTheFewestPlatesBetweenCurveAndDiagonal) {
    InitFloatingPoint();
    const FormatSettings settings;
    const struct {
        long double boiler;
        long double target;
        const char* efficiency;
        const char* why;
    } cases[] = {
        {0.10L, 0.90L, "100", "a wash to 90 %"},
        {0.30L, 0.94L, "100", "near the azeotrope: many small steps"},
        {0.10L, 0.80L, "60", "poorer plates: steps end below the curve"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const long double e = std::stold(c.efficiency) / 100;
        const SeparationLimits limits =
            LimitsOf(c.boiler, c.target, "1000", settings, c.efficiency);
        const LimitsDiagram d = LimitsDiagramOf(limits, c.boiler, e);
        const auto& s = d.staircase;
        ASSERT_EQ(s.size(), 1 + 2 * static_cast<std::size_t>(limits.fewestPlates.plates + 1));
        for (std::size_t i = 0; i < s.size(); i += 2) EXPECT_EQ(s[i].x, s[i].y) << i;
        for (std::size_t i = 1; i < s.size(); i += 2) {
            EXPECT_EQ(s[i].x, s[i - 1].x) << i;  // a vertical step
            const double curve = static_cast<double>(vapourstrength(s[i].x));
            if (e == 1 || i == 1)  // the boiler is an equilibrium stage
                EXPECT_NEAR(s[i].y, curve, 1e-12) << i;
            else
                EXPECT_LT(s[i].y, curve) << i;
        }
        EXPECT_GE(s.back().y, static_cast<double>(c.target));
        EXPECT_LT(s[s.size() - 3].y, static_cast<double>(c.target));

        ASSERT_EQ(d.pinch.size(), 2U);
        EXPECT_NEAR(vapourstrength(d.pinch[0].x), d.pinch[0].y, 1e-9);
        EXPECT_EQ(d.pinch[1].x, d.pinch[1].y);
        EXPECT_DOUBLE_EQ(d.pinch[1].y, static_cast<double>(limits.pinch.strength));

        // By mole each point is the mass-fraction one converted.
        const LimitsDiagram mole = LimitsDiagramOf(limits, c.boiler, e, StrengthUnit::Mole);
        ASSERT_EQ(mole.staircase.size(), s.size());
        for (std::size_t i = 0; i < s.size(); ++i)
            EXPECT_NEAR(mole.staircase[i].y,
                        static_cast<double>(DiagramFraction(s[i].y * 100.0L, StrengthUnit::Mole)),
                        1e-12);
    }
}

}  // namespace
}  // namespace colmara
