#include "model/column.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <limits>

#include "model/column_compare.h"
#include "model/properties.h"
#include "runtime/exceptions.h"
#include "runtime/extended.h"
#include "runtime/fpcheck.h"

namespace colmara {
namespace {

using test::FirstDifference;
using test::SamePlate;

Column Inputs(std::int32_t power, long double strength, std::int32_t plates,
              long double refluxfactor) {
    Column c;
    c.power = power;
    c.boilerstrength = strength;
    c.plates = plates;
    c.refluxfactor = refluxfactor;
    return c;
}

// Fills every table entry with a marker so that untouched entries show.
void MarkTables(Column& c, long double marker) {
    for (int i = 1; i <= kMaxPlates; ++i) c.SetPlate(i, {marker, marker, marker, marker});
}

long double Round4(long double v) {
    return std::round(v * 10000) / 10000;
}

TEST(Column, TwentyPercentFifteenPlatesConvergesWithoutResolve) {
    Column c = Inputs(1000, 0.20L, 15, 2);  // reflux ratio 1
    c.Solve();
    EXPECT_NEAR(c.boilervapour, 2889.9L, 0.05L);
    EXPECT_NEAR(c.boileralcohol, 1883.9L, 0.05L);
    EXPECT_NEAR(c.topstrength, 0.8821L, 0.00005L);
    EXPECT_NEAR(c.productamount, 1914.5L, 0.05L);
    EXPECT_NEAR(c.productalcohol, 1688.8L, 0.05L);
    EXPECT_EQ(Round4(c.liquidtable[1]), 0.2L);
    EXPECT_NEAR(c.refluxtable[1], 975.5L, 0.05L);
    EXPECT_NEAR(c.liquidtable[15], 0.8419L, 0.00005L);
    EXPECT_NEAR(c.refluxtable[15], 1809.4L, 0.05L);
    EXPECT_LE(std::fabs(c.vapourtable[15] - c.topstrength), 0.0005L);
    // The final pass's rule, not the re-solve's: plate 1 passes down what the
    // boiler vapour leaves after the product.
    EXPECT_TRUE(SameBits(c.refluxtable[1], c.boilervapour - c.productamount));
    EXPECT_EQ(c.passcounter, 1000);
    EXPECT_EQ(c.platecounter, 15);
    // Product strength, amount and alcohol belong together after the passes.
    EXPECT_TRUE(SameBits(c.productalcohol, c.productamount * c.topstrength));
}

TEST(Column, InitialInputsAreResolvedFromTheTop) {
    Column c = Inputs(1000, 0.01L, 20, 16);  // reflux ratio 15
    c.Solve();
    EXPECT_NEAR(c.topstrength, 0.7596L, 0.00005L);
    // The re-solve makes the top plate meet the product strength.
    EXPECT_NEAR(c.vapourtable[20], c.topstrength, 1e-15L);
    EXPECT_NEAR(c.liquidtable[20], 0.4608L, 0.00005L);
    EXPECT_NEAR(c.liquidtable[19], 0.085L, 0.0005L);
    for (int i = 1; i <= 15; ++i) EXPECT_EQ(Round4(c.liquidtable[i]), 0.01L) << "plate " << i;
    for (int i = 1; i <= 20; ++i) {
        EXPECT_GT(c.liquidtable[i], 0) << "plate " << i;
        EXPECT_TRUE(SameBits(c.vapourtable[i], vapourstrength(c.liquidtable[i])));
        EXPECT_TRUE(SameBits(c.temperaturetable[i], temperature(c.vapourtable[i])));
    }
    // The liquid strength rises from the boiler to the top.
    for (int i = 2; i <= 20; ++i) EXPECT_GE(c.liquidtable[i], c.liquidtable[i - 1]);
}

TEST(Column, ResolveRunsOnlyWhenTheTopPlateMissesByMoreThanFiveTenThousandths) {
    // Inputs whose final pass ends just outside or just inside the tolerance
    // at the top plate; the re-solve rewrites the top plate's reflux (and
    // mostly its strength), so each row fails if the tolerance moves across
    // its miss. Shown as the report shows them: g/h and % to two places.
    const struct {
        std::int32_t power;
        long double percent;
        std::int32_t plates;
        long double ratio;
        bool resolved;
        long double reflux;
        long double liquid;
    } rows[] = {
        {1000, 11, 5, 1, true, 1672, 55.44},    // misses by 0.0005029
        {1000, 2, 17, 4, true, 2142, 12.99},    // misses by 0.0005185
        {750, 8, 17, 1, false, 776, 27.78},     // misses by 0.0004921
        {1000, 19, 14, 1, false, 1778, 82.90},  // misses by 0.0004679
    };
    for (const auto& row : rows) {
        Column c = Inputs(row.power, row.percent / 100, row.plates, row.ratio + 1);
        c.Solve();
        const int top = row.plates;
        const Column resolved = [&] {
            Column copy = c;
            copy.ResolveTopDown();
            return copy;
        }();
        EXPECT_EQ(FirstDifference(c, resolved) == "", row.resolved) << row.percent;
        EXPECT_EQ(std::round(c.refluxtable[top]), row.reflux) << row.percent;
        EXPECT_NEAR(c.liquidtable[top] * 100, row.liquid, 0.005L) << row.percent;
    }
}

TEST(Column, NoPowerLeavesEveryResolvedPlateAtTheMiddle) {
    Column c = Inputs(0, 0.01L, 20, 16);
    c.Solve();
    EXPECT_EQ(c.boilervapour, 0);
    EXPECT_EQ(c.productamount, 0);
    for (int i = 1; i <= 20; ++i) {
        EXPECT_EQ(c.liquidtable[i], 0.5L) << "plate " << i;
        EXPECT_EQ(c.refluxtable[i], 0) << "plate " << i;
    }
}

TEST(Column, RefluxRatioMinusOneFaultsInTheProduct) {
    const struct {
        std::int32_t power;
        const char* kind;
        const char* message;
    } rows[] = {
        {1000, "EZeroDivide", "Floating point division by zero"},
        {0, "EInvalidOp", "Invalid floating point operation"},
    };
    for (const auto& row : rows) {
        Column c = Inputs(row.power, 0.2L, 15, 0);
        c.productamount = 123;  // from an earlier calculation
        try {
            c.Solve();
            ADD_FAILURE() << "no fault for power " << row.power;
        } catch (const EMathError& e) {
            EXPECT_STREQ(e.ClassName(), row.kind);
            EXPECT_EQ(e.Message(), row.message);
        }
        // Stored before the fault: the boiler and the first guess.
        EXPECT_EQ(c.guessspan, 0.95L);
        EXPECT_TRUE(SameBits(c.lastguess, c.topstrength));
        EXPECT_EQ(c.productamount, 123);
        EXPECT_EQ(std::fetestexcept(kFaultFlags), 0);

        // The next calculation starts clean and is right.
        c.refluxfactor = 2;
        c.Solve();
        Column fresh = Inputs(row.power, 0.2L, 15, 2);
        fresh.Solve();
        EXPECT_EQ(FirstDifference(c, fresh), "");
    }
}

TEST(Column, RefluxRatioZeroTakesTheWholeTopVapourAsProduct) {
    Column c = Inputs(1000, 0.2L, 5, 1);
    c.Solve();
    // With no reflux the re-solve stores negative or zero liquid flows.
    for (int i = 1; i <= 5; ++i) EXPECT_LE(c.refluxtable[i], 1e-9L) << "plate " << i;
}

TEST(Column, OnePlateIsComparedWithTheProduct) {
    for (long double strength : {0.01L, 0.2L, 0.6L}) {
        Column c = Inputs(1000, strength, 1, 4);
        MarkTables(c, 7);
        c.Solve();
        EXPECT_LE(std::fabs(c.vapourtable[1] - c.topstrength), 0.0005L) << strength;
        for (int i = 2; i <= kMaxPlates; ++i) ASSERT_EQ(c.liquidtable[i], 7) << i;
    }
}

TEST(Column, PotStillUsesTheBoilerVapourAndWritesNoTable) {
    Column c = Inputs(1000, 0.2L, 0, 2);
    MarkTables(c, 7);
    c.platestrength = 0.9L;  // left by an earlier calculation: must not matter
    c.liquiddown = -5;
    c.Solve();
    EXPECT_NEAR(c.topstrength, vapourstrength(0.2L), 1e-15L);
    EXPECT_EQ(c.platestrength, 0.2L);
    EXPECT_EQ(c.platecounter, 0);
    EXPECT_EQ(c.passcounter, 1000);
    for (int i = 1; i <= kMaxPlates; ++i) ASSERT_TRUE(SamePlate(c.Plate(i), {7, 7, 7, 7})) << i;
    Column fresh = Inputs(1000, 0.2L, 0, 2);
    MarkTables(fresh, 7);
    fresh.Solve();
    EXPECT_EQ(FirstDifference(c, fresh), "");
}

TEST(Column, PlateCountOutsideTheTablesIsRefusedBeforeSolving) {
    for (std::int32_t plates : {101, -1, INT_MAX, INT_MIN}) {
        Column c = Inputs(1000, 0.2L, plates, 2);
        MarkTables(c, 7);
        const Column before = c;
        try {
            c.Solve();
            ADD_FAILURE() << "accepted " << plates << " plates";
        } catch (const Exception& e) {
            EXPECT_STREQ(e.ClassName(), "Exception");
            EXPECT_EQ(e.Message(), "The number of plates must be from 0 to 100");
        }
        EXPECT_EQ(FirstDifference(c, before), "") << plates;
    }
}

TEST(Column, EntriesAbovePlatesKeepAnEarlierLargerCalculation) {
    Column c = Inputs(1000, 0.05L, 30, 6);
    c.Solve();
    const Column thirty = c;
    c.plates = 10;
    c.Solve();
    for (int i = 11; i <= 30; ++i) EXPECT_TRUE(SamePlate(c.Plate(i), thirty.Plate(i))) << i;
    // Everything else is as a fresh column computes it.
    Column fresh = Inputs(1000, 0.05L, 10, 6);
    for (int i = 11; i <= 30; ++i) fresh.SetPlate(i, thirty.Plate(i));
    fresh.Solve();
    EXPECT_EQ(FirstDifference(c, fresh), "");
}

TEST(Column, EnergyIsFormedWithoutWrapAround) {
    const struct {
        std::int32_t power;
        long double energy;
    } rows[] = {
        {1000, 3600000},
        {596523, 2147482800},
        {596524, 2147486400},  // first power past 32 bits
        {INT_MAX, 7730941129200.0L},
        {INT_MIN, -7730941132800.0L},
        {-1, -3600},
    };
    for (const auto& row : rows) {
        Column c;
        c.power = row.power;
        EXPECT_EQ(c.Energy(), row.energy) << row.power;
    }
    // Large powers scale the flows instead of giving garbage.
    Column small = Inputs(1000, 0.2L, 15, 2);
    Column large = Inputs(1000000, 0.2L, 15, 2);
    small.Solve();
    large.Solve();
    EXPECT_NEAR(large.boilervapour / small.boilervapour, 1000, 1e-12L);
    EXPECT_GT(large.boilervapour, 0);
}

TEST(Column, ExtremeInputsGiveAFaultOrAResult) {
    constexpr long double inf = std::numeric_limits<long double>::infinity();
    constexpr long double nan = std::numeric_limits<long double>::quiet_NaN();
    const struct {
        std::int32_t power;
        long double strength;
        std::int32_t plates;
        long double refluxfactor;
    } rows[] = {
        {INT_MAX, 0.5L, 100, 1},
        {INT_MIN, 0.5L, 100, 1},
        {-1000, 0.2L, 20, 2},
        {1000, LDBL_MAX, 20, 2},
        {1000, -LDBL_MAX, 20, 2},
        {1000, 1e30L, 20, 2},
        {1000, 5, 20, 2},
        {1000, -3, 20, 2},
        {1000, 0, 20, 2},
        {1000, 0.2L, 20, LDBL_MAX},
        {1000, 0.2L, 20, -LDBL_MAX},
        {1000, 0.2L, 20, LDBL_MIN},
        {1000, 0.2L, 20, -1e-4000L},
        {1000, 0.2L, 20, -5},
        {1000, inf, 20, 2},
        {1000, nan, 20, 2},
        {1000, 0.2L, 20, inf},
        {1000, 0.2L, 20, nan},
        {0, 0, 0, 0},
        {0, 0, 100, 1},
        {INT_MAX, LDBL_MAX, 100, LDBL_MIN},
    };
    for (const auto& row : rows) {
        Column c = Inputs(row.power, row.strength, row.plates, row.refluxfactor);
        try {
            c.Solve();
        } catch (const EZeroDivide&) {
        } catch (const EOverflow&) {
        } catch (const EInvalidOp&) {
        }
        EXPECT_EQ(std::fetestexcept(kFaultFlags), 0);
        // Whatever happened, the next calculation is right.
        c = Inputs(1000, 0.2L, 15, 2);
        c.Solve();
        EXPECT_NEAR(c.topstrength, 0.8821L, 0.00005L);
    }
}

TEST(PlateTable, IsIndexedFromOneAndRefusesOtherPlates) {
    PlateTable t;
    t[1] = 1;
    t[kMaxPlates] = 100;
    EXPECT_EQ(std::as_const(t)[1], 1);
    EXPECT_EQ(std::as_const(t)[kMaxPlates], 100);
    EXPECT_THROW(t[0] = 5, std::out_of_range);
    EXPECT_THROW(t[kMaxPlates + 1] = 5, std::out_of_range);
    EXPECT_THROW((void)std::as_const(t)[-1], std::out_of_range);
}

// Plates below an efficiency of 1 never make a stronger product: over a grid
// of columns, the product strength as printed (the double nearest it) does
// not rise while the efficiency falls from 100 % to 1 %.
TEST(PlateEfficiency, TheProductStrengthDoesNotRiseAsTheEfficiencyFalls) {
    int weaker = 0;
    for (const long double strength : {0.01L, 0.1L, 0.3L, 0.7L})
        for (const std::int32_t plates : {1, 6, 25, 100})
            for (const long double refluxfactor : {1.0L, 2.5L, 16.0L}) {
                double before = std::numeric_limits<double>::infinity();
                for (int percent = 100; percent >= 1; percent -= 9) {
                    Column c = Inputs(1500, strength, plates, refluxfactor);
                    c.efficiency = percent / 100.0L;
                    c.Solve();
                    const auto product = static_cast<double>(c.topstrength);
                    EXPECT_LE(product, before) << strength << ", " << plates << " plates, "
                                               << refluxfactor << ", " << percent << " %";
                    if (product < before && percent < 100) ++weaker;
                    before = product;
                }
            }
    // Not a column that ignores the efficiency.
    EXPECT_GT(weaker, 200);
}

// Each plate's vapour is the vapour from below moved the efficiency's share
// of the way to the equilibrium of the plate's liquid: exactly as the final
// pass stores it, and within the bisection's resolution after the re-solve,
// which gives the top plate the product strength. The boiler stays an
// equilibrium stage: plate 1 receives its equilibrium vapour.
TEST(PlateEfficiency, EveryPlateMovesItsVapourTheEfficiencysShareTowardsEquilibrium) {
    const struct {
        const char* what;
        long double strength;
        std::int32_t plates;
        long double refluxfactor;
        long double efficiency;
        bool resolved;
        long double within;
    } rows[] = {
        {"final pass", 0.2L, 15, 2, 0.7L, false, 0},
        {"final pass, low efficiency", 0.1L, 6, 4, 0.1L, false, 0},
        {"re-solved from the top", 0.05L, 30, 4, 0.6L, true, 1e-16L},
        {"re-solved over 60 plates", 0.2L, 60, 1.5L, 0.3L, true, 1e-16L},
    };
    for (const auto& row : rows) {
        Column c = Inputs(1000, row.strength, row.plates, row.refluxfactor);
        c.efficiency = row.efficiency;
        c.Solve();
        Column again = c;
        again.ResolveTopDown();
        EXPECT_EQ(FirstDifference(c, again) == "", row.resolved) << row.what;
        if (row.resolved) {
            EXPECT_TRUE(SameBits(c.vapourtable[row.plates], c.topstrength)) << row.what;
        }
        // The re-solve meets no vapour from the boiler: it starts at plate 2.
        long double below = vapourstrength(row.strength);
        for (int i = 1; i <= row.plates; ++i) {
            const long double equilibrium = vapourstrength(c.liquidtable[i]);
            const long double moved = below + row.efficiency * (equilibrium - below);
            if (!row.resolved || i > 1) {
                EXPECT_LE(std::fabs(c.vapourtable[i] - moved), row.within)
                    << row.what << ", plate " << i;
            }
            EXPECT_TRUE(SameBits(c.temperaturetable[i], temperature(c.vapourtable[i])));
            below = c.vapourtable[i];
        }
    }
}

TEST(PlateEfficiency, OneOutsideOneToAHundredPercentIsRefusedBeforeSolving) {
    for (const long double efficiency : {0.0099L, 0.0L, -0.5L, 1.0000001L, 2.0L}) {
        Column c = Inputs(1000, 0.1L, 5, 4);
        c.efficiency = efficiency;
        c.topstrength = 0.123L;  // from an earlier calculation
        try {
            c.Solve();
            ADD_FAILURE() << "solved at " << efficiency;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), "The plate efficiency must be from 1 to 100 %");
        }
        EXPECT_EQ(c.topstrength, 0.123L) << efficiency;
    }
    for (const long double efficiency : {kLeastEfficiency, 1.0L}) {
        Column c = Inputs(1000, 0.1L, 5, 4);
        c.efficiency = efficiency;
        EXPECT_NO_THROW(c.Solve()) << efficiency;
    }
}

}  // namespace
}  // namespace colmara
