#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "chart/chartaxis.h"
#include "chart/horizlineseries.h"
#include "chart/recordingcanvas.h"

namespace colmara {
namespace {

using test::CanvasCall;
using test::RecordingCanvas;

// An axis with a fixed range, and its layout with the scale over a pixel
// extent.
struct AxisOn {
    TChartAxis axis;
    AxisLayout layout;

    AxisLayout Labels(RecordingCanvas& canvas, const FormatSettings& settings) const {
        AxisLayout out = layout;
        axis.CalcLabels(out, canvas, {}, settings);
        return out;
    }
};

AxisOn MakeAxis(AxisSide side, int from, int to, double min, double max) {
    AxisOn a{TChartAxis(side), {}};
    a.axis.SetMinMax(min, max);
    a.layout.Side = side;
    const Rect extent = IsHorizontalSide(side) ? Rect{from, 0, to, 10} : Rect{0, from, 10, to};
    a.layout.Scale = a.axis.MakeScale(a.axis.CalcRange({}), extent);
    return a;
}

std::vector<std::string> TextsOf(const AxisLayout& layout) {
    std::vector<std::string> out;
    for (const auto& l : layout.Labels) out.push_back(l.Text);
    return out;
}

std::vector<int> Ends(const CanvasCall& c) {
    return {c.x0, c.y0, c.x1, c.y1};
}

TEST(TChartAxis, NextStepWalksOneTwoFive) {
    const double cases[][2] = {
        {0.9375, 1}, {1, 2},     {1.5, 2}, {2, 5},     {4.99, 5},   {5, 10},     {9.09, 10},
        {10, 20},    {3.846, 5}, {45, 50}, {0.3, 0.5}, {0.15, 0.2}, {0.05, 0.1}, {700, 1000},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(TChartAxis::NextStep(c[0]), c[1]) << c[0];
    // No next step exists for these; they must not recurse for ever.
    EXPECT_EQ(TChartAxis::NextStep(0.0), MinAxisIncrement);
    EXPECT_TRUE(std::isinf(TChartAxis::NextStep(std::numeric_limits<double>::infinity())));
}

TEST(TChartAxis, LabelStepFollowsTheLabelCountAndThePointCountRule) {
    struct Case {
        AxisSide side;
        double max;
        int points;  // of a series whose positions lie along the left axis
        int m;
        double step;
    };
    const Case cases[] = {
        {AxisSide::Left, 15, 16, 16, 1},                // point-count rule: 1 at once
        {AxisSide::Left, 15, 16, 15, 1},                // 15/16 -> NextStep 1
        {AxisSide::Left, 15, 16, 14, 2},                // 15 steps > 14 -> 2
        {AxisSide::Left, 100, 101, 25, 5},              // 100/26: Round(26.0) > 25
        {AxisSide::Left, 1, 2, 2, 1},                   // N = 1: labels 1 and 0
        {AxisSide::Left, 3, 4, 10, 1},                  // 3/11 lifted to 1 by the rule
        {AxisSide::Bottom, 3, 4, 10, 0.5},              // ...which the value axis lacks
        {AxisSide::Bottom, 100, 21, 10, 10},            // 100/11 = 9.09, 11 steps > 10
        {AxisSide::Bottom, 100, 21, 9, 20},             // 10 steps > 9
        {AxisSide::Left, 0, 0, 30, 1},                  // zero range
        {AxisSide::Left, 15, 16, 0, MinAxisIncrement},  // too short for a label
    };
    for (const Case& c : cases) {
        const AxisOn bottom = MakeAxis(AxisSide::Bottom, 0, 300, 0, c.max);
        const AxisOn left = MakeAxis(AxisSide::Left, 0, 300, 0, c.max);
        THorizLineSeries series;
        series.SetAxes(&bottom.axis, &left.axis);
        for (int i = 0; i < c.points; ++i) series.Add(1.0);
        const AxisOn& a = c.side == AxisSide::Left ? left : bottom;
        EXPECT_DOUBLE_EQ(a.axis.CalcLabelsIncrement(a.layout.Scale, c.m, {&series}), c.step)
            << "max " << c.max << " M " << c.m;
    }
}

TEST(TChartAxis, AutomaticRangeComesFromTheSeriesThatCount) {
    // Series a holds points 2 ... 4 at 30 ... 50 %, series b 0 ... 10 at
    // 10 ... 90 %. Inactive series count only when no active one is on the axis.
    struct Case {
        bool activeA, pointsA, activeB, pointsB;
        double minY, maxY, minX, maxX;
    };
    const Case cases[] = {
        {true, true, true, true, 0, 10, 10, 90},    // the second series widens
        {true, true, false, true, 2, 4, 30, 50},    // inactive b is left out
        {false, true, false, true, 0, 10, 10, 90},  // none active: all count
        {true, false, false, true, 0, 0, 0, 0},     // active a has no points
        {false, false, false, false, 0, 0, 0, 0},   // nothing to scale to
    };
    for (const Case& c : cases) {
        TChartAxis bottom(AxisSide::Bottom);
        TChartAxis left(AxisSide::Left);
        bottom.Automatic = bottom.AutomaticMinimum = bottom.AutomaticMaximum = true;
        left.Automatic = left.AutomaticMinimum = left.AutomaticMaximum = true;
        THorizLineSeries a, b;
        for (THorizLineSeries* s : {&a, &b}) s->SetAxes(&bottom, &left);
        a.Active = c.activeA;
        b.Active = c.activeB;
        if (c.pointsA)
            for (int y = 2; y <= 4; ++y) a.AddXY(10.0 * (y + 1), y);
        if (c.pointsB)
            for (int y = 0; y <= 10; ++y) b.AddXY(10.0 + 8.0 * y, y);
        const AxisRange y = left.CalcRange({&a, &b});
        const AxisRange x = bottom.CalcRange({&a, &b});
        EXPECT_EQ(y.Minimum, c.minY);
        EXPECT_EQ(y.Maximum, c.maxY);
        EXPECT_EQ(x.Minimum, c.minX);
        EXPECT_EQ(x.Maximum, c.maxX);
        EXPECT_EQ(left.MakeScale(y, {0, 0, 10, 300}).IsZeroRange, c.minY == c.maxY);
        // The automatic ends report the computed range in the settings.
        left.AdjustMaxMin({&a, &b});
        EXPECT_EQ(left.Maximum, c.maxY);
    }
    // The bottom axis of the window keeps its fixed range whatever the data.
    TChartAxis fixed(AxisSide::Bottom);
    fixed.SetMinMax(0, 100);
    THorizLineSeries s;
    s.SetAxes(&fixed, nullptr);
    s.Add(250);
    EXPECT_EQ(fixed.CalcRange({&s}).Maximum, 100);
}

TEST(TChartAxis, MaxLabelsCountAddsTenPercentSeparation) {
    RecordingCanvas canvas;
    const FormatSettings dot;
    auto count = [&](const AxisOn& a) {
        return a.axis.MaxLabelsCount(a.layout.Scale, canvas, dot);
    };
    // Vertical: 13 px labels + 1 px separation; 414 / 14 = 29.57 -> 30.
    EXPECT_EQ(count(MakeAxis(AxisSide::Left, 40, 454, 0, 15)), 30);
    // Horizontal: "100" is 18 px + 2; 259 / 20 = 12.95 -> 13; 250 / 20 = 12.5 -> 12.
    EXPECT_EQ(count(MakeAxis(AxisSide::Bottom, 28, 287, 0, 100)), 13);
    EXPECT_EQ(count(MakeAxis(AxisSide::Bottom, 0, 250, 0, 100)), 12);
}

TEST(TChartAxis, CalcPosValueRoundsHalvesToEvenAndClamps) {
    const AxisScale h = MakeAxis(AxisSide::Bottom, 0, 5, 0, 2).layout.Scale;  // 2.5 px per unit
    const AxisScale v = MakeAxis(AxisSide::Left, 0, 5, 0, 2).layout.Scale;
    const AxisScale wide = MakeAxis(AxisSide::Bottom, 28, 287, 0, 100).layout.Scale;
    struct Case {
        const AxisScale* axis;
        double value;
        int pixel;
    };
    const Case cases[] = {
        {&h, 0, 0},
        {&h, 1, 2},  // 2.5
        {&h, 3, 8},  // 7.5
        {&h, 2, 5},
        {&v, 0, 5},
        {&v, 1, 2},  // 5 - 2.5
        {&v, 2, 0},
        {&v, -1, 8},       // 7.5
        {&wide, 50, 158},  // 28 + 129.5
        {&wide, 10, 54},   // 28 + 25.9
        {&wide, 100, 287},
        {&h, 1e300, MaxPixelPos},
        {&h, -1e300, -MaxPixelPos},
        {&h, std::nan(""), 0},
    };
    for (const Case& c : cases) EXPECT_EQ(c.axis->CalcPosValue(c.value), c.pixel) << c.value;

    const AxisScale zero = MakeAxis(AxisSide::Left, 40, 434, 0, 0).layout.Scale;
    EXPECT_EQ(zero.CalcPosValue(0), 237);
    EXPECT_EQ(zero.CalcPosValue(12), 237);
    EXPECT_DOUBLE_EQ(wide.CalcPosPoint(157), 129.0 / 2.59);
}

TEST(TChartAxis, LabelsRunFromTheMaximumDownWithGridOnlyInside) {
    RecordingCanvas canvas;
    const FormatSettings dot;
    AxisOn bottom = MakeAxis(AxisSide::Bottom, 34, 234, 0, 100);
    bottom.layout.PosLabels = 441;
    const AxisLayout layout = bottom.Labels(canvas, dot);
    EXPECT_EQ(layout.Step, 10);
    EXPECT_EQ(TextsOf(layout), (std::vector<std::string>{"100", "90", "80", "70", "60", "50", "40",
                                                         "30", "20", "10", "0"}));
    EXPECT_EQ(layout.Ticks.front(), 234);
    EXPECT_EQ(layout.Ticks.back(), 34);
    EXPECT_EQ(layout.Labels[5].X, 134);
    EXPECT_EQ(layout.Labels[5].Y, 441);
    EXPECT_EQ(layout.Labels[5].Align, TextAlign::Center);
    // Both end labels are drawn, but the ends get no grid line.
    EXPECT_EQ(layout.Grid.size(), 9u);
    EXPECT_EQ(layout.Grid.front(), 214);
    EXPECT_EQ(layout.Grid.back(), 54);
    // Three minor ticks per gap, none beyond the end labels.
    ASSERT_EQ(layout.MinorTicks.size(), 30u);
    EXPECT_EQ(std::vector<int>(layout.MinorTicks.begin(), layout.MinorTicks.begin() + 3),
              (std::vector<int>{219, 224, 229}));
}

TEST(TChartAxis, LabelTextsUseTheChartPicture) {
    RecordingCanvas canvas;
    const FormatSettings dot;
    const AxisOn one = MakeAxis(AxisSide::Left, 40, 434, 45.12345, 45.12345);
    EXPECT_EQ(TextsOf(one.Labels(canvas, dot)), (std::vector<std::string>{"45.123"}));

    const AxisOn thousand = MakeAxis(AxisSide::Left, 40, 434, 0, 1000);
    const AxisLayout layout = thousand.Labels(canvas, dot);
    ASSERT_FALSE(layout.Labels.empty());
    EXPECT_EQ(layout.Labels.front().Text, "1,000");
    EXPECT_EQ(TextsOf(thousand.Labels(canvas, FormatSettings{",", "."})).front(), "1.000");
}

TEST(TChartAxis, LeftLabelsAreCentredOnTheirTicksWithMinorTicksBeyondTheTop) {
    RecordingCanvas canvas;
    const FormatSettings dot;
    AxisOn left = MakeAxis(AxisSide::Left, 40, 434, 0, 15);
    left.layout.PosLabels = 27;
    left.axis.Increment = 2;
    const AxisLayout layout = left.Labels(canvas, dot);
    EXPECT_EQ(layout.Step, 2);
    EXPECT_EQ(TextsOf(layout).front(), "14");
    EXPECT_EQ(TextsOf(layout).back(), "0");
    EXPECT_EQ(layout.Labels.front().Pos, 66);  // 434 - 14 * 394 / 15 = 66.27
    EXPECT_EQ(layout.Labels.front().Y, 66 - 6);
    EXPECT_EQ(layout.Labels.front().X, 27);
    EXPECT_EQ(layout.Labels.front().Align, TextAlign::Right);
    // Above 14 the first gap's pattern continues: 66 - 13 = 53 is drawn,
    // 66 - Round(26.5) = 40 sits on the end and is dropped.
    EXPECT_EQ(layout.MinorTicks[0], 53);
    EXPECT_EQ(std::count(layout.MinorTicks.begin(), layout.MinorTicks.end(), 40), 0);
    EXPECT_EQ(std::count(layout.Grid.begin(), layout.Grid.end(), 434), 0);
}

TEST(TChartAxis, LabelCountFollowsThePrecisionOfTheNumbers) {
    struct Case {
        double min, max, increment;
        std::size_t labels;
        std::string first, last;
    };
    const Case cases[] = {
        // Ends closer than 1e-10: one label at the top.
        {5, 5 + 5e-11, 0, 1, "5", "5"},
        // A step of 5e-10 at a million: t and t - s read alike in 15
        // digits, so one label rather than 20 that all read the same.
        {1e6 - 1e-8, 1e6, 0, 1, "1,000,000", "1,000,000"},
        // Twenty steps of 0.1 end at -6.4e-16, just below the minimum; the
        // tolerance keeps that label.
        {0, 2, 0.1, 21, "2", "0"},
    };
    RecordingCanvas canvas;
    const FormatSettings dot;
    for (const Case& c : cases) {
        AxisOn left = MakeAxis(AxisSide::Left, 40, 434, c.min, c.max);
        left.axis.Increment = c.increment;
        const std::vector<std::string> texts = TextsOf(left.Labels(canvas, dot));
        ASSERT_EQ(texts.size(), c.labels) << c.min << " ... " << c.max;
        EXPECT_EQ(texts.front(), c.first);
        EXPECT_EQ(texts.back(), c.last);
    }
}

TEST(TChartAxis, TenThousandStepsOrAnAxisTooShortGiveNoLabels) {
    RecordingCanvas canvas;
    const FormatSettings dot;
    AxisOn a = MakeAxis(AxisSide::Bottom, 0, 300, 0, 100);
    a.axis.LabelsSeparation = -1;  // take the increment as it is
    a.axis.Increment = 0.01;       // 10,000 steps
    EXPECT_TRUE(a.Labels(canvas, dot).Labels.empty());
    a.axis.Increment = 0.0101;  // 9,901 labels
    EXPECT_EQ(a.Labels(canvas, dot).Labels.size(), 9901u);

    const AxisOn tiny = MakeAxis(AxisSide::Bottom, 0, 5, 0, 100);
    const AxisLayout none = tiny.Labels(canvas, dot);
    EXPECT_EQ(none.Step, MinAxisIncrement);
    EXPECT_TRUE(none.Labels.empty());
    EXPECT_TRUE(none.Ticks.empty());
}

TEST(TChartAxis, DrawsLabelsThenLineTicksGridAndMinorTicks) {
    RecordingCanvas canvas;
    const FormatSettings dot;
    AxisOn bottom = MakeAxis(AxisSide::Bottom, 34, 234, 0, 100);
    bottom.layout.PosLabels = 441;
    bottom.layout.PosAxis = 434;
    bottom.axis.Draw(canvas, bottom.Labels(canvas, dot), {34, 40, 234, 434});

    ASSERT_EQ(canvas.calls.size(), 11u + 1 + 11 + 9 + 30);
    EXPECT_EQ(canvas.calls[0].kind, CanvasCall::Text);
    const CanvasCall& axisLine = canvas.calls[11];
    EXPECT_EQ(Ends(axisLine), (std::vector<int>{34, 434, 234, 434}));
    EXPECT_EQ(axisLine.pen, (ChartPen{clBlack, 2, PenStyle::psSolid, true}));
    EXPECT_EQ(Ends(canvas.calls[12]), (std::vector<int>{234, 435, 234, 439}));  // tick
    const CanvasCall& grid = canvas.calls[23];
    EXPECT_EQ(Ends(grid), (std::vector<int>{214, 41, 214, 434}));
    EXPECT_EQ(grid.pen, (ChartPen{clGray, 1, PenStyle::psDot, true}));
    EXPECT_EQ(Ends(canvas.calls[32]), (std::vector<int>{219, 435, 219, 437}));  // minor
}

}  // namespace
}  // namespace colmara
