// The timeline: every row is what its printed field texts calculate, in
// either locale and unit, and the strength policy holds its product strength
// with a reflux that never falls.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "batch/batchmoment.h"
#include "batch/batchrecords.h"
#include "batch/batchrun.h"
#include "runtime/fpcheck.h"
#include "study/plateprofile.h"
#include "study/separatecalculate.h"
#include "study/strengthunit.h"

namespace colmara {
namespace {

using test::CommaSettings;
using test::SameResult;
using test::SeparateCalculate;

double HeartsUntil(StrengthUnit unit) {
    return unit == StrengthUnit::Volume ? 86 : 80;
}

BatchRequest Request(const char* plates, BatchPolicy policy, StrengthUnit unit,
                     const FormatSettings& settings) {
    BatchRequest request;
    request.charge = 15000;
    request.unit = unit;
    request.inputs = {"1500", "9" + settings.decimalSeparator + "50", plates, "2"};
    request.policy = policy;
    request.targetStrength = unit == StrengthUnit::Volume ? 90 : 85;
    request.maxReflux = 12;
    request.everyMinutes = 15;
    request.cuts = DefaultCuts({150, AmountUnit::Millilitres}, HeartsUntil(unit));
    request.stops.productBelow = 25;
    return request;
}

TEST(BatchRows, EqualSeparateCalculationsOfTheirPrintedTexts) {
    InitFloatingPoint();
    for (const FormatSettings& settings : {FormatSettings{}, CommaSettings()}) {
        for (const StrengthUnit unit : {StrengthUnit::Weight, StrengthUnit::Volume}) {
            for (const BatchPolicy policy : {BatchPolicy::Reflux, BatchPolicy::Strength}) {
                SCOPED_TRACE(settings.decimalSeparator + " unit " +
                             std::to_string(static_cast<int>(unit)) + " policy " +
                             std::to_string(static_cast<int>(policy)));
                const BatchResult result =
                    RunBatch(Request("10", policy, unit, settings), settings);
                ASSERT_GT(result.timeline.size(), 5u);
                for (const BatchRow& row : result.timeline) {
                    SCOPED_TRACE(static_cast<double>(row.minute));
                    EXPECT_TRUE(SameResult(row.result, SeparateCalculate(row.inputs, settings)));
                    // The boiler's temperature is the profile's plate 0 for
                    // the same texts.
                    EXPECT_EQ(row.boilerTemperature,
                              ProfileCase(row.inputs, settings).plates.at(0).temperature);
                    // Hearts end where the product falls below their mark
                    // (by weight where the correlations jump, at 80 %): no
                    // row of the hearts is below it, no later row above it.
                    const long double product = *row.result.ProductStrength(unit);
                    const double mark = HeartsUntil(unit);
                    EXPECT_TRUE(row.cut != "hearts" || product >= mark) << product;
                    EXPECT_TRUE(row.cut != "tails" || product < mark) << product;
                }
                // The first row is the charge as typed, trailing zero and all.
                if (unit == StrengthUnit::Weight) {
                    EXPECT_EQ(result.timeline.front().inputs.strength,
                              "9" + settings.decimalSeparator + "50");
                }
            }
        }
    }
}

// Under the maximum every row reaches the target in the request's unit, and
// where the reflux rose, a reflux one step of the seek lower would not. A
// maximum of 10000 (ten million steps and more from 0) is searched as well.
TEST(BatchRows, StrengthPolicyHoldsTheProductWithARefluxThatNeverFalls) {
    InitFloatingPoint();
    struct Case {
        const char* plates;
        StrengthUnit unit;
        double maxReflux;
        bool reachesMaximum;
    };
    for (const Case& c :
         {Case{"5", StrengthUnit::Weight, 12, true}, Case{"20", StrengthUnit::Weight, 12, true},
          Case{"5", StrengthUnit::Volume, 12, true},  // 90 % vol, 85.7 % by weight
          Case{"5", StrengthUnit::Weight, 10000, true}}) {
        SCOPED_TRACE(std::string(c.plates) + " plates, maximum " + std::to_string(c.maxReflux));
        const FormatSettings settings;
        BatchRequest request = Request(c.plates, BatchPolicy::Strength, c.unit, settings);
        request.maxReflux = c.maxReflux;
        const BatchResult result = RunBatch(request, settings);
        long double lastReflux = 0;
        int held = 0;
        for (const BatchRow& row : result.timeline) {
            SCOPED_TRACE(row.inputs.strength + " at reflux " + row.inputs.reflux);
            const long double reflux = std::stold(row.inputs.reflux);
            EXPECT_GE(reflux, lastReflux);
            const bool rose = reflux > lastReflux;
            lastReflux = reflux;
            if (reflux >= request.maxReflux) continue;
            EXPECT_GE(*row.result.ProductStrength(c.unit), request.targetStrength);
            if (rose) {
                InputTexts lower = row.inputs;
                lower.reflux = std::to_string(static_cast<double>(reflux - kBatchRefluxResolution));
                const CaseResult below = SeparateCalculate(lower, settings);
                EXPECT_LT(*below.ProductStrength(c.unit), request.targetStrength) << lower.reflux;
            }
            ++held;
        }
        EXPECT_GT(held, 3);
        EXPECT_EQ(lastReflux >= request.maxReflux, c.reachesMaximum);
    }
}

// Each row is a moment of its own: a run stopped the moment it starts has
// one row, and a cut that collects nothing still shows where the next begins.
TEST(BatchRows, NoRowRepeatsAMoment) {
    InitFloatingPoint();
    BatchRequest request = Request("10", BatchPolicy::Reflux, StrengthUnit::Weight, {});
    request.stops = {};
    request.stops.boilerBelow = 12;  // the charge holds 9.5 %
    const BatchResult stopped = RunBatch(request, {});
    ASSERT_EQ(stopped.timeline.size(), 1u);
    EXPECT_EQ(stopped.timeline[0].cut, "heads");

    request.stops = {};
    request.stops.productBelow = 25;
    request.cuts = DefaultCuts({0, AmountUnit::Millilitres}, 80);
    const BatchResult empty = RunBatch(request, {});
    ASSERT_GE(empty.timeline.size(), 3u);
    EXPECT_EQ(empty.timeline[0].cut, "heads");
    EXPECT_EQ(empty.timeline[1].cut, "hearts");
    for (std::size_t i = 1; i < empty.timeline.size(); ++i)
        EXPECT_FALSE(empty.timeline[i].minute == empty.timeline[i - 1].minute &&
                     empty.timeline[i].cut == empty.timeline[i - 1].cut)
            << i;
}

std::vector<std::string> Split(const std::string& text, const std::string& at) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(at, start)) != std::string::npos;
         start = end + at.size())
        parts.push_back(text.substr(start, end - start));
    parts.push_back(text.substr(start));
    return parts;
}

