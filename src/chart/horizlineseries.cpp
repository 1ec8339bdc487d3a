#include "chart/horizlineseries.h"

namespace colmara {

THorizLineSeries::THorizLineSeries()
    : TChartSeries(ChartListOrder::loNone, ChartListOrder::loAscending) {}

int THorizLineSeries::Add(double value, const std::string& label, ColorValue color) {
    // The data value goes along the horizontal axis; its position is the
    // number of points already held.
    return AddXY(value, YValues.Count(), label, color);
}

void THorizLineSeries::DrawAllValues(TChartCanvas& canvas, const AxisScale& horiz,
                                     const AxisScale& vert) const {
    std::optional<Point> previous;
    for (int i = 0; i < Count(); ++i) previous = DrawValue(canvas, i, horiz, vert, previous);
}

Point THorizLineSeries::DrawValue(TChartCanvas& canvas, int index, const AxisScale& horiz,
                                  const AxisScale& vert,
                                  const std::optional<Point>& previous) const {
    const ColorValue color = ValueColor(index);
    const Point at{CalcXPos(index, horiz), CalcYPos(index, vert)};
    // A step whose two ends fall on one pixel draws nothing; the next
    // segment still starts from that pixel.
    if (previous && *previous != at && color != clNone) {
        ChartPen pen = LinePen;
        pen.Color = ColorEachLine ? color : SeriesColor;
        canvas.Line(previous->X, previous->Y, at.X, at.Y, pen);
    }
    return at;
}

void THorizLineSeries::DrawLegend(TChartCanvas& canvas, int index, const Rect& rect) const {
    const ColorValue color = ValueColor(index);
    if (color == clNone) return;
    ChartPen pen = LinePen;
    pen.Color = color;
    const int y = (rect.Top + rect.Bottom) / 2;
    canvas.Line(rect.Left, y, rect.Right, y, pen);
}

}  // namespace colmara
