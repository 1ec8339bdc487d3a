// Where an axis' values land: its value range, its pixel extent and the
// mapping between the two that labels, series and the mouse share.
#pragma once

#include "chart/chartgeometry.h"

namespace colmara {

// Computed pixel positions are clamped to +-this.
inline constexpr int MaxPixelPos = 0x3FFFFFF;

struct AxisScale {
    bool Horizontal = true;  // values grow rightwards, else upwards
    double IMinimum = 0.0;
    double IMaximum = 0.0;
    double IRange = 0.0;
    bool IsZeroRange = true;
    int IStartPos = 0;
    int IEndPos = 0;
    int IAxisSize = 0;
    int ICenterPos = 0;
    double PixelsPerUnit = 0.0;  // IAxisSize / IRange; 0 for a zero range

    // Both keep PixelsPerUnit in step with the range and the extent.
    void SetRange(double minimum, double maximum);
    // The extent along the plotting rectangle: its full width or height.
    void SetExtent(const Rect& chartRect);

    int CalcPosValue(double value) const;
    // Inverse of CalcPosValue, for turning mouse pixels into axis values.
    double CalcPosPoint(int pixel) const;

  private:
    void UpdateScale();
};

}  // namespace colmara
