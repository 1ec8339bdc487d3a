// The sides an axis can stand on and the one rule that turns a side into
// geometry: the edge of the plotting rectangle it lies on and the direction
// that points away from the plotting area.
#pragma once

#include <cstddef>

#include "chart/chartgeometry.h"

namespace colmara {

// In the chart's list order; the value indexes the chart's axes.
enum class TAxisSide { Bottom, Top, Left, Right, Depth };

inline constexpr std::size_t SideIndex(TAxisSide side) {
    return static_cast<std::size_t>(side);
}

inline constexpr bool IsHorizontalSide(TAxisSide side) {
    return side == TAxisSide::Bottom || side == TAxisSide::Top;
}

// +1 where moving away from the plotting area raises the coordinate (bottom,
// right), -1 where it lowers it (top, left). The depth axis has no edge: it
// is never laid out, and 0 keeps any use of it from moving anything.
inline constexpr int Outward(TAxisSide side) {
    switch (side) {
        case TAxisSide::Bottom:
        case TAxisSide::Right:
            return 1;
        case TAxisSide::Top:
        case TAxisSide::Left:
            return -1;
        case TAxisSide::Depth:
            break;
    }
    return 0;
}

// The rectangle's edge on the given side (the depth axis reads the bottom).
inline int& EdgeOf(TRect& r, TAxisSide side) {
    switch (side) {
        case TAxisSide::Top:
            return r.Top;
        case TAxisSide::Left:
            return r.Left;
        case TAxisSide::Right:
            return r.Right;
        case TAxisSide::Bottom:
        case TAxisSide::Depth:
            break;
    }
    return r.Bottom;
}

inline int EdgeOf(const TRect& r, TAxisSide side) {
    TRect copy = r;
    return EdgeOf(copy, side);
}

}  // namespace colmara
