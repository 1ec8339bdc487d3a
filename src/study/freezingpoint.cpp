#include "study/freezingpoint.h"

#include <algorithm>
#include <array>
#include <utility>

#include "study/freezingtable.h"
#include "study/strengthunit.h"

namespace colmara {

namespace {

using Point = std::pair<long double, long double>;  // mass fraction, degC

// The published rows as mass fractions, in the file's order.
std::array<Point, freezing::kRows.size()> MassFractionPoints() {
    std::array<Point, freezing::kRows.size()> points{};
    for (std::size_t k = 0; k < points.size(); ++k) {
        const freezing::Row& row = freezing::kRows[k];
        const long double percent = row.byWeight ? row.percent : WeightFromVolume(row.percent);
        points[k] = {percent / 100, row.celsius};
    }
    return points;
}

}  // namespace

long double FreezingPointCelsius(long double massFraction) {
    static const auto points = MassFractionPoints();
    if (!(massFraction > points.front().first)) return points.front().second;
    if (!(massFraction < points.back().first)) return points.back().second;
    const auto above =
        std::upper_bound(points.begin(), points.end(), massFraction,
                         [](long double w, const Point& point) { return w < point.first; });
    const Point& a = *(above - 1);
    const Point& b = *above;
    return a.second + (b.second - a.second) * (massFraction - a.first) / (b.first - a.first);
}

}  // namespace colmara
