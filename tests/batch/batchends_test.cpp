// Where a run and its cuts end: minutes count from the start of heating, a
// stop during the heat-up ends the run there, the energy is the power over
// the minutes run, and of two stops the earlier one ends the run.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "batch/batchrun.h"
#include "runtime/fpcheck.h"
#include "study/valuetext.h"

namespace colmara {
namespace {

// 20 l of a 10 % wash at 1000 W: some 99 minutes of heat-up, then about
// 1.07 kg/h of product at first.
BatchRequest Wash() {
    BatchRequest request;
    request.charge = 20000;
    request.inputs = {"1000", "10", "20", "3"};
    request.cuts = DefaultCuts({3, AmountUnit::AlcoholShare}, 80);
    return request;
}

TEST(BatchEnds, AStopAfterMinutesEndsThereWithTheEnergyOfThoseMinutes) {
    InitFloatingPoint();
    BatchRequest request = Wash();
    request.stops.boilerBelow = 2;
    const long double heatUp = RunBatch(request, {}).heatUpMinutes;
    ASSERT_GT(heatUp, 98);
    ASSERT_LT(heatUp, 99);
    // Minutes from the start of heating; the first two end the run before
    // the charge boils, the last two while the hearts are collected.
    for (const double minutes : {10.0, 98.5, 130.0, 150.25}) {
        SCOPED_TRACE(minutes);
        request.stops.afterMinutes = minutes;
        const BatchResult result = RunBatch(request, {});
        EXPECT_EQ(BatchEndText(result.stop), "after " + PlainNumber(minutes) + " min");
        EXPECT_NEAR(static_cast<double>(result.heatUpMinutes + result.runMinutes), minutes, 1e-9);
        EXPECT_NEAR(static_cast<double>(result.cuts.back().endMinute), minutes, 1e-9);
        // E = P t: 1000 W for 10 minutes is 0.1667 kWh.
        EXPECT_NEAR(static_cast<double>(result.energyKwh), 1000 * minutes / 60 / 1000, 1e-12);
        const bool heating = minutes < heatUp;
        EXPECT_EQ(result.runMinutes == 0, heating);
        EXPECT_EQ(result.timeline.empty(), heating);
        if (heating) {
            for (const CutResult& cut : result.cuts) EXPECT_EQ(cut.product.mass, 0) << cut.name;
            EXPECT_EQ(result.residue.Strength(), 10);
        } else {
            EXPECT_EQ(static_cast<double>(result.timeline.back().minute), minutes);
            EXPECT_GT(result.cuts[1].product.mass, 0);
        }
    }
}

// A cut of so many minutes ends at that minute from the start of heating,
// where the next cut's first row is; one that ends while the charge heats
// collects nothing.
TEST(BatchEnds, ACutOfMinutesEndsAtThatMinuteFromTheStartOfHeating) {
    InitFloatingPoint();
    struct Case {
        double minute;
        bool empty;
    };
    for (const Case c : {Case{90, true}, Case{150, false}, Case{212.5, false}}) {
        SCOPED_TRACE(c.minute);
        BatchRequest request = Wash();
        request.cuts = {{"first", {CutEnd::Minute, {}, c.minute}}, {"rest", {}}};
        request.stops.productBelow = 30;
        const BatchResult result = RunBatch(request, {});
        const long double boils = result.heatUpMinutes;
        const long double end = c.empty ? boils : c.minute;
        EXPECT_EQ(result.cuts[0].endMinute, end);
        EXPECT_EQ(result.cuts[1].startMinute, end);
        EXPECT_EQ(result.cuts[0].product.mass == 0, c.empty);
        bool found = false;
        for (const BatchRow& row : result.timeline)
            found = found || (row.minute == end && row.cut == "rest");
        EXPECT_TRUE(found);
    }
}

// Each stop alone, then with a stop after a quarter of a minute less or more,
// which most often falls in the same stretch: the one met earlier ends the
// run and is named.
TEST(BatchEnds, OfTwoStopsTheEarlierEndsTheRunAndIsNamed) {
    InitFloatingPoint();
    using Set = void (*)(BatchStops&);
    const Set stops[] = {
        [](BatchStops& s) { s.productBelow = 40; },
        [](BatchStops& s) {
            s.collected = Amount{2000, AmountUnit::Grams};
        },
        [](BatchStops& s) { s.boilerBelow = 3; },
    };
    for (const Set set : stops) {
        BatchRequest request = Wash();
        set(request.stops);
        const BatchResult alone = RunBatch(request, {});
        const long double end = alone.heatUpMinutes + alone.runMinutes;
        for (const long double apart : {-0.25L, 0.25L}) {
            SCOPED_TRACE(BatchEndText(alone.stop) + ", then after " +
                         std::to_string(static_cast<double>(apart)));
            request.stops.afterMinutes = static_cast<double>(end + apart);
            const BatchResult both = RunBatch(request, {});
            const bool timeFirst = apart < 0;
            EXPECT_EQ(BatchEndText(both.stop),
                      timeFirst ? "after " + PlainNumber(*request.stops.afterMinutes) + " min"
                                : BatchEndText(alone.stop));
            // The same end as alone, give or take the integration's error
            // (a boiler stop sets where the stretches end).
            const long double bothEnd = both.heatUpMinutes + both.runMinutes;
            EXPECT_NEAR(static_cast<double>(bothEnd),
                        static_cast<double>(timeFirst ? end + apart : end), 1e-3);
        }
    }
}

}  // namespace
}  // namespace colmara
