// Bounded work: an interval that would give a timeline too many rows is
// refused naming the limit, a run for its cuts alone solves no row, a run
// whose times no number holds ends with a message, and a cancelled run stops
// at its next check, having told its progress on the way.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "batch/batchmoment.h"
#include "batch/batchrecords.h"
#include "batch/batchrun.h"
#include "runtime/fpcheck.h"
#include "study/studyerror.h"

namespace colmara {
namespace {

// A pot still (cheap moments) run down to a boiler strength.
BatchRequest PotStill() {
    BatchRequest request;
    request.charge = 10000;
    request.inputs = {"2000", "10", "0", "0"};
    request.cuts = {{"all", {}}};
    request.stops.boilerBelow = 2;
    return request;
}

// The rows of an interval are its multiples strictly between the start of
// distilling and the end: near the limit they are counted here, by hand, and
// a run is refused exactly when they are more than the limit.
TEST(BatchBounds, AnIntervalGivingTooManyRowsIsRefusedNamingTheLimit) {
    InitFloatingPoint();
    BatchRequest request = PotStill();
    request.timeline = false;
    const BatchResult cuts = RunBatch(request, {});
    const long double start = cuts.heatUpMinutes;
    const long double end = start + cuts.runMinutes;
    request.timeline = true;
    int refusals = 0;
    for (const long double rows :
         {kMostTimelineRows - 0.5L, kMostTimelineRows + 0.5L, kMostTimelineRows + 1.5L, 1e303L}) {
        const long double every = (end - start) / rows;
        long double multiples = 0;
        for (long double k = std::floor(start / every) + 1; k * every < end && multiples < 1e4L;
             ++k)
            ++multiples;
        SCOPED_TRACE(std::to_string(static_cast<double>(multiples)) + " multiples");
        request.everyMinutes = static_cast<double>(every);
        try {
            const BatchResult result = RunBatch(request, {});
            EXPECT_LE(multiples, kMostTimelineRows);
            EXPECT_EQ(result.timeline.size(), multiples + 2);  // with the start and the end
        } catch (const StudyError& e) {
            ++refusals;
            EXPECT_GT(multiples, kMostTimelineRows);
            EXPECT_TRUE(e.Message().starts_with("Timeline interval: ")) << e.Message();
            EXPECT_NE(e.Message().find(std::to_string(kMostTimelineRows)), std::string::npos)
                << e.Message();
        }
    }
    EXPECT_GE(refusals, 2);
}

TEST(BatchBounds, TheCutsAloneAreTheSameWithoutATimeline) {
    InitFloatingPoint();
    BatchRequest request = PotStill();
    request.cuts = DefaultCuts({2, AmountUnit::AlcoholShare}, 60);
    request.everyMinutes = 1e-300;  // refused were a timeline built
    request.timeline = false;
    const BatchResult alone = RunBatch(request, {});
    EXPECT_TRUE(alone.timeline.empty());
    request.everyMinutes = 7;
    request.timeline = true;
    const BatchResult whole = RunBatch(request, {});
    EXPECT_EQ(BatchCsv(alone, request.unit, true), BatchCsv(whole, request.unit, true));
    EXPECT_EQ(alone.energyKwh, whole.energyKwh);
    EXPECT_LT(alone.solves, whole.solves);
}

// A reflux of 1e308 brings a product of some 1e-305 g/h: a run of more
// minutes than a double holds, which ends with a message, timeline or not.
TEST(BatchBounds, ARunLongerThanANumberHoldsEndsWithAMessage) {
    InitFloatingPoint();
    for (const bool timeline : {true, false}) {
        BatchRequest request = PotStill();
        request.inputs = {"1000", "10", "20", "1e308"};
        request.timeline = timeline;
        EXPECT_THROW(RunBatch(request, {}), BatchFailure) << timeline;
    }
}

// The strength policy's seek bisects its range, so a maximum reflux of 10^9
// (10^12 steps) is searched; above it the request is refused before anything
// is solved, naming the limit.
TEST(BatchBounds, AMaximumRefluxAboveTheMostSearchedIsRefused) {
    InitFloatingPoint();
    BatchRequest request = PotStill();
    request.inputs.plates = "5";
    request.policy = BatchPolicy::Strength;
    request.targetStrength = 70;
    request.timeline = false;
    request.maxReflux = kBatchMostMaxReflux;
    EXPECT_GT(RunBatch(request, {}).cuts[0].product.mass, 0);
    request.maxReflux = std::nextafter(kBatchMostMaxReflux, 2 * kBatchMostMaxReflux);
    try {
        RunBatch(request, {});
        ADD_FAILURE() << "ran";
    } catch (const StudyError& e) {
        EXPECT_EQ(e.Message(),
                  "maximum reflux: 1000000000.0000001 is above 1000000000, the most the "
                  "strength policy searches");
    }
}

// Cancelled once the run has told a share of at least `at`: the run throws
// its cancellation and tells nothing after. Past 0.9 only spent moments are
// left, each solved already, so the loops' own checks must see it.
TEST(BatchBounds, ACancelledRunStopsAtItsNextCheck) {
    InitFloatingPoint();
    for (const double at : {0.0, 0.3, 0.7, 0.95}) {
        SCOPED_TRACE(at);
        BatchRequest request;
        request.charge = 20000;
        request.inputs = {"1000", "10", "6", "2"};
        request.cuts = DefaultCuts({2, AmountUnit::AlcoholShare}, 75);
        request.everyMinutes = 5;
        std::vector<double> told;
        bool cancelled = false;
        request.progress = [&](double share) {
            EXPECT_FALSE(cancelled) << "told " << share << " after the cancellation";
            told.push_back(share);
        };
        request.progress(0);
        request.cancelled = [&] { return cancelled = cancelled || told.back() >= at; };
        EXPECT_THROW(RunBatch(request, {}), BatchCancelled);
        EXPECT_TRUE(cancelled);
        EXPECT_LT(told.back(), 1);
    }
}

TEST(BatchBounds, ProgressRisesToOneWithTheTimelineAsItsSecondHalf) {
    InitFloatingPoint();
    for (const bool timeline : {true, false}) {
        SCOPED_TRACE(timeline);
        BatchRequest request = PotStill();
        request.timeline = timeline;
        std::vector<double> told;
        request.progress = [&](double share) { told.push_back(share); };
        const BatchResult result = RunBatch(request, {});
        ASSERT_GT(told.size(), 3u);
        for (std::size_t i = 1; i < told.size(); ++i) EXPECT_GE(told[i], told[i - 1]) << i;
        EXPECT_GE(told.front(), 0);
        EXPECT_EQ(told.back(), 1);
        // Distilling tells the share of the charge's ethanol collected.
        const Collected& all = result.cuts[0].product;
        const double ethanol = static_cast<double>(all.ethanol + result.residue.ethanol);
        const double distilled = static_cast<double>(all.ethanol) / ethanol;
        const double half = timeline ? 0.5 : 1;
        EXPECT_NEAR(told[told.size() - 2 - (timeline ? result.timeline.size() : 0)] / half,
                    distilled, 1e-9);
    }
}

}  // namespace
}  // namespace colmara
