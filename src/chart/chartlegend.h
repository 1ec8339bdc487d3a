// The legend box at the right of the chart: as many rows as fit, each a
// text and a line symbol, for the points of one series or for the series.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "chart/chartcanvas.h"
#include "runtime/numconv.h"

namespace colmara {

class TChartSeries;

// lsValues: a row per point of the first active series (the main window);
// lsSeries: a row per active series shown in the legend, named by its title.
enum class LegendStyle { lsValues, lsSeries };

struct LegendRow {
    int Series = 0;           // position in the chart's series list
    int Index = 0;            // point shown in this row; -1 for a whole series
    int Y = 0;                // top of the row's text
    std::string Column[2];    // split at the column separator
    int ColumnX[2] = {0, 0};  // text anchors: column 0 as the layout aligns it, column 1 left
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
    TextAlign FirstColumnAlign = TextAlign::Right;
    Rect Box;
    Rect Shadow;
    std::vector<LegendRow> RowList;  // row 0 first
    int ChartRectRight = 0;          // right edge left to the plotting area
};

class TChartLegend {
  public:
    bool Visible = true;
    LegendStyle Style = LegendStyle::lsValues;
    bool Inverted = true;  // values: the highest shown point on top
    int TopPos = 10;       // percent of the panel height
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
                            int chartWidth, const std::vector<TChartSeries*>& series,
                            const FormatSettings& settings) const;
    void Draw(TChartCanvas& canvas, const LegendLayout& layout,
              const std::vector<TChartSeries*>& series) const;

  private:
    // The rows' text anchors and symbols, once the box is placed.
    void PlaceRows(LegendLayout& out, int spaceWidth) const;
    // What each row can show, in list order: (series position, point index).
    std::vector<std::pair<int, int>> Items(const std::vector<TChartSeries*>& series) const;
    // The rows' series, points and texts, split into their columns, from
    // the first out.Rows items; and the columns' widths.
    void FillRowTexts(LegendLayout& out, const std::vector<std::pair<int, int>>& items,
                      const std::vector<TChartSeries*>& series, TChartCanvas& canvas,
                      const FormatSettings& settings) const;
};

}  // namespace colmara
