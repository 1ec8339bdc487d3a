#include "study/strengthunit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "study/separatecalculate.h"
#include "study/strengthtext.h"
#include "study/studyerror.h"
#include "study/sweepgrid.h"
#include "study/valuetext.h"

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

// Worked by hand from the molar masses 46.068 and 18.015 g/mol: 50 g of
// each are 1.085352 and 2.775465 centimoles, so 28.1120 % mol; the
// azeotrope, 95.58 % by weight, is the 89.4 % mol textbooks give. Each hand
// value to the 4 decimals it was worked to; the ends exactly.
TEST(StrengthUnit, ByMoleMatchesFractionsWorkedByHand) {
    struct Case {
        long double byWeight, byMole, within;
    };
    const Case cases[] = {
        {50, 28.1120L, 0.00005L},
        {10, 4.1641L, 0.00005L},
        {40, 20.6791L, 0.00005L},
        {95.58L, 89.4250L, 0.00005L},
        {0, 0, 0},
        {100, 100, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<double>(c.byWeight));
        EXPECT_LE(std::fabs(MoleFromWeight(c.byWeight) - c.byMole), c.within);
        // Back by weight, the hand value's rounding grows by dw/dx < 2.6.
        EXPECT_LE(std::fabs(WeightFromMole(c.byMole) - c.byWeight), 2.6L * c.within);
    }
    EXPECT_EQ(StrengthUnitSymbol(StrengthUnit::Mole), std::string("% mol"));
    EXPECT_EQ(StrengthUnitKeyed("mole"), StrengthUnit::Mole);
    EXPECT_EQ(StrengthKey("liquid_strength", StrengthUnit::Mole),
              std::string("liquid_strength_mol"));
}

// Every 0.001 % in each unit: by weight strictly rising from and to every
// other unit, and unit -> weight -> unit and weight -> mole -> volume ->
// weight returning within 1e-10 %.
TEST(StrengthUnit, RisesEverywhereAndRoundTrips) {
    for (const StrengthUnit unit : {StrengthUnit::Volume, StrengthUnit::Mole}) {
        SCOPED_TRACE(StrengthUnitKey(unit));
        long double lastIn = -1;
        long double lastWeight = -1;
        long double worstTrip = 0;
        long double worstCircle = 0;
        for (int step = 0; step <= 100000; ++step) {
            const long double percent = step / 1000.0L;
            const long double in = StrengthFromWeight(unit, percent);
            const long double byWeight = WeightFromStrength(unit, percent);
            ASSERT_GT(in, lastIn) << "by weight " << static_cast<double>(percent);
            ASSERT_GT(byWeight, lastWeight) << "in the unit " << static_cast<double>(percent);
            lastIn = in;
            lastWeight = byWeight;
            worstTrip =
                std::max(worstTrip, std::fabs(StrengthFromWeight(unit, byWeight) - percent));
            const long double circled =
                WeightFromVolume(VolumeFromWeight(WeightFromMole(MoleFromWeight(percent))));
            worstCircle = std::max(worstCircle, std::fabs(circled - percent));
        }
        EXPECT_LE(worstTrip, 1e-10L);
        EXPECT_LE(worstCircle, 1e-10L);
    }
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
        const char* byMole;
    };
    const Case cases[] = {
        {-0.001L, "strength: -0.001 % by weight is outside 0 to 100 %",
         "strength: -0.001 % by volume is outside 0 to 100 %",
         "strength: -0.001 % by mole is outside 0 to 100 %"},
        {100.5L, "strength: 100.5 % by weight is outside 0 to 100 %",
         "strength: 100.5 % by volume is outside 0 to 100 %",
         "strength: 100.5 % by mole is outside 0 to 100 %"},
        {nan, "strength: nan % by weight is outside 0 to 100 %",
         "strength: nan % by volume is outside 0 to 100 %",
         "strength: nan % by mole is outside 0 to 100 %"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.byWeight);
        EXPECT_EQ(Refusal([&] { VolumeFromWeight(c.percent); }), c.byWeight);
        EXPECT_EQ(Refusal([&] { MoleFromWeight(c.percent); }), c.byWeight);
        EXPECT_EQ(Refusal([&] { WeightFromVolume(c.percent); }), c.byVolume);
        EXPECT_EQ(Refusal([&] { WeightFromMole(c.percent); }), c.byMole);
        EXPECT_FALSE(StrengthIn(StrengthUnit::Volume, c.percent).has_value());
        EXPECT_FALSE(StrengthIn(StrengthUnit::Mole, c.percent).has_value());
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
    EXPECT_EQ(Refusal([] {
                  SweepGrid({"1000", "90:110:10", "5", "1"}, FormatSettings(), StrengthUnit::Mole);
              }),
              "strength: 110 % by mole in range '90:110:10' is outside 0 to 100 %");
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
        {"28.11197977622771", StrengthUnit::Mole, false, "50.00000000000001"},
        {"4,164095167430605", StrengthUnit::Mole, true, "10,000000000000002"},
        {"100", StrengthUnit::Mole, false, "100"},
        {"47.39", StrengthUnit::Volume, true, "47.39"},  // no number with ','
        {"120", StrengthUnit::Weight, false, "120"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const FormatSettings settings = c.comma ? test::CommaSettings() : FormatSettings();
        EXPECT_EQ(StrengthFieldText(c.typed, c.unit, settings), c.field);
    }
}

