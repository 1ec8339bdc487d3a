#include "study/caseresult.h"

#include <gtest/gtest.h>

#include "model/column.h"
#include "model/properties.h"
#include "report/reportcollector.h"
#include "study/plateprofile.h"
#include "study/separatecalculate.h"

namespace colmara {
namespace {

using testing::CommaSettings;
using testing::SameResult;
using testing::SeparateCalculate;

// One column solves every case in turn, as a worker's does, so a value left
// over from an earlier case (a fault half-way, a larger plate count) would
// show up in a later one.
TEST(SolveCase, EqualsASeparateCalculateOnAFreshColumn) {
    struct Case {
        InputTexts inputs;
        bool comma;
        const char* error;  // nullptr when the case solves
    };
    const Case cases[] = {
        {{"1000", "20", "15", "1"}, false, nullptr},
        {{}, false, nullptr},  // start texts: the top-down re-solve runs
        {{"0", "1", "20", "15"}, false, "Invalid floating point operation."},
        {{"1000", "1", "20", "-1"}, false, "Floating point division by zero."},
        {{"1000", "1", "101", "15"}, false, "The number of plates must be from 0 to 100."},
        {{"1500", "10", "0", "3"}, false, nullptr},  // pot still: no top temperature
        {{"1000", "-5", "20", "15"}, false, "Floating point division by zero."},
        {{"1000", "1.5", "20", "15"}, true, "'1.5' is not a valid floating point value."},
        {{"1000", "1,5", "7", "2,25"}, true, nullptr},
        {{"x", "1", "20", "15"}, false, "'x' is not a valid integer value."},
        {{"2500", "12", "3", "0"}, false, nullptr},
    };
    Column column;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.inputs.power + "/" + c.inputs.strength + "/" + c.inputs.plates + "/" +
                     c.inputs.reflux);
        const FormatSettings settings = c.comma ? CommaSettings() : FormatSettings();
        const CaseResult result = SolveCase(column, c.inputs, settings);
        EXPECT_TRUE(SameResult(result, SeparateCalculate(c.inputs, settings)));
        EXPECT_EQ(result.error.value_or(""), c.error ? c.error : "");
        EXPECT_EQ(result.topTemperature.has_value(), result.Solved() && c.inputs.plates != "0");
    }
}

TEST(PlateProfile, BoilerThenEveryPlateStraightFromTheTables) {
    const FormatSettings settings;
    for (const char* plates : {"15", "0", "100"}) {
        SCOPED_TRACE(plates);
        const InputTexts inputs{"1000", "20", plates, "1"};
        const CaseProfile profile = ProfileCase(inputs, settings);
        Column column;
        ReportCollector sink;
        Calculate(column, inputs, sink, FixedReportOptions(), settings);
        ASSERT_EQ(profile.plates.size(), static_cast<std::size_t>(column.plates) + 1);

        const PlateRow& boiler = profile.plates[0];
        EXPECT_EQ(boiler.plate, 0);
        EXPECT_EQ(boiler.liquidStrength, column.boilerstrength * 100);
        EXPECT_EQ(boiler.vapourStrength, vapourstrength(column.boilerstrength) * 100);
        EXPECT_EQ(boiler.temperature, temperature(vapourstrength(column.boilerstrength)));
        EXPECT_FALSE(boiler.reflux.has_value());
        for (int plate = 1; plate <= column.plates; ++plate) {
            const PlateRow& row = profile.plates[static_cast<std::size_t>(plate)];
            EXPECT_EQ(row.plate, plate);
            EXPECT_EQ(row.temperature, column.temperaturetable[plate]);
            EXPECT_EQ(row.vapourStrength, column.vapourtable[plate] * 100);
            EXPECT_EQ(row.liquidStrength, column.liquidtable[plate] * 100);
            EXPECT_EQ(row.reflux, column.refluxtable[plate]);
        }
        // The report lists the top plate first: its liquid line shows the
        // profile's last row.
        if (column.plates > 0) {
            EXPECT_EQ(sink.ReportLines()[10],
                      "liquid strength        " +
                          FormatExtended("00.00", profile.plates.back().liquidStrength, settings) +
                          " %");
        }
    }
}

TEST(PlateProfile, AFailedCaseHasNoRows) {
    const CaseProfile profile = ProfileCase({"0", "1", "20", "15"}, FormatSettings());
    EXPECT_EQ(profile.result.error, "Invalid floating point operation.");
    EXPECT_TRUE(profile.plates.empty());
}

}  // namespace
}  // namespace colmara
