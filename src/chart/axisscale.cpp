#include "chart/axisscale.h"

#include <cmath>

namespace colmara {

void AxisScale::UpdateScale() {
    PixelsPerUnit = IsZeroRange ? 0.0 : IAxisSize / IRange;
}

void AxisScale::SetRange(double minimum, double maximum) {
    IMinimum = minimum;
    IMaximum = maximum;
    IRange = IMaximum - IMinimum;
    IsZeroRange = IRange == 0.0;
    UpdateScale();
}

void AxisScale::SetExtent(const Rect& chartRect) {
    // The axis runs over the whole rectangle: start 0 %, end 100 % of it.
    constexpr double kStartPosition = 0.0;
    constexpr double kEndPosition = 100.0;
    const int from = Horizontal ? chartRect.Left : chartRect.Top;
    const int size = Horizontal ? chartRect.Width() : chartRect.Height();
    IStartPos = from + RoundHalfEven(size * kStartPosition / 100.0);
    IEndPos = from + RoundHalfEven(size * kEndPosition / 100.0);
    IAxisSize = IEndPos - IStartPos;
    ICenterPos = (IStartPos + IEndPos) / 2;
    UpdateScale();
}

int AxisScale::CalcPosValue(double value) const {
    if (IsZeroRange) return ICenterPos;
    const double d = (value - IMinimum) * PixelsPerUnit;
    const double pos = Horizontal ? IStartPos + d : IEndPos - d;
    // A value that is no number has no place; it goes to the minimum end
    // rather than into an undefined integer conversion.
    if (std::isnan(pos)) return Horizontal ? IStartPos : IEndPos;
    if (pos > MaxPixelPos) return MaxPixelPos;
    if (pos < -MaxPixelPos) return -MaxPixelPos;
    return RoundHalfEven(pos);
}

double AxisScale::CalcPosPoint(int pixel) const {
    if (IsZeroRange) return IMinimum;
    const double d = Horizontal ? pixel - IStartPos : IEndPos - pixel;
    return IMinimum + d / PixelsPerUnit;
}

}  // namespace colmara
