// What the mouse pointer reads off a drawn chart: for each series, the
// point nearest to a pixel and its values, found on the layout that was
// drawn, so the reading matches the picture on screen.
#pragma once

#include <vector>

#include "chart/chart.h"

namespace colmara {

// rmPoint: nearest in the plane of pixels. rmHorizontal: nearest along the
// horizontal axis, as under a vertical cursor line; the vertical distance
// only breaks ties.
enum class ReadoutMetric { rmPoint, rmHorizontal };

struct SeriesReading {
    int Series = 0;  // position in the chart's series list
    int Index = 0;   // the point
    double X = 0.0;
    double Y = 0.0;
    Point Pixel;
    bool operator==(const SeriesReading&) const = default;
};

// One reading per active series with a point that has values, in list
// order; none when the pointer lies outside the plotting rectangle (its
// right and bottom edges, where the axes' ends are drawn, count as inside).
// Among points at the same distance the first one wins.
std::vector<SeriesReading> ReadValuesAt(const ChartLayout& layout,
                                        const std::vector<TChartSeries*>& series, Point pointer,
                                        ReadoutMetric metric);

}  // namespace colmara
