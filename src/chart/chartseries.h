// What every series of the chart shares: its points as two value lists,
// the pair of axes it is measured on, its colour and name, and the drawing
// and legend entries each kind of series supplies.
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

// Splits a legend text into its two columns.
inline constexpr char ColumnSeparator = '\x06';

class TChartSeries {
  public:
    virtual ~TChartSeries() = default;
    TChartSeries(const TChartSeries&) = delete;
    TChartSeries& operator=(const TChartSeries&) = delete;

    bool Active = true;
    ColorValue SeriesColor = clRed;
    // The series' name in a legend that lists series.
    std::string Title;
    bool ShowInLegend = true;
    // A name written on the plot beside the series' last point (the top end
    // of a vertical line), in the series' colour; none when empty.
    std::string EndLabel;
    std::string ValueFormat = "#,##0.###";

    TChartValueList XValues;
    TChartValueList YValues;
    // The list a legend of values shows.
    virtual const TChartValueList& MandatoryValueList() const = 0;

    // The chart connects the series to its axes and to its repaint request.
    void SetAxes(const TChartAxis* horizAxis, const TChartAxis* vertAxis);
    void SetRepaintRequest(std::function<void()> request) { repaintRequest_ = std::move(request); }
    const TChartAxis* HorizAxis() const { return horizAxis_; }
    const TChartAxis* VertAxis() const { return vertAxis_; }
    bool AssociatedToAxis(const TChartAxis* axis) const;
    // True when the series' points are numbered 0, 1, 2, ... along this
    // axis, so its labels need never step below one.
    virtual bool NumbersPointsAlong(const TChartAxis*) const { return false; }

    // Appends one point; returns its index.
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

    virtual void DrawAllValues(TChartCanvas& canvas, const AxisScale& horiz,
                               const AxisScale& vert) const = 0;

    // Legend row text of point index: the value under ValueFormat, then the
    // column separator and the label when the point has one.
    std::string LegendString(int index, const FormatSettings& settings) const;
    // Legend symbol of point index, or of the whole series when the legend
    // lists series (index -1).
    virtual void DrawLegend(TChartCanvas& canvas, int index, const Rect& rect) const = 0;

  protected:
    TChartSeries(ChartListOrder xOrder, ChartListOrder yOrder);
    void RequestRepaint() const;

  private:
    const TChartAxis* horizAxis_ = nullptr;
    const TChartAxis* vertAxis_ = nullptr;
    std::function<void()> repaintRequest_;
    std::optional<std::vector<ColorValue>> colors_;  // created by the first own colour
    std::vector<std::string> labels_;                // shorter than Count: missing = empty
};

}  // namespace colmara
