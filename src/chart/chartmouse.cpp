// Mouse zoom, scroll and wheel of the chart panel.
#include <algorithm>
#include <cstdlib>

#include "chart/chart.h"

namespace colmara {

std::optional<TRect> TChart::ZoomRectangle() const {
    if (!zoom_.active) return std::nullopt;
    return TRect{std::min(zoom_.x0, zoom_.x1), std::min(zoom_.y0, zoom_.y1),
                 std::max(zoom_.x0, zoom_.x1), std::max(zoom_.y0, zoom_.y1)};
}

void TChart::DrawZoomRectangle(TChartCanvas& canvas) const {
    if (auto r = ZoomRectangle()) canvas.InvertFrame(*r);
}

bool TChart::OnAxis(int x, int y) const {
    // An axis' strip: its extent along the axis, from its line out across
    // its ticks and labels to the edge of the room it took.
    for (const TChartAxis& axis : axes_) {
        if (!AxisUsed(axis)) continue;
        const bool along = axis.Horizontal() ? x >= axis.IStartPos && x <= axis.IEndPos
                                             : y >= axis.IStartPos && y <= axis.IEndPos;
        if (!along) continue;
        switch (axis.Side()) {
            case TAxisSide::Bottom:
                if (y >= axis.PosAxis && y <= axis.RoomStart) return true;
                break;
            case TAxisSide::Top:
                if (y <= axis.PosAxis && y >= axis.RoomStart) return true;
                break;
            case TAxisSide::Left:
                if (x <= axis.PosAxis && x >= axis.RoomStart) return true;
                break;
            case TAxisSide::Right:
                if (x >= axis.PosAxis && x <= axis.RoomStart) return true;
                break;
            case TAxisSide::Depth:
                break;
        }
    }
    return false;
}

void TChart::MouseDown(TMouseButton button, int x, int y) {
    const bool inPlot = chartRect_.Contains(x, y);
    if (button == TMouseButton::mbLeft) {
        if ((inPlot && AnySeriesActive()) || OnAxis(x, y)) {
            zoom_ = {true, x, y, x, y};
            if (OnZoomRectangleChanged) OnZoomRectangleChanged();
        }
    } else if (button == TMouseButton::mbRight) {
        if (inPlot || OnAxis(x, y)) scroll_ = {true, x, y};
    }
}

void TChart::MouseMove(int x, int y) {
    if (zoom_.active) {
        zoom_.x1 = x;
        zoom_.y1 = y;
        if (OnZoomRectangleChanged) OnZoomRectangleChanged();
    }
    if (scroll_.active) {
        if (!chartRect_.Contains(x, y)) {
            scroll_.active = false;  // leaving the plotting area ends the scroll
            return;
        }
        ScrollTo(x, y);
    }
}

void TChart::MouseUp(TMouseButton button, int x, int y) {
    if (button == TMouseButton::mbRight) {
        scroll_.active = false;
        return;
    }
    if (button != TMouseButton::mbLeft || !zoom_.active) return;
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
    std::array<SavedAxis, 5> saved{};
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
    }
    saved_.reset();
    Invalidate();
}

void TChart::ApplyZoom(const TRect& r) {
    SaveAxisSettings();
    for (TChartAxis& a : axes_) {
        if (a.Side() == TAxisSide::Depth) continue;
        if (a.Horizontal())
            a.SetMinMax(a.CalcPosPoint(r.Left), a.CalcPosPoint(r.Right));
        else
            a.SetMinMax(a.CalcPosPoint(r.Bottom), a.CalcPosPoint(r.Top));
    }
    Invalidate();
}

void TChart::ScrollTo(int x, int y) {
    bool shifted = false;
    for (TChartAxis& a : axes_) {
        if (a.Side() == TAxisSide::Depth || a.IsZeroRange) continue;
        const int from = a.Horizontal() ? scroll_.x : scroll_.y;
        const int to = a.Horizontal() ? x : y;
        if (from == to) continue;
        if (!shifted) SaveAxisSettings();
        shifted = true;
        // The picture follows the mouse: the range moves against it.
        const double delta = a.CalcPosPoint(to) - a.CalcPosPoint(from);
        a.SetMinMax(a.IMinimum - delta, a.IMaximum - delta);
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
        if (a.Side() != TAxisSide::Left && a.Side() != TAxisSide::Right) continue;
        if (a.IsZeroRange) continue;
        const double delta = -notchesUp * WheelShare * a.IRange;
        a.SetMinMax(a.IMinimum + delta, a.IMaximum + delta);
    }
    Invalidate();
}

}  // namespace colmara
