// The facts about the correlations that the passes' shortcuts rest on (see
// model/passshortcut.cpp), checked over their whole range: if a change to a
// correlation broke one, the shortcuts would no longer be proved.
#include "model/passshortcut.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "model/properties.h"

namespace colmara {
namespace {

using detail::kStrengthCeiling;

constexpr long double kLeastVapour = 0.5L;
constexpr long double kStep = 1e-6L;

// A plate's vapour is moved towards an equilibrium vapour no stronger than
// the ceiling's, and y* - v is exact only when v is at least half of y*.
TEST(PassShortcutFacts, NoEquilibriumVapourIsTwiceTheLeastVapourTheRulesTake) {
    EXPECT_LE(vapourstrength(kStrengthCeiling), 2 * kLeastVapour);
    EXPECT_EQ(vapourstrength(1.0L), vapourstrength(kStrengthCeiling));
}

// From the least vapour to the azeotrope the heat of vaporization of a
// stronger vapour is at most 0.04 % above that of any weaker one (it falls
// but for the step where the temperature's quadratic changes at 80 %), so a
// vapour mass above a plate keeps 98 % of the plate's by far.
TEST(PassShortcutFacts, AStrongerVapourNeverTakesMuchMoreHeatToBoil) {
    const long double top = vapourstrength(kStrengthCeiling);
    long double most = 0;  // the most heat of any vapour from y up
    long double worst = 0;
    for (long double y = top; y >= kLeastVapour; y -= kStep) {
        const long double heat = heatofvaporization(y);
        if (heat > most) most = heat;
        if (most / heat > worst) worst = most / heat;
    }
    EXPECT_LT(worst, 1.0004L);
    EXPECT_GT(worst, 1.0002L);  // the step at 80 % is there
}

// The equilibrium curve stays above the diagonal from the least vapour to
// the ceiling, by its least margin at the ceiling itself.
TEST(PassShortcutFacts, TheEquilibriumVapourIsStrongerThanItsLiquidUpToTheCeiling) {
    long double least = 1;
    for (long double x = kLeastVapour; x <= kStrengthCeiling; x += kStep) {
        least = std::min(least, vapourstrength(x) - x);
    }
    least = std::min(least, vapourstrength(kStrengthCeiling) - kStrengthCeiling);
    EXPECT_GE(least, 0.0078L);
}

}  // namespace
}  // namespace colmara
