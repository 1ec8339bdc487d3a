// Charts of XY series: a right axis, axis titles and a legend of series,
// laid out and drawn with exact coordinates (6 px per character, 13 px per
// line).
#include <gtest/gtest.h>

#include "chart/chart.h"
#include "chart/recordingcanvas.h"
#include "chart/xychart.h"

namespace colmara {
namespace {

using test::CanvasCall;
using test::RecordingCanvas;
using test::XYChart;

const Rect kPanel{0, 0, 400, 300};

std::vector<Point> Pts(std::initializer_list<Point> points) {
    return points;
}

TEST(ChartLayout, AxisTitlesAndTheRightAxisTakeTheirRoom) {
    // After legend and title the plotting area is (13, 34, 267, 287). A title
    // takes 13 px; the left and right labels "100" + blank 24 px; ticks 7 px.
    // The right axis' title takes room only while a series uses the axis.
    struct Case {
        bool titles, rightAxis;
        Rect chartRect;
    };
    const Case cases[] = {
        {false, false, {44, 34, 267, 267}},
        {true, false, {57, 34, 267, 254}},
        {false, true, {44, 34, 236, 267}},
        {true, true, {57, 34, 223, 254}},
    };
    for (const Case& c : cases) {
        XYChart f(c.titles, c.rightAxis);
        RecordingCanvas canvas;
        const ChartLayout layout = f.chart.CalcLayout(canvas, kPanel);
        EXPECT_EQ(layout.ChartRect, c.chartRect) << c.titles << c.rightAxis;
        const AxisLayout& right = layout.Axis(AxisSide::Right);
        EXPECT_EQ(right.Used, c.rightAxis);
        if (!c.rightAxis) continue;
        // Laid out like the left axis, mirrored.
        EXPECT_EQ(right.RoomStart, 267);
        EXPECT_EQ(right.PosLabels, c.chartRect.Right + 7);
        EXPECT_EQ(right.PosAxis, c.chartRect.Right);
        EXPECT_EQ(right.Scale.IMinimum, 70);
        EXPECT_EQ(right.Scale.IEndPos, c.chartRect.Bottom);
        EXPECT_EQ(right.TitleVisible, c.titles);
    }
}

TEST(TChart, XYChartDrawsAxisTitlesRightLabelsSeriesAndTheirLegend) {
    XYChart f;
    RecordingCanvas canvas;
    f.chart.Paint(canvas, kPanel);

    // Vertical titles turned, their top edge on the room's outer edge and
    // centred on the axis (34 + 254) / 2; the bottom one below its labels.
    const auto turned = canvas.Of(CanvasCall::VText);
    ASSERT_EQ(turned.size(), 2u);
    EXPECT_EQ(turned[0].text, "Strength, %");
    EXPECT_EQ(Pts({{turned[0].x0, turned[0].y0}}), Pts({{13, 144}}));
    EXPECT_EQ(turned[1].text, "Temperature, °C");
    EXPECT_EQ(Pts({{turned[1].x0, turned[1].y0}}), Pts({{254, 144}}));
    std::vector<CanvasCall> texts = canvas.Of(CanvasCall::Text);
    const auto plate = std::find_if(texts.begin(), texts.end(),
                                    [](const CanvasCall& c) { return c.text == "Plate"; });
    ASSERT_NE(plate, texts.end());
    EXPECT_EQ(Pts({{plate->x0, plate->y0}}), Pts({{140, 274}}));
    EXPECT_EQ(plate->align, TextAlign::Center);

    // Right labels 100 ... 70 step 2, left-aligned beyond the ticks.
    const auto first = std::find_if(texts.begin(), texts.end(), [](const CanvasCall& c) {
        return c.x0 == 230 && c.align == TextAlign::Left;
    });
    ASSERT_NE(first, texts.end());
    EXPECT_EQ(first->text, "100");
    EXPECT_EQ(first->y0, 28);
    EXPECT_EQ((first + 15)->text, "70");
    EXPECT_EQ((first + 15)->y0, 248);

    // One polyline per series, in the series' colour and pen; the liquid's
    // marks, 5 px squares, after its line. Temperature on the right scale.
    const auto lines = canvas.Of(CanvasCall::Polyline);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].points, Pts({{57, 232}, {140, 122}, {223, 67}}));
    EXPECT_EQ(lines[0].pen, (ChartPen{clRed, 1, PenStyle::psSolid, true}));
    EXPECT_EQ(lines[1].points, Pts({{57, 250}, {140, 166}, {223, 78}}));
    EXPECT_EQ(lines[1].pen, (ChartPen{clBlue, 1, PenStyle::psDash, true}));
    EXPECT_EQ(lines[2].points, Pts({{57, 34}, {223, 144}}));
    const auto& calls = canvas.calls;
    const auto liquid = std::find_if(calls.begin(), calls.end(), [](const CanvasCall& c) {
        return c.kind == CanvasCall::Polyline && c.pen.Color == clBlue;
    });
    ASSERT_LT(liquid + 3, calls.end());
    const Rect marks[] = {{55, 248, 60, 253}, {138, 164, 143, 169}, {221, 76, 226, 81}};
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(liquid[k + 1].kind, CanvasCall::Fill);
        EXPECT_EQ(liquid[k + 1].rect, marks[k]);
        EXPECT_EQ(liquid[k + 1].color, clBlue);
    }

    // A row per series, named; each symbol a line in the series' pen across
    // its middle, the liquid's with its mark at the centre.
    const auto& legend = f.chart.Layout().Legend;
    ASSERT_EQ(legend.Rows, 3);
    EXPECT_EQ(legend.Box, (Rect{278, 30, 382, 71}));
    const std::string names[] = {"Vapour", "Liquid", "Temperature"};
    for (int r = 0; r < 3; ++r) {
        const LegendRow& row = legend.RowList[static_cast<std::size_t>(r)];
        EXPECT_EQ(row.Column[0], names[r]);
        EXPECT_EQ(row.ColumnX[0], 305);  // names left-aligned after the symbol
        EXPECT_EQ(row.Series, r);
        EXPECT_EQ(row.Index, -1);
    }
    const auto symbols = std::find_if(calls.begin(), calls.end(), [](const CanvasCall& c) {
        return c.kind == CanvasCall::Line && c.pen.Color == clBlue;
    });
    ASSERT_LT(symbols + 1, calls.end());
    EXPECT_EQ((std::vector<int>{symbols->x0, symbols->y0, symbols->x1, symbols->y1}),
              (std::vector<int>{284, 50, 301, 50}));
    EXPECT_EQ(symbols->pen.Style, PenStyle::psDash);
    EXPECT_EQ(symbols[1].rect, (Rect{290, 48, 295, 53}));
}

