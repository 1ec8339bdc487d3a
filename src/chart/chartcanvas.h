// The drawing surface the chart paints on: text metrics and the few drawing
// operations the layout needs. A QPainter adapter draws for real; tests record.
#pragma once

#include <string_view>

#include "chart/chartgeometry.h"

namespace colmara {

enum class TTextAlign { Left, Center, Right };

class TChartCanvas {
  public:
    virtual ~TChartCanvas() = default;

    virtual int TextWidth(const TChartFont& font, std::string_view text) = 0;
    virtual int TextHeight(const TChartFont& font, std::string_view text) = 0;

    // Solid fill of [Left, Right) x [Top, Bottom).
    virtual void FillRect(const TRect& r, TColor color) = 0;
    // Outline on the rectangle's outermost pixels (Left..Right-1, Top..Bottom-1),
    // interior untouched.
    virtual void FrameRect(const TRect& r, const TChartPen& pen) = 0;
    // Raised or lowered frame: top and left edges in one colour, bottom and
    // right edges in the other, each `width` pixels thick.
    virtual void Frame3D(const TRect& r, TColor topLeft, TColor bottomRight, int width) = 0;
    virtual void Line(int x0, int y0, int x1, int y1, const TChartPen& pen) = 0;
    // Transparent text whose top edge is at y; x is the left edge, the centre
    // or the right edge depending on the alignment.
    virtual void TextOut(int x, int y, std::string_view text, TTextAlign align,
                         const TChartFont& font) = 0;

    virtual void SetClip(const TRect& r) = 0;
    virtual void ClearClip() = 0;

    // Outline drawn with an inverting pen, so drawing it twice erases it.
    virtual void InvertFrame(const TRect& r) = 0;
};

}  // namespace colmara
