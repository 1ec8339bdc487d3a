#include "chart/chartreadout.h"

#include <cmath>
#include <cstdlib>
#include <optional>
#include <utility>

namespace colmara {

namespace {

bool InsidePlot(const Rect& r, Point p) {
    return p.X >= r.Left && p.X <= r.Right && p.Y >= r.Top && p.Y <= r.Bottom;
}

// Compared lexicographically, smaller is nearer. Pixels are clamped well
// inside the range where their squares fit.
std::pair<long long, long long> Distance(Point from, Point to, ReadoutMetric metric) {
    const long long dx = std::llabs(static_cast<long long>(to.X) - from.X);
    const long long dy = std::llabs(static_cast<long long>(to.Y) - from.Y);
    if (metric == ReadoutMetric::rmHorizontal) return {dx, dy};
    return {dx * dx + dy * dy, 0};
}

std::optional<SeriesReading> NearestPoint(const ChartLayout& layout, const TChartSeries& s,
                                          Point pointer, ReadoutMetric metric) {
    if (s.HorizAxis() == nullptr || s.VertAxis() == nullptr) return std::nullopt;
    const AxisScale& horiz = layout.Axis(s.HorizAxis()->Side()).Scale;
    const AxisScale& vert = layout.Axis(s.VertAxis()->Side()).Scale;
    std::optional<SeriesReading> best;
    std::pair<long long, long long> bestDistance;
    for (int i = 0; i < s.Count(); ++i) {
        const double x = s.XValues.Value(i);
        const double y = s.YValues.Value(i);
        if (std::isnan(x) || std::isnan(y)) continue;  // no place on the picture
        const Point pixel{horiz.CalcPosValue(x), vert.CalcPosValue(y)};
        const auto distance = Distance(pointer, pixel, metric);
        if (best && !(distance < bestDistance)) continue;
        best = SeriesReading{0, i, x, y, pixel};
        bestDistance = distance;
    }
    return best;
}

}  // namespace

std::vector<SeriesReading> ReadValuesAt(const ChartLayout& layout,
                                        const std::vector<TChartSeries*>& series, Point pointer,
                                        ReadoutMetric metric) {
    std::vector<SeriesReading> readings;
    if (!InsidePlot(layout.ChartRect, pointer)) return readings;
    for (std::size_t i = 0; i < series.size(); ++i) {
        if (!series[i]->Active) continue;
        if (auto reading = NearestPoint(layout, *series[i], pointer, metric)) {
            reading->Series = static_cast<int>(i);
            readings.push_back(*reading);
        }
    }
    return readings;
}

}  // namespace colmara
