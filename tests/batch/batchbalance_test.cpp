// The run's balances and integration: the charge is found again in the cuts
// and the residue, a pot still without reflux follows the Rayleigh integral
// of the model's own product strength, and a tighter tolerance moves no cut.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>

#include "batch/batchrun.h"
#include "model/column.h"
#include "runtime/fpcheck.h"
#include "study/caseresult.h"
#include "study/valuetext.h"

namespace colmara {
namespace {

::testing::AssertionResult Near(long double actual, long double expected, long double relative) {
    if (std::fabs(actual - expected) <= relative * std::fabs(expected))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << static_cast<double>(actual) << " vs " << static_cast<double>(expected) << ", beyond "
           << static_cast<double>(relative) << " relative";
}

// Random runs over both policies, both charge units, both strength units and
// every kind of cut and stop.
BatchRequest RandomRequest(std::mt19937& random, int n) {
    auto pick = [&](int low, int high) { return std::uniform_int_distribution(low, high)(random); };
    BatchRequest request;
    request.charge = pick(1, 40) * 500;
    request.chargeUnit = n % 2 == 0 ? ChargeUnit::Millilitres : ChargeUnit::Grams;
    request.unit = n % 3 == 0 ? StrengthUnit::Volume : StrengthUnit::Weight;
    request.inputs = {std::to_string(pick(5, 30) * 100), std::to_string(pick(3, 40)),
                      std::to_string(pick(0, 12)), std::to_string(pick(0, 8))};
    if (n % 4 == 3) {
        request.policy = BatchPolicy::Strength;
        request.targetStrength = pick(60, 80);
        request.maxReflux = 20;
        request.inputs.plates = std::to_string(pick(5, 12));
        request.inputs.strength = std::to_string(pick(10, 40));
    }
    const Amount heads{static_cast<double>(pick(1, 5)), static_cast<AmountUnit>(pick(0, 2))};
    request.cuts = {{"heads", {CutEnd::Amount, heads, 0}},
                    {"hearts", {CutEnd::ProductBelow, {}, static_cast<double>(pick(50, 85))}},
                    {"late", {CutEnd::Minute, {}, static_cast<double>(pick(60, 400))}},
                    {"tails", {}}};
    if (pick(0, 1)) request.stops.boilerBelow = pick(1, 20) / 10.0;
    if (pick(0, 1)) request.stops.productBelow = pick(5, 40);
    if (pick(0, 2) == 0)
        request.stops.collected = Amount{pick(1, 90) * 1.0, AmountUnit::AlcoholShare};
    return request;
}

TEST(BatchBalance, ChargeEqualsResidueAndCutsInMassAndEthanol) {
    InitFloatingPoint();
    std::mt19937 random(20261208);
    for (int n = 0; n < 24; ++n) {
        const BatchRequest request = RandomRequest(random, n);
        SCOPED_TRACE(std::to_string(n) + ": " + request.inputs.strength + " x " +
                     std::to_string(request.charge) + ", plates " + request.inputs.plates);
        const BatchResult result = RunBatch(request, FormatSettings());
        // The charge, as the run read it: the first row is the charge.
        const BatchRow& first = result.timeline.front();
        const long double mass = first.boilerMass;
        const long double ethanol = mass * first.boilerPercent / 100;
        long double massOut = result.residue.mass;
        long double ethanolOut = result.residue.ethanol;
        for (const CutResult& cut : result.cuts) {
            massOut += cut.product.mass;
            ethanolOut += cut.product.ethanol;
            EXPECT_GE(cut.product.mass, 0);
            EXPECT_LE(cut.startMinute, cut.endMinute);
        }
        EXPECT_TRUE(Near(massOut, mass, 1e-9L));
        EXPECT_TRUE(Near(ethanolOut, ethanol, 1e-9L));
        // Heads that ended before the run did hold exactly their amount.
        const Collected& heads = result.cuts[0].product;
        const Amount& amount = request.cuts[0].end.amount;
        if (result.cuts[0].endMinute < result.cuts.back().endMinute) {
            const long double held[] = {heads.mass, heads.Volume(), heads.ethanol / ethanol * 100};
            EXPECT_TRUE(Near(held[static_cast<int>(amount.unit)], amount.value, 1e-9L));
        }
        EXPECT_EQ(result.timeline.back().collected, mass - result.residue.mass);
    }
}

// What left the boiler between two rows, against the rows' rates at either
// end: where a rate falls or rises steadily, its integral lies between the
// two ends times the hours, give or take the integration's own error.
::testing::AssertionResult TakenAtTheRowsRates(long double taken, long double rateA,
                                               long double rateB, long double hours) {
    constexpr long double kIntegration = 2e-3L;
    const long double low = std::min(rateA, rateB) * hours * (1 - kIntegration) - 1e-9L;
    const long double high = std::max(rateA, rateB) * hours * (1 + kIntegration) + 1e-9L;
    if (taken >= low && taken <= high) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << static_cast<double>(taken) << " g taken, the rows' rates give "
           << static_cast<double>(low) << " to " << static_cast<double>(high) << " g";
}

// Every row is a moment of the run: the boiler and what was collected make the
// charge, and between two rows what was collected, and the ethanol the
// boiler lost, are what the rows' product amount, and its ethanol, give over
// the time between them. A product strength or amount a row shows but the
// boiler does not give breaks it, as would rows over the wrong minutes.
TEST(BatchBalance, EveryRowBalancesMassAndEthanolWithTheProductItShows) {
    InitFloatingPoint();
    std::mt19937 random(20261209);
    for (int n = 0; n < 10; ++n) {
        BatchRequest request = RandomRequest(random, n);
        request.everyMinutes = 5;
        SCOPED_TRACE(std::to_string(n) + ": " + request.inputs.strength + " x " +
                     std::to_string(request.charge) + ", plates " + request.inputs.plates);
        const std::vector<BatchRow> rows = RunBatch(request, FormatSettings()).timeline;
        ASSERT_GE(rows.size(), 2u);
        const long double charge = rows[0].boilerMass;
        const auto ethanol = [](const BatchRow& row) {
            return row.boilerMass * row.boilerPercent / 100;
        };
        const auto ethanolRate = [](const BatchRow& row) {
            return *row.result.productAmount * *row.result.productStrength / 100;
        };
        for (std::size_t i = 1; i < rows.size(); ++i) {
            const BatchRow& a = rows[i - 1];
            const BatchRow& b = rows[i];
            SCOPED_TRACE(std::to_string(static_cast<double>(b.minute)) + " min");
            const long double hours = (b.minute - a.minute) / 60;
            EXPECT_TRUE(Near(b.boilerMass + b.collected, charge, 1e-9L));
            EXPECT_TRUE(TakenAtTheRowsRates(b.collected - a.collected, *a.result.productAmount,
                                            *b.result.productAmount, hours));
            EXPECT_TRUE(TakenAtTheRowsRates(ethanol(a) - ethanol(b), ethanolRate(a), ethanolRate(b),
                                            hours));
        }
    }
}

// The Rayleigh integral ln(W0 / W1) = integral over w from w1 to w0 of
// dw / (y(w) - w), with y the product strength of a pot still without
// reflux, by the composite Simpson rule on an even grid of field texts.
struct Rayleigh {
    long double mass = 0;
    long double ethanol = 0;
};

Rayleigh RayleighCollected(long double charge, const std::string& from, const std::string& to) {
    Column column;
    const auto inverseExcess = [&column](long double percent) {
        const std::string text = ValueText(static_cast<double>(percent), false, {});
        const CaseResult result = SolveCase(column, {"1500", text, "0", "0"}, {});
        return 1 / (*result.productStrength / 100 - column.boilerstrength);
    };
    const long double w0 = std::stold(from);
    const long double w1 = std::stold(to);
    const int intervals = 4000;
    const long double h = (w0 - w1) / intervals;
    long double sum = inverseExcess(w1) + inverseExcess(w0);
    for (int k = 1; k < intervals; ++k) sum += (k % 2 ? 4 : 2) * inverseExcess(w1 + h * k);
    const long double logRatio = sum * h / 3 / 100;
    const long double left = charge * std::exp(-logRatio);
    return {charge - left, charge * w0 / 100 - left * w1 / 100};
}

TEST(BatchBalance, PotStillFollowsTheRayleighIntegral) {
    InitFloatingPoint();
    struct Case {
        const char* charge;
        const char* stop;
    };
    for (const Case& c : {Case{"10", "1"}, Case{"30", "5"}, Case{"60", "20"}, Case{"4", "0.5"}}) {
        SCOPED_TRACE(std::string(c.charge) + " down to " + c.stop);
        BatchRequest request;
        request.charge = 10000;
        request.chargeUnit = ChargeUnit::Grams;
        request.inputs = {"1500", c.charge, "0", "0"};
        request.cuts = {{"all", {}}};
        request.stops.boilerBelow = std::stod(c.stop);
        const BatchResult result = RunBatch(request, FormatSettings());
        const Rayleigh expected = RayleighCollected(10000, c.charge, c.stop);
        EXPECT_TRUE(Near(result.cuts[0].product.mass, expected.mass, 5e-4L));
        EXPECT_TRUE(Near(result.cuts[0].product.ethanol, expected.ethanol, 5e-4L));
    }
}

TEST(BatchBalance, ATenfoldTighterToleranceMovesNoCut) {
    InitFloatingPoint();
    for (const char* plates : {"0", "6", "25"}) {
        for (const BatchPolicy policy : {BatchPolicy::Reflux, BatchPolicy::Strength}) {
            SCOPED_TRACE(std::string(plates) + " plates, policy " +
                         std::to_string(static_cast<int>(policy)));
            if (policy == BatchPolicy::Strength && std::string(plates) == "0") continue;
            BatchRequest request;
            request.inputs = {"1200", "12", plates, "2"};
            request.policy = policy;
            request.targetStrength = 85;
            request.maxReflux = 15;
            request.cuts = DefaultCuts({2, AmountUnit::AlcoholShare}, 75);
            request.stops.productBelow = 30;
            const BatchResult loose = RunBatch(request, FormatSettings());
            request.tolerance /= 10;
            const BatchResult tight = RunBatch(request, FormatSettings());
            ASSERT_EQ(loose.cuts.size(), tight.cuts.size());
            for (std::size_t i = 0; i < loose.cuts.size(); ++i) {
                SCOPED_TRACE(loose.cuts[i].name);
                EXPECT_TRUE(Near(loose.cuts[i].product.mass, tight.cuts[i].product.mass, 1e-4L));
                EXPECT_TRUE(Near(loose.cuts[i].startMinute, tight.cuts[i].startMinute, 1e-4L));
                EXPECT_TRUE(Near(loose.cuts[i].endMinute, tight.cuts[i].endMinute, 1e-4L));
            }
        }
    }
}

}  // namespace
}  // namespace colmara
