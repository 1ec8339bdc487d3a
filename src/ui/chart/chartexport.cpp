#include "ui/chart/chartexport.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>

#include "runtime/fileerror.h"
#include "ui/chart/qtchartcanvas.h"

namespace colmara {

namespace {

constexpr int kCaptionHeight = 22;
constexpr int kCaptionMargin = 6;

// The caption's lines: one a line of its text, each cut short where the
// picture is narrower.
QStringList CaptionLines(const ChartPicture& picture) {
    return picture.caption.isEmpty() ? QStringList() : picture.caption.split(QLatin1Char('\n'));
}

void DrawPicture(const TChart& chart, QPainter& painter, const ChartPicture& picture) {
    QtChartCanvas canvas(painter, picture.palette);
    chart.Draw(canvas, {0, 0, picture.size.width(), picture.size.height()});
    const QStringList lines = CaptionLines(picture);
    if (lines.isEmpty()) return;
    painter.fillRect(0, picture.size.height(), picture.size.width(),
                     kCaptionHeight * static_cast<int>(lines.size()), picture.palette.window());
    painter.setPen(picture.palette.windowText().color());
    for (int i = 0; i < lines.size(); ++i) {
        const QRect caption(kCaptionMargin, picture.size.height() + i * kCaptionHeight,
                            picture.size.width() - 2 * kCaptionMargin, kCaptionHeight);
        painter.drawText(
            caption, Qt::AlignLeft | Qt::AlignVCenter,
            painter.fontMetrics().elidedText(lines[i], Qt::ElideRight, caption.width()));
    }
}

}  // namespace

QSize PictureSize(const ChartPicture& picture) {
    return picture.size + QSize(0, kCaptionHeight * static_cast<int>(CaptionLines(picture).size()));
}

QImage ChartImage(const TChart& chart, const ChartPicture& picture) {
    QImage image(PictureSize(picture) * picture.ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(picture.ratio);
    QPainter painter(&image);
    DrawPicture(chart, painter, picture);
    return image;
}

QImage ChartImage(const TChart& chart, QSize size, const QPalette& palette) {
    return ChartImage(chart, ChartPicture{size, {}, 1, palette});
}

QByteArray ChartPng(const TChart& chart, const ChartPicture& picture) {
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !ChartImage(chart, picture).save(&buffer, "PNG"))
        throw FileError("the chart could not be drawn as a PNG image");
    return png;
}

QByteArray ChartSvg(const TChart& chart, const ChartPicture& picture, const QString& title) {
    QByteArray document;
    QBuffer buffer(&document);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(PictureSize(picture));
    generator.setViewBox(QRect(QPoint(0, 0), PictureSize(picture)));
    // The chart's fonts are sized in pixels of a 96-dpi screen.
    generator.setResolution(96);
    generator.setTitle(title);
    generator.setDescription(picture.caption);
    {
        QPainter painter(&generator);
        DrawPicture(chart, painter, picture);
    }
    return document;
}

QByteArray ChartSvg(const TChart& chart, QSize size, const QString& title,
                    const QPalette& palette) {
    return ChartSvg(chart, ChartPicture{size, {}, 1, palette}, title);
}

}  // namespace colmara
