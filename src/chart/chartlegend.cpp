#include "chart/chartlegend.h"

#include <algorithm>
#include <tuple>

#include "chart/chartseries.h"

namespace colmara {

namespace {

// Fixed pixel spacing of the legend box.
constexpr int kBoxExtraHeight = 2;     // below the rows: one pixel above, one below
constexpr int kRowTopInset = 1;        // from the box's top to the first row's text
constexpr int kTextPadding = 10;       // box width beyond text and symbol
constexpr int kSymbolInset = 6;        // from the box's left to the symbol
constexpr int kSymbolTopInset = 2;     // from a row's text top to its symbol
constexpr int kSymbolBottomInset = 3;  // symbol bottom above the row's end, past VertSpacing

}  // namespace

std::vector<std::pair<int, int>> TChartLegend::Items(
    const std::vector<TChartSeries*>& series) const {
    std::vector<std::pair<int, int>> items;
    for (std::size_t i = 0; i < series.size(); ++i) {
        const TChartSeries& s = *series[i];
        if (!s.Active) continue;
        const int position = static_cast<int>(i);
        if (Style == LegendStyle::lsSeries) {
            if (s.ShowInLegend) items.emplace_back(position, -1);
            continue;
        }
        // A legend of values lists the first active series only.
        for (int p = FirstValue; p < s.Count(); ++p) items.emplace_back(position, p);
        break;
    }
    return items;
}

void TChartLegend::FillRowTexts(LegendLayout& out, const std::vector<std::pair<int, int>>& items,
                                const std::vector<TChartSeries*>& series, TChartCanvas& canvas,
                                const FormatSettings& settings) const {
    const int rows = out.Rows;
    // A legend of values puts the highest shown point at the top when
    // inverted.
    const bool inverted = Inverted && Style == LegendStyle::lsValues;
    out.RowList.resize(static_cast<std::size_t>(rows));
    for (int r = 0; r < rows; ++r) {
        LegendRow& row = out.RowList[static_cast<std::size_t>(r)];
        std::tie(row.Series, row.Index) =
            items[static_cast<std::size_t>(inverted ? rows - 1 - r : r)];
        const TChartSeries& s = *series[static_cast<std::size_t>(row.Series)];
        const std::string text = row.Index >= 0 ? s.LegendString(row.Index, settings) : s.Title;
        const auto sep = text.find(ColumnSeparator);
        row.Column[0] = text.substr(0, sep);
        if (sep != std::string::npos) {
            const std::string rest = text.substr(sep + 1);
            row.Column[1] = rest.substr(0, rest.find(ColumnSeparator));
        }
        for (int c = 0; c < 2; ++c)
            out.ColumnWidth[c] =
                std::max(out.ColumnWidth[c], canvas.TextWidth(Font, row.Column[c]));
    }
}

void TChartLegend::PlaceRows(LegendLayout& out, int spaceWidth) const {
    // Values are right-aligned in column 0, names left-aligned; column 1
    // follows column 0 after a blank.
    out.FirstColumnAlign = Style == LegendStyle::lsValues ? TextAlign::Right : TextAlign::Left;
    const int firstX = out.TextX + (Style == LegendStyle::lsValues ? out.ColumnWidth[0] : 0);
    for (int r = 0; r < out.Rows; ++r) {
        LegendRow& row = out.RowList[static_cast<std::size_t>(r)];
        row.Y = out.Box.Top + kRowTopInset + r * out.ItemHeight + VertSpacing / 2;
        row.ColumnX[0] = firstX;
        row.ColumnX[1] = out.TextX + out.ColumnWidth[0] + spaceWidth;
        row.Symbol = {out.SymbolX, row.Y + kSymbolTopInset, out.SymbolX + out.SymbolWidth,
                      row.Y + out.ItemHeight + kRowTopInset - (VertSpacing + kSymbolBottomInset)};
    }
}

LegendLayout TChartLegend::CalcLayout(TChartCanvas& canvas, const Rect& bounds,
                                      const Rect& chartRect, int chartWidth,
                                      const std::vector<TChartSeries*>& series,
                                      const FormatSettings& settings) const {
    LegendLayout out;
    out.ChartRectRight = chartRect.Right;
    const std::vector<std::pair<int, int>> items = Items(series);
    if (!Visible || items.empty()) return out;

    const int itemCount = static_cast<int>(items.size());
    const int fontHeight = canvas.TextHeight(Font, "W");
    const int frameWidth = FramePen.Visible ? FramePen.Width : 0;
    const int spaceWidth = canvas.TextWidth(Font, " ");
    out.ItemHeight = fontHeight + VertSpacing;
    // The top is a share of the panel height, whatever the title takes:
    // 10 % of 473 = 47.3, rounded 47.
    out.Top = bounds.Top + RoundHalfEven(TopPos * (bounds.Bottom - bounds.Top) * 0.01);

    int rows = 0;
    if (chartRect.Bottom > out.Top && out.ItemHeight > 0)
        rows = std::min(itemCount, (chartRect.Bottom - 2 * frameWidth - out.Top) / out.ItemHeight);
    if (rows < 1) return out;  // no row fits
    out.Rows = rows;

    FillRowTexts(out, items, series, canvas, settings);
    out.TextWidth = 2 * spaceWidth - 1 + out.ColumnWidth[0] + out.ColumnWidth[1];

    // Box: right-aligned against the plotting area, leaving room for the
    // shadow; the symbol takes a share of the text's width.
    out.Box.Top = out.Top;
    out.Box.Bottom = out.Top + out.ItemHeight * rows + kBoxExtraHeight;
    out.Box.Right = chartRect.Right - ShadowSize - (frameWidth > 0 ? frameWidth + 1 : 0);
    out.SymbolWidth = RoundHalfEven(SymbolWidthPercent * (out.TextWidth + kTextPadding) * 0.01);
    out.Box.Left = out.Box.Right - (out.TextWidth + kTextPadding + out.SymbolWidth);
    out.SymbolX = out.Box.Left + kSymbolInset;
    out.TextX = out.Box.Left + out.SymbolWidth + kTextPadding;
    const int shadowOffset = ShadowSize + frameWidth;
    out.Shadow = {out.Box.Left + shadowOffset, out.Box.Top + shadowOffset,
                  out.Box.Right + shadowOffset, out.Box.Bottom + shadowOffset};

    PlaceRows(out, spaceWidth);
    out.Visible = true;

    if (ResizeChart) {
        const int margin = HorizMargin != 0 ? HorizMargin : 3 * chartWidth / 100;
        out.ChartRectRight = out.Box.Left - margin;
    }
    return out;
}

void TChartLegend::Draw(TChartCanvas& canvas, const LegendLayout& layout,
                        const std::vector<TChartSeries*>& series) const {
    if (!layout.Visible) return;
    if (ShadowSize > 0) canvas.FillRect(layout.Shadow, ShadowColor);
    canvas.FillRect(layout.Box, Color);
    if (FramePen.Visible) canvas.FrameRect(layout.Box, FramePen);

    for (const LegendRow& row : layout.RowList) {
        if (!row.Column[0].empty())
            canvas.TextOut(row.ColumnX[0], row.Y, row.Column[0], layout.FirstColumnAlign, Font);
        if (!row.Column[1].empty())
            canvas.TextOut(row.ColumnX[1], row.Y, row.Column[1], TextAlign::Left, Font);
        if (layout.SymbolWidth > 0)
            series[static_cast<std::size_t>(row.Series)]->DrawLegend(canvas, row.Index, row.Symbol);
    }
}

}  // namespace colmara
