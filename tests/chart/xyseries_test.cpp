// The XY series on its own: its line and marks on a recording canvas, and
// the point read under the mouse pointer on a laid-out chart.
#include <gtest/gtest.h>

#include <cmath>

#include "chart/chartaxis.h"
#include "chart/chartreadout.h"
#include "chart/recordingcanvas.h"
#include "chart/xychart.h"
#include "chart/xylineseries.h"

namespace colmara {
namespace {

using test::CanvasCall;
using test::RecordingCanvas;

TEST(TXYLineSeries, DrawsOnePolylineThroughThePixelsThatMoveThenAMarkPerPoint) {
    // Bottom 0 ... 100 over x 0 ... 100, left 0 ... 10 over y 0 ... 100: the
    // points (10, 1), (20, 2), (20, 2), (40, 5) land on (10, 90), (20, 80)
    // twice and (40, 50).
    TChartAxis bottom{AxisSide::Bottom}, left{AxisSide::Left};
    const AxisScale horiz = bottom.MakeScale({0, 100}, {0, 0, 100, 100});
    const AxisScale vert = left.MakeScale({0, 10}, {0, 0, 100, 100});
    const std::vector<Point> line{{10, 90}, {20, 80}, {40, 50}};
    struct Case {
        const char* name;
        bool lineVisible, marks;
        MarkerStyle style;
        bool filled;
        std::vector<CanvasCall::Kind> firstMark;  // calls drawing the mark at (10, 90)
        Rect rect;                                // ...the first one's box
        std::vector<int> ends;                    // ...or line ends
        ColorValue fill;
    };
    const Rect box{9, 89, 12, 92};
    const Case cases[] = {
        {"line only", true, false, MarkerStyle::msSquare, true, {}, {}, {}, clNone},
        {"filled squares",
         true,
         true,
         MarkerStyle::msSquare,
         true,
         {CanvasCall::Fill},
         box,
         {0, 0, 0, 0},
         clBlue},
        {"hollow squares",
         true,
         true,
         MarkerStyle::msSquare,
         false,
         {CanvasCall::Frame},
         box,
         {0, 0, 0, 0},
         0},
        {"hollow circles",
         true,
         true,
         MarkerStyle::msCircle,
         false,
         {CanvasCall::Ellipse},
         box,
         {0, 0, 0, 0},
         clNone},
        {"filled circles",
         true,
         true,
         MarkerStyle::msCircle,
         true,
         {CanvasCall::Ellipse},
         box,
         {0, 0, 0, 0},
         clBlue},
        {"crosses, no line",
         false,
         true,
         MarkerStyle::msCross,
         true,
         {CanvasCall::Line, CanvasCall::Line},
         {},
         {9, 89, 12, 92},
         0},
    };
    for (const Case& c : cases) {
        TXYLineSeries s;
        s.SeriesColor = clBlue;
        s.LinePen.Visible = c.lineVisible;
        s.Marker = {c.marks, c.style, 1, c.filled};
        for (auto [x, y] : {std::pair{10, 1}, {20, 2}, {20, 2}, {40, 5}}) s.AddXY(x, y);
        RecordingCanvas canvas;
        s.DrawAllValues(canvas, horiz, vert);

        const auto& calls = canvas.calls;
        std::size_t at = 0;
        if (c.lineVisible) {
            ASSERT_FALSE(calls.empty()) << c.name;
            EXPECT_EQ(calls[0].kind, CanvasCall::Polyline) << c.name;
            EXPECT_EQ(calls[0].points, line) << c.name;
            EXPECT_EQ(calls[0].pen, (ChartPen{clBlue, 1, PenStyle::psSolid, true})) << c.name;
            at = 1;
        }
        // Every point has its mark, a repeated one too.
        ASSERT_EQ(calls.size(), at + 4 * c.firstMark.size()) << c.name;
        for (std::size_t k = 0; k < c.firstMark.size(); ++k)
            EXPECT_EQ(calls[at + k].kind, c.firstMark[k]) << c.name;
        if (c.firstMark.empty()) continue;
        const CanvasCall& mark = calls[at];
        EXPECT_EQ(mark.rect, c.rect) << c.name;
        EXPECT_EQ((std::vector<int>{mark.x0, mark.y0, mark.x1, mark.y1}), c.ends) << c.name;
        EXPECT_EQ(mark.color, c.fill) << c.name;
        EXPECT_EQ(mark.pen.Color, mark.kind == CanvasCall::Fill ? clBlack : clBlue) << c.name;
    }
    // The second diagonal of a cross.
    TXYLineSeries cross;
    cross.Marker = {true, MarkerStyle::msCross, 1, false};
    cross.AddXY(10, 1);
    RecordingCanvas canvas;
    cross.DrawAllValues(canvas, horiz, vert);
    ASSERT_EQ(canvas.calls.size(), 2u);
    const CanvasCall& second = canvas.calls[1];
    EXPECT_EQ((std::vector<int>{second.x0, second.y0, second.x1, second.y1}),
              (std::vector<int>{9, 91, 12, 88}));
}

TEST(ReadValuesAt, FindsEachActiveSeriesNearestPointOnTheDrawnLayout) {
    // Pixels on the profile chart: vapour (57, 232) (140, 122) (223, 67),
    // liquid (57, 250) (140, 166) (223, 78), temperature on the right axis
    // (57, 34) (223, 144); plotting area (57, 34, 223, 254).
    test::XYChart f;
    RecordingCanvas canvas;
    const ChartLayout layout = f.chart.CalcLayout(canvas, {0, 0, 400, 300});
    // A series outside the chart on the same axes: a point without a value
    // has no place and is passed over.
    TXYLineSeries gaps;
    gaps.SetAxes(&f.chart.BottomAxis(), &f.chart.LeftAxis());
    gaps.AddXY(0, std::nan(""));
    gaps.AddXY(10, 50);

    struct Case {
        const char* name;
        Point pointer;
        ReadoutMetric metric;
        bool liquidActive;
        std::vector<std::pair<int, int>> found;  // (series, point)
    };
    using M = ReadoutMetric;
    const Case cases[] = {
        // Both temperature points 83 px away along x: the nearer in y wins.
        {"cursor line", {140, 150}, M::rmHorizontal, true, {{0, 1}, {1, 1}, {2, 1}, {3, 1}}},
        {"nearest pixel", {60, 100}, M::rmPoint, true, {{0, 1}, {1, 1}, {2, 0}, {3, 1}}},
        {"boiler corner", {57, 254}, M::rmPoint, true, {{0, 0}, {1, 0}, {2, 1}, {3, 1}}},
        {"inactive left out", {223, 254}, M::rmHorizontal, false, {{0, 2}, {2, 1}, {3, 1}}},
        {"left of the plot", {56, 150}, M::rmPoint, true, {}},
        {"below the plot", {140, 255}, M::rmPoint, true, {}},
    };
    for (const Case& c : cases) {
        f.liquid.Active = c.liquidActive;
        std::vector<TChartSeries*> series = f.chart.SeriesList();
        series.push_back(&gaps);
        const auto readings = ReadValuesAt(layout, series, c.pointer, c.metric);
        std::vector<std::pair<int, int>> found;
        for (const SeriesReading& r : readings) {
            found.emplace_back(r.Series, r.Index);
            const TChartSeries& s = *series[static_cast<std::size_t>(r.Series)];
            EXPECT_EQ(r.X, s.XValues[r.Index]) << c.name;
            EXPECT_EQ(r.Y, s.YValues[r.Index]) << c.name;
        }
        EXPECT_EQ(found, c.found) << c.name;
    }
    f.liquid.Active = true;
    const auto temperature = ReadValuesAt(layout, f.chart.SeriesList(), {100, 40}, M::rmPoint);
    ASSERT_EQ(temperature.size(), 3u);
    EXPECT_EQ(temperature[2], (SeriesReading{2, 0, 0, 100, {57, 34}}));
}

}  // namespace
}  // namespace colmara
