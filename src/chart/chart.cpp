#include "chart/chart.h"

#include <algorithm>

namespace colmara {

TChart::TChart(const FormatSettings& settings)
    : settings_(settings),
      axes_{TChartAxis(TAxisSide::Bottom), TChartAxis(TAxisSide::Top), TChartAxis(TAxisSide::Left),
            TChartAxis(TAxisSide::Right), TChartAxis(TAxisSide::Depth)} {
    // The window definition: strength in percent on a fixed 0 ... 100
    // bottom axis, point numbers on the self-scaling left axis.
    TChartAxis& bottom = BottomAxis();
    bottom.Automatic = bottom.AutomaticMaximum = bottom.AutomaticMinimum = false;
    bottom.Minimum = 0.0;
    bottom.Maximum = 100.0;
    DepthAxis().Visible = false;
    Title.Text = {"Strength in column"};
}

THorizLineSeries& TChart::AddSeries(std::unique_ptr<THorizLineSeries> series) {
    THorizLineSeries& s = *series;
    s.SetAxes(&BottomAxis(), &LeftAxis());
    s.SetRepaintRequest([this] { Invalidate(); });
    series_.push_back(std::move(series));
    seriesList_.push_back(&s);
    return s;
}

void TChart::Invalidate() const {
    if (OnInvalidate) OnInvalidate();
}

void TChart::SetChartRect(const TRect& r) {
    // The plotting rectangle never leaves the panel at the top or left and
    // never inverts. An empty width or height becomes one pixel, so a panel
    // too small for its contents keeps its plotting area inside itself.
    chartRect_ = r;
    chartRect_.Left = std::max(chartRect_.Left, bounds_.Left);
    chartRect_.Top = std::max(chartRect_.Top, bounds_.Top);
    if (chartRect_.Right <= chartRect_.Left) chartRect_.Right = chartRect_.Left + 1;
    if (chartRect_.Bottom <= chartRect_.Top) chartRect_.Bottom = chartRect_.Top + 1;
}

bool TChart::AnySeriesActive() const {
    return std::any_of(seriesList_.begin(), seriesList_.end(), [](auto* s) { return s->Active; });
}

bool TChart::AxisUsed(const TChartAxis& axis) const {
    if (!axis.Visible || !AxisVisible) return false;
    // With no active series at all every axis counts as used.
    if (!AnySeriesActive()) return true;
    return std::any_of(seriesList_.begin(), seriesList_.end(),
                       [&axis](auto* s) { return s->Active && s->AssociatedToAxis(&axis); });
}

TRect TChart::InitialChartRect(const TRect& bounds) const {
    // Border and margins: 296 x 473 with margins 3, 4, 3, 4 % gives 8, 18,
    // 8, 18 pixels and, with the 1-pixel bevel, (9, 19, 287, 454).
    const int border = BorderWidth + (BevelInner != TBevelCut::bvNone ? BevelWidth : 0) +
                       (BevelOuter != TBevelCut::bvNone ? BevelWidth : 0) +
                       (BorderPen.Visible ? BorderPen.Width : 0);
    const int w = bounds.Width();
    const int h = bounds.Height();
    return {bounds.Left + border + MarginLeft * w / 100, bounds.Top + border + MarginTop * h / 100,
            bounds.Right - border - MarginRight * w / 100,
            bounds.Bottom - border - MarginBottom * h / 100};
}

TChartLayout TChart::CalcLayout(TChartCanvas& canvas, const TRect& bounds) {
    TChartLayout layout;
    layout.Bounds = bounds;
    bounds_ = bounds;

    SetChartRect(InitialChartRect(bounds));

    // The legend stands at the side, so it takes its room before the title.
    layout.Legend =
        Legend.CalcLayout(canvas, bounds_, chartRect_, ChartWidth(), seriesList_, settings_);
    if (layout.Legend.Visible) {
        TRect r = chartRect_;
        r.Right = layout.Legend.ChartRectRight;
        SetChartRect(r);
    }
    layout.Title = Title.CalcLayout(canvas, chartRect_);
    if (layout.Title.Visible) {
        TRect r = chartRect_;
        r.Top = layout.Title.ChartRectTop;
        SetChartRect(r);
    }

    // Axes: ranges, extents, room in list order, final extents.
    for (TChartAxis& axis : axes_) axis.AdjustMaxMin(seriesList_);
    for (TChartAxis& axis : axes_) axis.CalcRect(chartRect_);
    for (TChartAxis& axis : axes_) {
        if (!AxisUsed(axis)) continue;
        TRect r = chartRect_;
        axis.ReserveRoom(r, canvas, seriesList_, settings_);
        SetChartRect(r);
    }
    for (TChartAxis& axis : axes_) axis.CalcRect(chartRect_);
    layout.ChartRect = chartRect_;

    for (TChartAxis& axis : axes_) {
        if (!AxisUsed(axis)) continue;
        axis.SetPosAxis(chartRect_);
        layout.Axes.push_back({&axis, axis.CalcLabels(canvas, seriesList_, settings_)});
    }
    layout.SeriesClip = chartRect_;
    if (ClipPoints) layout.SeriesClip.Bottom += 1;
    return layout;
}

void TChart::DrawLayout(TChartCanvas& canvas, const TChartLayout& layout) {
    // Background and raised bevel.
    canvas.FillRect(layout.Bounds, Color);
    if (BevelOuter != TBevelCut::bvNone) {
        const bool raised = BevelOuter == TBevelCut::bvRaised;
        canvas.Frame3D(layout.Bounds, raised ? clBtnHighlight : clBtnShadow,
                       raised ? clBtnShadow : clBtnHighlight, BevelWidth);
    }

    if (const THorizLineSeries* listed = TChartLegend::ListedSeries(seriesList_))
        Legend.Draw(canvas, layout.Legend, *listed);
    Title.Draw(canvas, layout.Title);

    // Transparent back wall: outline only, one pixel past the plotting
    // rectangle on the right and bottom.
    const TRect& r = layout.ChartRect;
    if (BackWallPen.Visible)
        canvas.FrameRect({r.Left, r.Top, r.Right + 1, r.Bottom + 1}, BackWallPen);

    // Axes behind the series.
    for (const auto& entry : layout.Axes) entry.Axis->Draw(canvas, entry.Layout, layout.ChartRect);

    for (THorizLineSeries* s : seriesList_) {
        if (!s->Active || s->Count() == 0) continue;
        canvas.SetClip(layout.SeriesClip);
        s->DrawAllValues(canvas);
        canvas.ClearClip();
    }
}

void TChart::Paint(TChartCanvas& canvas, const TRect& bounds) {
    DrawLayout(canvas, CalcLayout(canvas, bounds));
    DrawZoomRectangle(canvas);
}

}  // namespace colmara
