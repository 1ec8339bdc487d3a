#include "study/plateprofile.h"

#include <gtest/gtest.h>

#include "model/column.h"
#include "model/properties.h"
#include "report/reportcollector.h"

namespace colmara {
namespace {

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
