// The chart's title: its lines centred above the plotting area, which moves
// down below them.
#pragma once

#include <string>
#include <vector>

#include "chart/chartcanvas.h"

namespace colmara {

struct TitleLine {
    int X = 0;  // left edge of the text
    int Y = 0;  // top of the text
    std::string Text;
};

struct TitleLayout {
    bool Visible = false;
    Rect Box;
    std::vector<TitleLine> Lines;
    int ChartRectTop = 0;  // top edge left to the plotting area
};

class TChartTitle {
  public:
    // Space between the title and the plotting area.
    static constexpr int TitleFootDistance = 5;

    bool Visible = true;
    std::vector<std::string> Text;
    bool AdjustFrame = true;
    bool Transparent = true;
    ColorValue Color = clWhite;
    ChartPen FramePen{clBlack, 1, PenStyle::psSolid, true};
    ChartFont Font{"Arial", 8, clBlue};

    TitleLayout CalcLayout(TChartCanvas& canvas, const Rect& chartRect) const;
    void Draw(TChartCanvas& canvas, const TitleLayout& layout) const;
};

}  // namespace colmara
