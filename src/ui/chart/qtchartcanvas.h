// The chart canvas drawn with a QPainter: system colours from the palette,
// chart fonts as "Arial" at the pixel size of 8 points on a 96-dpi screen.
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
    void TextOut(int x, int y, std::string_view text, TextAlign align,
                 const ChartFont& font) override;
    void SetClip(const Rect& r) override;
    void ClearClip() override;
    void InvertFrame(const Rect& r) override;

  private:
    const QFontMetrics& Metrics(const ChartFont& font);
    QPen ToQPen(const ChartPen& pen) const;

    QPainter& painter_;
    QPalette palette_;
    std::map<std::pair<std::string, int>, std::pair<QFont, QFontMetrics>> fonts_;
};

}  // namespace colmara
