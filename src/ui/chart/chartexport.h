// A chart taken out of the program as a PNG image or an SVG document, drawn
// through the same QPainter canvas as the screen. Exporting changes nothing
// in the chart: the mouse keeps working on the picture on screen.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPalette>
#include <QSize>
#include <QString>

#include "chart/chart.h"

namespace colmara {

// palette: where the panel's system colours come from (the window's own).
QImage ChartImage(const TChart& chart, QSize size, const QPalette& palette = QPalette());
// False when the file cannot be written.
bool SaveChartPng(const TChart& chart, QSize size, const QString& path,
                  const QPalette& palette = QPalette());

// An SVG document of size pixels, with the given document title.
QByteArray ChartSvg(const TChart& chart, QSize size, const QString& title,
                    const QPalette& palette = QPalette());
// Written whole or not at all; false when the file cannot be written.
bool SaveChartSvg(const TChart& chart, QSize size, const QString& path, const QString& title,
                  const QPalette& palette = QPalette());

}  // namespace colmara