// Vertical lines named at their top ends: each name starts beside its
// line (left of it where the plot ends), lies inside the plot, and no two
// overlap, however close the lines.
TEST(ChartLayout, EndLabelsSitBesideTheirLinesAndNeverOverlap) {
    XYChart f;
    const struct {
        double x;
        const char* name;
    } lines[] = {{2, "hearts"}, {2, "tails"}, {2.3, "feints"}, {9.9, "last"}, {5, ""}};
    for (const auto& line : lines) {
        TXYLineSeries& s = f.Add("cut", clGray, {{line.x, 0}, {line.x, 100}});
        s.EndLabel = line.name;
    }
    RecordingCanvas canvas;
    const ChartLayout layout = f.chart.CalcLayout(canvas, kPanel);
    const Rect& plot = layout.ChartRect;
    ASSERT_EQ(layout.EndLabels.size(), 4u);  // the unnamed line has none
    for (std::size_t i = 0; i < layout.EndLabels.size(); ++i) {
        const EndLabelLayout& label = layout.EndLabels[i];
        SCOPED_TRACE(label.Text);
        EXPECT_EQ(label.Text, lines[i].name);
        const int x = layout.Axis(AxisSide::Bottom).Scale.CalcPosValue(lines[i].x);
        EXPECT_TRUE(label.Box.Left == x + 3 || label.Box.Right == x - 3);
        EXPECT_EQ(label.Box.Width(), 6 * static_cast<int>(label.Text.size()));
        EXPECT_GE(label.Box.Left, plot.Left);
        EXPECT_LE(label.Box.Right, plot.Right);
        EXPECT_GT(label.Box.Top, plot.Top);
        EXPECT_LE(label.Box.Bottom, plot.Bottom);
        for (std::size_t j = 0; j < i; ++j) {
            const Rect& o = layout.EndLabels[j].Box;
            EXPECT_FALSE(label.Box.Left < o.Right && o.Left < label.Box.Right &&
                         label.Box.Top < o.Bottom && o.Top < label.Box.Bottom)
                << "overlaps " << layout.EndLabels[j].Text;
        }
    }
    // The last line's name would run past the plot: it stands left of it.
    EXPECT_EQ(layout.EndLabels[3].Box.Right,
              layout.Axis(AxisSide::Bottom).Scale.CalcPosValue(9.9) - 3);
}

