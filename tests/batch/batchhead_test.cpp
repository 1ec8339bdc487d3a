// The head temperature in a batch run: a cut or stop by it ends where the
// product whose vapour condenses at that temperature (worked out forwards,
// by the boiling layer) ends one, at any pressure, and the timeline's head
// temperature is the model's own at 1 atm and falls with the pressure while
// the column's figures stay as they are.
#include <gtest/gtest.h>

#include <string>

#include "batch/batchrun.h"
#include "boiling/boilingpoint.h"
#include "model/properties.h"
#include "runtime/fpcheck.h"
#include "study/valuetext.h"

namespace colmara {
namespace {

// 20 l of a 10 % wash at 1000 W; hearts end as `hearts` says, tails run
// until the product falls below 20 %.
BatchRequest Wash(long double hpa, const CutCondition& hearts) {
    BatchRequest request;
    request.charge = 20000;
    request.inputs = {"1000", "10", "20", "3"};
    request.pressureHpa = hpa;
    request.cuts = {{"heads", {CutEnd::Amount, {3, AmountUnit::AlcoholShare}, 0}},
                    {"hearts", hearts},
                    {"tails", {}}};
    request.stops.productBelow = 20;
    return request;
}

long double HeadOf(long double productPercent, long double hpa) {
    return VapourCondensingCelsius(productPercent / 100, hpa);
}

// Each case: the product strength (by weight) hearts end below, and the
// pressure; the head cut's temperature is that product's condensing
// temperature there, and the stop's is 45 %'s.
TEST(HeadTemperatureCuts, EndWhereTheProductWhoseVapourCondensesThereEnds) {
    InitFloatingPoint();
    const struct {
        double strength;
        long double hpa;
        const char* why;
    } cases[] = {
        {85, kStandardHpa, "1 atm: the model's own temperatures"},
        {85, 950, "a low day at sea level"},
        {85, 1100, "the highest pressure taken"},
        // Below the step of the model's temperature at a vapour of 80 %.
        {75, 700, "a still some 3000 m up"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const double celsius = static_cast<double>(HeadOf(c.strength, c.hpa));
        BatchRequest byStrength = Wash(c.hpa, {CutEnd::ProductBelow, {}, c.strength});
        BatchRequest byHead = Wash(c.hpa, {CutEnd::HeadAbove, {}, celsius});
        const double stopCelsius = static_cast<double>(HeadOf(45, c.hpa));
        byHead.stops.productBelow.reset();
        byHead.stops.headAbove = stopCelsius;
        byStrength.stops.productBelow = 45;
        const BatchResult strength = RunBatch(byStrength, {});
        const BatchResult head = RunBatch(byHead, {});
        EXPECT_EQ(BatchEndText(head.stop),
                  "head temperature above " + PlainNumber(stopCelsius) + " degC");
        ASSERT_EQ(head.cuts.size(), 3u);
        for (std::size_t i = 0; i < 3; ++i) {
            SCOPED_TRACE(head.cuts[i].name);
            EXPECT_NEAR(static_cast<double>(head.cuts[i].endMinute),
                        static_cast<double>(strength.cuts[i].endMinute), 1e-6);
            EXPECT_NEAR(static_cast<double>(head.cuts[i].product.mass),
                        static_cast<double>(strength.cuts[i].product.mass), 1e-6);
        }
        // Read forwards off the rows: no row of the hearts is above the
        // mark, and the tails begin at it (to the search's 1e-9 K, as the
        // strength at the mark is found to 1e-12).
        for (const BatchRow& row : head.timeline) {
            SCOPED_TRACE(static_cast<double>(row.minute));
            EXPECT_TRUE(row.cut != "hearts" || row.headTemperature <= celsius)
                << static_cast<double>(row.headTemperature);
            EXPECT_TRUE(row.cut != "tails" || row.headTemperature >= celsius - 1e-9)
                << static_cast<double>(row.headTemperature);
        }
        const BatchRow& tails = head.timeline.at(head.timeline.size() - 1);
        EXPECT_NEAR(static_cast<double>(tails.headTemperature), stopCelsius, 1e-6);
    }
}

// The column model is for 1 atm and the pressure moves only the head's
// temperature: a run cut by strength has the same rows at any pressure but
// the last column, which at 1 atm is the model's temperature of the
// product, bit for bit, and lower at a lower pressure.
TEST(HeadTemperatureCuts, TheTimelinesHeadTemperatureFollowsThePressureAlone) {
    InitFloatingPoint();
    const CutCondition hearts{CutEnd::ProductBelow, {}, 80};
    const BatchResult standard = RunBatch(Wash(kStandardHpa, hearts), {});
    const BatchResult low = RunBatch(Wash(900, hearts), {});
    ASSERT_GT(standard.timeline.size(), 10u);
    ASSERT_EQ(low.timeline.size(), standard.timeline.size());
    for (std::size_t i = 0; i < standard.timeline.size(); ++i) {
        const BatchRow& at = standard.timeline[i];
        const BatchRow& below = low.timeline[i];
        SCOPED_TRACE(static_cast<double>(at.minute));
        EXPECT_EQ(at.headTemperature, temperature(*at.result.productStrength / 100));
        EXPECT_LT(below.headTemperature, at.headTemperature);
        EXPECT_EQ(below.minute, at.minute);
        EXPECT_EQ(below.result.productStrength, at.result.productStrength);
        EXPECT_EQ(below.boilerTemperature, at.boilerTemperature);
    }
}

}  // namespace
}  // namespace colmara