// Each row's CSV cells read back as its texts and figures under their own
// keys, in either unit (plates and reflux differ, so a swap shows).
TEST(BatchRows, CsvCellsReadBackUnderTheirKeys) {
    InitFloatingPoint();
    for (const StrengthUnit unit : {StrengthUnit::Weight, StrengthUnit::Volume}) {
        const BatchResult result =
            RunBatch(Request("10", BatchPolicy::Reflux, unit, FormatSettings()), {});
        std::vector<std::string> lines = Split(BatchCsv(result, unit, false), "\r\n");
        ASSERT_EQ(lines.back(), "");
        lines.pop_back();
        ASSERT_EQ(lines.size(), result.timeline.size() + 1);
        const std::vector<std::string> keys = Split(lines[0], ",");
        const auto cell = [&keys](const std::string& line, const std::string& key) {
            const std::size_t at = std::find(keys.begin(), keys.end(), key) - keys.begin();
            return Split(line, ",").at(at);
        };
        for (std::size_t i = 0; i < result.timeline.size(); ++i) {
            const BatchRow& row = result.timeline[i];
            const std::string& line = lines[i + 1];
            SCOPED_TRACE(line);
            EXPECT_EQ(cell(line, "power"), "1500");
            EXPECT_EQ(cell(line, "strength"), row.inputs.strength);
            EXPECT_EQ(cell(line, "plates"), "10");
            EXPECT_EQ(cell(line, "reflux"), "2");
            EXPECT_EQ(cell(line, "cut"), row.cut);
            EXPECT_EQ(std::stod(cell(line, "time_min")), static_cast<double>(row.minute));
            EXPECT_EQ(std::stod(cell(line, "collected")), static_cast<double>(row.collected));
            EXPECT_EQ(std::stod(cell(line, "boiler_mass")), static_cast<double>(row.boilerMass));
        }
    }
}

TEST(BatchRows, HeadersFollowTheUnitAsASweepDoes) {
    const BatchRow row;
    EXPECT_EQ(CsvHeader(BatchRowRecord(row, StrengthUnit::Weight)),
              "time_min,power,strength,plates,reflux,boiler_mass,boiler_temperature,"
              "product_strength,product_amount,collected,cut,head_temperature\r\n");
    EXPECT_EQ(CsvHeader(BatchRowRecord(row, StrengthUnit::Volume)),
              "time_min,power,strength_vol,strength,plates,reflux,boiler_mass,"
              "boiler_temperature,product_strength_vol,product_amount,collected,cut,"
              "head_temperature\r\n");
    EXPECT_EQ(CsvHeader(BatchRowRecord(row, StrengthUnit::Mole)),
              "time_min,power,strength_mol,strength,plates,reflux,boiler_mass,"
              "boiler_temperature,product_strength_mol,product_amount,collected,cut,"
              "head_temperature\r\n");
    EXPECT_EQ(CsvHeader(CutRecord({})),
              "name,start_min,end_min,mass_g,volume_ml,strength,strength_vol,ethanol_g\r\n");
}

}  // namespace
}  // namespace colmara
