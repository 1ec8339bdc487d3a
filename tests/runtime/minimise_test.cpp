// The minimisers against a scan of every point: on random one-minimum
// functions each finds the scan's minimum (on a line to within its
// tolerance), asking far fewer points than the scan.
#include "runtime/minimise.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>
#include <set>

namespace colmara {
namespace {

TEST(Minimise, LineFindsTheMinimumOfOneMinimumFunctions) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> place(0, 60), power(1, 4);
    for (int trial = 0; trial < 200; ++trial) {
        const long double centre = place(random), p = power(random);
        int asked = 0;
        // |x - c|^p: flat (p = 4) or sharp-bottomed (p near 1).
        const LineMinimum m = MinimiseOnLine(0, 60, 0.2L, [&](long double x) {
            ++asked;
            return std::pow(std::fabs(x - centre), p);
        });
        EXPECT_NEAR(static_cast<double>(m.at), static_cast<double>(centre), 0.5)
            << "centre " << static_cast<double>(centre) << " power " << static_cast<double>(p);
        EXPECT_LE(asked, 20);
        // Near a quadratic minimum the parabolas take over: fewer asks than
        // golden sections alone (some 15) would need.
        asked = 0;
        const LineMinimum q = MinimiseOnLine(0, 60, 0.2L, [&](long double x) {
            ++asked;
            return (x - centre) * (x - centre) * (1 + x / 100);
        });
        EXPECT_NEAR(static_cast<double>(q.at), static_cast<double>(centre), 0.5);
        EXPECT_LE(asked, 11);
    }
}

TEST(Minimise, WholeNumbersFindTheScansMinimum) {
    std::mt19937 random(11);
    std::uniform_int_distribution<int> place(0, 100);
    std::uniform_real_distribution<double> slope(0.01, 5);
    for (int trial = 0; trial < 300; ++trial) {
        const int centre = place(random);
        const double left = slope(random), right = slope(random);
        // Steeper on one side than the other, and flat beyond a plateau on
        // the right, as a column's product stops strengthening.
        const int plateau = std::min(100, centre + place(random) % 30 + 1);
        std::set<int> asked;
        const auto f = [&](int k) {
            asked.insert(k);
            const int beyond = std::min(k, plateau);
            return k < centre ? left * (centre - k) : right * (beyond - centre);
        };
        int best = 0;
        for (int k = 1; k <= 100; ++k)
            if (f(k) < f(best)) best = k;
        asked.clear();
        EXPECT_EQ(MinimiseOverWholeNumbers(0, 100, f), best) << "centre " << centre;
        EXPECT_LE(asked.size(), 14u);
    }
}

// A minimum at a few plates and, beyond, a plateau whose values fall by a
// hair towards 100, as noise in how they were found may have them: counted
// as ties, the search goes down to the minimum; taken as they are, it
// would follow the hair up the plateau.
TEST(Minimise, WholeNumbersGoDownOnAPlateauOfTies) {
    for (int centre : {0, 2, 5, 9}) {
        const auto f = [centre](int k) {
            if (k <= centre + 10) return 0.001L * (1 + std::abs(k - centre));
            return 0.047L * (1 - 1e-5L * k);
        };
        EXPECT_EQ(MinimiseOverWholeNumbers(0, 100, f, 0.01L), centre);
    }
}

}  // namespace
}  // namespace colmara
