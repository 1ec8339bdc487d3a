#include "studyview/studychart.h"

#include <gtest/gtest.h>

namespace colmara {
namespace {

TEST(LabelStep, CutsASpanIntoAtMostTenSteps) {
    const std::pair<double, double> cases[] = {
        {100, 10}, {101, 20}, {20, 2}, {21, 5}, {50, 5}, {51, 10}, {1, 0.1}, {12, 2}, {3, 0.5},
    };
    for (auto [span, step] : cases) EXPECT_DOUBLE_EQ(LabelStep(span), step) << span;
}

TEST(StudyAxes, RangesHoldEveryValueAndLabelWholePlates) {
    FormatSettings settings;
    TChart chart(settings);
    SetStrengthRange(chart.LeftAxis(), {12.5, 99.9});
    EXPECT_EQ(std::pair(chart.LeftAxis().Minimum, chart.LeftAxis().Maximum), std::pair(0.0, 100.0));
    SetStrengthRange(chart.LeftAxis(), {-3.2, 100.4});
    EXPECT_EQ(std::pair(chart.LeftAxis().Minimum, chart.LeftAxis().Maximum),
              std::pair(-4.0, 101.0));
    EXPECT_FALSE(chart.LeftAxis().Automatic);
    SetPlateRange(chart.BottomAxis(), 0);
    EXPECT_EQ(chart.BottomAxis().Maximum, 1);
    EXPECT_EQ(chart.BottomAxis().Increment, 1);
    SetPlateRange(chart.BottomAxis(), 100);
    EXPECT_EQ(chart.BottomAxis().Increment, 10);
}

}  // namespace
}  // namespace colmara
