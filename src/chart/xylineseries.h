// A line through points given by both coordinates, in the order they were
// added, with optional marks at the points: the series of charts that plot
// one quantity against another.
#pragma once

#include <span>
#include <vector>

#include "chart/chartseries.h"

namespace colmara {

enum class MarkerStyle { msSquare, msCircle, msCross };

// The mark at each point, centred on the point's pixel.
struct SeriesMarker {
    bool Visible = false;
    MarkerStyle Style = MarkerStyle::msSquare;
    int Size = 3;  // pixels from the centre to the mark's edge: 2 * Size + 1 wide
    bool Filled = true;
};

class TXYLineSeries : public TChartSeries {
  public:
    TXYLineSeries();

    // The line and the marks take SeriesColor; the pen gives the line's
    // width and style, and whether it is drawn at all.
    ChartPen LinePen{clRed, 1, PenStyle::psSolid, true};
    SeriesMarker Marker;

    const TChartValueList& MandatoryValueList() const override { return YValues; }

    // Pixels of all points, in order, on the scales of the series' axes.
    std::vector<Point> PointPixels(const AxisScale& horiz, const AxisScale& vert) const;
    // The mark's box around a point's pixel.
    Rect MarkerRect(const Point& at) const;

    // One polyline through the points that move, then the marks.
    void DrawAllValues(TChartCanvas& canvas, const AxisScale& horiz,
                       const AxisScale& vert) const override;
    // The line across the rectangle's middle with a mark at its centre.
    void DrawLegend(TChartCanvas& canvas, int index, const Rect& rect) const override;

  private:
    ChartPen StrokePen() const;
    void DrawMarker(TChartCanvas& canvas, const Point& at) const;
};

// The points with every run of repeats cut to one, so no segment of a
// line has length zero.
std::vector<Point> WithoutRepeats(std::span<const Point> points);

}  // namespace colmara
