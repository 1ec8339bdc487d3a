// A text cut short to fit a width on a canvas, as a chart's titles are when
// the chart is too small for them.
#pragma once

#include <string>

#include "chart/chartcanvas.h"

namespace colmara {

// `text` whole when it fits `width`; otherwise as many of its first whole
// characters as fit followed by an ellipsis, the blanks before it dropped;
// empty when not even one character and the ellipsis fit.
std::string FittedText(TChartCanvas& canvas, const ChartFont& font, const std::string& text,
                       int width);

}  // namespace colmara
