#include "chart/xylineseries.h"

namespace colmara {

TXYLineSeries::TXYLineSeries() : TChartSeries(ChartListOrder::loNone, ChartListOrder::loNone) {}

std::vector<Point> WithoutRepeats(std::span<const Point> points) {
    std::vector<Point> out;
    out.reserve(points.size());
    for (const Point& p : points)
        if (out.empty() || out.back() != p) out.push_back(p);
    return out;
}

std::vector<Point> TXYLineSeries::PointPixels(const AxisScale& horiz, const AxisScale& vert) const {
    std::vector<Point> out;
    out.reserve(static_cast<std::size_t>(Count()));
    for (int i = 0; i < Count(); ++i) out.push_back({CalcXPos(i, horiz), CalcYPos(i, vert)});
    return out;
}

Rect TXYLineSeries::MarkerRect(const Point& at) const {
    const int s = Marker.Size;
    return {at.X - s, at.Y - s, at.X + s + 1, at.Y + s + 1};
}

ChartPen TXYLineSeries::StrokePen() const {
    ChartPen pen = LinePen;
    pen.Color = SeriesColor;
    return pen;
}

void TXYLineSeries::DrawMarker(TChartCanvas& canvas, const Point& at) const {
    const Rect r = MarkerRect(at);
    const ChartPen pen{SeriesColor, 1, PenStyle::psSolid, true};
    switch (Marker.Style) {
        case MarkerStyle::msSquare:
            if (Marker.Filled)
                canvas.FillRect(r, SeriesColor);
            else
                canvas.FrameRect(r, pen);
            break;
        case MarkerStyle::msCircle:
            canvas.Ellipse(r, pen, Marker.Filled ? SeriesColor : clNone);
            break;
        case MarkerStyle::msCross:
            // Lines leave out their end pixel: each diagonal covers the box.
            canvas.Line(r.Left, r.Top, r.Right, r.Bottom, pen);
            canvas.Line(r.Left, r.Bottom - 1, r.Right, r.Top - 1, pen);
            break;
    }
}

void TXYLineSeries::DrawAllValues(TChartCanvas& canvas, const AxisScale& horiz,
                                  const AxisScale& vert) const {
    if (SeriesColor == clNone) return;
    const std::vector<Point> pixels = PointPixels(horiz, vert);
    if (LinePen.Visible) {
        const std::vector<Point> line = WithoutRepeats(pixels);
        if (line.size() >= 2) canvas.Polyline(line, StrokePen());
    }
    if (Marker.Visible)
        for (const Point& at : pixels) DrawMarker(canvas, at);
}

void TXYLineSeries::DrawLegend(TChartCanvas& canvas, int, const Rect& rect) const {
    if (SeriesColor == clNone) return;
    const Point centre{(rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2};
    if (LinePen.Visible) canvas.Line(rect.Left, centre.Y, rect.Right, centre.Y, StrokePen());
    if (Marker.Visible) DrawMarker(canvas, centre);
}

}  // namespace colmara
