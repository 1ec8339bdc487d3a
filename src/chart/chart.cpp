#include "chart/chart.h"

#include <algorithm>

namespace colmara {

namespace {

// The plotting rectangle never leaves the panel at the top or left and never
// inverts. An empty width or height becomes one pixel, so a panel too small
// for its contents keeps its plotting area inside itself.
Rect ClampChartRect(Rect r, const Rect& bounds) {
    r.Left = std::max(r.Left, bounds.Left);
    r.Top = std::max(r.Top, bounds.Top);
    if (r.Right <= r.Left) r.Right = r.Left + 1;
    if (r.Bottom <= r.Top) r.Bottom = r.Top + 1;
    return r;
}

}  // namespace

TChart::TChart(const FormatSettings& settings)
    : settings_(settings),
      axes_{TChartAxis(AxisSide::Bottom), TChartAxis(AxisSide::Top), TChartAxis(AxisSide::Left),
            TChartAxis(AxisSide::Right), TChartAxis(AxisSide::Depth)} {
    // The window definition: strength in percent on a fixed 0 ... 100
    // bottom axis, point numbers on the self-scaling left axis.
    TChartAxis& bottom = BottomAxis();
    bottom.Automatic = bottom.AutomaticMaximum = bottom.AutomaticMinimum = false;
    bottom.Minimum = 0.0;
    bottom.Maximum = 100.0;
    DepthAxis().Visible = false;
    Title.Text = {"Strength in column"};
}

void TChart::Adopt(std::unique_ptr<TChartSeries> series) {
    series->SetAxes(&BottomAxis(), &LeftAxis());
    series->SetRepaintRequest([this] { Invalidate(); });
    seriesList_.push_back(series.get());
    series_.push_back(std::move(series));
}

void TChart::RemoveSeries(const TChartSeries& series) {
    const auto listed = std::find(seriesList_.begin(), seriesList_.end(), &series);
    if (listed == seriesList_.end()) return;
    seriesList_.erase(listed);
    std::erase_if(series_, [&series](const auto& owned) { return owned.get() == &series; });
    Invalidate();
}

void TChart::Invalidate() const {
    if (OnInvalidate) OnInvalidate();
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

Rect TChart::InitialChartRect(const Rect& bounds) const {
    // Border and margins: 296 x 473 with margins 3, 4, 3, 4 % gives 8, 18,
    // 8, 18 pixels and, with the 1-pixel bevel, (9, 19, 287, 454).
    const int border = BorderWidth + (BevelInner != BevelCut::bvNone ? BevelWidth : 0) +
                       (BevelOuter != BevelCut::bvNone ? BevelWidth : 0) +
                       (BorderPen.Visible ? BorderPen.Width : 0);
    const int w = bounds.Width();
    const int h = bounds.Height();
    return {bounds.Left + border + MarginLeft * w / 100, bounds.Top + border + MarginTop * h / 100,
            bounds.Right - border - MarginRight * w / 100,
            bounds.Bottom - border - MarginBottom * h / 100};
}

ChartLayout TChart::CalcLayout(TChartCanvas& canvas, const Rect& bounds) const {
    ChartLayout layout;
    layout.Bounds = bounds;
    Rect chartRect = ClampChartRect(InitialChartRect(bounds), bounds);

    // The legend stands at the side, so it takes its room before the title.
    layout.Legend =
        Legend.CalcLayout(canvas, bounds, chartRect, chartRect.Width(), seriesList_, settings_);
    if (layout.Legend.Visible) {
        chartRect.Right = layout.Legend.ChartRectRight;
        chartRect = ClampChartRect(chartRect, bounds);
    }
    layout.Title = Title.CalcLayout(canvas, chartRect);
    if (layout.Title.Visible) {
        chartRect.Top = layout.Title.ChartRectTop;
        chartRect = ClampChartRect(chartRect, bounds);
    }
    layout.ChartRect = chartRect;
    LayoutAxes(layout, canvas);

    layout.SeriesClip = layout.ChartRect;
    if (ClipPoints) layout.SeriesClip.Bottom += 1;
    layout.EndLabels = PlaceEndLabels(canvas, layout);
    return layout;
}

void TChart::Align(ChartLayout& layout, Rect& chartRect) const {
    const auto shift = [&layout](AxisSide side, int by) {
        AxisLayout& a = layout.Axis(side);
        a.RoomStart += by;
        a.PosLabels += by;
    };
    // Only inwards: the axes keep at least the room they asked for.
    if (AlignLeft && *AlignLeft > chartRect.Left && *AlignLeft < chartRect.Right) {
        shift(AxisSide::Left, *AlignLeft - chartRect.Left);
        chartRect.Left = *AlignLeft;
    }
    if (AlignRight && *AlignRight<chartRect.Right&& * AlignRight> chartRect.Left) {
        shift(AxisSide::Right, *AlignRight - chartRect.Right);
        chartRect.Right = *AlignRight;
    }
}

std::vector<EndLabelLayout> TChart::PlaceEndLabels(TChartCanvas& canvas,
                                                   const ChartLayout& layout) const {
    constexpr int kGap = 3;  // pixels between a line and its label
    const Rect& plot = layout.ChartRect;
    std::vector<EndLabelLayout> placed;
    for (std::size_t i = 0; i < seriesList_.size(); ++i) {
        const TChartSeries& s = *seriesList_[i];
        if (!s.Active || s.EndLabel.empty() || s.Count() == 0) continue;
        const int last = s.Count() - 1;
        const int x = s.CalcXPos(last, layout.Axis(s.HorizAxis()->Side()).Scale);
        const int y = s.CalcYPos(last, layout.Axis(s.VertAxis()->Side()).Scale);
        const ChartFont font;
        const int w = canvas.TextWidth(font, s.EndLabel);
        const int h = canvas.TextHeight(font, s.EndLabel);
        const int left = x + kGap + w <= plot.Right ? x + kGap : x - kGap - w;
        Rect box{left, std::max(y, plot.Top) + kGap, left + w, std::max(y, plot.Top) + kGap + h};
        const auto overlaps = [&box](const EndLabelLayout& other) {
            const Rect& o = other.Box;
            return box.Left < o.Right && o.Left < box.Right && box.Top < o.Bottom &&
                   o.Top < box.Bottom;
        };
        while (std::any_of(placed.begin(), placed.end(), overlaps) &&
               box.Bottom + h <= plot.Bottom) {
            box.Top += h;
            box.Bottom += h;
        }
        placed.push_back({static_cast<int>(i), box, s.EndLabel});
    }
    return placed;
}

void TChart::LayoutAxes(ChartLayout& layout, TChartCanvas& canvas) const {
    // Ranges and extents on the rectangle the legend and title left; the
    // used axes take their room in list order, all measured on those
    // extents; then every axis measures again on the final rectangle.
    Rect chartRect = layout.ChartRect;
    for (std::size_t i = 0; i < AxisCount; ++i) {
        const TChartAxis& axis = axes_[i];
        AxisLayout& a = layout.Axes[i];
        a.Side = axis.Side();
        a.Used = AxisUsed(axis);
        a.Scale = axis.MakeScale(axis.CalcRange(seriesList_), layout.ChartRect);
    }
    for (std::size_t i = 0; i < AxisCount; ++i) {
        if (!layout.Axes[i].Used) continue;
        Rect r = chartRect;
        axes_[i].ReserveRoom(layout.Axes[i], r, canvas, seriesList_, settings_);
        chartRect = ClampChartRect(r, layout.Bounds);
    }
    Align(layout, chartRect);
    layout.ChartRect = chartRect;
    for (std::size_t i = 0; i < AxisCount; ++i) {
        AxisLayout& a = layout.Axes[i];
        a.Scale.SetExtent(chartRect);
        if (!a.Used) continue;
        a.PosAxis = EdgeOf(chartRect, a.Side);
        axes_[i].CalcLabels(a, canvas, seriesList_, settings_);
        axes_[i].PlaceTitle(a, canvas, layout.Bounds);
    }
}

void TChart::DrawLayout(TChartCanvas& canvas, const ChartLayout& layout) const {
    // Background and raised bevel.
    canvas.FillRect(layout.Bounds, Color);
    if (BevelOuter != BevelCut::bvNone) {
        const bool raised = BevelOuter == BevelCut::bvRaised;
        canvas.Frame3D(layout.Bounds, raised ? clBtnHighlight : clBtnShadow,
                       raised ? clBtnShadow : clBtnHighlight, BevelWidth);
    }

    Legend.Draw(canvas, layout.Legend, seriesList_);
    Title.Draw(canvas, layout.Title);

    // Transparent back wall: outline only, one pixel past the plotting
    // rectangle on the right and bottom.
    const Rect& r = layout.ChartRect;
    if (BackWallPen.Visible)
        canvas.FrameRect({r.Left, r.Top, r.Right + 1, r.Bottom + 1}, BackWallPen);

    // Axes behind the series.
    for (std::size_t i = 0; i < AxisCount; ++i)
        if (layout.Axes[i].Used) axes_[i].Draw(canvas, layout.Axes[i], layout.ChartRect);

    for (const TChartSeries* s : seriesList_) {
        if (!s->Active || s->Count() == 0) continue;
        canvas.SetClip(layout.SeriesClip);
        s->DrawAllValues(canvas, layout.Axis(s->HorizAxis()->Side()).Scale,
                         layout.Axis(s->VertAxis()->Side()).Scale);
        canvas.ClearClip();
    }
    for (const EndLabelLayout& label : layout.EndLabels) {
        ChartFont font;
        font.Color = seriesList_[static_cast<std::size_t>(label.Series)]->SeriesColor;
        canvas.SetClip(layout.SeriesClip);
        canvas.TextOut(label.Box.Left, label.Box.Top, label.Text, TextAlign::Left, font);
        canvas.ClearClip();
    }
}

const ChartLayout& TChart::Render(TChartCanvas& canvas, const Rect& bounds) {
    for (TChartAxis& axis : axes_) axis.AdjustMaxMin(seriesList_);
    layout_ = CalcLayout(canvas, bounds);
    DrawLayout(canvas, layout_);
    return layout_;
}

void TChart::Draw(TChartCanvas& canvas, const Rect& bounds) const {
    // The layout computes every automatic range itself; Render only copies
    // it into the settings as well.
    DrawLayout(canvas, CalcLayout(canvas, bounds));
}

void TChart::Paint(TChartCanvas& canvas, const Rect& bounds) {
    Render(canvas, bounds);
    DrawZoomRectangle(canvas);
}

}  // namespace colmara
