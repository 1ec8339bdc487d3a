#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "chart/chart.h"
#include "chart/recordingcanvas.h"

namespace colmara {
namespace {

using test::CanvasCall;
using test::RecordingCanvas;

const Rect kPanel{0, 0, 296, 473};

// The program's chart with the given points, laid out on the recording
// canvas (6 px per character, 13 px per line).
struct ChartFixture {
    FormatSettings settings;
    TChart chart{settings};
    THorizLineSeries& series = chart.AddSeries(std::make_unique<THorizLineSeries>());
    RecordingCanvas canvas;

    explicit ChartFixture(const std::vector<double>& values = {}) {
        for (double v : values) series.Add(v);
    }
    ChartLayout Layout() { return chart.CalcLayout(canvas, kPanel); }
};

std::vector<double> Ramp(int count, double first, double step) {
    std::vector<double> v;
    for (int i = 0; i < count; ++i) v.push_back(first + i * step);
    return v;
}

const AxisLayout& AxisOf(const ChartLayout& layout, AxisSide side) {
    const AxisLayout& axis = layout.Axis(side);
    if (!axis.Used) throw std::runtime_error("axis not used");
    return axis;
}

TEST(TChart, MarginsAndBevelGiveTheInitialPlottingRectangle) {
    ChartFixture f;
    EXPECT_EQ(f.chart.InitialChartRect(kPanel), (Rect{9, 19, 287, 454}));
    EXPECT_EQ(f.chart.InitialChartRect({10, 20, 110, 220}), (Rect{14, 29, 106, 211}));
}

TEST(TChart, EmptyChartShowsASingleZeroAndACentredTitle) {
    ChartFixture f;
    const ChartLayout layout = f.Layout();
    EXPECT_FALSE(layout.Legend.Visible);
    ASSERT_TRUE(layout.Title.Visible);
    // "W" + frame + 18 characters = 115 px, centred on (9 + 287) div 2 = 148.
    EXPECT_EQ(layout.Title.Box, (Rect{91, 19, 205, 34}));
    EXPECT_EQ(layout.Title.Lines[0].X, 94);
    EXPECT_EQ(layout.Title.Lines[0].Y, 20);
    // Bottom: 13 px labels + 7; left: "0" + blank = 12 px + 7.
    EXPECT_EQ(layout.ChartRect, (Rect{28, 40, 287, 434}));

    const AxisLayout& left = AxisOf(layout, AxisSide::Left);
    ASSERT_EQ(left.Labels.size(), 1u);
    EXPECT_EQ(left.Labels[0].Text, "0");
    EXPECT_EQ(left.Labels[0].Pos, 237);  // mid-height of 40 ... 434
    EXPECT_EQ(left.Labels[0].X, 21);
    EXPECT_EQ(left.Labels[0].Y, 231);
    EXPECT_EQ(left.Grid, (std::vector<int>{237}));
    EXPECT_TRUE(left.MinorTicks.empty());

    const AxisLayout& bottom = AxisOf(layout, AxisSide::Bottom);
    EXPECT_EQ(bottom.Labels.front().Text, "100");
    EXPECT_EQ(bottom.Labels.back().Text, "0");
    EXPECT_EQ(bottom.Labels[5].Pos, 158);  // 28 + 129.5, halves to even

    f.chart.Paint(f.canvas, kPanel);
    EXPECT_TRUE(f.canvas.Of(CanvasCall::Clip).empty()) << "no series drawing without points";
    EXPECT_TRUE(f.canvas.LinesIn(clRed).empty());
}

TEST(TChart, LegendShowsTheRowsThatFitWithTheHighestShownPointOnTop) {
    struct Case {
        std::vector<double> values;
        int rows;
        Rect box;
        int topIndex;
        std::string topText;
        int textAnchor;  // right edge of column 0
    };
    const Case cases[] = {
        // "45.123": text width 11 + 36 = 47, symbol Round(11.4) = 11.
        {{45.12345}, 1, {214, 47, 282, 62}, 0, "45.123", 271},
        {{10, 20.5}, 2, {228, 47, 282, 75}, 1, "20.5", 271},
        // "5" ... "80": text width 23, symbol Round(6.6) = 7.
        {Ramp(16, 5, 5), 16, {242, 47, 282, 257}, 15, "80", 271},
        // 405 px below the top hold 31 rows: points 0 ... 30 of 101.
        {Ramp(101, 0, 1), 31, {242, 47, 282, 452}, 30, "30", 271},
    };
    for (const Case& c : cases) {
        ChartFixture f(c.values);
        const LegendLayout legend = f.Layout().Legend;
        ASSERT_TRUE(legend.Visible);
        EXPECT_EQ(legend.Top, 47);
        EXPECT_EQ(legend.Rows, c.rows);
        EXPECT_EQ(legend.Box, c.box);
        EXPECT_EQ(legend.Shadow,
                  (Rect{c.box.Left + 4, c.box.Top + 4, c.box.Right + 4, c.box.Bottom + 4}));
        const LegendRow& top = legend.RowList.front();
        EXPECT_EQ(top.Index, c.topIndex);
        EXPECT_EQ(top.Column[0], c.topText);
        EXPECT_EQ(top.ColumnX[0], c.textAnchor);
        EXPECT_EQ(top.Y, 48);
        EXPECT_EQ(legend.RowList.back().Index, 0);
        EXPECT_EQ(legend.RowList.back().Y, 48 + 13 * (c.rows - 1));
        EXPECT_EQ(top.Symbol, (Rect{c.box.Left + 6, 50, c.box.Left + 6 + legend.SymbolWidth, 59}));
        // The plotting area ends 3 % of 278 = 8 px left of the box.
        EXPECT_EQ(legend.ChartRectRight, c.box.Left - 8);
    }
}

TEST(TChart, LabelColumnFollowsTheValueColumn) {
    ChartFixture f;
    f.series.Add(7.5, "top");
    f.series.Add(12.25);
    const LegendLayout legend = f.Layout().Legend;
    EXPECT_EQ(legend.ColumnWidth[0], 30);  // "12.25"
    EXPECT_EQ(legend.ColumnWidth[1], 18);  // "top"
    EXPECT_EQ(legend.TextWidth, 11 + 30 + 18);
    const LegendRow& row = legend.RowList[1];  // point 0, drawn last
    EXPECT_EQ(row.Column[0], "7.5");
    EXPECT_EQ(row.Column[1], "top");
    EXPECT_EQ(row.ColumnX[1], row.ColumnX[0] + 6);
}

TEST(TChart, TitleCentresOverTheAreaLeftOfTheLegend) {
    ChartFixture f(Ramp(16, 5, 5));
    const ChartLayout layout = f.Layout();
    // Plotting area 9 ... 234 after the legend: centre 121.
    EXPECT_EQ(layout.Title.Box, (Rect{64, 19, 178, 34}));
    EXPECT_EQ(layout.Title.Lines[0].X, 67);
    EXPECT_EQ(layout.Title.Lines[0].Y, 20);
    EXPECT_EQ(layout.Title.ChartRectTop, 40);
}

TEST(TChart, AxesTakeRoomForLabelsAndTicks) {
    ChartFixture f(Ramp(16, 5, 5));
    const ChartLayout layout = f.Layout();
    // Left labels "15" / "0": 12 + 6 px, then 7 px; bottom 13 + 7 px.
    EXPECT_EQ(layout.ChartRect, (Rect{34, 40, 234, 434}));
    EXPECT_EQ(layout.Axis(AxisSide::Bottom).PosLabels, 441);
    EXPECT_EQ(layout.Axis(AxisSide::Left).PosLabels, 27);
    EXPECT_EQ(layout.Axis(AxisSide::Bottom).PosAxis, 434);
    EXPECT_EQ(layout.Axis(AxisSide::Left).PosAxis, 34);
    // Top and right are unused: no room, no labels.
    for (AxisSide side : {AxisSide::Top, AxisSide::Right, AxisSide::Depth})
        EXPECT_FALSE(layout.Axis(side).Used);

    const AxisLayout& left = AxisOf(layout, AxisSide::Left);
    EXPECT_EQ(left.Step, 1);  // 28 labels fit, 16 points
    EXPECT_EQ(left.Labels.size(), 16u);
    EXPECT_EQ(left.Labels.front().Text, "15");
    EXPECT_EQ(left.Labels.front().Pos, 40);
    EXPECT_EQ(left.Labels[14].Pos, 408);                   // 434 - 26.27
    EXPECT_EQ(AxisOf(layout, AxisSide::Bottom).Step, 10);  // M = 200 / 20 = 10
}

TEST(ChartLayout, AxesStandOnThePlottingRectangleWithTheirLabelsInTheRoomTheyTook) {
    struct Case {
        std::vector<double> values;
        Rect chartRect;
        int leftPosLabels;    // right edge of the left labels
        int bottomPosLabels;  // top of the bottom labels
    };
    const Case cases[] = {
        {{}, {28, 40, 287, 434}, 21, 441},               // "0" + blank
        {Ramp(16, 5, 5), {34, 40, 234, 434}, 27, 441},   // "15" + blank, legend at 242
        {Ramp(101, 0, 1), {40, 40, 234, 434}, 33, 441},  // "100" + blank
        {{45.12345}, {28, 40, 206, 434}, 21, 441},       // wide legend row "45.123"
    };
    for (const Case& c : cases) {
        ChartFixture f(c.values);
        const ChartLayout layout = f.Layout();
        EXPECT_EQ(layout.ChartRect, c.chartRect);
        const AxisLayout& left = AxisOf(layout, AxisSide::Left);
        const AxisLayout& bottom = AxisOf(layout, AxisSide::Bottom);
        // The room starts where legend and title left the plotting edge.
        EXPECT_EQ(left.RoomStart, 9);
        EXPECT_EQ(bottom.RoomStart, 454);
        EXPECT_EQ(left.PosLabels, c.leftPosLabels);
        EXPECT_EQ(bottom.PosLabels, c.bottomPosLabels);
        EXPECT_EQ(left.PosAxis, c.chartRect.Left);
        EXPECT_EQ(bottom.PosAxis, c.chartRect.Bottom);
        // Extents span the final rectangle: values grow rightwards and upwards.
        EXPECT_EQ(bottom.Scale.IStartPos, c.chartRect.Left);
        EXPECT_EQ(bottom.Scale.IEndPos, c.chartRect.Right);
        EXPECT_EQ(left.Scale.IStartPos, c.chartRect.Top);
        EXPECT_EQ(left.Scale.IEndPos, c.chartRect.Bottom);
        EXPECT_EQ(layout.SeriesClip, (Rect{c.chartRect.Left, c.chartRect.Top, c.chartRect.Right,
                                           c.chartRect.Bottom + 1}));
    }
}

TEST(ChartLayout, LayingOutDrawsNothingAndLeavesTheRenderedLayoutAlone) {
    ChartFixture f(Ramp(16, 5, 5));
    f.chart.Paint(f.canvas, kPanel);
    const std::size_t painted = f.canvas.calls.size();
    f.series.Clear();
    for (double v : {30.0, 60.0}) f.series.Add(v);

    const ChartLayout next = f.Layout();
    EXPECT_EQ(next.Axis(AxisSide::Left).Scale.IMaximum, 1);
    EXPECT_EQ(f.canvas.calls.size(), painted);
    // The mouse keeps working on the picture on screen until the next paint,
    // and only a paint reports the automatic range in the settings.
    EXPECT_EQ(f.chart.Layout().Axis(AxisSide::Left).Scale.IMaximum, 15);
    EXPECT_EQ(f.chart.LeftAxis().Maximum, 15);
    f.chart.Paint(f.canvas, kPanel);
    EXPECT_EQ(f.chart.LeftAxis().Maximum, 1);
}

TEST(TChart, PaintDrawsBackgroundLegendTitleWallAxesThenTheClippedLine) {
    ChartFixture f(Ramp(16, 5, 5));
    f.chart.Paint(f.canvas, kPanel);
    const auto& calls = f.canvas.calls;
    ASSERT_GE(calls.size(), 6u);
    EXPECT_EQ(calls[0].kind, CanvasCall::Fill);
    EXPECT_EQ(calls[0].rect, kPanel);
    EXPECT_EQ(calls[0].color, clBtnFace);
    EXPECT_EQ(calls[1].kind, CanvasCall::Frame3D);
    EXPECT_EQ(calls[1].color, clBtnHighlight);
    EXPECT_EQ(calls[1].color2, clBtnShadow);
    EXPECT_EQ(calls[2].rect, (Rect{246, 51, 286, 261}));  // legend shadow
    EXPECT_EQ(calls[2].color, clBlack);
    EXPECT_EQ(calls[3].color, clWhite);
    EXPECT_EQ(calls[4].kind, CanvasCall::Frame);
    EXPECT_EQ(calls[5].text, "80");
    EXPECT_EQ(calls[5].align, TextAlign::Right);

    auto find = [&](auto pred) {
        return std::find_if(calls.begin(), calls.end(), pred) - calls.begin();
    };
    const auto title = find([](const CanvasCall& c) { return c.text == "Strength in column"; });
    const auto wall = find([](const CanvasCall& c) {
        return c.kind == CanvasCall::Frame && c.rect == Rect{34, 40, 235, 435};
    });
    const auto clip = find([](const CanvasCall& c) { return c.kind == CanvasCall::Clip; });
    ASSERT_LT(title, wall);
    ASSERT_LT(wall, clip);
    EXPECT_EQ(calls[static_cast<std::size_t>(title)].font.Color, clBlue);
    EXPECT_EQ(calls[static_cast<std::size_t>(clip)].rect, (Rect{34, 40, 234, 435}));

    // The red line runs from the boiler at the bottom to the top plate, after
    // the clip; the legend's symbols come before.
    std::vector<CanvasCall> segments;
    for (std::size_t i = static_cast<std::size_t>(clip); i < calls.size(); ++i)
        if (calls[i].kind == CanvasCall::Line) segments.push_back(calls[i]);
    ASSERT_EQ(segments.size(), 15u);
    EXPECT_EQ(segments.front().x0, 44);  // 5 %
    EXPECT_EQ(segments.front().y0, 434);
    EXPECT_EQ(segments.back().x1, 194);  // 80 %
    EXPECT_EQ(segments.back().y1, 40);
    EXPECT_EQ(calls.back().kind, CanvasCall::Unclip);
}

TEST(TChart, AClearedSeriesLeavesNoTraceOfEarlierPoints) {
    ChartFixture f(Ramp(21, 10, 3));
    f.series.Clear();
    for (double v : {30.0, 60.0}) f.series.Add(v);
    const ChartLayout layout = f.Layout();
    EXPECT_EQ(layout.Legend.Rows, 2);
    EXPECT_EQ(layout.Axis(AxisSide::Left).Scale.IMaximum, 1);
    EXPECT_EQ(AxisOf(layout, AxisSide::Left).Labels.size(), 2u);
}

TEST(TChart, PlottingRectangleNeverInvertsOnATinyPanel) {
    for (const Rect bounds : {Rect{0, 0, 30, 30}, Rect{0, 0, 1, 1}, Rect{5, 5, 5, 5}}) {
        ChartFixture f(Ramp(5, 10, 10));
        f.chart.Paint(f.canvas, bounds);
        const Rect& r = f.chart.ChartRect();
        EXPECT_GT(r.Right, r.Left);
        EXPECT_GT(r.Bottom, r.Top);
        EXPECT_GE(r.Left, bounds.Left);
        EXPECT_GE(r.Top, bounds.Top);
        EXPECT_LE(r.Right, std::max(bounds.Right, r.Left + 1));
    }
}

}  // namespace
}  // namespace colmara

namespace colmara {
namespace {

TEST(TChart, ValuesBeyondAnyScalePaintWithoutFailing) {
    const double inf = std::numeric_limits<double>::infinity();
    const std::vector<double> cases[] = {
        {std::nan(""), 10, 20},        {10, std::nan("")}, {-inf, inf}, {-1e308, 1e308},
        {1e17, 1e17 + 64, 1e17 + 128}, {5e-324, 1e-323},
    };
    for (const auto& values : cases) {
        ChartFixture f(values);
        f.chart.LeftAxis().SetMinMax(values.front(), values.back());  // range from the data
        f.chart.Paint(f.canvas, kPanel);
        const Rect& r = f.chart.ChartRect();
        EXPECT_GT(r.Right, r.Left);
        EXPECT_GT(r.Bottom, r.Top);
        for (const auto& c : f.canvas.LinesIn(clRed)) {
            EXPECT_LE(std::abs(c.x0), MaxPixelPos);
            EXPECT_LE(std::abs(c.y1), MaxPixelPos);
        }
    }
}

}  // namespace
}  // namespace colmara
