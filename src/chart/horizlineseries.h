// The chart's one series: a line laid on its side, data values along the
// horizontal axis and the running point number along the vertical axis.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "chart/axisscale.h"
#include "chart/chartcanvas.h"
#include "chart/valuelist.h"
#include "runtime/numconv.h"

namespace colmara {

class TChartAxis;

class THorizLineSeries {
  public:
    THorizLineSeries();

    // Settings of the window definition.
    bool Active = true;
    ColorValue SeriesColor = clRed;
    ChartPen LinePen{clRed, 1, PenStyle::psSolid, true};
    bool ColorEachLine = true;
    std::string ValueFormat = "#,##0.###";

    // XValues holds the data values (the mandatory list), YValues the
    // running position 0, 1, 2, ...
    TChartValueList XValues{"X", ChartListOrder::loNone};
    TChartValueList YValues{"Y", ChartListOrder::loAscending};
    const TChartValueList& MandatoryValueList() const { return XValues; }

    // The chart connects the series to its axes and to its repaint request.
    void SetAxes(const TChartAxis* horizAxis, const TChartAxis* vertAxis);
    void SetRepaintRequest(std::function<void()> request) { repaintRequest_ = std::move(request); }
    const TChartAxis* HorizAxis() const { return horizAxis_; }
    const TChartAxis* VertAxis() const { return vertAxis_; }
    bool AssociatedToAxis(const TChartAxis* axis) const;

    // Appends one data value at the next position; returns its index.
    int Add(double value, const std::string& label = {}, ColorValue color = clDefaultColor);
    int AddXY(double x, double y, const std::string& label = {}, ColorValue color = clDefaultColor);
    void Clear();

    int Count() const { return XValues.Count(); }
    double MinXValue() const { return XValues.MinValue(); }
    double MaxXValue() const { return XValues.MaxValue(); }
    double MinYValue() const { return YValues.MinValue(); }
    double MaxYValue() const { return YValues.MaxValue(); }

    // Colour of point i: its own recorded colour, else SeriesColor.
    ColorValue ValueColor(int index) const;
    std::string Label(int index) const;

    // Pixel of point index on the scales of the series' two axes.
    int CalcXPos(int index, const AxisScale& horiz) const;
    int CalcYPos(int index, const AxisScale& vert) const;

    // The line through all points, one segment per step that moves.
    void DrawAllValues(TChartCanvas& canvas, const AxisScale& horiz, const AxisScale& vert) const;
    // The segment that ends at point index, from the previously visited
    // point if there is one; returns the pixel of point index.
    Point DrawValue(TChartCanvas& canvas, int index, const AxisScale& horiz, const AxisScale& vert,
                    const std::optional<Point>& previous) const;

    // Legend row text: the value under ValueFormat, then the column
    // separator and the label when the point has one.
    std::string LegendString(int index, const FormatSettings& settings) const;
    // Legend symbol: a short horizontal line through the rectangle's middle.
    void DrawLegend(TChartCanvas& canvas, int index, const Rect& rect) const;

  private:
    void RequestRepaint() const;

    const TChartAxis* horizAxis_ = nullptr;
    const TChartAxis* vertAxis_ = nullptr;
    std::function<void()> repaintRequest_;
    std::optional<std::vector<ColorValue>> colors_;  // created by the first own colour
    std::vector<std::string> labels_;                // shorter than Count: missing = empty
};

// Splits a legend text into its two columns.
inline constexpr char ColumnSeparator = '\x06';

}  // namespace colmara
