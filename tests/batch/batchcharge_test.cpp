// The charge as the run reads it: millilitres at 20 degC through a published
// density, and its heat-up worked by hand.
#include <gtest/gtest.h>

#include <string>

#include "batch/batchrun.h"
#include "runtime/fpcheck.h"

namespace colmara {
namespace {

// Densities at 20 degC of ethanol-water mixtures by weight, g/ml, as the
// handbooks' tables give them (0.98187 at 10 %, 0.93518 at 40 %): the same
// charge typed in ml and in g gives the same run.
TEST(BatchCharge, MillilitresAreGramsThroughThePublishedDensity) {
    InitFloatingPoint();
    struct Case {
        const char* strength;
        double gramsPerMl;
    };
    for (const Case c : {Case{"10", 0.98187}, Case{"40", 0.93518}}) {
        SCOPED_TRACE(c.strength);
        BatchRequest request;
        request.inputs = {"1500", c.strength, "8", "2"};
        request.cuts = DefaultCuts({100, AmountUnit::Millilitres}, 80);
        request.stops.productBelow = 30;
        request.timeline = false;
        request.charge = 10000;
        request.chargeUnit = ChargeUnit::Millilitres;
        const BatchResult inMl = RunBatch(request, {});
        request.charge = 10000 * c.gramsPerMl;
        request.chargeUnit = ChargeUnit::Grams;
        const BatchResult inGrams = RunBatch(request, {});
        // Within the table's rounding and the density formula's error.
        EXPECT_NEAR(static_cast<double>(inMl.residue.mass / inGrams.residue.mass), 1, 2e-4);
        for (std::size_t i = 0; i < inMl.cuts.size(); ++i)
            EXPECT_NEAR(static_cast<double>(inMl.cuts[i].product.mass),
                        static_cast<double>(inGrams.cuts[i].product.mass),
                        2e-4 * static_cast<double>(inGrams.cuts[i].product.mass) + 1e-9)
                << inMl.cuts[i].name;
    }
}

// 1 kg of water (a trace of ethanol, so that it runs) warmed to its boiling
// point, 100 degC, at 4.18 J/(g K): 1000 x 4.18 x 80 J at 1 kW is 5.57 min.
TEST(BatchCharge, TheHeatUpIsTheChargesHeatOverThePower) {
    InitFloatingPoint();
    struct Case {
        double grams;
        const char* power;
        double startCelsius;
        double minutes;  // by hand
    };
    for (const Case c : {Case{1000, "1000", 20, 1000 * 4.18 * 80 / 1000 / 60},
                         Case{1000, "2000", 20, 1000 * 4.18 * 80 / 2000 / 60},
                         Case{3000, "1000", 20, 3000 * 4.18 * 80 / 1000 / 60},
                         Case{1000, "1000", 60, 1000 * 4.18 * 40 / 1000 / 60}}) {
        SCOPED_TRACE(std::to_string(c.grams) + " g at " + c.power + " W from " +
                     std::to_string(c.startCelsius));
        BatchRequest request;
        request.charge = c.grams;
        request.chargeUnit = ChargeUnit::Grams;
        request.inputs = {c.power, "0.001", "0", "0"};
        request.startCelsius = c.startCelsius;
        request.cuts = {{"all", {}}};
        request.timeline = false;
        const BatchResult result = RunBatch(request, {});
        // Within 0.5 %: the model boils such water a few hundredths of a
        // degree above 100 degC.
        EXPECT_NEAR(static_cast<double>(result.heatUpMinutes), c.minutes, 0.005 * c.minutes);
    }
}

}  // namespace
}  // namespace colmara
