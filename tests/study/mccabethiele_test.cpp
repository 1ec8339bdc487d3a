#include "study/mccabethiele.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "model/column.h"
#include "model/properties.h"
#include "report/reportcollector.h"
#include "study/mccabetable.h"

namespace colmara {
namespace {

void ExpectPoint(const XYPoint& point, long double x, long double y) {
    EXPECT_DOUBLE_EQ(point.x, static_cast<double>(x));
    EXPECT_DOUBLE_EQ(point.y, static_cast<double>(y));
}

TEST(McCabeDiagram, StaircaseAndOperatingPointsComeFromTheSolvedTables) {
    const FormatSettings settings;
    const InputTexts cases[] = {
        {"1000", "10", "0", "1"},    // pot still: one step across to the product
        {"1000", "10", "1", "1"},    // one plate
        {"1000", "1", "20", "15"},   // the start inputs, solved again from the top
        {"2500", "8", "100", "3"},   // every plate of the tables
        {"1000", "20", "6", "0.2"},  // low reflux: the operating line far below the curve
    };
    for (const InputTexts& inputs : cases) {
        SCOPED_TRACE(inputs.plates + " plates, reflux " + inputs.reflux);
        Column column;
        ReportCollector sink;
        Calculate(column, inputs, sink, FixedReportOptions(), settings);
        const auto diagram = McCabeDiagramOf(ProfileCase(inputs, settings));
        ASSERT_TRUE(diagram.has_value());

        const int plates = column.plates;
        const auto vapour = [&](int i) {
            return i == 0 ? vapourstrength(column.boilerstrength) : column.vapourtable[i];
        };
        const auto liquid = [&](int i) {
            return i == 0 ? column.boilerstrength : column.liquidtable[i];
        };
        const std::vector<XYPoint> stairs = diagram->Staircase();
        const std::vector<XYPoint> operating = diagram->OperatingPoints();
        ASSERT_EQ(stairs.size(), static_cast<std::size_t>(2 * plates + 2));
        ASSERT_EQ(operating.size(), static_cast<std::size_t>(plates));
        ExpectPoint(stairs[0], liquid(0), vapour(0));
        for (int i = 1; i <= plates; ++i) {
            // Plate i's liquid meets the vapour of the stage below it.
            ExpectPoint(operating[i - 1], liquid(i), vapour(i - 1));
            EXPECT_EQ(stairs[2 * i - 1], operating[i - 1]);
            ExpectPoint(stairs[2 * i], liquid(i), vapour(i));
        }
        ExpectPoint(stairs.back(), column.topstrength, vapour(plates));
        ExpectPoint(diagram->ProductPoint(), column.topstrength, column.topstrength);
    }
}

TEST(McCabeDiagram, AFailedCaseHasNoDiagramAndNoTable) {
    const CaseProfile failed = ProfileCase({"0", "1", "20", "15"}, FormatSettings());
    EXPECT_FALSE(McCabeDiagramOf(failed).has_value());
    EXPECT_TRUE(McCabeRecords(failed).empty());
}

TEST(McCabeDiagram, EquilibriumCurveIsTheCorrelationUpToTheAzeotrope) {
    const std::vector<XYPoint>& curve = EquilibriumCurve();
    ASSERT_GT(curve.size(), 200u);
    EXPECT_EQ(curve.front(), (XYPoint{0, 0}));
    EXPECT_EQ(curve.back().x, static_cast<double>(0.9558L));
    for (std::size_t i = 0; i < curve.size(); ++i) {
        EXPECT_EQ(curve[i].y, static_cast<double>(vapourstrength(curve[i].x))) << curve[i].x;
        if (i == 0) continue;
        EXPECT_GT(curve[i].x, curve[i - 1].x);
        EXPECT_LE(curve[i].x - curve[i - 1].x, 0.0045);
    }
}

TEST(McCabeDiagram, PublishedPointsAreTheMassFractionsOfTheDataFile) {
    std::ifstream file(COLMARA_VLE_DATA);
    ASSERT_TRUE(file) << COLMARA_VLE_DATA;
    std::vector<std::pair<double, double>> expected;
    std::string line;
    bool header = true;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#') continue;
        if (std::exchange(header, false)) continue;
        std::istringstream cells(line);
        std::string t, xMole, yMole, xMass, yMass;
        for (std::string* cell : {&t, &xMole, &yMole, &xMass}) std::getline(cells, *cell, ',');
        std::getline(cells, yMass);
        expected.emplace_back(std::stod(xMass), std::stod(yMass));
    }
    const auto published = PublishedEquilibrium();
    EXPECT_EQ(std::vector(published.begin(), published.end()), expected);
    EXPECT_EQ(expected.size(), 15u);
}

TEST(McCabeTable, OneRecordPerStageInEitherUnit) {
    const CaseProfile profile = ProfileCase({"1000", "10", "3", "2"}, FormatSettings());
    struct Case {
        StrengthUnit unit;
        const char* header;
    };
    const Case cases[] = {
        {StrengthUnit::Weight,
         "plate,liquid_x,vapour_in_y,vapour_y,liquid_strength,vapour_in_strength,"
         "vapour_strength\r\n"},
        {StrengthUnit::Volume,
         "plate,liquid_x,vapour_in_y,vapour_y,liquid_strength_vol,vapour_in_strength_vol,"
         "vapour_strength_vol\r\n"},
    };
    for (const Case& c : cases) {
        const std::vector<Record> records = McCabeRecords(profile, c.unit);
        ASSERT_EQ(records.size(), 4u);
        EXPECT_EQ(CsvHeader(records[0]), c.header);
        const PlateRow& boiler = profile.plates[0];
        const PlateRow& first = profile.plates[1];
        const auto strength = [&](long double percent) {
            return NumberText(StrengthIn(c.unit, percent));
        };
        EXPECT_EQ(CsvLine(records[0]), "0," + *NumberText(boiler.liquidStrength / 100) + ",," +
                                           *NumberText(boiler.vapourStrength / 100) + "," +
                                           *strength(boiler.liquidStrength) + ",," +
                                           *strength(boiler.vapourStrength) + "\r\n");
        EXPECT_EQ(CsvLine(records[1]), "1," + *NumberText(first.liquidStrength / 100) + "," +
                                           *NumberText(boiler.vapourStrength / 100) + "," +
                                           *NumberText(first.vapourStrength / 100) + "," +
                                           *strength(first.liquidStrength) + "," +
                                           *strength(boiler.vapourStrength) + "," +
                                           *strength(first.vapourStrength) + "\r\n");
    }
}

}  // namespace
}  // namespace colmara
