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

class TQtChartCanvas : public TChartCanvas {
  public:
    TQtChartCanvas(QPainter& painter, const QPalette& palette);

    // "Arial" at 8 points is an 11-pixel em.
    static QFont ToQFont(const TChartFont& font);
    QColor ToQColor(TColor color) const;

    int TextWidth(const TChartFont& font, std::string_view text) override;
    int TextHeight(const TChartFont& font, std::string_view text) override;
    void FillRect(const TRect& r, TColor color) override;
    void FrameRect(const TRect& r, const TChartPen& pen) override;
    void Frame3D(const TRect& r, TColor topLeft, TColor bottomRight, int width) override;
    void Line(int x0, int y0, int x1, int y1, const TChartPen& pen) override;
    void TextOut(int x, int y, std::string_view text, TTextAlign align,
                 const TChartFont& font) override;
    void SetClip(const TRect& r) override;
    void ClearClip() override;
    void InvertFrame(const TRect& r) override;

  private:
    const QFontMetrics& Metrics(const TChartFont& font);
    QPen ToQPen(const TChartPen& pen) const;

    QPainter& painter_;
    QPalette palette_;
    std::map<std::pair<std::string, int>, std::pair<QFont, QFontMetrics>> fonts_;
};

}  // namespace colmara
