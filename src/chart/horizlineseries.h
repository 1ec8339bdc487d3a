// The main window's series: a line laid on its side, data values along the
// horizontal axis and the running point number along the vertical axis.
#pragma once

#include <optional>
#include <string>

#include "chart/chartseries.h"

namespace colmara {

class THorizLineSeries : public TChartSeries {
  public:
    THorizLineSeries();

    // Settings of the window definition.
    ChartPen LinePen{clRed, 1, PenStyle::psSolid, true};
    bool ColorEachLine = true;

    // XValues holds the data values (the mandatory list), YValues the
    // running position 0, 1, 2, ...
    const TChartValueList& MandatoryValueList() const override { return XValues; }
    bool NumbersPointsAlong(const TChartAxis* axis) const override { return axis == VertAxis(); }

    // Appends one data value at the next position; returns its index.
    int Add(double value, const std::string& label = {}, ColorValue color = clDefaultColor);

    // The line through all points, one segment per step that moves.
    void DrawAllValues(TChartCanvas& canvas, const AxisScale& horiz,
                       const AxisScale& vert) const override;
    // The segment that ends at point index, from the previously visited
    // point if there is one; returns the pixel of point index.
    Point DrawValue(TChartCanvas& canvas, int index, const AxisScale& horiz, const AxisScale& vert,
                    const std::optional<Point>& previous) const;

    // Legend symbol: a short horizontal line through the rectangle's middle.
    void DrawLegend(TChartCanvas& canvas, int index, const Rect& rect) const override;
};

}  // namespace colmara
