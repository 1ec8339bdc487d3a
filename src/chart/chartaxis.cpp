#include "chart/chartaxis.h"

#include <algorithm>
#include <cmath>

#include "chart/chartseries.h"
#include "chart/fittedtext.h"

namespace colmara {

namespace {

// A range around a single value: one unit of its second significant digit
// (at least 1 for whole numbers) beyond the value rounded outwards. 97.184
// gives 96 ... 99, 715.017 gives 700 ... 730, 90 plates 89 ... 91.
AxisRange PaddedRange(double value, bool whole) {
    double unit = value == 0.0 ? 1.0 : std::pow(10.0, std::floor(std::log10(std::fabs(value))) - 1);
    if (whole) unit = std::max(unit, 1.0);
    return {std::floor(value / unit) * unit - unit, std::ceil(value / unit) * unit + unit};
}

}  // namespace

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
    bool numbers = false;  // point numbers: one point keeps its 0 ... 0
    double lo = 0.0;
    double hi = 0.0;
    for (const TChartSeries* s : series) {
        if (!s->AssociatedToAxis(this) || (anyActive && !s->Active) || s->Count() == 0) continue;
        const double sMin = Horizontal() ? s->MinXValue() : s->MinYValue();
        const double sMax = Horizontal() ? s->MaxXValue() : s->MaxYValue();
        if (!found || sMin < lo) lo = sMin;
        if (!found || sMax > hi) hi = sMax;
        found = true;
        numbers = numbers || s->NumbersPointsAlong(this);
    }
    if (found && !numbers && autoMax && autoMin && lo == hi && std::isfinite(lo)) {
        const AxisRange padded = PaddedRange(lo, WholeNumbers);
        lo = padded.Minimum;
        hi = padded.Maximum;
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

int TChartAxis::WidestLabel(const AxisScale& scale, TChartCanvas& canvas,
                            const std::vector<TChartSeries*>& series,
                            const FormatSettings& settings) const {
    // The rounded first and last values, and every label the scale gets:
    // an inner label such as "90.5" between "89" and "92" is wider than
    // both ends and would otherwise run into the title.
    const double step = CalcLabelsIncrement(scale, MaxLabelsCount(scale, canvas, settings), series);
    const double top = std::trunc(scale.IMaximum / step) * step;
    const double bottom = std::trunc(scale.IMinimum / step) * step;
    int widest =
        std::max(canvas.TextWidth(LabelsFont, FormatExtended(AxisValuesFormat, top, settings)),
                 canvas.TextWidth(LabelsFont, FormatExtended(AxisValuesFormat, bottom, settings)));
    AxisLayout probe;
    probe.Side = side_;
    probe.Scale = scale;
    CalcLabels(probe, canvas, series, settings);
    for (const AxisLabel& label : probe.Labels)
        widest = std::max(widest, canvas.TextWidth(LabelsFont, label.Text));
    return widest;
}

int TChartAxis::LabelRoom(const AxisScale& scale, TChartCanvas& canvas,
                          const std::vector<TChartSeries*>& series,
                          const FormatSettings& settings) const {
    if (Horizontal()) return canvas.TextHeight(LabelsFont, "W");
    // The widest label, plus a blank.
    return WidestLabel(scale, canvas, series, settings) + canvas.TextWidth(LabelsFont, " ");
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

void TChartAxis::PlaceTitle(AxisLayout& layout, TChartCanvas& canvas, const Rect& bounds) const {
    layout.TitleVisible = !Title.empty();
    if (!layout.TitleVisible) return;
    const int low = Outward(side_) < 0 ? layout.RoomStart : layout.RoomStart - TitleRoom(canvas);
    const int along = layout.Scale.ICenterPos;
    layout.TitleAt = Horizontal() ? Point{along, low} : Point{low, along};
    // Centred on `along`, the text may run as far as the nearer edge of the
    // bounds on either side: a short chart cuts a long title, never its ends.
    const int room = Horizontal() ? 2 * std::min(along - bounds.Left, bounds.Right - along)
                                  : 2 * std::min(along - bounds.Top, bounds.Bottom - along);
    layout.TitleText = FittedText(canvas, TitleFont, Title, room);
    layout.TitleVisible = !layout.TitleText.empty();
}

}  // namespace colmara
