#include <gtest/gtest.h>

#include "chart/chart.h"
#include "chart/recordingcanvas.h"

namespace colmara {
namespace {

using test::RecordingCanvas;

const Rect kPanel{0, 0, 296, 473};

// The program's chart with 16 points 5, 10, ... 80, painted once: plotting
// area (34, 40, 234, 434), bottom axis 2 px per percent, left 0 ... 15.
struct MouseFixture {
    FormatSettings settings;
    TChart chart{settings};
    THorizLineSeries& series = chart.AddSeries(std::make_unique<THorizLineSeries>());
    RecordingCanvas canvas;
    int invalidations = 0;
    int zoomRectangleChanges = 0;

    MouseFixture() {
        for (int i = 0; i < 16; ++i) series.Add(5.0 * (i + 1));
        Paint();
        chart.OnInvalidate = [this] { ++invalidations; };
        chart.OnZoomRectangleChanged = [this] { ++zoomRectangleChanges; };
    }
    void Paint() { chart.Paint(canvas, kPanel); }
    void Drag(MouseButton button, int x0, int y0, int x1, int y1) {
        chart.MouseDown(button, x0, y0);
        chart.MouseMove(x1, y1);
        chart.MouseUp(button, x1, y1);
    }
    bool LeftAxisAutomatic() {
        const TChartAxis& a = chart.LeftAxis();
        return a.Automatic && a.AutomaticMinimum && a.AutomaticMaximum;
    }
};

TEST(TChartMouse, RightDownDragZoomsEveryAxisToTheRectangle) {
    MouseFixture f;
    ASSERT_EQ(f.chart.ChartRect(), (Rect{34, 40, 234, 434}));
    f.chart.MouseDown(MouseButton::mbLeft, 54, 100);
    f.chart.MouseMove(134, 300);
    EXPECT_EQ(f.chart.ZoomRectangle(), (Rect{54, 100, 134, 300}));
    f.chart.MouseUp(MouseButton::mbLeft, 134, 300);
    EXPECT_FALSE(f.chart.ZoomRectangle().has_value());
    EXPECT_EQ(f.zoomRectangleChanges, 3);

    const TChartAxis& bottom = f.chart.BottomAxis();
    EXPECT_DOUBLE_EQ(bottom.Minimum, 10);
    EXPECT_DOUBLE_EQ(bottom.Maximum, 50);
    const TChartAxis& left = f.chart.LeftAxis();
    EXPECT_DOUBLE_EQ(left.Minimum, (434 - 300) * 15.0 / 394);  // bottom pixel
    EXPECT_DOUBLE_EQ(left.Maximum, (434 - 100) * 15.0 / 394);  // top pixel
    EXPECT_FALSE(f.LeftAxisAutomatic());
    EXPECT_EQ(f.invalidations, 1);

    // A later calculation keeps the fixed range.
    f.series.Clear();
    for (int i = 0; i < 21; ++i) f.series.Add(10.0 + i);
    f.Paint();
    EXPECT_DOUBLE_EQ(f.chart.Layout().Axis(AxisSide::Left).Scale.IMaximum,
                     (434 - 100) * 15.0 / 394);
}

TEST(TChartMouse, SixteenPixelsOrLessDoNothing) {
    MouseFixture f;
    f.Drag(MouseButton::mbLeft, 54, 100, 70, 300);    // 16 wide
    f.Drag(MouseButton::mbLeft, 54, 100, 154, 116);   // 16 high
    f.Drag(MouseButton::mbLeft, 154, 300, 138, 100);  // 16 wide, backwards
    EXPECT_TRUE(f.LeftAxisAutomatic());
    EXPECT_EQ(f.invalidations, 0);
    f.chart.MouseWheel(-1);                           // fixes the range, saves nothing
    f.Drag(MouseButton::mbLeft, 200, 300, 100, 100);  // so this undo finds nothing saved
    EXPECT_FALSE(f.LeftAxisAutomatic()) << "a small drag saved settings";
    f.Drag(MouseButton::mbLeft, 54, 100, 71, 117);  // 17 x 17 zooms
    EXPECT_EQ(f.invalidations, 2);
}

TEST(TChartMouse, AnyOtherDirectionUndoesToTheSettingsSavedAtTheFirstZoom) {
    // Up-left, up-right and down-left all undo.
    const int undoDrags[][4] = {{200, 300, 100, 100}, {100, 300, 200, 100}, {200, 100, 100, 300}};
    for (const auto& d : undoDrags) {
        MouseFixture f;
        f.Drag(MouseButton::mbLeft, 54, 100, 134, 300);
        f.Paint();
        f.Drag(MouseButton::mbLeft, 60, 60, 200, 400);  // a second zoom saves nothing new
        f.Paint();
        f.Drag(MouseButton::mbLeft, d[0], d[1], d[2], d[3]);
        EXPECT_TRUE(f.LeftAxisAutomatic());
        f.Paint();
        EXPECT_EQ(f.chart.Layout().Axis(AxisSide::Left).Scale.IMaximum, 15);
        EXPECT_EQ(f.chart.Layout().Axis(AxisSide::Bottom).Scale.IMinimum, 0);
        EXPECT_EQ(f.chart.Layout().Axis(AxisSide::Bottom).Scale.IMaximum, 100);
        EXPECT_FALSE(f.chart.BottomAxis().Automatic);
    }
}

TEST(TChartMouse, UndoWithoutSavedSettingsChangesNothing) {
    MouseFixture f;
    f.Drag(MouseButton::mbLeft, 200, 300, 100, 100);
    EXPECT_TRUE(f.LeftAxisAutomatic());
    EXPECT_EQ(f.invalidations, 0);

    // An undo restores once: a second one after a wheel keeps the wheel's range.
    f.Drag(MouseButton::mbLeft, 54, 100, 134, 300);
    f.Drag(MouseButton::mbLeft, 200, 300, 100, 100);
    f.Paint();
    f.chart.MouseWheel(-1);
    f.Drag(MouseButton::mbLeft, 200, 300, 100, 100);
    EXPECT_FALSE(f.LeftAxisAutomatic());
    EXPECT_DOUBLE_EQ(f.chart.LeftAxis().Maximum, 15.45);
}

TEST(TChartMouse, ZoomStartsInThePlottingAreaOrOnAnAxisOnly) {
    MouseFixture f;
    const std::pair<int, int> starts[] = {{134, 200}, {134, 445}, {20, 200}};
    for (auto [x, y] : starts) {
        f.chart.MouseDown(MouseButton::mbLeft, x, y);
        EXPECT_TRUE(f.chart.ZoomRectangle().has_value()) << x << "," << y;
        f.chart.MouseUp(MouseButton::mbLeft, x, y);
    }
    const std::pair<int, int> elsewhere[] = {{260, 100}, {134, 25}, {2, 2}};
    for (auto [x, y] : elsewhere) {
        f.chart.MouseDown(MouseButton::mbLeft, x, y);
        EXPECT_FALSE(f.chart.ZoomRectangle().has_value()) << x << "," << y;
    }
}

TEST(TChartMouse, RightDragScrollsWithTheMouseUntilItLeavesThePlottingArea) {
    MouseFixture f;
    f.chart.MouseDown(MouseButton::mbRight, 134, 237);
    f.chart.MouseMove(144, 237);  // 10 px right: the range moves 5 % left
    EXPECT_DOUBLE_EQ(f.chart.BottomAxis().Minimum, -5);
    EXPECT_DOUBLE_EQ(f.chart.BottomAxis().Maximum, 95);
    EXPECT_TRUE(f.LeftAxisAutomatic()) << "no vertical movement yet";
    f.chart.MouseMove(144, 257);  // 20 px down: the range moves up
    EXPECT_NEAR(f.chart.LeftAxis().Minimum, 20 * 15.0 / 394, 1e-12);
    EXPECT_NEAR(f.chart.LeftAxis().Maximum, 15 + 20 * 15.0 / 394, 1e-12);
    EXPECT_EQ(f.invalidations, 2);

    f.chart.MouseMove(10, 257);  // outside: the scroll ends
    f.chart.MouseMove(150, 257);
    EXPECT_DOUBLE_EQ(f.chart.BottomAxis().Minimum, -5);

    // An undo zoom brings back the settings saved by the scroll.
    f.Drag(MouseButton::mbLeft, 200, 300, 100, 100);
    EXPECT_TRUE(f.LeftAxisAutomatic());
    EXPECT_DOUBLE_EQ(f.chart.BottomAxis().Minimum, 0);
}

TEST(TChartMouse, RightDragFromAnAxisStripScrollsThatAxisOnly) {
    // Each drag moves 10 px right and 8 px down; the range moves against it
    // on the axes that follow: 5 % of the bottom, 8 * 15 / 394 of the left.
    // The bottom strip is 434 ... 454, the left one 9 ... 34.
    const double up = 8 * 15.0 / 394;
    struct Case {
        const char* where;
        int x0, y0;
        double bottomMin, bottomMax, leftMin, leftMax;
        int invalidations;
    };
    const Case cases[] = {
        {"bottom axis labels", 134, 440, -5, 95, 0, 15, 1},
        {"left axis labels", 20, 237, 0, 100, up, 15 + up, 1},
        {"plotting area", 134, 237, -5, 95, up, 15 + up, 1},
        {"bottom axis, leaving its strip", 134, 450, 0, 100, 0, 15, 0},
    };
    for (const Case& c : cases) {
        MouseFixture f;
        f.chart.MouseDown(MouseButton::mbRight, c.x0, c.y0);
        f.chart.MouseMove(c.x0 + 10, c.y0 + 8);
        f.chart.MouseUp(MouseButton::mbRight, c.x0 + 10, c.y0 + 8);
        EXPECT_DOUBLE_EQ(f.chart.BottomAxis().Minimum, c.bottomMin) << c.where;
        EXPECT_DOUBLE_EQ(f.chart.BottomAxis().Maximum, c.bottomMax) << c.where;
        EXPECT_NEAR(f.chart.LeftAxis().Minimum, c.leftMin, 1e-12) << c.where;
        EXPECT_NEAR(f.chart.LeftAxis().Maximum, c.leftMax, 1e-12) << c.where;
        EXPECT_EQ(f.invalidations, c.invalidations) << c.where;
    }
}

TEST(TChartMouse, WheelMovesVerticalAxesByThreePercentPerNotchWithoutUndo) {
    MouseFixture f;
    f.chart.MouseWheel(-1);  // one notch down raises the range
    EXPECT_DOUBLE_EQ(f.chart.LeftAxis().Minimum, 0.45);
    EXPECT_DOUBLE_EQ(f.chart.LeftAxis().Maximum, 15.45);
    EXPECT_FALSE(f.LeftAxisAutomatic());
    f.chart.MouseWheel(2);
    EXPECT_DOUBLE_EQ(f.chart.LeftAxis().Minimum, -0.45);
    EXPECT_DOUBLE_EQ(f.chart.LeftAxis().Maximum, 14.55);
    EXPECT_DOUBLE_EQ(f.chart.BottomAxis().Maximum, 100) << "horizontal axes stay";
    EXPECT_EQ(f.invalidations, 2);
    f.Drag(MouseButton::mbLeft, 200, 300, 100, 100);  // nothing to undo
    EXPECT_FALSE(f.LeftAxisAutomatic());
}

TEST(TChartMouse, WheelOverAnEmptyChartLeavesTheLeftAxisScalingItself) {
    // 3 % of the empty chart's 0 ... 0 moves nothing; fixing that range
    // would keep every later calculation at mid-height with no undo.
    FormatSettings settings;
    TChart chart(settings);
    THorizLineSeries& series = chart.AddSeries(std::make_unique<THorizLineSeries>());
    RecordingCanvas canvas;
    chart.Paint(canvas, kPanel);
    chart.MouseWheel(-1);
    chart.MouseWheel(2);
    EXPECT_TRUE(chart.LeftAxis().Automatic);
    for (int i = 0; i < 16; ++i) series.Add(5.0 * (i + 1));
    chart.Paint(canvas, kPanel);
    EXPECT_EQ(chart.Layout().Axis(AxisSide::Left).Scale.IMinimum, 0);
    EXPECT_EQ(chart.Layout().Axis(AxisSide::Left).Scale.IMaximum, 15);
}

}  // namespace
}  // namespace colmara
