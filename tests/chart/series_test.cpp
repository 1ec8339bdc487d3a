#include <gtest/gtest.h>

#include "chart/chartaxis.h"
#include "chart/horizlineseries.h"
#include "chart/recordingcanvas.h"

namespace colmara {
namespace {

using test::CanvasCall;
using test::RecordingCanvas;

std::vector<double> ValuesOf(const TChartValueList& list) {
    std::vector<double> out;
    for (int i = 0; i < list.Count(); ++i) out.push_back(list[i]);
    return out;
}

std::vector<int> Ends(const CanvasCall& c) {
    return {c.x0, c.y0, c.x1, c.y1};
}

// A series on a 0 ... 100 bottom axis over x 0..100 and a 0 ... 10 left axis
// over y 0..100, so values map to pixels one to one (left: 10 px a step).
struct SeriesOnAxes {
    TChartAxis bottom{AxisSide::Bottom};
    TChartAxis left{AxisSide::Left};
    THorizLineSeries series;
    int repaints = 0;

    AxisScale horiz = bottom.MakeScale({0, 100}, {0, 0, 100, 100});
    AxisScale vert = left.MakeScale({0, 10}, {0, 0, 100, 100});

    SeriesOnAxes() {
        series.SetAxes(&bottom, &left);
        series.SetRepaintRequest([this] { ++repaints; });
    }
};

TEST(THorizLineSeries, AddKeepsTheOrderAndNumbersThePoints) {
    SeriesOnAxes s;
    s.series.Add(99);
    s.series.Clear();
    EXPECT_EQ(s.series.Add(10), 0);
    EXPECT_EQ(s.series.Add(30), 1);
    EXPECT_EQ(s.series.Add(20), 2);
    EXPECT_EQ(ValuesOf(s.series.XValues), (std::vector<double>{10, 30, 20}));
    EXPECT_EQ(ValuesOf(s.series.YValues), (std::vector<double>{0, 1, 2}));
    EXPECT_EQ(s.series.Count(), 3);
    EXPECT_EQ(s.series.MinXValue(), 10);
    EXPECT_EQ(s.series.MaxXValue(), 30);
    EXPECT_EQ(s.series.MaxYValue(), 2);
    EXPECT_EQ(s.series.ValueColor(1), clRed);
}

TEST(THorizLineSeries, ChangesOnlyRequestRepaintsAndOnlyWhenActive) {
    SeriesOnAxes s;
    s.series.Add(1);
    s.series.Add(2);
    s.series.Clear();
    EXPECT_EQ(s.repaints, 3);
    s.series.Active = false;
    s.series.Add(3);
    s.series.Clear();
    EXPECT_EQ(s.repaints, 3);
}

TEST(THorizLineSeries, ColourAndLabelListsAppearOnlyWhenNeeded) {
    SeriesOnAxes s;
    s.series.Add(1);
    s.series.Add(2, "", clBlue);
    EXPECT_EQ(s.series.ValueColor(0), clRed);  // earlier point: the series colour
    EXPECT_EQ(s.series.ValueColor(1), clBlue);
    s.series.Add(3);
    EXPECT_EQ(s.series.ValueColor(2), clRed);

    s.series.Add(4, "top");
    s.series.Add(5);
    EXPECT_EQ(s.series.Label(0), "");
    EXPECT_EQ(s.series.Label(3), "top");
    EXPECT_EQ(s.series.Label(4), "");

    s.series.Clear();
    EXPECT_EQ(s.series.Count(), 0);
    EXPECT_EQ(s.series.YValues.Count(), 0);
    s.series.Add(6);  // no colour or label survives the clear
    EXPECT_EQ(s.series.ValueColor(0), clRed);
    EXPECT_EQ(s.series.Label(0), "");
}

TEST(THorizLineSeries, LegendStringWritesTheValueThenTheLabel) {
    SeriesOnAxes s;
    for (double v : {45.12345, 7.5, 1234.5, 0.0004, 1000.0}) s.series.Add(v);
    s.series.Add(12.5, "boiler");
    const FormatSettings dot;
    EXPECT_EQ(s.series.LegendString(0, dot), "45.123");
    EXPECT_EQ(s.series.LegendString(1, dot), "7.5");
    EXPECT_EQ(s.series.LegendString(2, dot), "1,234.5");
    EXPECT_EQ(s.series.LegendString(3, dot), "0");
    EXPECT_EQ(s.series.LegendString(4, dot), "1,000");
    EXPECT_EQ(s.series.LegendString(5, dot), std::string("12.5") + ColumnSeparator + "boiler");
    const FormatSettings comma{",", "."};
    EXPECT_EQ(s.series.LegendString(2, comma), "1.234,5");
}

TEST(THorizLineSeries, DrawsOneRedSegmentPerStepThatMoves) {
    SeriesOnAxes s;
    RecordingCanvas canvas;
    s.series.Add(50);
    s.series.DrawAllValues(canvas, s.horiz, s.vert);
    EXPECT_TRUE(canvas.calls.empty()) << "one point draws no segment";

    // Points 1 and 2 share a pixel: no segment for that step, and the next
    // one starts there.
    s.series.Clear();
    const double points[][2] = {{10, 0}, {20, 1}, {20, 1}, {20, 2}, {40, 3}};
    for (const auto& p : points) s.series.AddXY(p[0], p[1]);
    s.series.DrawAllValues(canvas, s.horiz, s.vert);
    const auto lines = canvas.Of(CanvasCall::Line);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(Ends(lines[0]), (std::vector<int>{10, 100, 20, 90}));
    EXPECT_EQ(Ends(lines[1]), (std::vector<int>{20, 90, 20, 80}));
    EXPECT_EQ(Ends(lines[2]), (std::vector<int>{20, 80, 40, 70}));
    for (const auto& l : lines) EXPECT_EQ(l.pen, (ChartPen{clRed, 1, PenStyle::psSolid, true}));
}

TEST(THorizLineSeries, SegmentTakesTheColourOfThePointItEndsAt) {
    SeriesOnAxes s;
    RecordingCanvas canvas;
    s.series.Add(10);
    s.series.Add(20, "", clBlue);
    s.series.Add(30, "", clNone);
    s.series.Add(40);
    s.series.DrawAllValues(canvas, s.horiz, s.vert);
    const auto lines = canvas.Of(CanvasCall::Line);
    ASSERT_EQ(lines.size(), 2u);  // the step to the clNone point draws nothing
    EXPECT_EQ(lines[0].pen.Color, clBlue);
    EXPECT_EQ(lines[1].pen.Color, clRed);
    EXPECT_EQ(lines[1].x0, 30);  // ...but the next segment starts there
}

TEST(THorizLineSeries, LegendSymbolIsALineThroughTheMiddle) {
    SeriesOnAxes s;
    RecordingCanvas canvas;
    s.series.Add(10);
    s.series.Add(20, "", clNone);
    s.series.DrawLegend(canvas, 0, {248, 50, 255, 59});
    s.series.DrawLegend(canvas, 1, {248, 63, 255, 72});
    const auto lines = canvas.Of(CanvasCall::Line);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(Ends(lines[0]), (std::vector<int>{248, 54, 255, 54}));
    EXPECT_EQ(lines[0].pen.Color, clRed);
}

}  // namespace
}  // namespace colmara
