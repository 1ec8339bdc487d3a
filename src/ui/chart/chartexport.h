// A chart taken out of the program as a PNG image or an SVG document, drawn
// through the same QPainter canvas as the screen. Exporting changes nothing
// in the chart: the mouse keeps working on the picture on screen. A file may
// carry a caption line below the chart (the inputs that made it), which the
// screen never shows.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPalette>
#include <QSize>
#include <QString>

#include "chart/chart.h"

namespace colmara {

// What a picture holds besides the chart laid out at `size` pixels.
struct ChartPicture {
    QSize size;
    QString caption;   // lines below the chart, split at '\n'; none when empty
    qreal ratio = 1;   // device pixels per pixel (the screen's scale)
    QPalette palette;  // where the panel's system colours come from
};

// The picture's size in pixels, caption included.
QSize PictureSize(const ChartPicture& picture);

QImage ChartImage(const TChart& chart, const ChartPicture& picture);
QImage ChartImage(const TChart& chart, QSize size, const QPalette& palette = QPalette());
// The image as PNG bytes; throws FileError when it cannot be encoded.
QByteArray ChartPng(const TChart& chart, const ChartPicture& picture);

// An SVG document with the given title; the caption is its description too.
QByteArray ChartSvg(const TChart& chart, const ChartPicture& picture, const QString& title);
QByteArray ChartSvg(const TChart& chart, QSize size, const QString& title,
                    const QPalette& palette = QPalette());

}  // namespace colmara
