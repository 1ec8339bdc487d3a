#include "chart/chartaxis.h"

#include <algorithm>
#include <cmath>

#include "chart/horizlineseries.h"

namespace colmara {

TChartAxis::TChartAxis(TAxisSide side) : side_(side) {}

void TChartAxis::AdjustMaxMin(const std::vector<THorizLineSeries*>& series) {
    const bool autoMax = Automatic || AutomaticMaximum;
    const bool autoMin = Automatic || AutomaticMinimum;
    if (autoMax || autoMin) {
        // Active series count; only when none on this axis is active do the
        // inactive ones. The first counting series sets the range, later
        // ones can only widen it; with none the range is 0 ... 0.
        const bool anyActive = std::any_of(series.begin(), series.end(), [this](auto* s) {
            return s->Active && s->AssociatedToAxis(this);
        });
        bool found = false;
        double lo = 0.0;
        double hi = 0.0;
        for (const THorizLineSeries* s : series) {
            if (!s->AssociatedToAxis(this) || (anyActive && !s->Active) || s->Count() == 0)
                continue;
            const double sMin = Horizontal() ? s->MinXValue() : s->MinYValue();
            const double sMax = Horizontal() ? s->MaxXValue() : s->MaxYValue();
            if (!found || sMin < lo) lo = sMin;
            if (!found || sMax > hi) hi = sMax;
            found = true;
        }
        if (autoMax) Maximum = hi;
        if (autoMin) Minimum = lo;
    }
    IMaximum = Maximum;
    IMinimum = Minimum;
    IRange = IMaximum - IMinimum;
    IsZeroRange = IRange == 0.0;
    scale_ = IsZeroRange ? 0.0 : IAxisSize / IRange;
}

void TChartAxis::SetMinMax(double minimum, double maximum) {
    Automatic = AutomaticMinimum = AutomaticMaximum = false;
    Minimum = minimum;
    Maximum = maximum;
    IMinimum = minimum;
    IMaximum = maximum;
    IRange = IMaximum - IMinimum;
    IsZeroRange = IRange == 0.0;
    scale_ = IsZeroRange ? 0.0 : IAxisSize / IRange;
}

void TChartAxis::CalcRect(const TRect& chartRect) {
    constexpr double kStartPosition = 0.0;
    constexpr double kEndPosition = 100.0;
    const int from = Horizontal() ? chartRect.Left : chartRect.Top;
    const int size = Horizontal() ? chartRect.Width() : chartRect.Height();
    IStartPos = from + RoundHalfEven(size * kStartPosition / 100.0);
    IEndPos = from + RoundHalfEven(size * kEndPosition / 100.0);
    IAxisSize = IEndPos - IStartPos;
    ICenterPos = (IStartPos + IEndPos) / 2;
    scale_ = IsZeroRange ? 0.0 : IAxisSize / IRange;
}

void TChartAxis::ReserveRoom(TRect& chartRect, TChartCanvas& canvas,
                             const std::vector<THorizLineSeries*>& series,
                             const FormatSettings& settings) {
    int labelSize = 0;
    if (Horizontal()) {
        labelSize = canvas.TextHeight(LabelsFont, "W");
    } else {
        // The widest of the rounded first and last labels, plus a blank.
        const double step = CalcLabelsIncrement(MaxLabelsCount(canvas, settings), series);
        const double top = std::trunc(IMaximum / step) * step;
        const double bottom = std::trunc(IMinimum / step) * step;
        labelSize =
            std::max(
                canvas.TextWidth(LabelsFont, FormatExtended(AxisValuesFormat, top, settings)),
                canvas.TextWidth(LabelsFont, FormatExtended(AxisValuesFormat, bottom, settings))) +
            canvas.TextWidth(LabelsFont, " ");
    }

    int tickRoom = (AxisPen.Visible ? AxisPen.Width + 1 : 0) + (Ticks.Visible ? TickLength : 0);
    if (MinorTicks.Visible) tickRoom = std::max(tickRoom, MinorTickLength);

    TRect copy = chartRect;
    switch (side_) {
        case TAxisSide::Bottom:
            RoomStart = chartRect.Bottom;
            break;
        case TAxisSide::Top:
            RoomStart = chartRect.Top;
            break;
        case TAxisSide::Left:
            RoomStart = chartRect.Left;
            break;
        case TAxisSide::Right:
            RoomStart = chartRect.Right;
            break;
        case TAxisSide::Depth:
            return;
    }
    switch (side_) {
        case TAxisSide::Bottom:
            copy.Bottom -= labelSize;
            PosLabels = copy.Bottom;
            copy.Bottom -= tickRoom;
            break;
        case TAxisSide::Top:
            copy.Top += labelSize;
            PosLabels = copy.Top;
            copy.Top += tickRoom;
            break;
        case TAxisSide::Left:
            copy.Left += labelSize;
            PosLabels = copy.Left;
            copy.Left += tickRoom;
            break;
        case TAxisSide::Right:
            copy.Right -= labelSize;
            PosLabels = copy.Right;
            copy.Right -= tickRoom;
            break;
        case TAxisSide::Depth:
            return;
    }
    if (copy.Width() > 0 && copy.Height() > 0) chartRect = copy;
}

void TChartAxis::SetPosAxis(const TRect& chartRect) {
    switch (side_) {
        case TAxisSide::Bottom:
            PosAxis = chartRect.Bottom;
            break;
        case TAxisSide::Top:
            PosAxis = chartRect.Top;
            break;
        case TAxisSide::Left:
            PosAxis = chartRect.Left;
            break;
        case TAxisSide::Right:
            PosAxis = chartRect.Right;
            break;
        case TAxisSide::Depth:
            break;
    }
}

int TChartAxis::CalcPosValue(double value) const {
    if (IsZeroRange) return ICenterPos;
    const double d = (value - IMinimum) * scale_;
    const double pos = Horizontal() ? IStartPos + d : IEndPos - d;
    // A value that is no number has no place; it goes to the minimum end
    // rather than into an undefined integer conversion.
    if (std::isnan(pos)) return Horizontal() ? IStartPos : IEndPos;
    if (pos > MaxPixelPos) return MaxPixelPos;
    if (pos < -MaxPixelPos) return -MaxPixelPos;
    return RoundHalfEven(pos);
}

double TChartAxis::CalcPosPoint(int pixel) const {
    if (IsZeroRange) return IMinimum;
    const double d = Horizontal() ? pixel - IStartPos : IEndPos - pixel;
    return IMinimum + d / scale_;
}

}  // namespace colmara
