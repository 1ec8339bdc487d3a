// A chart exported as a PNG image and an SVG document through the QPainter
// canvas: the series where the layout puts them, the chart left as it was.
#include "ui/chart/chartexport.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QXmlStreamReader>
#include <map>
#include <vector>

#include "chart/xychart.h"
#include "ui/chart/qtchartcanvas.h"

namespace colmara {
namespace {

const QSize kSize(400, 300);

// The layout the export draws: the canvas' metrics do not depend on the
// surface.
ChartLayout ExportLayout(const TChart& chart) {
    QImage scratch(kSize, QImage::Format_RGB32);
    QPainter painter(&scratch);
    QtChartCanvas canvas(painter, QPalette());
    return chart.CalcLayout(canvas, {0, 0, kSize.width(), kSize.height()});
}

std::vector<Point> PixelsOf(const TXYLineSeries& s, const ChartLayout& layout) {
    return s.PointPixels(layout.Axis(s.HorizAxis()->Side()).Scale,
                         layout.Axis(s.VertAxis()->Side()).Scale);
}

bool ColourNear(const QImage& image, Point p, QColor colour) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (QColor(image.pixel(p.X + dx, p.Y + dy)) == colour) return true;
    return false;
}

TEST(ChartExport, PngHoldsTheCurvesWhereTheLayoutPutsThemAndTheChartStaysAsItWas) {
    test::XYChart f;
    const ChartLayout layout = ExportLayout(f.chart);
    const QImage image = ChartImage(f.chart, kSize);
    EXPECT_EQ(image.size(), kSize);
    EXPECT_EQ(f.chart.Layout().ChartRect, Rect{}) << "the mouse's layout is the screen's";

    const auto vapour = PixelsOf(f.vapour, layout);
    ASSERT_EQ(vapour.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) EXPECT_TRUE(ColourNear(image, vapour[i], Qt::red)) << i;
    const Point middle{(vapour[0].X + vapour[1].X) / 2, (vapour[0].Y + vapour[1].Y) / 2};
    EXPECT_TRUE(ColourNear(image, middle, Qt::red));
    const Point mark = PixelsOf(f.liquid, layout)[1];
    EXPECT_EQ(QColor(image.pixel(mark.X + 2, mark.Y - 2)), QColor(Qt::blue));

    // The left axis' title reads upwards in its strip (a text height, at
    // least 11 px, from the room's outer edge): its ink runs far further
    // down the strip than across it, centred on the axis.
    const AxisLayout& left = layout.Axis(AxisSide::Left);
    const QColor face = image.pixel(2, 150);
    int top = image.height(), bottom = 0, leftmost = image.width(), rightmost = 0;
    for (int y = left.Scale.IStartPos; y < left.Scale.IEndPos; ++y)
        for (int x = left.RoomStart; x < left.RoomStart + 11; ++x)
            if (QColor(image.pixel(x, y)) != face) {
                top = std::min(top, y), bottom = std::max(bottom, y);
                leftmost = std::min(leftmost, x), rightmost = std::max(rightmost, x);
            }
    EXPECT_GT(bottom - top, 3 * (rightmost - leftmost));
    EXPECT_LT(std::abs((top + bottom) / 2 - left.TitleAt.Y), 4);
}

TEST(ChartExport, SvgIsXmlWithOnePathPerSeriesInItsColourAndDashes) {
    test::XYChart f;
    const ChartLayout layout = ExportLayout(f.chart);
    const QByteArray svg = ChartSvg(f.chart, kSize, "Column profile");

    // Each path's stroke comes from the group around it.
    std::map<QString, QString> strokeOfPath;  // d -> stroke, dash pattern
    std::vector<QString> groups;
    QXmlStreamReader xml(svg);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"g") {
            const auto a = xml.attributes();
            groups.push_back(a.value("stroke").toString() + " " +
                             a.value("stroke-dasharray").toString());
        } else if (xml.isEndElement() && xml.name() == u"g") {
            groups.pop_back();
        } else if (xml.isStartElement() && xml.name() == u"path") {
            strokeOfPath[xml.attributes().value("d").toString()] = groups.back();
        }
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();

    auto pathOf = [&layout](const TXYLineSeries& s) {
        QStringList steps;
        for (const Point& p : PixelsOf(s, layout))
            steps << QString("%1%2,%3").arg(steps.isEmpty() ? "M" : "L").arg(p.X).arg(p.Y);
        return steps.join(' ');
    };
    ASSERT_EQ(strokeOfPath.size(), 3u);
    EXPECT_EQ(strokeOfPath[pathOf(f.vapour)], "#ff0000 ");
    EXPECT_EQ(strokeOfPath[pathOf(f.liquid)].left(8), "#0000ff ");
    EXPECT_FALSE(strokeOfPath[pathOf(f.liquid)].mid(8).isEmpty()) << "the liquid is dashed";
    EXPECT_EQ(strokeOfPath[pathOf(f.temperature)], "#000000 ");
    EXPECT_TRUE(svg.contains("<title>Column profile</title>"));
}

// A file at the screen's scale holds the same picture in twice the pixels,
// and the caption line lies below the chart, never over it.
TEST(ChartExport, ScaledPicturesDoubleThePixelsAndTheCaptionSitsBelowTheChart) {
    test::XYChart f;
    const QImage plain = ChartImage(f.chart, kSize);
    const ChartPicture captioned{kSize, QStringLiteral("Power 1500 W"), 1, QPalette()};
    const QImage withCaption = ChartImage(f.chart, captioned);
    EXPECT_EQ(withCaption.size(), PictureSize(captioned));
    EXPECT_GT(withCaption.height(), kSize.height());
    EXPECT_EQ(withCaption.copy(QRect(QPoint(0, 0), kSize)), plain);

    ChartPicture scaled = captioned;
    scaled.ratio = 2;
    const QImage doubled = ChartImage(f.chart, scaled);
    EXPECT_EQ(doubled.size(), PictureSize(captioned) * 2);
    const QImage halved =
        doubled.scaled(withCaption.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    EXPECT_EQ(QColor(halved.pixel(kSize.width() / 2, 5)),
              QColor(withCaption.pixel(kSize.width() / 2, 5)));

    const QByteArray svg = ChartSvg(f.chart, captioned, QStringLiteral("Column"));
    EXPECT_TRUE(svg.contains("<desc>Power 1500 W</desc>")) << svg.left(400).toStdString();
}

}  // namespace
}  // namespace colmara
