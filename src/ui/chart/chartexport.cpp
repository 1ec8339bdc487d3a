#include "ui/chart/chartexport.h"

#include <QBuffer>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

#include "ui/chart/qtchartcanvas.h"

namespace colmara {

namespace {

void DrawChart(const TChart& chart, QPainter& painter, QSize size, const QPalette& palette) {
    QtChartCanvas canvas(painter, palette);
    chart.Draw(canvas, {0, 0, size.width(), size.height()});
}

}  // namespace

QImage ChartImage(const TChart& chart, QSize size, const QPalette& palette) {
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    DrawChart(chart, painter, size, palette);
    return image;
}

bool SaveChartPng(const TChart& chart, QSize size, const QString& path, const QPalette& palette) {
    return ChartImage(chart, size, palette).save(path, "PNG");
}

QByteArray ChartSvg(const TChart& chart, QSize size, const QString& title,
                    const QPalette& palette) {
    QByteArray document;
    QBuffer buffer(&document);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    // The chart's fonts are sized in pixels of a 96-dpi screen.
    generator.setResolution(96);
    generator.setTitle(title);
    {
        QPainter painter(&generator);
        DrawChart(chart, painter, size, palette);
    }
    return document;
}

bool SaveChartSvg(const TChart& chart, QSize size, const QString& path, const QString& title,
                  const QPalette& palette) {
    const QByteArray document = ChartSvg(chart, size, title, palette);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(document);
    return file.commit();
}

}  // namespace colmara
