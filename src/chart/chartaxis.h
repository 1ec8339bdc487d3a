// One axis of the chart panel: its range, its extent and the room it takes,
// the value-to-pixel mapping shared with the series, and its labels, ticks
// and grid.
#pragma once

#include <string>
#include <vector>

#include "chart/chartcanvas.h"
#include "runtime/numconv.h"

namespace colmara {

class THorizLineSeries;

enum class TAxisSide { Bottom, Top, Left, Right, Depth };

// Smallest label step, and the bound on label steps per axis.
inline constexpr double MinAxisIncrement = 1e-12;
inline constexpr int MaxAxisLabelSteps = 10000;
// Computed pixel positions are clamped to +-this.
inline constexpr int MaxPixelPos = 0x3FFFFFF;

struct TAxisLabel {
    double Value = 0.0;
    int Pos = 0;  // pixel along the axis
    int X = 0;    // anchor of the text
    int Y = 0;    // top of the text
    TTextAlign Align = TTextAlign::Left;
    std::string Text;
};

// Everything one axis draws, computed before anything is drawn.
struct TAxisLayout {
    double Step = 0.0;
    std::vector<TAxisLabel> Labels;
    std::vector<int> Ticks;       // at the labels, maximum first
    std::vector<int> Grid;        // ticks strictly inside the extent
    std::vector<int> MinorTicks;  // those strictly inside the extent
};

class TChartAxis {
  public:
    explicit TChartAxis(TAxisSide side);

    TAxisSide Side() const { return side_; }
    bool Horizontal() const { return side_ == TAxisSide::Bottom || side_ == TAxisSide::Top; }

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
    TChartPen AxisPen{clBlack, 2, TPenStyle::psSolid, true};
    TChartPen Ticks{clGray, 1, TPenStyle::psSolid, true};
    int TickLength = 4;
    TChartPen TicksInner{clGray, 1, TPenStyle::psSolid, true};
    int TickInnerLength = 0;
    TChartPen MinorTicks{clGray, 1, TPenStyle::psSolid, true};
    int MinorTickLength = 2;
    int MinorTickCount = 3;
    TChartPen Grid{clGray, 1, TPenStyle::psDot, true};
    TChartFont LabelsFont;

    // Run-time state, recomputed at every paint.
    double IMinimum = 0.0;
    double IMaximum = 0.0;
    double IRange = 0.0;
    bool IsZeroRange = true;
    int IStartPos = 0;
    int IEndPos = 0;
    int IAxisSize = 0;
    int ICenterPos = 0;
    int PosAxis = 0;
    int PosLabels = 0;
    int RoomStart = 0;  // the plotting edge before this axis took its room

    // Range from the settings and, for automatic ends, from the series.
    void AdjustMaxMin(const std::vector<THorizLineSeries*>& series);
    // Fixes the range (mouse zoom and scroll): the axis stops scaling itself.
    void SetMinMax(double minimum, double maximum);
    // Extent along the given plotting rectangle.
    void CalcRect(const TRect& chartRect);
    // Shrinks chartRect by the room for labels and ticks on this axis' side.
    void ReserveRoom(TRect& chartRect, TChartCanvas& canvas,
                     const std::vector<THorizLineSeries*>& series, const FormatSettings& settings);
    void SetPosAxis(const TRect& chartRect);

    int CalcPosValue(double value) const;
    // Inverse of CalcPosValue, for turning mouse pixels into axis values.
    double CalcPosPoint(int pixel) const;

    int MaxLabelsCount(TChartCanvas& canvas, const FormatSettings& settings) const;
    double CalcLabelsIncrement(int maxLabelsCount,
                               const std::vector<THorizLineSeries*>& series) const;
    static double NextStep(double step);

    TAxisLayout CalcLabels(TChartCanvas& canvas, const std::vector<THorizLineSeries*>& series,
                           const FormatSettings& settings) const;
    void Draw(TChartCanvas& canvas, const TAxisLayout& layout, const TRect& chartRect) const;

  private:
    bool UsesForPositions(const THorizLineSeries& s) const;
    int LabelSize(TChartCanvas& canvas, const std::string& text) const;
    void TickLine(TChartCanvas& canvas, int pos, int length, const TChartPen& pen) const;

    TAxisSide side_;
    double scale_ = 0.0;  // pixels per unit, IAxisSize / IRange
};

}  // namespace colmara
