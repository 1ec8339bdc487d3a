// Mouse zoom, scroll and wheel of the chart panel.
#include <algorithm>
#include <cstdlib>

#include "chart/chart.h"

namespace colmara {

std::optional<Rect> TChart::ZoomRectangle() const {
    if (!zoom_.active) return std::nullopt;
    return Rect{std::min(zoom_.x0, zoom_.x1), std::min(zoom_.y0, zoom_.y1),
                std::max(zoom_.x0, zoom_.x1), std::max(zoom_.y0, zoom_.y1)};
}

void TChart::DrawZoomRectangle(TChartCanvas& canvas) const {
    if (auto r = ZoomRectangle()) canvas.InvertFrame(*r);
}

bool TChart::InAxisStrip(const AxisLayout& a, int x, int y) {
    // An axis' strip: its extent along the axis, from its line out across
    // its ticks and labels to the edge of the room it took.
    if (!a.Used) return false;
    const int along = a.Scale.Horizontal ? x : y;
    const int across = a.Scale.Horizontal ? y : x;
    if (along < a.Scale.IStartPos || along > a.Scale.IEndPos) return false;
    const int out = Outward(a.Side);
    return (across - a.PosAxis) * out >= 0 && (a.RoomStart - across) * out >= 0;
}

std::optional<AxisSide> TChart::AxisAt(int x, int y) const {
    for (const AxisLayout& a : layout_.Axes)
        if (InAxisStrip(a, x, y)) return a.Side;
    return std::nullopt;
}

bool TChart::OnAxis(int x, int y) const {
    return AxisAt(x, y).has_value();
}

void TChart::StartScroll(int x, int y) {
    // Inside the plotting area every axis follows the mouse; on an axis
    // strip only that axis does (the plot's own edge counts as the plot).
    if (layout_.ChartRect.Contains(x, y))
        scroll_ = {true, x, y, std::nullopt};
    else if (auto side = AxisAt(x, y))
        scroll_ = {true, x, y, side};
}

bool TChart::ScrollStaysOn(int x, int y) const {
    if (layout_.ChartRect.Contains(x, y)) return true;
    return scroll_.axis && InAxisStrip(layout_.Axis(*scroll_.axis), x, y);
}

void TChart::MouseDown(MouseButton button, int x, int y) {
    const bool inPlot = layout_.ChartRect.Contains(x, y);
    if (button == MouseButton::mbLeft) {
        if ((inPlot && AnySeriesActive()) || OnAxis(x, y)) {
            zoom_ = {true, x, y, x, y};
            if (OnZoomRectangleChanged) OnZoomRectangleChanged();
        }
    } else if (button == MouseButton::mbRight) {
        StartScroll(x, y);
    }
}

void TChart::MouseMove(int x, int y) {
    if (zoom_.active) {
        zoom_.x1 = x;
        zoom_.y1 = y;
        if (OnZoomRectangleChanged) OnZoomRectangleChanged();
    }
    if (scroll_.active) {
        if (!ScrollStaysOn(x, y)) {
            scroll_.active = false;  // leaving where it started ends the scroll
            return;
        }
        ScrollTo(x, y);
    }
}

void TChart::MouseUp(MouseButton button, int x, int y) {
    if (button == MouseButton::mbRight) {
        scroll_.active = false;
        return;
    }
    if (button != MouseButton::mbLeft || !zoom_.active) return;
    zoom_.x1 = x;
    zoom_.y1 = y;
    zoom_.active = false;
    if (OnZoomRectangleChanged) OnZoomRectangleChanged();

    const int width = std::abs(zoom_.x1 - zoom_.x0);
    const int height = std::abs(zoom_.y1 - zoom_.y0);
    if (width <= ZoomMinimumPixels || height <= ZoomMinimumPixels) return;
    // Right and down zooms in; any other direction undoes.
    if (zoom_.x1 > zoom_.x0 && zoom_.y1 > zoom_.y0)
        ApplyZoom({zoom_.x0, zoom_.y0, zoom_.x1, zoom_.y1});
    else
        UndoZoom();
}

void TChart::SaveAxisSettings() {
    if (saved_) return;  // the first zoom or scroll keeps what an undo restores
    std::array<SavedAxis, AxisCount> saved{};
    for (std::size_t i = 0; i < axes_.size(); ++i) {
        const TChartAxis& a = axes_[i];
        saved[i] = {a.Automatic, a.AutomaticMinimum, a.AutomaticMaximum, a.Minimum, a.Maximum};
    }
    saved_ = saved;
}

void TChart::UndoZoom() {
    if (!saved_) return;
    for (std::size_t i = 0; i < axes_.size(); ++i) {
        TChartAxis& a = axes_[i];
        const SavedAxis& s = (*saved_)[i];
        a.Automatic = s.automatic;
        a.AutomaticMinimum = s.automaticMinimum;
        a.AutomaticMaximum = s.automaticMaximum;
        if (!s.automatic) {
            a.Minimum = s.minimum;
            a.Maximum = s.maximum;
        }
        a.AdjustMaxMin(seriesList_);
        layout_.Axes[i].Scale.SetRange(a.Minimum, a.Maximum);
    }
    saved_.reset();
    Invalidate();
}

void TChart::FixRange(TChartAxis& axis, double minimum, double maximum) {
    axis.SetMinMax(minimum, maximum);
    layout_.Axis(axis.Side()).Scale.SetRange(minimum, maximum);
}

void TChart::ApplyZoom(const Rect& r) {
    SaveAxisSettings();
    for (TChartAxis& a : axes_) {
        if (a.Side() == AxisSide::Depth) continue;
        const AxisScale& scale = layout_.Axis(a.Side()).Scale;
        if (a.Horizontal())
            FixRange(a, scale.CalcPosPoint(r.Left), scale.CalcPosPoint(r.Right));
        else
            FixRange(a, scale.CalcPosPoint(r.Bottom), scale.CalcPosPoint(r.Top));
    }
    Invalidate();
}

void TChart::ScrollTo(int x, int y) {
    bool shifted = false;
    for (TChartAxis& a : axes_) {
        const AxisScale& scale = layout_.Axis(a.Side()).Scale;
        if (a.Side() == AxisSide::Depth || scale.IsZeroRange) continue;
        if (scroll_.axis && a.Side() != *scroll_.axis) continue;
        const int from = a.Horizontal() ? scroll_.x : scroll_.y;
        const int to = a.Horizontal() ? x : y;
        if (from == to) continue;
        if (!shifted) SaveAxisSettings();
        shifted = true;
        // The picture follows the mouse: the range moves against it.
        const double delta = scale.CalcPosPoint(to) - scale.CalcPosPoint(from);
        FixRange(a, scale.IMinimum - delta, scale.IMaximum - delta);
    }
    scroll_.x = x;
    scroll_.y = y;
    if (shifted) Invalidate();
}

void TChart::MouseWheel(int notchesUp) {
    if (notchesUp == 0) return;
    // Each notch down moves every vertical axis up by 3 % of its range. An
    // axis without a range has nothing to move and keeps scaling itself:
    // fixing the empty chart's 0 ... 0 would hold every later line at
    // mid-height, and the wheel leaves nothing to undo.
    for (TChartAxis& a : axes_) {
        if (a.Side() != AxisSide::Left && a.Side() != AxisSide::Right) continue;
        const AxisScale& scale = layout_.Axis(a.Side()).Scale;
        if (scale.IsZeroRange) continue;
        const double delta = -notchesUp * WheelShare * scale.IRange;
        FixRange(a, scale.IMinimum + delta, scale.IMaximum + delta);
    }
    Invalidate();
}

}  // namespace colmara
