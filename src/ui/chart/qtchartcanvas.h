// The chart canvas drawn with a QPainter, on screen, an image or an SVG
// file: system colours from the palette, chart fonts as "Arial" at the
// pixel size of 8 points on a 96-dpi screen.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPalette>
#include <map>

#include "chart/chartcanvas.h"

namespace colmara {

class QtChartCanvas : public TChartCanvas {
  public:
    QtChartCanvas(QPainter& painter, const QPalette& palette);

    // "Arial" at 8 points is an 11-pixel em.
    static QFont ToQFont(const ChartFont& font);
    QColor ToQColor(ColorValue color) const;

    int TextWidth(const ChartFont& font, std::string_view text) override;
    int TextHeight(const ChartFont& font, std::string_view text) override;
    void FillRect(const Rect& r, ColorValue color) override;
    void FrameRect(const Rect& r, const ChartPen& pen) override;
    void Frame3D(const Rect& r, ColorValue topLeft, ColorValue bottomRight, int width) override;
    void Line(int x0, int y0, int x1, int y1, const ChartPen& pen) override;
    void Polyline(std::span<const Point> points, const ChartPen& pen) override;
    void Ellipse(const Rect& r, const ChartPen& pen, ColorValue fill) override;
    void TextOut(int x, int y, std::string_view text, TextAlign align,
                 const ChartFont& font) override;
    void VerticalTextOut(int x, int y, std::string_view text, const ChartFont& font) override;
    void SetClip(const Rect& r) override;
    void ClearClip() override;
    void InvertFrame(const Rect& r) override;

  private:
    const QFontMetrics& Metrics(const ChartFont& font);
    QPen ToQPen(const ChartPen& pen) const;
    // Sets the painter's font and text colour; returns the font's metrics.
    const QFontMetrics& UseFont(const ChartFont& font);

    QPainter& painter_;
    // A vector surface (an SVG file) scales freely: lines are drawn as lines
    // there, not placed pixel by pixel.
    bool vector_ = false;
    QPalette palette_;
    std::map<std::pair<std::string, int>, std::pair<QFont, QFontMetrics>> fonts_;
};

}  // namespace colmara