// The strength the calculation reads for `text` given in `unit`.
long double Calculated(const std::string& text, StrengthUnit unit, const FormatSettings& settings) {
    return ParseExtended(StrengthFieldText(text, unit, settings), settings);
}

// Decimals written in a field text.
int Decimals(const std::string& text, const std::string& separator) {
    const std::size_t at = text.find(separator);
    return at == std::string::npos ? 0 : static_cast<int>(text.size() - at - separator.size());
}

TEST(SwitchedStrengthText, KeepsTheStrengthCalculatedInTheFewestDigits) {
    const FormatSettings dot;
    constexpr auto W = StrengthUnit::Weight;
    constexpr auto V = StrengthUnit::Volume;
    constexpr auto M = StrengthUnit::Mole;
    struct Case {
        const char* text;
        StrengthUnit from, to;
        const char* switched;
    };
    const Case cases[] = {
        {"10", W, V, "12.440435054"}, {"12.440435054", V, W, "10"},
        {"10", W, W, "10"},           {"0", W, V, "0"},
        {"100", V, W, "100"},         {"95.58", W, V, "97.184178946"},  // the azeotrope
        {"120", W, V, "120"},  // no strength: kept for the calculation to refuse
        {"ten", V, W, "ten"},         {"50", W, M, "28.111979776"},
        {"28.111979776", M, W, "50"}, {"0", M, V, "0"},
        {"100", V, M, "100"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SwitchedStrengthText(c.text, c.from, c.to, dot), c.switched) << c.text;
    EXPECT_EQ(SwitchedStrengthText("12,5", W, V, {",", "."}), "15,496322558");

    // Over the scale, between every two units: within the tolerance, and
    // neither neighbour with a decimal fewer would be.
    for (double percent = 0.0005; percent < 100; percent += 1.7347) {
        for (const StrengthUnit from : kStrengthUnits)
            for (const StrengthUnit to : kStrengthUnits) {
                if (from == to) continue;
                const std::string text = PlainNumber(percent);
                const std::string switched = SwitchedStrengthText(text, from, to, dot);
                SCOPED_TRACE(text + " -> " + switched);
                const long double before = Calculated(text, from, dot);
                EXPECT_LT(std::fabs(Calculated(switched, to, dot) - before), kSwitchTolerance);
                const int decimals = Decimals(switched, ".");
                if (decimals == 0) continue;
                const double scale = std::pow(10.0, decimals - 1);
                const double value = std::stod(switched) * scale;
                for (const double fewer : {std::floor(value) / scale, std::ceil(value) / scale}) {
                    if (fewer > 100) continue;
                    EXPECT_GE(std::fabs(Calculated(PlainNumber(fewer), to, dot) - before),
                              kSwitchTolerance)
                        << PlainNumber(fewer);
                }
            }
    }
}

}  // namespace
}  // namespace colmara
