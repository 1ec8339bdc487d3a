// The still's sizing: the vapour load against ideal-gas figures worked here,
// and a sized run against the column the window's calculation leaves.
#include "spirit/stillsize.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <string>

#include "model/column.h"
#include "model/properties.h"
#include "spirit/packings.h"
#include "study/caseresult.h"

namespace colmara {
namespace {

// Worked by hand: water vapour at 100 degC and 1 atm weighs
// 101325 x 0.018015 / (8.314462618 x 373.15) = 0.588347 kg/m3; 1000 g/h of it
// is 4.7214e-4 m3/s, which over a 54 mm bore (2.29022e-3 m2) moves at
// 0.206152 m/s, an F-factor of 0.158126 Pa^0.5. A vapour of 90 % ethanol by
// weight (M = 39.8609 g/mol) at 78.5 degC weighs 1.381397 kg/m3.
TEST(VapourLoad, MatchesIdealGasFiguresWorkedByHand) {
    const VapourLoad water = LoadOf(1000, 0, 100, 54);
    EXPECT_NEAR(static_cast<double>(water.density), 0.588347, 1e-6);
    EXPECT_NEAR(static_cast<double>(water.speed), 0.206152, 1e-6);
    EXPECT_NEAR(static_cast<double>(water.fFactor), 0.158126, 1e-6);
    EXPECT_NEAR(static_cast<double>(VapourDensity(0.9L, 78.5L)), 1.381397, 1e-6);
    // Twice the bore, a quarter of the speed.
    EXPECT_NEAR(static_cast<double>(LoadOf(1000, 0, 100, 108).speed), 0.206152 / 4, 1e-6);
}

// The figures of a sized run against the column its texts leave: the
// height is plates x HETP, the bottom speed is the boiler's vapour over the
// bore, the condenser takes back the whole power (the model loses no heat),
// and the water warming by 10 K to take 2 kW is 2000 / (4.1818 x 10) g/s of
// water at 998.20123 g/l, 2.874749 l/min.
TEST(StillSize, FollowsTheSolvedColumn) {
    const InputTexts inputs{"2000", "10", "6", "3"};
    const StillSize size = SizeStill(inputs, {}, StrengthUnit::Weight, {54, 0.13L, 10});
    ASSERT_TRUE(size.result.Solved());
    Column column;
    const CaseResult result = SolveCase(column, inputs, {});
    EXPECT_EQ(size.result.productStrength, result.productStrength);
    EXPECT_NEAR(static_cast<double>(*size.columnHeightM), 0.78, 1e-15);

    const long double y = vapourstrength(column.boilerstrength);
    const VapourLoad bottom = LoadOf(column.boilervapour, y, temperature(y), 54);
    EXPECT_EQ(size.bottom.speed, bottom.speed);
    EXPECT_GT(size.top.density, size.bottom.density);  // ethanol is the heavier vapour
    // The top vapour is at the product strength and at the model's
    // temperature of that strength: an ideal gas p M / (R T) worked here.
    const long double top = column.topstrength;
    const long double molarMass = 1 / (top / 46.068L + (1 - top) / 18.015L);
    const long double kelvin = temperature(top) + 273.15L;
    EXPECT_NEAR(static_cast<double>(size.top.density),
                static_cast<double>(101325 * molarMass / 1000 / (8.314462618L * kelvin)), 1e-12);
    EXPECT_NEAR(static_cast<double>(size.condenserKw), 2.0, 1e-12);
    EXPECT_NEAR(static_cast<double>(size.coolingWaterLMin), 2.874749, 1e-6);
}

// The same run typed with a comma and by volume gives the same sizes as the
// field text by weight that the window would read.
TEST(StillSize, ReadsTheTextsAsTheWindowDoes) {
    const FormatSettings comma{",", "."};
    const StillHardware hardware{54, 0.3L, 12};
    const StillSize byComma =
        SizeStill({"1500", "9,5", "4", "2,5"}, comma, StrengthUnit::Weight, hardware);
    const StillSize byPoint =
        SizeStill({"1500", "9.5", "4", "2.5"}, {}, StrengthUnit::Weight, hardware);
    EXPECT_EQ(byComma.top.speed, byPoint.top.speed);
    EXPECT_EQ(byComma.coolingWaterLMin, byPoint.coolingWaterLMin);
    const StillSize failed = SizeStill({"1500", "x", "4", "2"}, {}, StrengthUnit::Weight, hardware);
    EXPECT_FALSE(failed.result.Solved());
    EXPECT_EQ(failed.condenserKw, 0);
}

// Every row of the data file is offered, with its HETP, under its key.
TEST(Packings, AreTheDataFilesRows) {
    std::ifstream file(COLMARA_PACKING_DATA);
    ASSERT_TRUE(file);
    std::size_t rows = 0;
    bool header = true;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line[0] == '#') continue;
        if (header) {
            header = false;
            continue;
        }
        const std::size_t first = line.find(',');
        const std::size_t last = line.rfind(',');
        const Packing* packing = FindPacking(line.substr(0, first));
        ASSERT_NE(packing, nullptr) << line;
        EXPECT_EQ(packing->name, line.substr(first + 1, last - first - 1));
        EXPECT_EQ(packing->hetpM, std::stold(line.substr(last + 1)));
        ++rows;
    }
    EXPECT_EQ(Packings().size(), rows);
    EXPECT_EQ(FindPacking("no-such-packing"), nullptr);
}

}  // namespace
}  // namespace colmara
