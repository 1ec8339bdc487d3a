#include "chart/chartaxis.h"

#include <algorithm>
#include <cmath>

#include "chart/chartseries.h"

namespace colmara {

TChartAxis::TChartAxis(AxisSide side) : side_(side) {}

AxisRange TChartAxis::CalcRange(const std::vector<TChartSeries*>& series) const {
    AxisRange range{Minimum, Maximum};
    const bool autoMax = Automatic || AutomaticMaximum;
    const bool autoMin = Automatic || AutomaticMinimum;
    if (!autoMax && !autoMin) return range;
    // Active series count; only when none on this axis is active do the
    // inactive ones. The first counting series sets the range, later ones
    // can only widen it; with none the range is 0 ... 0.
    const bool anyActive = std::any_of(series.begin(), series.end(), [this](auto* s) {
        return s->Active && s->AssociatedToAxis(this);
    });
    bool found = false;
    double lo = 0.0;
    double hi = 0.0;
    for (const TChartSeries* s : series) {
        if (!s->AssociatedToAxis(this) || (anyActive && !s->Active) || s->Count() == 0) continue;
        const double sMin = Horizontal() ? s->MinXValue() : s->MinYValue();
        const double sMax = Horizontal() ? s->MaxXValue() : s->MaxYValue();
        if (!found || sMin < lo) lo = sMin;
        if (!found || sMax > hi) hi = sMax;
        found = true;
    }
    if (autoMax) range.Maximum = hi;
    if (autoMin) range.Minimum = lo;
    return range;
}

void TChartAxis::AdjustMaxMin(const std::vector<TChartSeries*>& series) {
    const AxisRange range = CalcRange(series);
    Minimum = range.Minimum;
    Maximum = range.Maximum;
}

void TChartAxis::SetMinMax(double minimum, double maximum) {
    Automatic = AutomaticMinimum = AutomaticMaximum = false;
    Minimum = minimum;
    Maximum = maximum;
}

AxisScale TChartAxis::MakeScale(const AxisRange& range, const Rect& chartRect) const {
    AxisScale scale;
    scale.Horizontal = Horizontal();
    scale.SetRange(range.Minimum, range.Maximum);
    scale.SetExtent(chartRect);
    return scale;
}

int TChartAxis::TitleRoom(TChartCanvas& canvas) const {
    return Title.empty() ? 0 : canvas.TextHeight(TitleFont, "W");
}

int TChartAxis::LabelRoom(const AxisScale& scale, TChartCanvas& canvas,
                          const std::vector<TChartSeries*>& series,
                          const FormatSettings& settings) const {
    if (Horizontal()) return canvas.TextHeight(LabelsFont, "W");
    // The widest of the rounded first and last labels, plus a blank.
    const double step = CalcLabelsIncrement(scale, MaxLabelsCount(scale, canvas, settings), series);
    const double top = std::trunc(scale.IMaximum / step) * step;
    const double bottom = std::trunc(scale.IMinimum / step) * step;
    return std::max(
               canvas.TextWidth(LabelsFont, FormatExtended(AxisValuesFormat, top, settings)),
               canvas.TextWidth(LabelsFont, FormatExtended(AxisValuesFormat, bottom, settings))) +
           canvas.TextWidth(LabelsFont, " ");
}

int TChartAxis::TickRoom() const {
    const int room = (AxisPen.Visible ? AxisPen.Width + 1 : 0) + (Ticks.Visible ? TickLength : 0);
    return MinorTicks.Visible ? std::max(room, MinorTickLength) : room;
}

void TChartAxis::ReserveRoom(AxisLayout& layout, Rect& chartRect, TChartCanvas& canvas,
                             const std::vector<TChartSeries*>& series,
                             const FormatSettings& settings) const {
    if (side_ == AxisSide::Depth) return;
    // The edge moves inwards, against the outward direction: first by the
    // title, then by the labels, then by the ticks.
    Rect copy = chartRect;
    int& edge = EdgeOf(copy, side_);
    const int inward = -Outward(side_);
    layout.RoomStart = edge;
    edge += inward * (TitleRoom(canvas) + LabelRoom(layout.Scale, canvas, series, settings));
    layout.PosLabels = edge;
    edge += inward * TickRoom();
    if (copy.Width() > 0 && copy.Height() > 0) chartRect = copy;
}

void TChartAxis::PlaceTitle(AxisLayout& layout, TChartCanvas& canvas) const {
    layout.TitleVisible = !Title.empty();
    if (!layout.TitleVisible) return;
    const int low = Outward(side_) < 0 ? layout.RoomStart : layout.RoomStart - TitleRoom(canvas);
    const int along = layout.Scale.ICenterPos;
    layout.TitleAt = Horizontal() ? Point{along, low} : Point{low, along};
}

}  // namespace colmara
