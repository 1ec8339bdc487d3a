#include "study/freezingpoint.h"

#include <gtest/gtest.h>

#include "study/strengthunit.h"

namespace colmara {
namespace {

struct FreezingCase {
    long double massFraction;
    long double celsius;
    const char* why;
};

TEST(FreezingPoint, PublishedPointsAndBetween) {
    const FreezingCase cases[] = {
        {0, 0, "water"},
        {0.025L, -1.0L, "a published row by weight is met exactly"},
        {0.0365L, -1.5L, "halfway between 2.5 and 4.8 % by weight"},
        {0.390L, -28.7L, "the last row by weight"},
        {WeightFromVolume(60) / 100, -37, "a row given by volume, converted"},
        {1, -114, "pure ethanol"},
        {-0.1L, 0, "below water: water's point"},
        {1.5L, -114, "above ethanol: ethanol's point"},
    };
    for (const FreezingCase& c : cases)
        EXPECT_NEAR(static_cast<double>(FreezingPointCelsius(c.massFraction)),
                    static_cast<double>(c.celsius), 1e-12)
            << c.why;
}

// The rows given by volume, once converted, must continue the rows by
// weight in order: a misplaced row would make the curve turn back.
TEST(FreezingPoint, FallsAsTheStrengthRises) {
    long double last = FreezingPointCelsius(0);
    for (int permille = 1; permille <= 1000; ++permille) {
        const long double now = FreezingPointCelsius(permille / 1000.0L);
        EXPECT_LT(now, last) << permille / 10.0 << " % by weight";
        last = now;
    }
}

}  // namespace
}  // namespace colmara
