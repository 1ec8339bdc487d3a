#include "chart/charttitle.h"

#include <algorithm>

namespace colmara {

TitleLayout TChartTitle::CalcLayout(TChartCanvas& canvas, const Rect& chartRect) const {
    TitleLayout out;
    out.ChartRectTop = chartRect.Top;
    if (!Visible || Text.empty()) return out;

    // The frame's width counts even though a transparent title draws none.
    const int frameWidth =
        FramePen.Visible && FramePen.Color != clDefaultColor ? FramePen.Width : 0;
    const int fontHeight = canvas.TextHeight(Font, "W");
    const int lines = static_cast<int>(Text.size());

    Rect box = chartRect;
    box.Top += frameWidth;
    box.Bottom = box.Top + lines * fontHeight;
    box = {box.Left - frameWidth, box.Top - frameWidth, box.Right + frameWidth,
           box.Bottom + frameWidth};

    std::vector<int> widths;
    for (const std::string& line : Text) widths.push_back(canvas.TextWidth(Font, line));
    if (AdjustFrame) {
        const int width = canvas.TextWidth(Font, "W") + frameWidth +
                          *std::max_element(widths.begin(), widths.end());
        const int centre = (chartRect.Left + chartRect.Right) / 2;
        box.Left = centre - width / 2;
        box.Right = centre + width / 2;
    }
    out.Box = box;

    for (int k = 0; k < lines; ++k) {
        const auto i = static_cast<std::size_t>(k);
        out.Lines.push_back({(box.Left + box.Right) / 2 - widths[i] / 2,
                             box.Top + frameWidth + k * fontHeight, Text[i]});
    }
    out.ChartRectTop = box.Bottom + TitleFootDistance + frameWidth;
    out.Visible = true;
    return out;
}

void TChartTitle::Draw(TChartCanvas& canvas, const TitleLayout& layout) const {
    if (!layout.Visible) return;
    if (!Transparent) {
        canvas.FillRect(layout.Box, Color);
        if (FramePen.Visible) canvas.FrameRect(layout.Box, FramePen);
    }
    for (const TitleLine& line : layout.Lines)
        canvas.TextOut(line.X, line.Y, line.Text, TextAlign::Left, Font);
}

}  // namespace colmara
