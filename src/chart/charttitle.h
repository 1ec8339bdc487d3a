// The chart's title: its lines centred above the plotting area, which moves
// down below them.
#pragma once

#include <string>
#include <vector>

#include "chart/chartcanvas.h"

namespace colmara {

struct TTitleLine {
    int X = 0;  // left edge of the text
    int Y = 0;  // top of the text
    std::string Text;
};

struct TTitleLayout {
    bool Visible = false;
    TRect Box;
    std::vector<TTitleLine> Lines;
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
    TColor Color = clWhite;
    TChartPen FramePen{clBlack, 1, TPenStyle::psSolid, true};
    TChartFont Font{"Arial", 8, clBlue};

    TTitleLayout CalcLayout(TChartCanvas& canvas, const TRect& chartRect) const;
    void Draw(TChartCanvas& canvas, const TTitleLayout& layout) const;
};

}  // namespace colmara
