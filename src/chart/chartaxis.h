// One axis of the chart panel: its settings, the range it takes from them
// and the series, the room it takes, and its labels, ticks and grid. Every
// run-time position lives in the axis' layout, never in the axis.
#pragma once

#include <string>
#include <vector>

#include "chart/axisscale.h"
#include "chart/axisside.h"
#include "chart/chartcanvas.h"
#include "runtime/numconv.h"

namespace colmara {

class TChartSeries;

// Smallest label step, and the bound on label steps per axis.
inline constexpr double MinAxisIncrement = 1e-12;
inline constexpr int MaxAxisLabelSteps = 10000;

struct AxisLabel {
    int Pos = 0;  // pixel along the axis
    int X = 0;    // anchor of the text
    int Y = 0;    // top of the text
    TextAlign Align = TextAlign::Left;
    std::string Text;
};

// Everything one axis draws and the mouse hits, computed before anything
// is drawn.
struct AxisLayout {
    AxisSide Side = AxisSide::Bottom;
    bool Used = false;  // laid out and drawn; unused axes keep only a scale
    AxisScale Scale;
    int PosAxis = 0;    // the axis line, on the plotting rectangle's edge
    int PosLabels = 0;  // the labels' edge towards the axis line
    int RoomStart = 0;  // the plotting edge before this axis took its room
    double Step = 0.0;
    std::vector<AxisLabel> Labels;
    std::vector<int> Ticks;       // at the labels, maximum first
    std::vector<int> Grid;        // ticks strictly inside the extent
    std::vector<int> MinorTicks;  // those strictly inside the extent
    // The title's anchor: horizontal axes centre the text's top edge on it;
    // vertical axes turn the text, its top edge at X and its run centred on Y.
    bool TitleVisible = false;
    Point TitleAt;
    // The title as drawn: whole where it fits inside the chart's bounds,
    // centred as it is; otherwise cut short with an ellipsis.
    std::string TitleText;
};

struct AxisRange {
    double Minimum = 0.0;
    double Maximum = 0.0;
};

class TChartAxis {
  public:
    explicit TChartAxis(AxisSide side);

    AxisSide Side() const { return side_; }
    bool Horizontal() const { return IsHorizontalSide(side_); }

    // Settings (window definition and defaults).
    bool Visible = true;
    bool Automatic = true;
    bool AutomaticMaximum = true;
    bool AutomaticMinimum = true;
    double Minimum = 0.0;
    double Maximum = 0.0;
    double Increment = 0.0;
    std::string AxisValuesFormat = "#,##0.###";
    int LabelsSeparation = 10;  // percent
    bool LabelsOnAxis = true;
    bool RoundFirstLabel = true;
    // Values that only come whole (plates, watts): labels at whole numbers
    // only, so a step never splits a unit.
    bool WholeNumbers = false;
    ChartPen AxisPen{clBlack, 2, PenStyle::psSolid, true};
    ChartPen Ticks{clGray, 1, PenStyle::psSolid, true};
    int TickLength = 4;
    ChartPen TicksInner{clGray, 1, PenStyle::psSolid, true};
    int TickInnerLength = 0;
    ChartPen MinorTicks{clGray, 1, PenStyle::psSolid, true};
    int MinorTickLength = 2;
    int MinorTickCount = 3;
    ChartPen Grid{clGray, 1, PenStyle::psDot, true};
    ChartFont LabelsFont;
    // Text beside the axis, outside its labels; none when empty.
    std::string Title;
    ChartFont TitleFont;

    // The range from the settings and, for automatic ends, from the series.
    // Series values that are all equal get a padded range around them, so
    // a flat curve has round labels on both sides of it.
    AxisRange CalcRange(const std::vector<TChartSeries*>& series) const;
    // Automatic ends take on the computed range, as the settings report it.
    void AdjustMaxMin(const std::vector<TChartSeries*>& series);
    // Fixes the range (mouse zoom and scroll): the axis stops scaling itself.
    void SetMinMax(double minimum, double maximum);
    // A scale over the range and the extent along chartRect.
    AxisScale MakeScale(const AxisRange& range, const Rect& chartRect) const;

    // Shrinks chartRect by the room for the title, labels and ticks on
    // this axis' side, noting in the layout where the labels and the room
    // begin.
    void ReserveRoom(AxisLayout& layout, Rect& chartRect, TChartCanvas& canvas,
                     const std::vector<TChartSeries*>& series,
                     const FormatSettings& settings) const;

    int MaxLabelsCount(const AxisScale& scale, TChartCanvas& canvas,
                       const FormatSettings& settings) const;
    double CalcLabelsIncrement(const AxisScale& scale, int maxLabelsCount,
                               const std::vector<TChartSeries*>& series) const;
    static double NextStep(double step);

    // Fills the step, labels, ticks and grid of a layout whose scale and
    // label edge are set.
    void CalcLabels(AxisLayout& layout, TChartCanvas& canvas,
                    const std::vector<TChartSeries*>& series, const FormatSettings& settings) const;
    // Places the title in the outermost strip of the room, centred on the
    // final extent, and fits its text inside `bounds`.
    void PlaceTitle(AxisLayout& layout, TChartCanvas& canvas, const Rect& bounds) const;
    void Draw(TChartCanvas& canvas, const AxisLayout& layout, const Rect& chartRect) const;

  private:
    int TitleRoom(TChartCanvas& canvas) const;
    int LabelRoom(const AxisScale& scale, TChartCanvas& canvas,
                  const std::vector<TChartSeries*>& series, const FormatSettings& settings) const;
    int TickRoom() const;
    int WidestLabel(const AxisScale& scale, TChartCanvas& canvas,
                    const std::vector<TChartSeries*>& series, const FormatSettings& settings) const;
    int LabelSize(TChartCanvas& canvas, const std::string& text) const;
    AxisLabel PlaceLabel(const AxisLayout& layout, double value, int fontHeight,
                         const FormatSettings& settings) const;
    void TickLine(TChartCanvas& canvas, const AxisLayout& layout, int pos, int length,
                  const ChartPen& pen) const;

    AxisSide side_;
};

}  // namespace colmara
