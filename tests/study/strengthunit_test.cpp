#include "study/strengthunit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "study/separatecalculate.h"
#include "study/strengthtext.h"
#include "study/studyerror.h"
#include "study/sweepgrid.h"

namespace colmara {
namespace {

// The message of the StudyError that `run` throws.
template <typename Run>
std::string Refusal(Run run) {
    try {
        run();
    } catch (const StudyError& e) {
        return e.Message();
    }
    return "(accepted)";
}

// The values the tables publish, to the digits they print: each within half
// a unit of its last digit. Pure water at 20 degC is A_1 alone, exactly.
TEST(MixtureDensity, MatchesThePublishedTableValues) {
    struct Case {
        long double massFraction, celsius, published, within;
    };
    const Case cases[] = {
        {0.31L, 13, 956.42L, 0.005L},
        {0.88L, -10, 848.57L, 0.005L},
        {0, 20, 998.20123L, 0},
        {1, 20, 789.24L, 0.005L},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(static_cast<double>(c.massFraction)) + " at " +
                     std::to_string(static_cast<double>(c.celsius)));
        EXPECT_LE(std::fabs(MixtureDensity(c.massFraction, c.celsius) - c.published), c.within);
    }
}

// The worked examples (the azeotrope among them) to the two decimals they
// are given with, and the ends of the scale exactly, in both directions.
TEST(StrengthUnit, WorkedExamplesAndTheEndsOfTheScale) {
    struct Case {
        long double byWeight, byVolume, within;
    };
    const Case cases[] = {
        {40, 47.39L, 0.005L},
        {95.58L, 97.18L, 0.005L},
        {0, 0, 0},
        {100, 100, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<double>(c.byWeight));
        EXPECT_LE(std::fabs(VolumeFromWeight(c.byWeight) - c.byVolume), c.within);
        if (c.within == 0) {
            EXPECT_EQ(WeightFromVolume(c.byVolume), c.byWeight);
        }
    }
}

// Every 0.001 % by weight, and every 0.001 % by volume back: strictly
// rising both ways, and volume -> weight -> volume returns within 1e-10 %.
TEST(StrengthUnit, RisesEverywhereAndRoundTripsFromVolume) {
    long double lastVolume = -1;
    long double lastWeight = -1;
    long double worstTrip = 0;
    for (int step = 0; step <= 100000; ++step) {
        const long double percent = step / 1000.0L;
        const long double byVolume = VolumeFromWeight(percent);
        const long double byWeight = WeightFromVolume(percent);
        ASSERT_GT(byVolume, lastVolume) << "by weight " << static_cast<double>(percent);
        ASSERT_GT(byWeight, lastWeight) << "by volume " << static_cast<double>(percent);
        lastVolume = byVolume;
        lastWeight = byWeight;
        worstTrip = std::max(worstTrip, std::fabs(VolumeFromWeight(byWeight) - percent));
    }
    EXPECT_LE(worstTrip, 1e-10L);
}

// Outside 0..100 % there is no strength in either unit: the conversions
// refuse, a result has no value by volume, and a study refuses before
// anything runs, naming the input and the range.
TEST(StrengthUnit, RefusesStrengthsOutsideTheScale) {
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    struct Case {
        long double percent;
        const char* byWeight;
        const char* byVolume;
    };
    const Case cases[] = {
        {-0.001L, "strength: -0.001 % by weight is outside 0 to 100 %",
         "strength: -0.001 % by volume is outside 0 to 100 %"},
        {100.5L, "strength: 100.5 % by weight is outside 0 to 100 %",
         "strength: 100.5 % by volume is outside 0 to 100 %"},
        {nan, "strength: nan % by weight is outside 0 to 100 %",
         "strength: nan % by volume is outside 0 to 100 %"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.byWeight);
        EXPECT_EQ(Refusal([&] { VolumeFromWeight(c.percent); }), c.byWeight);
        EXPECT_EQ(Refusal([&] { WeightFromVolume(c.percent); }), c.byVolume);
        EXPECT_FALSE(StrengthIn(StrengthUnit::Volume, c.percent).has_value());
    }

    struct Study {
        const char* strength;
        const char* message;
    };
    const Study studies[] = {
        {"120", "strength: 120 % by volume is outside 0 to 100 %"},
        {"-0,5", "strength: -0.5 % by volume is outside 0 to 100 %"},
        {"90:105:15", "strength: 105 % by volume in range '90:105:15' is outside 0 to 100 %"},
        {"-1:10", "strength: -1 % by volume in range '-1:10' is outside 0 to 100 %"},
    };
    for (const Study& s : studies) {
        SCOPED_TRACE(s.strength);
        EXPECT_EQ(Refusal([&] {
                      SweepGrid({"1000", s.strength, "5", "1"}, test::CommaSettings(),
                                StrengthUnit::Volume);
                  }),
                  s.message);
    }
}

// A typed strength by volume becomes the field text of its strength by
// weight, in the locale's form; what is no number stays as typed, for the
// calculation to refuse as the window does.
TEST(StrengthFieldText, WritesTheConvertedStrengthAsAFieldText) {
    struct Case {
        const char* typed;
        StrengthUnit unit;
        bool comma;
        const char* field;
    };
    const Case cases[] = {
        {"47.39", StrengthUnit::Volume, false, "39.995597537303546"},
        {"47,39", StrengthUnit::Volume, true, "39,995597537303546"},
        {"1e-5", StrengthUnit::Volume, false, "7.906613532863137e-06"},
        {"0", StrengthUnit::Volume, false, "0"},
        {"100", StrengthUnit::Volume, true, "100"},
        {"abc", StrengthUnit::Volume, false, "abc"},
        {"47.39", StrengthUnit::Volume, true, "47.39"},  // no number with ','
        {"120", StrengthUnit::Weight, false, "120"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const FormatSettings settings = c.comma ? test::CommaSettings() : FormatSettings();
        EXPECT_EQ(StrengthFieldText(c.typed, c.unit, settings), c.field);
    }
}

}  // namespace
}  // namespace colmara
