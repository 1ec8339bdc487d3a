// The sides an axis can stand on and the one rule that turns a side into
// geometry: the edge of the plotting rectangle it lies on and the direction
// that points away from the plotting area.
#pragma once

#include <cstddef>

#include "chart/chartgeometry.h"

namespace colmara {

// In the chart's list order; the value indexes the chart's axes.
enum class AxisSide { Bottom, Top, Left, Right, Depth };

inline constexpr std::size_t SideIndex(AxisSide side) {
    return static_cast<std::size_t>(side);
}

inline constexpr bool IsHorizontalSide(AxisSide side) {
    return side == AxisSide::Bottom || side == AxisSide::Top;
}

// +1 where moving away from the plotting area raises the coordinate (bottom,
// right), -1 where it lowers it (top, left). The depth axis has no edge: it
// is never laid out, and 0 keeps any use of it from moving anything.
inline constexpr int Outward(AxisSide side) {
    switch (side) {
        case AxisSide::Bottom:
        case AxisSide::Right:
            return 1;
        case AxisSide::Top:
        case AxisSide::Left:
            return -1;
        case AxisSide::Depth:
            break;
    }
    return 0;
}

// The rectangle's edge on the given side (the depth axis reads the bottom).
inline int& EdgeOf(Rect& r, AxisSide side) {
    switch (side) {
        case AxisSide::Top:
            return r.Top;
        case AxisSide::Left:
            return r.Left;
        case AxisSide::Right:
            return r.Right;
        case AxisSide::Bottom:
        case AxisSide::Depth:
            break;
    }
    return r.Bottom;
}

inline int EdgeOf(const Rect& r, AxisSide side) {
    Rect copy = r;
    return EdgeOf(copy, side);
}

}  // namespace colmara
