// The chart widget: mouse and wheel events reach the chart at the pixels the
// layout uses, and every change repaints from a fresh picture.
#include "ui/chart/chartwidget.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QWheelEvent>

namespace colmara {
namespace {

struct WidgetFixture {
    FormatSettings settings;
    ChartWidget widget{nullptr, settings};

    WidgetFixture() {
        widget.resize(ChartWidget::DefaultGeometry().size());
        for (int i = 0; i < 16; ++i) widget.Series1().Add(5.0 * (i + 1));
        Picture();  // the first paint lays the chart out
    }
    QImage Picture() { return widget.grab().toImage(); }
    void Mouse(QEvent::Type type, Qt::MouseButton button, QPoint at) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
        QMouseEvent event(type, QPointF(at), widget.mapToGlobal(QPointF(at)),
                          type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
        QApplication::sendEvent(&widget, &event);
    }
    void Wheel(int angle) {
        const QPointF at(150, 200);
        QWheelEvent event(at, widget.mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&widget, &event);
    }
};

TEST(ChartWidget, LeftDragZoomsToThePixelsUnderTheMouse) {
    WidgetFixture f;
    TChart& chart = f.widget.Chart();
    const Rect plot = chart.ChartRect();
    const QPoint from(plot.Left + 20, plot.Top + 60);
    const QPoint to(plot.Left + 100, plot.Top + 260);
    const double minimum = chart.Layout().Axis(AxisSide::Bottom).Scale.CalcPosPoint(from.x());
    const double maximum = chart.Layout().Axis(AxisSide::Left).Scale.CalcPosPoint(from.y());
    const QImage before = f.Picture();

    f.Mouse(QEvent::MouseButtonPress, Qt::LeftButton, from);
    f.Mouse(QEvent::MouseMove, Qt::LeftButton, to);
    ASSERT_TRUE(chart.ZoomRectangle().has_value());
    EXPECT_EQ(*chart.ZoomRectangle(), (Rect{from.x(), from.y(), to.x(), to.y()}));
    f.Mouse(QEvent::MouseButtonRelease, Qt::LeftButton, to);
    EXPECT_DOUBLE_EQ(chart.BottomAxis().Minimum, minimum);
    EXPECT_DOUBLE_EQ(chart.LeftAxis().Maximum, maximum);
    EXPECT_NE(f.Picture(), before) << "the zoomed picture replaces the buffered one";

    // Up and left undoes.
    f.Mouse(QEvent::MouseButtonPress, Qt::LeftButton, to);
    f.Mouse(QEvent::MouseMove, Qt::LeftButton, from);
    f.Mouse(QEvent::MouseButtonRelease, Qt::LeftButton, from);
    EXPECT_TRUE(chart.LeftAxis().Automatic);
    EXPECT_EQ(f.Picture(), before);
}

TEST(ChartWidget, MouseAndWheelHandlersRunUnderTheOwnersGuard) {
    WidgetFixture f;
    int guarded = 0;
    f.widget.SetEventGuard([&](const std::function<void()>& handler) {
        ++guarded;
        handler();
    });
    const Rect plot = f.widget.Chart().ChartRect();
    const QPoint from(plot.Left + 20, plot.Top + 60);
    const QPoint to(plot.Left + 100, plot.Top + 260);
    f.Mouse(QEvent::MouseButtonPress, Qt::LeftButton, from);
    f.Mouse(QEvent::MouseMove, Qt::LeftButton, to);
    f.Mouse(QEvent::MouseButtonRelease, Qt::LeftButton, to);
    f.Wheel(120);
    EXPECT_EQ(guarded, 4);
    EXPECT_FALSE(f.widget.Chart().LeftAxis().Automatic) << "the handlers ran inside the guard";
}

TEST(ChartWidget, WheelNotchesAddUpFromPartialTurns) {
    WidgetFixture f;
    const TChartAxis& left = f.widget.Chart().LeftAxis();
    f.Wheel(-120);  // one notch towards the user: the range moves up
    EXPECT_DOUBLE_EQ(left.Minimum, 0.45);
    f.Wheel(60);
    EXPECT_DOUBLE_EQ(left.Minimum, 0.45) << "half a notch moves nothing yet";
    f.Wheel(60);
    EXPECT_NEAR(left.Minimum, 0.0, 1e-12);
    EXPECT_FALSE(left.Automatic);
}

TEST(ChartWidget, NewPointsRepaintFromAFreshPicture) {
    WidgetFixture f;
    const QImage before = f.Picture();
    EXPECT_EQ(f.Picture(), before);
    f.widget.Series1().Clear();
    for (double v : {20.0, 40.0}) f.widget.Series1().Add(v);
    const QImage after = f.Picture();
    EXPECT_NE(after, before);
    EXPECT_EQ(f.widget.Chart().Layout().Axis(AxisSide::Left).Scale.IMaximum, 1);
}

}  // namespace
}  // namespace colmara
