// Label step, label placement, ticks and grid of one axis.
#include <algorithm>
#include <cmath>

#include "chart/chartaxis.h"
#include "chart/chartseries.h"

namespace colmara {

namespace {

std::string GeneralForm(double v, const FormatSettings& settings) {
    return FormatExtended("", v, settings);
}

// Grid lines at the ticks strictly inside the extent. Minor ticks split
// each gap into minorCount + 1 parts and continue the first gap's pattern
// beyond both outermost labels.
void AddGridAndMinorTicks(AxisLayout& layout, int minorCount) {
    const AxisScale& scale = layout.Scale;
    auto inside = [&scale](int pos) { return pos > scale.IStartPos && pos < scale.IEndPos; };
    for (int tick : layout.Ticks)
        if (inside(tick)) layout.Grid.push_back(tick);

    const auto& ticks = layout.Ticks;
    const int k = minorCount;
    if (ticks.size() < 2 || k <= 0) return;
    auto addMinor = [&](int pos) {
        if (inside(pos)) layout.MinorTicks.push_back(pos);
    };
    const double c = static_cast<double>(ticks[1] - ticks[0]) / (k + 1);
    for (int j = 1; j <= k; ++j) {
        addMinor(ticks.front() - RoundHalfEven(j * c));
        addMinor(ticks.back() + RoundHalfEven(j * c));
    }
    for (std::size_t i = 1; i < ticks.size(); ++i) {
        const double gap = static_cast<double>(ticks[i] - ticks[i - 1]) / (k + 1);
        for (int j = 1; j <= k; ++j) addMinor(ticks[i] - RoundHalfEven(j * gap));
    }
}

}  // namespace

int TChartAxis::LabelSize(TChartCanvas& canvas, const std::string& text) const {
    if (Horizontal()) return canvas.TextWidth(LabelsFont, text);
    const int lines = 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n'));
    return canvas.TextHeight(LabelsFont, "W") * lines;
}

int TChartAxis::MaxLabelsCount(const AxisScale& scale, TChartCanvas& canvas,
                               const FormatSettings& settings) const {
    int size =
        std::max(LabelSize(canvas, FormatExtended(AxisValuesFormat, scale.IMaximum, settings)),
                 LabelSize(canvas, FormatExtended(AxisValuesFormat, scale.IMinimum, settings)));
    if (size <= 0) return 1;
    // Labels keep a gap of LabelsSeparation percent of their own size:
    // 13 px high labels on a 400 px axis take 13 + 1 = 14 px, so 29 fit.
    if (LabelsSeparation > 0) size += RoundHalfEven(LabelsSeparation * 0.01 * size);
    return RoundHalfEven(static_cast<double>(scale.IAxisSize) / size);
}

double TChartAxis::NextStep(double step) {
    // 1, 2, 5, 10, 20, 50, ... and 0.5, 0.2, 0.1, ...; no number and zero
    // have no next step of that sequence and would recurse for ever.
    if (std::isinf(step)) return step;
    if (!(step > 0.0)) return MinAxisIncrement;
    if (step >= 10.0) return 10.0 * NextStep(step * 0.1);
    if (step < 1.0) return 0.1 * NextStep(step * 10.0);
    if (step < 2.0) return 2.0;
    if (step < 5.0) return 5.0;
    return 10.0;
}

double TChartAxis::CalcLabelsIncrement(const AxisScale& scale, int maxLabelsCount,
                                       const std::vector<TChartSeries*>& series) const {
    const int m = maxLabelsCount;
    const double range = scale.IRange;
    if (m < 1) return MinAxisIncrement;  // too short for a single label

    double step;
    if (Increment > 0.0) {
        step = Increment;
    } else if (range == 0.0) {
        step = 1.0;
    } else {
        step = std::fabs(range) / (m + 1);
        // Point numbers are whole: when every point of the series can have
        // its own label, the step never goes below 1.
        for (const TChartSeries* s : series) {
            if (s->Active && s->NumbersPointsAlong(this) && s->Count() <= m)
                step = std::max(step, 1.0);
        }
    }
    // A whole-number axis steps by whole numbers, which the 1-2-5 walk keeps.
    if (WholeNumbers) step = std::max(1.0, std::ceil(step));

    // Walk the 1-2-5 sequence until at most m steps cover the range.
    // Range 100, m = 10: 100 / 11 = 9.09 gives 11 steps, 10 gives 10: done.
    if (LabelsSeparation >= 0) {
        long long k = static_cast<long long>(m) + 1;
        do {
            const double n = range / step;
            if (std::fabs(n) < 2147483647.0) {
                k = RoundHalfEven(n);
                if (k > m) step = NextStep(step);
            } else {
                step = NextStep(step);
            }
        } while (!(k <= m || step > range || std::isinf(step)));
    }
    return std::isinf(step) ? range : std::max(MinAxisIncrement, step);
}

AxisLabel TChartAxis::PlaceLabel(const AxisLayout& layout, double value, int fontHeight,
                                 const FormatSettings& settings) const {
    AxisLabel label;
    label.Pos = layout.Scale.CalcPosValue(value);
    label.Text = FormatExtended(AxisValuesFormat, value, settings);
    // Vertical axes centre the text on the tick beside the axis, its edge
    // towards the axis; horizontal ones centre it below or above the tick.
    const bool outwardUp = Outward(side_) < 0;
    if (Horizontal()) {
        label.X = label.Pos;
        label.Y = outwardUp ? layout.PosLabels - fontHeight : layout.PosLabels;
        label.Align = TextAlign::Center;
    } else {
        label.X = layout.PosLabels;
        label.Y = label.Pos - fontHeight / 2;
        label.Align = outwardUp ? TextAlign::Right : TextAlign::Left;
    }
    return label;
}

void TChartAxis::CalcLabels(AxisLayout& layout, TChartCanvas& canvas,
                            const std::vector<TChartSeries*>& series,
                            const FormatSettings& settings) const {
    const AxisScale& scale = layout.Scale;
    const double iMin = scale.IMinimum;
    const double iMax = scale.IMaximum;
    const double step = CalcLabelsIncrement(scale, MaxLabelsCount(scale, canvas, settings), series);
    layout.Step = step;
    if (!(step > 0.0) || !(iMax >= iMin)) return;
    if (std::fabs(scale.IRange / step) >= MaxAxisLabelSteps) return;

    const int fontHeight = canvas.TextHeight(LabelsFont, "W");
    auto place = [&](double value) {
        layout.Labels.push_back(PlaceLabel(layout, value, fontHeight, settings));
        layout.Ticks.push_back(layout.Labels.back().Pos);
    };

    // Labels run from the maximum down, the first one rounded to the step
    // when the ends differ: 0 ... 15 with step 2 starts at 14.
    double t = iMax;
    if (RoundFirstLabel && GeneralForm(iMin, settings) != GeneralForm(iMax, settings))
        t = std::trunc(iMax / step) * step;
    // Whole-number labels start at the highest multiple of the step.
    if (WholeNumbers) t = std::floor(iMax / step) * step;
    while (t > iMax && t - step < t) t -= step;

    if (WholeNumbers && t < iMin) {
        // no whole number in the range: no label rather than a fraction
    } else if (scale.IsZeroRange || std::fabs(iMax - iMin) < 1e-10 ||
               GeneralForm(t, settings) == GeneralForm(t - step, settings)) {
        place(t);  // one label: no range, or a step below the numbers' precision
    } else {
        const double limit = (iMin - 1e-12) / (1.0 + 1e-12);
        // The step guard bounds the count; the second test stops a walk
        // that no longer moves t.
        while (t >= limit && static_cast<int>(layout.Labels.size()) <= MaxAxisLabelSteps) {
            place(t);
            const double next = t - step;
            if (!(next < t)) break;
            t = next;
        }
    }
    AddGridAndMinorTicks(layout, MinorTickCount);
}

void TChartAxis::TickLine(TChartCanvas& canvas, const AxisLayout& layout, int pos, int length,
                          const ChartPen& pen) const {
    // Outer ticks start one pixel off the axis line and point away from the
    // plotting area; a negative length points into it.
    const int out = Outward(side_);
    const int from = layout.PosAxis + out;
    const int to = from + out * length;
    if (Horizontal())
        canvas.Line(pos, from, pos, to, pen);
    else
        canvas.Line(from, pos, to, pos, pen);
}

void TChartAxis::Draw(TChartCanvas& canvas, const AxisLayout& layout, const Rect& chartRect) const {
    for (const AxisLabel& label : layout.Labels)
        canvas.TextOut(label.X, label.Y, label.Text, label.Align, LabelsFont);
    if (layout.TitleVisible) {
        if (Horizontal())
            canvas.TextOut(layout.TitleAt.X, layout.TitleAt.Y, layout.TitleText, TextAlign::Center,
                           TitleFont);
        else
            canvas.VerticalTextOut(layout.TitleAt.X, layout.TitleAt.Y, layout.TitleText, TitleFont);
    }

    const AxisScale& scale = layout.Scale;
    const int posAxis = layout.PosAxis;
    if (AxisPen.Visible) {
        if (Horizontal())
            canvas.Line(scale.IStartPos, posAxis, scale.IEndPos, posAxis, AxisPen);
        else
            canvas.Line(posAxis, scale.IStartPos, posAxis, scale.IEndPos, AxisPen);
    }
    if (Ticks.Visible && TickLength != 0)
        for (int tick : layout.Ticks) TickLine(canvas, layout, tick, TickLength, Ticks);
    if (Grid.Visible) {
        for (int pos : layout.Grid) {
            if (Horizontal())
                canvas.Line(pos, chartRect.Top + 1, pos, chartRect.Bottom, Grid);
            else
                canvas.Line(chartRect.Left + 1, pos, chartRect.Right, pos, Grid);
        }
    }
    if (TicksInner.Visible && TickInnerLength != 0)
        for (int tick : layout.Ticks) TickLine(canvas, layout, tick, -TickInnerLength, TicksInner);
    if (MinorTicks.Visible && MinorTickLength != 0)
        for (int pos : layout.MinorTicks)
            TickLine(canvas, layout, pos, MinorTickLength, MinorTicks);
}

}  // namespace colmara
