// The legend box at the right of the chart: one row per point of the
// series, as many as fit, with a value text and a line symbol.
#pragma once

#include <string>
#include <vector>

#include "chart/chartcanvas.h"
#include "runtime/numconv.h"

namespace colmara {

class THorizLineSeries;

struct LegendRow {
    int Index = 0;            // point shown in this row
    int Y = 0;                // top of the row's text
    std::string Column[2];    // split at the column separator
    int ColumnX[2] = {0, 0};  // text anchors: column 0 right-aligned, column 1 left-aligned
    Rect Symbol;
};

struct LegendLayout {
    bool Visible = false;  // false: nothing drawn, the plotting area keeps its width
    int Top = 0;
    int ItemHeight = 0;
    int Rows = 0;
    int ColumnWidth[2] = {0, 0};
    int TextWidth = 0;
    int SymbolWidth = 0;
    int SymbolX = 0;
    int TextX = 0;
    Rect Box;
    Rect Shadow;
    std::vector<LegendRow> RowList;  // row 0 first
    int ChartRectRight = 0;          // right edge left to the plotting area
};

class TChartLegend {
  public:
    bool Visible = true;
    bool Inverted = true;
    int TopPos = 10;  // percent of the panel height
    bool ResizeChart = true;
    int HorizMargin = 0;
    int VertSpacing = 0;
    int FirstValue = 0;
    ColorValue Color = clWhite;
    ChartPen FramePen{clBlack, 1, PenStyle::psSolid, true};
    ColorValue ShadowColor = clBlack;
    int ShadowSize = 3;
    int SymbolWidthPercent = 20;
    ChartFont Font;

    // Lays the legend out against the panel bounds and the plotting
    // rectangle (whose width chartWidth has before the legend takes room).
    LegendLayout CalcLayout(TChartCanvas& canvas, const Rect& bounds, const Rect& chartRect,
                            int chartWidth, const std::vector<THorizLineSeries*>& series,
                            const FormatSettings& settings) const;
    void Draw(TChartCanvas& canvas, const LegendLayout& layout,
              const THorizLineSeries& series) const;

    // The series whose values the legend lists: the first active one.
    static THorizLineSeries* ListedSeries(const std::vector<THorizLineSeries*>& series);

  private:
    // Row texts split into their columns, and the columns' widths.
    void FillRowTexts(LegendLayout& out, const THorizLineSeries& listed, TChartCanvas& canvas,
                      const FormatSettings& settings) const;
};

}  // namespace colmara
