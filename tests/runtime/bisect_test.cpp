#include "runtime/bisect.h"

#include <gtest/gtest.h>

namespace colmara {
namespace {

// The bracket keeps the predicate false at its low end and true at its high
// end, and halves at each step: 2 squared crosses 3 at the square root.
TEST(Bisect, KeepsTheCrossingInsideAHalvingBracket) {
    const Bracket root = Bisect(1, 2, 40, [](long double x) { return x * x >= 3; });
    EXPECT_LT(root.low * root.low, 3);
    EXPECT_GE(root.high * root.high, 3);
    EXPECT_EQ(root.high - root.low, 1.0L / (1LL << 40));
}

// A predicate true everywhere walks the bracket down to its low end.
TEST(Bisect, NoStepsOrAPredicateTrueEverywhere) {
    const Bracket none = Bisect(0, 1, 0, [](long double) { return true; });
    EXPECT_EQ(none.low, 0);
    EXPECT_EQ(none.high, 1);
    const Bracket all = Bisect(0, 1, 10, [](long double) { return true; });
    EXPECT_EQ(all.low, 0);
    EXPECT_EQ(all.high, 1.0L / 1024);
}

}  // namespace
}  // namespace colmara
