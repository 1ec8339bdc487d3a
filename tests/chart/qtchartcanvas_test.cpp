// The chart drawn for real with QPainter into an image.
#include "ui/chart/qtchartcanvas.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <tuple>
#include <utility>
#include <vector>

#include "ui/chart/chartwidget.h"

namespace colmara {
namespace {

QColor PixelAt(const QImage& image, int x, int y) {
    return QColor(image.pixel(x, y));
}

// The platform decides whether a line's end pixel itself is set; the line
// must reach it to within one pixel.
bool RedNear(const QImage& image, int x, int y) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (PixelAt(image, x + dx, y + dy) == QColor(255, 0, 0)) return true;
    return false;
}

TEST(QtChartCanvas, RedLineAndLegendBoxLieWhereTheLayoutPutsThem) {
    const FormatSettings settings;
    ChartWidget widget(nullptr, settings);
    for (int i = 0; i < 16; ++i) widget.Series1().Add(10.0 + 4.0 * i);

    QImage image(296, 473, QImage::Format_RGB32);
    image.fill(Qt::green);
    ChartLayout layout;
    {
        QPainter painter(&image);
        layout = widget.Render(painter, QRect(0, 0, 296, 473));
    }
    const THorizLineSeries& series = widget.Series1();
    const AxisScale& bottomScale = layout.Axis(AxisSide::Bottom).Scale;
    const AxisScale& leftScale = layout.Axis(AxisSide::Left).Scale;
    auto x = [&](int i) { return series.CalcXPos(i, bottomScale); };
    auto y = [&](int i) { return series.CalcYPos(i, leftScale); };
    const QColor red(255, 0, 0);
    // Both ends of the line: the boiler on the bottom edge, the top plate on
    // the top edge of the plotting area.
    EXPECT_EQ(y(0), layout.ChartRect.Bottom);
    EXPECT_EQ(y(15), layout.ChartRect.Top);
    EXPECT_TRUE(RedNear(image, x(0), y(0)));
    EXPECT_TRUE(RedNear(image, x(15), y(15)));
    EXPECT_TRUE(RedNear(image, (x(7) + x(8)) / 2, (y(7) + y(8)) / 2));
    // The boiler's own pixel on the bottom edge shows: the clip reaches one
    // pixel below the plotting area and the line starts on its first pixel.
    EXPECT_EQ(PixelAt(image, x(0), y(0)), red);
    // ...and stays inside the plotting area.
    EXPECT_FALSE(RedNear(image, x(15), y(15) - 3));
    EXPECT_FALSE(RedNear(image, x(0), y(0) + 4));

    // Legend: black frame, white inside, black shadow to the lower right.
    ASSERT_TRUE(layout.Legend.Visible);
    const Rect box = layout.Legend.Box;
    EXPECT_EQ(PixelAt(image, box.Left, box.Top + 5), QColor(Qt::black));
    EXPECT_EQ(PixelAt(image, box.Right - 1, box.Bottom - 1), QColor(Qt::black));
    EXPECT_EQ(PixelAt(image, box.Left + 2, box.Bottom - 2), QColor(Qt::white));
    EXPECT_EQ(PixelAt(image, box.Right + 2, box.Bottom + 2), QColor(Qt::black));
    EXPECT_EQ(PixelAt(image, box.Right + 5, box.Bottom + 5),
              widget.palette().color(QPalette::Button));
    // The top row's symbol is a red line.
    const Rect symbol = layout.Legend.RowList.front().Symbol;
    EXPECT_EQ(PixelAt(image, (symbol.Left + symbol.Right) / 2, (symbol.Top + symbol.Bottom) / 2),
              red);
    // Left ticks run from one pixel left of the axis line outwards, 4 long.
    const int tickLength = widget.Chart().LeftAxis().TickLength;
    const int posAxis = layout.Axis(AxisSide::Left).PosAxis;
    const int tickY = y(15);
    for (int px = posAxis - 1; px > posAxis - 1 - tickLength; --px)
        EXPECT_EQ(PixelAt(image, px, tickY), QColor(0x80, 0x80, 0x80)) << px;
    EXPECT_NE(PixelAt(image, posAxis - 1 - tickLength, tickY), QColor(0x80, 0x80, 0x80));
    // Nothing drawn outside the panel colour at the bevel's inner corner.
    EXPECT_EQ(PixelAt(image, 3, 3), widget.palette().color(QPalette::Button));
}

// The pixels a one-pixel line covers, as the layout counts them: from its
// start point on, the end point excluded, whatever the direction.
TEST(QtChartCanvas, LinesStartOnTheirFirstPixelInEveryDirection) {
    struct Case {
        const char* name;
        int x0, y0, x1, y1;
        std::vector<std::pair<int, int>> pixels;
    };
    const Case cases[] = {
        {"rightwards", 2, 3, 6, 3, {{2, 3}, {3, 3}, {4, 3}, {5, 3}}},
        {"leftwards", 6, 3, 2, 3, {{6, 3}, {5, 3}, {4, 3}, {3, 3}}},
        {"downwards", 4, 1, 4, 4, {{4, 1}, {4, 2}, {4, 3}}},
        {"upwards", 4, 8, 4, 5, {{4, 8}, {4, 7}, {4, 6}}},
        {"up and right", 2, 9, 5, 6, {{2, 9}, {3, 8}, {4, 7}}},
        {"steeply up", 2, 9, 4, 5, {{2, 9}, {3, 8}, {3, 7}, {4, 6}}},
        {"down and left", 8, 2, 5, 5, {{8, 2}, {7, 3}, {6, 4}}},
        {"no length", 5, 5, 5, 5, {}},
    };
    for (const Case& c : cases) {
        QImage image(12, 12, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            QtChartCanvas canvas(painter, QPalette());
            canvas.Line(c.x0, c.y0, c.x1, c.y1, ChartPen{clRed, 1, PenStyle::psSolid, true});
        }
        std::vector<std::pair<int, int>> drawn;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (PixelAt(image, x, y) != QColor(Qt::white)) drawn.emplace_back(x, y);
        auto expected = c.pixels;
        std::sort(expected.begin(), expected.end(), [](auto a, auto b) {
            return std::tie(a.second, a.first) < std::tie(b.second, b.first);
        });
        EXPECT_EQ(drawn, expected) << c.name;
    }
}

TEST(QtChartCanvas, TextMetricsComeFromAnElevenPixelSansFace) {
    QImage image(10, 10, QImage::Format_RGB32);
    QPainter painter(&image);
    QtChartCanvas canvas(painter, QPalette());
    const ChartFont font;
    const int height = canvas.TextHeight(font, "W");
    EXPECT_GE(height, 11);
    EXPECT_LE(height, 15);
    EXPECT_GT(canvas.TextWidth(font, "100"), canvas.TextWidth(font, "1"));
    EXPECT_EQ(QtChartCanvas::ToQFont(font).pixelSize(), 11);
}

}  // namespace
}  // namespace colmara
