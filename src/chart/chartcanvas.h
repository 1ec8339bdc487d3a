// The drawing surface the chart paints on: text metrics and the few drawing
// operations the layout needs. A QPainter adapter draws for real; tests record.
#pragma once

#include <span>
#include <string_view>

#include "chart/chartgeometry.h"

namespace colmara {

enum class TextAlign { Left, Center, Right };

class TChartCanvas {
  public:
    virtual ~TChartCanvas() = default;

    virtual int TextWidth(const ChartFont& font, std::string_view text) = 0;
    virtual int TextHeight(const ChartFont& font, std::string_view text) = 0;

    // Solid fill of [Left, Right) x [Top, Bottom).
    virtual void FillRect(const Rect& r, ColorValue color) = 0;
    // Outline on the rectangle's outermost pixels (Left..Right-1, Top..Bottom-1),
    // interior untouched.
    virtual void FrameRect(const Rect& r, const ChartPen& pen) = 0;
    // Raised or lowered frame: top and left edges in one colour, bottom and
    // right edges in the other, each `width` pixels thick.
    virtual void Frame3D(const Rect& r, ColorValue topLeft, ColorValue bottomRight, int width) = 0;
    virtual void Line(int x0, int y0, int x1, int y1, const ChartPen& pen) = 0;
    // One connected line through the points, so a dash pattern runs on
    // across the corners.
    virtual void Polyline(std::span<const Point> points, const ChartPen& pen) = 0;
    // The ellipse inscribed in [Left, Right) x [Top, Bottom), filled unless
    // fill is clNone, outlined with the pen.
    virtual void Ellipse(const Rect& r, const ChartPen& pen, ColorValue fill) = 0;
    // Transparent text whose top edge is at y; x is the left edge, the centre
    // or the right edge depending on the alignment.
    virtual void TextOut(int x, int y, std::string_view text, TextAlign align,
                         const ChartFont& font) = 0;
    // Transparent text turned a quarter turn anticlockwise, reading upwards:
    // its top edge lies on x, and its run is centred on y.
    virtual void VerticalTextOut(int x, int y, std::string_view text, const ChartFont& font) = 0;

    virtual void SetClip(const Rect& r) = 0;
    virtual void ClearClip() = 0;

    // Outline drawn with an inverting pen, so drawing it twice erases it.
    virtual void InvertFrame(const Rect& r) = 0;
};

}  // namespace colmara