// A chart aligned under another takes its plotting edges, moving the axes
// on those sides along, but never crowds an axis out of the room it needs.
TEST(ChartLayout, AlignedEdgesMoveThePlotAndItsAxesButNeverCrowdThem) {
    XYChart f;
    RecordingCanvas canvas;
    const ChartLayout natural = f.chart.CalcLayout(canvas, kPanel);
    f.chart.AlignLeft = natural.ChartRect.Left + 20;
    f.chart.AlignRight = natural.ChartRect.Right - 30;
    const ChartLayout aligned = f.chart.CalcLayout(canvas, kPanel);
    EXPECT_EQ(aligned.ChartRect.Left, natural.ChartRect.Left + 20);
    EXPECT_EQ(aligned.ChartRect.Right, natural.ChartRect.Right - 30);
    EXPECT_EQ(aligned.Axis(AxisSide::Left).PosLabels, natural.Axis(AxisSide::Left).PosLabels + 20);
    EXPECT_EQ(aligned.Axis(AxisSide::Right).PosLabels,
              natural.Axis(AxisSide::Right).PosLabels - 30);
    EXPECT_EQ(aligned.Axis(AxisSide::Left).Labels.front().X,
              natural.Axis(AxisSide::Left).Labels.front().X + 20);
    // Outwards of the axes' own room: no change.
    f.chart.AlignLeft = natural.ChartRect.Left - 5;
    f.chart.AlignRight = natural.ChartRect.Right + 5;
    EXPECT_EQ(f.chart.CalcLayout(canvas, kPanel).ChartRect, natural.ChartRect);
}

TEST(TChart, RemovedSeriesLeaveTheChartAndHiddenOnesTheLegend) {
    XYChart f;
    int invalidations = 0;
    f.chart.OnInvalidate = [&] { ++invalidations; };
    f.chart.RemoveSeries(f.temperature);
    EXPECT_EQ(invalidations, 1);
    ASSERT_EQ(f.chart.SeriesList().size(), 2u);
    TXYLineSeries stranger;
    f.chart.RemoveSeries(stranger);
    EXPECT_EQ(invalidations, 1) << "a series the chart does not hold changes nothing";

    f.vapour.ShowInLegend = false;
    RecordingCanvas canvas;
    const ChartLayout layout = f.chart.CalcLayout(canvas, kPanel);
    EXPECT_FALSE(layout.Axis(AxisSide::Right).Used);
    ASSERT_EQ(layout.Legend.Rows, 1);
    EXPECT_EQ(layout.Legend.RowList[0].Column[0], "Liquid");
    EXPECT_EQ(layout.Legend.RowList[0].Series, 1);
}

}  // namespace
}  // namespace colmara
