// The spirit tools against mass and ethanol balances worked here from the
// density formula, against each other (dilute, then blend back), and the
// hydrometer correction's identity, monotony and glass expansion.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "spirit/blend.h"
#include "spirit/conversions.h"
#include "spirit/dilution.h"
#include "spirit/hydrometer.h"
#include "spirit/spiriterror.h"
#include "spirit/stillsize.h"
#include "study/freezingpoint.h"

namespace colmara {
namespace {

constexpr long double kRelative = 1e-12L;

void ExpectClose(long double actual, long double expected, const char* what) {
    EXPECT_LE(std::fabs(actual - expected), kRelative * std::fmax(1, std::fabs(expected)))
        << what << ": " << static_cast<double>(actual) << " vs " << static_cast<double>(expected);
}

// Grams per ml of a strength by volume at 20 degC, at `celsius`, straight
// from the formula.
long double Density(long double percentByVolume, long double celsius) {
    return MixtureDensity(WeightFromVolume(percentByVolume) / 100, celsius) / 1000;
}

Strength Vol(long double percent) {
    return {percent, StrengthUnit::Volume};
}

// The water added carries no ethanol: the spirit's ethanol is the final
// mixture's, and spirit plus water is the final mass, both worked from
// the densities of the three liquids at 20 degC.
TEST(Dilution, KeepsTheMassAndEthanolBalancesBothWays) {
    struct Case {
        long double volume, strength, target;
    };
    const Case cases[] = {
        {2000, 80, 40}, {750, 96, 45}, {1, 40, 39.99L}, {5000, 60, 0.5L}, {330, 40, 40},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(static_cast<double>(c.strength)) + " to " +
                     std::to_string(static_cast<double>(c.target)));
        for (const bool reverse : {false, true}) {
            const Dilution d = reverse ? DiluteToVolume(c.volume, Vol(c.strength), Vol(c.target))
                                       : Dilute(c.volume, Vol(c.strength), Vol(c.target));
            const long double spiritGrams = d.spiritMl * Density(c.strength, 20);
            const long double waterGrams = d.waterMl * Density(0, 20);
            const long double finalGrams = d.finalVolumeMl * Density(c.target, 20);
            ExpectClose(reverse ? d.finalVolumeMl : d.spiritMl, c.volume, "given volume");
            ExpectClose(spiritGrams + waterGrams, finalGrams, "mass");
            ExpectClose(spiritGrams * WeightFromVolume(c.strength),
                        finalGrams * WeightFromVolume(c.target), "ethanol");
            ExpectClose(d.finalStrengthVol, c.target, "strength");
            // Contraction: the mixture is smaller than its parts (or equal
            // when nothing is added). Near pure water the formula's own
            // uncertainty, some 1e-5 of the density, hides it.
            if (c.target >= 10) {
                EXPECT_LE(d.finalVolumeMl, d.spiritMl + d.waterMl * (1 + kRelative));
            }
        }
    }
}

TEST(Blend, KeepsTheMassAndEthanolBalancesOfPartsAtTheirTemperatures) {
    const std::vector<BlendPart> parts = {{1000, Vol(60), 20},
                                          {500, Vol(40), 12},
                                          {250, {90, StrengthUnit::Weight}, 35},
                                          {80, Vol(0), 2}};
    const Blend blend = BlendParts(parts);
    long double grams = 0;
    long double ethanol = 0;
    for (const BlendPart& part : parts) {
        const long double p = part.strength.unit == StrengthUnit::Weight
                                  ? part.strength.percent / 100
                                  : WeightFromVolume(part.strength.percent) / 100;
        const long double partGrams = part.millilitres * MixtureDensity(p, part.celsius) / 1000;
        grams += partGrams;
        ethanol += partGrams * p;
    }
    ExpectClose(blend.strengthWeight, ethanol / grams * 100, "strength by weight");
    ExpectClose(blend.volumeMl * MixtureDensity(ethanol / grams, 20) / 1000, grams, "mass");
    ExpectClose(blend.strengthVol, VolumeFromWeight(blend.strengthWeight), "strength by volume");
    // A single part at 20 degC is itself.
    const Blend alone = BlendParts({{700, Vol(43), 20}});
    ExpectClose(alone.volumeMl, 700, "one part's volume");
    ExpectClose(alone.strengthVol, 43, "one part's strength");
}

// Dilute, then blend the spirit with the water it was given: the blend is
// the diluted spirit, its volume and strength; blending a strong and a weak
// spirit and diluting the strong one to the blend's strength agree too.
TEST(Dilution, BlendingTheWaterBackRecoversTheDilution) {
    for (const long double target : {70.0L, 45.5L, 12.0L, 1.0L}) {
        SCOPED_TRACE(static_cast<double>(target));
        const Dilution d = Dilute(1500, Vol(82.5L), Vol(target));
        const Blend blend = BlendParts({{1500, Vol(82.5L), 20}, {d.waterMl, Vol(0), 20}});
        ExpectClose(blend.volumeMl, d.finalVolumeMl, "volume");
        ExpectClose(blend.strengthVol, target, "strength");
        const Dilution back = DiluteToVolume(blend.volumeMl, Vol(82.5L), Vol(blend.strengthVol));
        ExpectClose(back.spiritMl, 1500, "spirit");
        ExpectClose(back.waterMl, d.waterMl, "water");
    }
}

// At 20 degC the meter shows the true strength, to the bit.
TEST(Hydrometer, IsTheIdentityAt20) {
    for (int step = 0; step <= 1000; ++step) {
        const long double reading = step / 10.0L;
        const TrueStrength t = CorrectReading(Vol(reading), 20);
        ASSERT_EQ(t.strengthVol, reading);
        ASSERT_EQ(t.strengthWeight, WeightFromVolume(reading));
    }
    EXPECT_EQ(CorrectReading({55, StrengthUnit::Weight}, 20).strengthWeight, 55);
}

// The true strength rises with the reading at every temperature. The same
// reading taken warmer means a weaker spirit wherever the spirit gets
// lighter as it warms by more than the glass expands (25e-6 /K), which is
// everywhere except weak spirits in the cold, near the temperature of their
// greatest density; there it is the other way round.
// Readings no mixture gives are refused, never answered.
TEST(Hydrometer, RisesWithTheReadingAndFallsWithTheTemperature) {
    const auto at = [](long double reading, long double celsius) -> long double {
        try {
            return CorrectReading(Vol(reading), celsius).strengthVol;
        } catch (const SpiritError&) {
            return std::numeric_limits<long double>::quiet_NaN();
        }
    };
    int answered = 0;
    int denserWhenWarmer = 0;
    for (int t = -20; t <= 40; t += 2) {
        for (int r = 0; r <= 100; r += 2) {
            const long double here = at(r, t);
            if (std::isnan(here)) continue;
            ++answered;
            const long double higherReading = at(r + 2, t);
            if (!std::isnan(higherReading)) {
                ASSERT_GT(higherReading, here) << r << " at " << t;
            }
            const long double warmer = at(r, t + 2);
            if (t == 40 || std::isnan(warmer)) continue;
            const long double p = WeightFromVolume(here) / 100;
            const auto seen = [p](int celsius) {
                return MixtureDensity(p, celsius) * (1 + 25e-6L * (celsius - 20));
            };
            if (seen(t + 2) < seen(t)) {
                ASSERT_LT(warmer, here) << r << " at " << t;
            } else {
                ASSERT_GT(warmer, here) << r << " at " << t;
                ASSERT_LT(r, 30);
                ASSERT_LT(t, 10);
                ++denserWhenWarmer;
            }
        }
    }
    EXPECT_GT(answered, 1400);         // nearly all of the 31 x 51 grid has an answer
    EXPECT_LT(denserWhenWarmer, 100);  // 82 of the grid, below 30 % vol and 10 degC
}

// A liquid of known strength at t floats the glass, expanded by 25e-6 /K,
// where a mixture at 20 degC of the density rho(p, t) (1 + 25e-6 (t - 20))
// would: that mixture's strength is the reading, and correcting it returns
// the liquid's strength.
TEST(Hydrometer, UndoesWhatTheExpandedGlassShows) {
    for (const long double truth : {5.0L, 40.0L, 63.2L, 96.0L}) {
        for (const long double celsius : {-15.0L, 4.0L, 12.0L, 27.5L, 38.0L}) {
            const long double p = WeightFromVolume(truth) / 100;
            if (celsius < FreezingPointCelsius(p)) continue;  // ice: refused below
            const long double density = MixtureDensity(p, celsius) * (1 + 25e-6L * (celsius - 20));
            const long double shownWeight = MassFractionOfDensity(density, 20, "reading") * 100;
            const TrueStrength t = CorrectReading(Vol(VolumeFromWeight(shownWeight)), celsius);
            EXPECT_NEAR(static_cast<double>(t.strengthVol), static_cast<double>(truth), 1e-9)
                << static_cast<double>(truth) << " at " << static_cast<double>(celsius);
        }
    }
}

// The density falls as the mass fraction rises at every temperature of the
// formula: the bisections of the hydrometer and of the conversions rely on it.
TEST(Conversions, DensityFallsWithStrengthAtEveryTemperature) {
    for (int t = -20; t <= 40; ++t) {
        long double last = std::numeric_limits<long double>::infinity();
        for (int step = 0; step <= 1000; ++step) {
            const long double rho = MixtureDensity(step / 1000.0L, t);
            ASSERT_LT(rho, last) << step << " at " << t;
            last = rho;
        }
    }
}

TEST(Conversions, RoundTripAndMeetTheStrengthUnitAt20) {
    for (const long double weight : {0.0L, 0.5L, 33.3L, 80.0L, 99.9L, 100.0L}) {
        for (const long double celsius : {-20.0L, 0.0L, 20.0L, 40.0L}) {
            if (celsius < FreezingPointCelsius(weight / 100)) continue;  // ice: refused below
            const long double byVolume = VolumePercentAt(weight, celsius);
            if (celsius == 20) {
                EXPECT_EQ(byVolume, VolumeFromWeight(weight));
            }
            EXPECT_NEAR(static_cast<double>(WeightPercentAt(byVolume, celsius)),
                        static_cast<double>(weight), 1e-12);
            const Strength s{weight, StrengthUnit::Weight};
            const long double grams = MassOfVolume(1000, s, celsius);
            ExpectClose(grams, MixtureDensity(weight / 100, celsius), "grams of a litre");
            ExpectClose(VolumeOfMass(grams, s, celsius), 1000, "back to the volume");
            ExpectClose(VolumeAt20(1000, s, celsius) * MixtureDensity(weight / 100, 20),
                        grams * 1000, "the mass at 20 degC");
        }
    }
    // Warm spirit shrinks when it cools to 20 degC.
    EXPECT_LT(VolumeAt20(1000, Vol(40), 30), 1000);
    EXPECT_GT(VolumeAt20(1000, Vol(40), 10), 1000);
}

// Every refusal the tools make, by the input it names.
TEST(SpiritRefusals, NameTheInputAndAnswerNothing) {
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    struct Case {
        std::function<void()> call;
        const char* named;
    };
    const Case cases[] = {
        {[] { Dilute(1000, Vol(101), Vol(40)); }, "strength:"},
        {[] { Dilute(1000, Vol(-1), Vol(0)); }, "strength:"},
        {[=] { Dilute(1000, Vol(nan), Vol(40)); }, "strength:"},
        {[] { Dilute(1000, Vol(40), Vol(45)); }, "target:"},
        {[] { Dilute(1000, Vol(40), Vol(0)); }, "target:"},
        {[] {
             Dilute(1000, {60, StrengthUnit::Weight}, Vol(70));
         },
         "target:"},
        {[] { Dilute(0, Vol(80), Vol(40)); }, "volume:"},
        {[] { Dilute(-3, Vol(80), Vol(40)); }, "volume:"},
        {[] { DiluteToVolume(0, Vol(80), Vol(40)); }, "final volume:"},
        {[] { BlendParts({}); }, "parts:"},
        {[] {
             BlendParts({{10, Vol(40), 20}, {0, Vol(40), 20}});
         },
         "part 2 volume:"},
        {[] {
             BlendParts({{10, Vol(140), 20}});
         },
         "part 1 strength:"},
        {[] {
             BlendParts({{10, Vol(40), 41}});
         },
         "part 1 temperature:"},
        {[] { CorrectReading(Vol(40), 40.5L); }, "temperature:"},
        {[] { CorrectReading(Vol(40), -20.5L); }, "temperature:"},
        {[=] { CorrectReading(Vol(40), nan); }, "temperature:"},
        {[] { CorrectReading(Vol(100.5L), 20); }, "reading:"},
        {[] { CorrectReading(Vol(0), 40); }, "reading:"},
        {[] { CorrectReading(Vol(100), -20); }, "reading:"},
        {[] { MassOfVolume(0, Vol(40), 20); }, "volume:"},
        {[] { VolumeOfMass(-1, Vol(40), 20); }, "mass:"},
        {[] { VolumeAt20(100, Vol(40), 45); }, "temperature:"},
        {[] { WeightPercentAt(100.1L, 20); }, "strength:"},
        {[] {
             SizeStill({}, {}, StrengthUnit::Weight, {0, 0.3L, 10});
         },
         "bore:"},
        {[] {
             SizeStill({}, {}, StrengthUnit::Weight, {54, -1, 10});
         },
         "HETP:"},
        {[] {
             SizeStill({}, {}, StrengthUnit::Weight, {54, 0.3L, 0});
         },
         "water rise:"},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        std::string message = "(accepted)";
        try {
            cases[i].call();
        } catch (const SpiritError& e) {
            message = e.Message();
        }
        EXPECT_EQ(message.rfind(cases[i].named, 0), 0u) << "case " << i << ": " << message;
    }
}

}  // namespace
}  // namespace colmara
