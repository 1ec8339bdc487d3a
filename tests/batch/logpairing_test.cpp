// A log's readings against a run's timeline, each reading checked against a
// figure the run gives by another path: the timeline's own rows at their
// minutes, the boiling layer at another pressure, the cut table's totals at
// the end; and the readings no mixture gives are named by their line.
#include "batch/logpairing.h"

#include <gtest/gtest.h>

#include <string>

#include "batch/batchrun.h"
#include "boiling/boilingpoint.h"
#include "runtime/fpcheck.h"
#include "study/strengthunit.h"
#include "study/valuetext.h"

namespace colmara {
namespace {

std::string Text(long double value) {
    return PlainNumber(static_cast<double>(value));
}

TEST(LogPairing, ComparesEachReadingWithTheRunsOwnFigure) {
    InitFloatingPoint();
    BatchRequest request;
    request.charge = 10000;
    request.inputs = {"1000", "10", "4", "3"};
    request.cuts = DefaultCuts({3, AmountUnit::AlcoholShare}, 80);
    request.stops.productBelow = 40;
    const BatchResult run = RunBatch(request, FormatSettings());
    const BatchRow& a = run.timeline[3];
    const BatchRow& b = run.timeline[4];
    const BatchRow& last = run.timeline.back();
    Collected all;
    for (const CutResult& cut : run.cuts) {
        all.mass += cut.product.mass;
        all.ethanol += cut.product.ethanol;
    }
    const long double middle = (a.minute + b.minute) / 2;
    const long double hpa = 950;
    // The log's line, what it holds (in time order), the model's value (0:
    // no pair) and why.
    const struct {
        int line;
        std::string row;
        long double model;
        const char* why;
    } cases[] = {
        {2, Text(a.minute) + ",80,,,,", a.headTemperature, "a row's own head temperature"},
        {3, Text(a.minute) + ",,95,,,", a.boilerTemperature, "a row's own boiler temperature"},
        {4, Text(a.minute) + ",80,,,," + Text(hpa),
         VapourCondensingCelsius(*a.result.productStrength / 100, hpa),
         "at the row's own pressure"},
        {5, Text(a.minute) + ",,,90,,", VolumeFromWeight(*a.result.productStrength),
         "a sample's strength by volume"},
        {6, Text(middle) + ",,,,1,", (a.collected + b.collected) / 2,
         "half-way between two rows, half-way between their amounts"},
        {7, Text(last.minute) + ",120,60,,,", 0,
         "above water's condensing point, below the azeotrope's boiling point"},
        {8, Text(last.minute) + ",80,,,,1200", 0, "no pressure a still boils at"},
        {9, Text(last.minute + 60) + ",,,,1,", last.collected, "after the run: its end"},
    };
    std::string text =
        "time,head_temperature,boiler_temperature,product_strength_vol,"
        "collected_g,pressure_hpa\n";
    for (const auto& c : cases) text += c.row + "\n";
    const LogPairs pairs =
        PairLog(ParseRunLog(text), run.timeline, kStandardHpa, Thermometer{0.5L});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        int found = 0;
        for (const PairedReading& pair : pairs.readings)
            if (pair.point.line == c.line) {
                ++found;
                EXPECT_NEAR(static_cast<double>(pair.model), static_cast<double>(c.model), 1e-9);
            }
        EXPECT_EQ(found, c.model == 0 ? 0 : 1);
    }
    // The thermometer reads 0.5 K high: its readings are compared less that.
    EXPECT_EQ(pairs.readings.front().point.value, 79.5L);
    const std::string notes = [&] {
        std::string joined;
        for (const std::string& note : pairs.notes) joined += note + "\n";
        return joined;
    }();
    EXPECT_NE(notes.find("line 7: head_temperature 120 degC"), std::string::npos) << notes;
    EXPECT_NE(notes.find("line 7: boiler_temperature 60 degC"), std::string::npos) << notes;
    EXPECT_NE(notes.find("line 8: pressure"), std::string::npos) << notes;
    const LogPairs ml = PairLog(ParseRunLog("time,collected_ml\n" + Text(last.minute) + ",1\n"),
                                run.timeline, kStandardHpa, Thermometer{});
    ASSERT_EQ(ml.readings.size(), 1u);
    EXPECT_NEAR(static_cast<double>(ml.readings[0].model), static_cast<double>(all.Volume()),
                1e-6 * static_cast<double>(all.Volume()));
}

}  // namespace
}  // namespace colmara
