// The column model moved to the local air pressure: the model's own answers
// at 1 atm, water against the steam tables, the azeotrope against
// Clausius-Clapeyron, the directions of change, and the inverse problems.
#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <string>

#include "boiling/airpressure.h"
#include "boiling/boilingerror.h"
#include "boiling/boilingpoint.h"
#include "boiling/publishedvle.h"
#include "boiling/thermometer.h"
#include "model/properties.h"
#include "runtime/fpcheck.h"

namespace colmara {
namespace {

// Saturation temperature of water (degC) at `hpa` by the IAPWS-IF97
// backward equation of its region 4 (IAPWS, Revised Release on the IAPWS
// Industrial Formulation 1997, equation 31): an oracle of its own.
double SteamTableCelsius(double hpa) {
    const double n[] = {0,
                        0.11670521452767e4,
                        -0.72421316703206e6,
                        -0.17073846940092e2,
                        0.12020824702470e5,
                        -0.32325550322333e7,
                        0.14915108613530e2,
                        -0.48232657361591e4,
                        0.40511340542057e6,
                        -0.23855557567849,
                        0.65017534844798e3};
    const double beta = std::pow(hpa / 1e4, 0.25);  // p in MPa
    const double e = beta * beta + n[3] * beta + n[6];
    const double f = n[1] * beta * beta + n[4] * beta + n[7];
    const double g = n[2] * beta * beta + n[5] * beta + n[8];
    const double d = 2 * g / (-f - std::sqrt(f * f - 4 * e * g));
    return (n[10] + d - std::sqrt((n[10] + d) * (n[10] + d) - 4 * (n[9] + n[10] * d))) / 2 - 273.15;
}

TEST(Boiling, AtOneAtmosphereEveryAnswerIsTheModelsOwnToTheBit) {
    for (int k = 0; k <= 1000; ++k) {
        const long double w = k / 1000.0L;
        EXPECT_EQ(LiquidBoilingCelsius(w, kStandardHpa), temperature(vapourstrength(w))) << w;
        EXPECT_EQ(VapourOverLiquid(w, kStandardHpa), vapourstrength(w)) << w;
        EXPECT_EQ(VapourCondensingCelsius(w, kStandardHpa), temperature(w)) << w;
    }
}

// The change with pressure starts from nothing: a hair away from 1 atm every
// answer is within a thousandth of a kelvin (or of a fraction) of the
// model's, and a liquid's vapour condenses where the liquid boils, as in
// the model at 1 atm, to within the two models' disagreement.
TEST(Boiling, TheChangeStartsFromNothingAndKeepsLiquidAndVapourTogether) {
    for (int k = 0; k <= 95; k += 5) {
        const long double w = k / 100.0L;
        for (double hpa : {1013.24, 1013.26}) {
            EXPECT_NEAR(static_cast<double>(LiquidBoilingCelsius(w, hpa)),
                        static_cast<double>(temperature(vapourstrength(w))), 1e-3)
                << w << " at " << hpa;
            EXPECT_NEAR(static_cast<double>(VapourCondensingCelsius(w, hpa)),
                        static_cast<double>(temperature(w)), 1e-3)
                << w << " at " << hpa;
            EXPECT_NEAR(static_cast<double>(VapourOverLiquid(w, hpa)),
                        static_cast<double>(vapourstrength(w)), 1e-5)
                << w << " at " << hpa;
        }
        for (double hpa : {300.0, 600.0, 1100.0}) {
            const long double vapour = VapourOverLiquid(w, hpa);
            EXPECT_NEAR(static_cast<double>(VapourCondensingCelsius(vapour, hpa)),
                        static_cast<double>(LiquidBoilingCelsius(w, hpa)), 0.05)
                << w << " at " << hpa;
        }
    }
}

// The model boils water at 100.04 degC at 1 atm where the steam tables say
// 99.97, so the change from 1 atm is compared, and the whole within 0.12 K.
TEST(Boiling, WaterFollowsTheSteamTables) {
    const double standard = SteamTableCelsius(1013.25);
    for (double hpa = 700; hpa <= 1050; hpa += 25) {
        const double layer = static_cast<double>(LiquidBoilingCelsius(0, hpa));
        const double change = layer - static_cast<double>(LiquidBoilingCelsius(0, kStandardHpa));
        EXPECT_NEAR(change, SteamTableCelsius(hpa) - standard, 0.05) << hpa << " hPa";
        EXPECT_NEAR(layer, SteamTableCelsius(hpa), 0.12) << hpa << " hPa";
    }
}

// An azeotrope boils like a pure liquid, so Clausius-Clapeyron gives its
// rate: dT/dp = R T^2 / (dH p), with the heat of vaporisation mole-weighted
// from ethanol's 38.56 and water's 40.66 kJ/mol at the azeotrope's 0.894.
TEST(Boiling, TheAzeotropeFallsWithThePressureAtClausiusClapeyronsRate) {
    const long double azeotrope = vapourstrength(1);
    const double rate = static_cast<double>(LiquidBoilingCelsius(azeotrope, 1023.25) -
                                            LiquidBoilingCelsius(azeotrope, 1003.25)) /
                        20;
    const double kelvin =
        static_cast<double>(LiquidBoilingCelsius(azeotrope, kStandardHpa)) + 273.15;
    const double heat = 0.894 * 38560 + 0.106 * 40660;
    const double expected = 8.314462618 * kelvin * kelvin / (heat * 101325) * 100;  // K/hPa
    EXPECT_NEAR(rate, expected, 0.06 * expected);
    EXPECT_NEAR(static_cast<double>(VapourCondensingCelsius(azeotrope, 1023.25) -
                                    VapourCondensingCelsius(azeotrope, 1003.25)) /
                    20,
                rate, 0.01 * rate);
}

// Every temperature rises with the pressure; the liquid's boiling point and
// the vapour's condensing point fall as the strength rises, up to where the
// model's temperature is lowest (a vapour of 0.954, from a liquid of about
// 0.94), a few ten-thousandths of a kelvin below the azeotrope's.
TEST(Boiling, TemperaturesRiseWithPressureAndFallWithStrength) {
    const double pressures[] = {300, 500, 800, 1013.25, 1100};
    for (int k = 0; k <= 95; ++k) {
        const long double w = k / 100.0L;
        for (int i = 1; i < 5; ++i) {
            EXPECT_GT(LiquidBoilingCelsius(w, pressures[i]),
                      LiquidBoilingCelsius(w, pressures[i - 1]))
                << w << " at " << pressures[i];
            EXPECT_GT(VapourCondensingCelsius(w, pressures[i]),
                      VapourCondensingCelsius(w, pressures[i - 1]))
                << w << " at " << pressures[i];
        }
        if (k == 0) continue;
        for (double hpa : pressures) {
            if (k <= 93) {
                EXPECT_LT(LiquidBoilingCelsius(w, hpa), LiquidBoilingCelsius(w - 0.01L, hpa))
                    << w << " at " << hpa;
            }
            EXPECT_LT(VapourCondensingCelsius(w, hpa), VapourCondensingCelsius(w - 0.01L, hpa))
                << w << " at " << hpa;
        }
    }
}

// A temperature read back to a strength gives that temperature again, or,
// inside the jump of the model's temperature where a vapour of 0.8 divides
// its two branches, the strength at the jump; one no mixture boils or
// condenses at is refused, naming the end it passed.
TEST(Boiling, ATemperatureReadsBackToItsStrengthOrIsRefused) {
    const struct {
        double celsius;
        double hpa;
        bool jump;            // inside the jump, for the liquid and the vapour
        const char* refusal;  // empty: answered
    } cases[] = {
        {90, 1013.25, false, ""},
        {78.3, 1013.25, false, ""},  // near the azeotrope, where the curve is flat
        {80.7, 1013.25, true, ""},   // inside the jump (80.63 to 80.89 at 1 atm)
        {85, 950, false, ""},
        {60, 400, false, ""},
        {100.5, 1013.25, false, "is above the"},  // hotter than boiling water
        {78.0, 1013.25, false, "is below the"},   // colder than the azeotrope
        {95, 800, false, "is above the"},         // water boils at 93.6 there
        // Away from 1 atm, a hair inside and outside both ends and in the
        // jump: water boils at 98.251 at 950 hPa, the azeotrope at 76.548
        // (76.547 as a liquid); the jump spans 79.02 to 79.27.
        {98.25, 950, false, ""},
        {98.26, 950, false, "is above the"},
        {76.55, 950, false, ""},
        {76.54, 950, false, "is below the"},
        {79.1, 950, true, ""},
        // At 300 hPa water boils at 69.223, the azeotrope at 50.330 (50.322
        // as a liquid); the jumps span 52.78 to 53.04 and 52.58 to 52.85.
        {69.22, 300, false, ""},
        {50.331, 300, false, ""},
        {52.8, 300, true, ""},
        // At 1100 hPa the flat top rises again to the azeotrope, 80.242.
        {80.243, 1100, false, ""},
        {82.8, 1100, true, ""},
    };
    for (const auto& c : cases) {
        for (bool vapour : {false, true}) {
            const std::string what = std::to_string(c.celsius) + (vapour ? " vapour" : " liquid");
            const auto forward = [&](long double s) {
                return vapour ? VapourCondensingCelsius(s, c.hpa) : LiquidBoilingCelsius(s, c.hpa);
            };
            try {
                const long double s =
                    vapour ? VapourAtCelsius(c.celsius, c.hpa) : LiquidAtCelsius(c.celsius, c.hpa);
                EXPECT_STREQ(c.refusal, "") << what;
                if (!c.jump) {
                    EXPECT_NEAR(static_cast<double>(forward(s)), c.celsius, 1e-8) << what;
                } else {
                    EXPECT_GT(forward(s - 1e-9L), c.celsius) << what;
                    EXPECT_LT(forward(s + 1e-9L), c.celsius) << what;
                }
            } catch (const BoilingError& e) {
                EXPECT_NE(std::string(c.refusal), "") << what << ": " << e.Message();
                EXPECT_NE(e.Message().find(c.refusal), std::string::npos) << e.Message();
                EXPECT_EQ(e.Message().rfind("temperature: ", 0), 0u) << e.Message();
            }
        }
    }
}

// A vapour condenses where the liquid found for it boils and gives it off:
// the published model's bubble point of the dew point's liquid, an oracle
// of its own, is the dew point. Over the pressures and the vapours from a
// trace to nearly pure ethanol, from no start (the vapour's own fraction),
// from the liquid of a nearby vapour (as an inverse problem asks), and from
// liquids far off on either side; no start raises a floating-point fault,
// which would stop the calculation that asked.
TEST(Boiling, AVapourCondensesWhereTheLiquidFoundForItBoils) {
    const struct {
        long double vapour;  // mole fraction
        const char* why;
    } vapours[] = {
        {1e-12L, "a trace, over a liquid ten times weaker"},
        {1e-4L, "a weak vapour"},
        {0.1L, "where the liquid is steepest in the vapour"},
        {MoleFraction(0.8L), "the column model's jump"},
        {MoleFraction(0.9558L), "the column model's azeotrope"},
        {0.92L, "the published model's own azeotrope"},
        {1 - 1e-9L, "nearly pure ethanol"},
    };
    for (double hpa : {300.0, 620.0, 1013.25, 1100.0}) {
        const long double mmHg = MmHgOfHpa(hpa);
        for (const auto& v : vapours) {
            long double nearby = 0;
            PublishedDewCelsius(v.vapour * 0.999L, mmHg, &nearby);
            for (long double start : {0.0L, nearby, 1e-12L, 1 - 1e-9L}) {
                ClearFloatingPointFlags();
                long double liquid = start;
                const long double celsius = PublishedDewCelsius(v.vapour, mmHg, &liquid);
                EXPECT_EQ(std::fetestexcept(kFaultFlags), 0) << v.why << " from " << start;
                const BubblePoint bubble = PublishedBubble(liquid, mmHg);
                EXPECT_NEAR(double(bubble.celsius), double(celsius), 1e-9)
                    << v.why << " at " << hpa << " hPa from " << start;
                EXPECT_NEAR(double(bubble.vapour / v.vapour), 1, 1e-12)
                    << v.why << " at " << hpa << " hPa from " << start;
            }
        }
        // Too little ethanol to move water's boiling point by a digit, and
        // less than a number's reciprocal can hold.
        ClearFloatingPointFlags();
        EXPECT_EQ(PublishedDewCelsius(1e-310L, mmHg), PublishedBubble(0, mmHg).celsius) << hpa;
        EXPECT_EQ(std::fetestexcept(kFaultFlags), 0) << hpa;
    }
}

TEST(Boiling, PressureAndAltitudeWithinTheirRange) {
    // The standard atmosphere's table (ICAO Doc 7488): 898.76 hPa at 1000 m,
    // 794.95 at 2000 m.
    EXPECT_EQ(PressureAtAltitude(0), kStandardHpa);
    EXPECT_NEAR(static_cast<double>(PressureAtAltitude(1000)), 898.76, 0.05);
    EXPECT_NEAR(static_cast<double>(PressureAtAltitude(2000)), 794.95, 0.05);
    EXPECT_EQ(CheckedPressure(300), 300);
    EXPECT_EQ(CheckedPressure(1100), 1100);
    const struct {
        bool altitude;
        long double value;
        const char* message;
    } refused[] = {
        {false, 299.99L, "pressure: 299.99 hPa is outside 300 to 1100 hPa"},
        {false, 1100.01L, "pressure: 1100.01 hPa is outside 300 to 1100 hPa"},
        {false, NAN, "pressure: nan hPa is outside 300 to 1100 hPa"},
        {true, 9200, "altitude: 9200 m gives a pressure outside 300 to 1100 hPa"},
        {true, -800, "altitude: -800 m gives a pressure outside 300 to 1100 hPa"},
        {true, 1e30L, "altitude: 1e+30 m gives a pressure outside 300 to 1100 hPa"},
    };
    for (const auto& r : refused) {
        try {
            r.altitude ? PressureAtAltitude(r.value) : CheckedPressure(r.value);
            ADD_FAILURE() << r.message;
        } catch (const BoilingError& e) {
            EXPECT_EQ(e.Message(), r.message);
        }
    }
}

// A thermometer that reads 100.00 in water boiling at 1 atm reads 0.04 K
// low on the model's scale, whose water boils at 100.04 degC.
TEST(Boiling, AThermometerCalibratedInBoilingWaterReadsOnTheModelsScale) {
    const Thermometer t = CalibratedInBoilingWater(100, kStandardHpa);
    EXPECT_NEAR(static_cast<double>(t.offset), -0.04, 1e-12);
    EXPECT_NEAR(static_cast<double>(t.TrueCelsius(78.2L)), 78.24, 1e-12);
    const Thermometer high = CalibratedInBoilingWater(91, 700);
    EXPECT_NEAR(static_cast<double>(high.TrueCelsius(91)),
                static_cast<double>(LiquidBoilingCelsius(0, 700)), 1e-12);
}

}  // namespace
}  // namespace colmara
